// The result of an operation that can fail: ok, or a message that says what
// went wrong and where. Modelled on LevelDB's Status: an ok status is one
// null pointer, so returning one costs nothing; only a failure allocates.
// StatusOr<T> is the same for an operation that gives a value when it works.
//
// What a description reader finds wrong in the text is not a Status: it is
// an error code in the generator state (app/error_codes.h), or, for the
// failures that become code 25, a DescriptionFailure. memorizza_dati is the
// one catch that ends the reading with code 25; two more catches in the line
// reader only put the record's place on a failure thrown by code that knows
// no text positions (the chainage ordering, the speed board writer) and
// throw it on to memorizza_dati. docs/architecture.md, "Failure kinds", has
// the whole list, the tools' exit statuses (app/exit_status.h) among them.
#pragma once

#include <concepts>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <variant>

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

// A value, or the Status that says why there is none. Made from a value
// or from a failed Status; one made from an ok Status is a failure too,
// since it holds no value to give.
template <typename T>
class [[nodiscard]] StatusOr {
 public:
  StatusOr(T value) : result_(std::in_place_index<1>, std::move(value)) {}  // NOLINT: a value is a result
  StatusOr(Status failure)                                                   // NOLINT: so is a failure
      : result_(std::in_place_index<0>,
                failure.ok() ? Status::Error("no value, yet no failure given") : std::move(failure)) {}

  bool ok() const { return result_.index() == 1; }
  // Ok, or why there is no value.
  const Status& status() const {
    static const Status kOk;
    return ok() ? kOk : std::get<0>(result_);
  }

  // The value; only when ok().
  const T& value() const& { return std::get<1>(result_); }
  T& value() & { return std::get<1>(result_); }
  T&& value() && { return std::get<1>(std::move(result_)); }
  const T& operator*() const& { return value(); }
  T& operator*() & { return value(); }
  const T* operator->() const { return &value(); }
  T* operator->() { return &value(); }

  // Two results are alike when both hold equal values, or both failed with
  // the same message.
  bool operator==(const StatusOr& other) const
    requires std::equality_comparable<T>
  {
    if (ok() != other.ok()) return false;
    return ok() ? value() == other.value() : status().message() == other.status().message();
  }

 private:
  std::variant<Status, T> result_;  // the failure, or the value
};

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
