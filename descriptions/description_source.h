// Where the readers get the two description texts from. The packager reads
// and deletes files in its folder; the authoring command hands over texts
// from memory and deletes nothing. The readers never touch a file themselves.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "app/status.h"

namespace scenario {

class DescriptionSource {
 public:
  virtual ~DescriptionSource() = default;
  // Whether the line description exists (false: error 101).
  virtual bool LineExists() = 0;
  // The line description's whole text. A failure is the readers' common
  // failure path (code 25).
  virtual Status OpenLine(std::string* text) = 0;
  // The train description's whole text; likewise.
  virtual Status OpenTrain(std::string* text) = 0;
  // The text to read: a view of the source's own text where it keeps one
  // for as long as it lives, else the text opened into `storage`.
  virtual Status ViewLine(std::string* storage, std::string_view* text) {
    const Status opened = OpenLine(storage);
    *text = *storage;
    return opened;
  }
  virtual Status ViewTrain(std::string* storage, std::string_view* text) {
    const Status opened = OpenTrain(storage);
    *text = *storage;
    return opened;
  }
  // Close and delete; calling either twice, or for a missing file, is harmless.
  virtual void DeleteLine() = 0;
  virtual void DeleteTrain() = 0;
  // Names used in diagnostics.
  virtual std::string LineName() const { return "line description"; }
  virtual std::string TrainName() const { return "train description"; }
};

// Texts held in memory; deletions are only recorded.
class MemorySource : public DescriptionSource {
 public:
  MemorySource(std::optional<std::string> line, std::optional<std::string> train)
      : line_(std::move(line)), train_(std::move(train)) {}
  bool LineExists() override { return line_.has_value(); }
  Status OpenLine(std::string* text) override { return Take(line_, "line", text); }
  Status OpenTrain(std::string* text) override { return Take(train_, "train", text); }
  void DeleteLine() override { line_deleted = true; }
  void DeleteTrain() override { train_deleted = true; }

  bool line_deleted = false;
  bool train_deleted = false;

 private:
  static Status Take(const std::optional<std::string>& given, const char* which,
                     std::string* text) {
    if (!given) return Status::Error(std::string("no ") + which + " description was given");
    *text = *given;
    return Status::OK();
  }

  std::optional<std::string> line_;
  std::optional<std::string> train_;
};

// Texts that someone else holds for longer than the compile: read where they
// are, never copied (a long description would otherwise be held twice).
class TextViewSource : public DescriptionSource {
 public:
  TextViewSource(std::string_view line, std::string_view train) : line_(line), train_(train) {}
  bool LineExists() override { return true; }
  Status OpenLine(std::string* text) override { return View(line_, text); }
  Status OpenTrain(std::string* text) override { return View(train_, text); }
  Status ViewLine(std::string*, std::string_view* text) override { return View(line_, text); }
  Status ViewTrain(std::string*, std::string_view* text) override { return View(train_, text); }
  void DeleteLine() override {}
  void DeleteTrain() override {}

 private:
  template <typename Out>
  static Status View(std::string_view given, Out* text) {
    *text = given;
    return Status::OK();
  }

  std::string_view line_;
  std::string_view train_;
};

}  // namespace scenario
