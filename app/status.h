// The result of an operation that can fail: ok, or a message that says what
// went wrong and where. Modelled on LevelDB's Status: an ok status is one
// null pointer, so returning one costs nothing; only a failure allocates.
//
// What a description reader finds wrong in the text is not a Status: it is
// an error code in the generator state (app/error_codes.h), or, for the
// failures that become code 25, a DescriptionFailure caught in one place
// (memorizza_dati).
#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <utility>

namespace scenario {

class [[nodiscard]] Status {
 public:
  Status() noexcept = default;
  Status(const Status& other) : message_(other.ok() ? nullptr : Copy(*other.message_)) {}
  Status& operator=(const Status& other) {
    if (this != &other) message_ = other.ok() ? nullptr : Copy(*other.message_);
    return *this;
  }
  Status(Status&&) noexcept = default;
  Status& operator=(Status&&) noexcept = default;

  static Status OK() { return Status(); }
  static Status Error(std::string message) { return Status(std::move(message)); }

  bool ok() const { return message_ == nullptr; }
  // What went wrong; empty when ok.
  const std::string& message() const;

 private:
  explicit Status(std::string message) : message_(Copy(std::move(message))) {}
  static std::unique_ptr<const std::string> Copy(std::string message) {
    return std::make_unique<const std::string>(std::move(message));
  }

  std::unique_ptr<const std::string> message_;  // null when ok
};

inline const std::string& Status::message() const {
  static const std::string kNone;
  return ok() ? kNone : *message_;
}

// Where a field stands in a description text: line and column counted from 1.
// A value that does not fit its width throws DescriptionFailure, from the
// field stream or from a cell writer, with the place of the field when it is
// known.
struct TextPosition {
  int line = 0;
  int column = 0;
};

class DescriptionFailure : public std::runtime_error {
 public:
  DescriptionFailure(const std::string& what, TextPosition where)
      : std::runtime_error(what), where_(where) {}
  TextPosition where() const { return where_; }

 private:
  TextPosition where_;
};

}  // namespace scenario
