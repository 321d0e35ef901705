// Where the readers get the two description texts from. The packager reads
// and deletes files in its folder; the authoring command hands over texts
// from memory and deletes nothing. The readers never touch a file themselves.
#pragma once

#include <optional>
#include <string>

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

}  // namespace scenario
