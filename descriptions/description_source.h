// Where the readers get the two description texts from. The packager reads
// and deletes files in its folder; the authoring command hands over texts
// from memory and deletes nothing. The readers never touch a file themselves.
#pragma once

#include <optional>
#include <string>

namespace scenario {

class DescriptionSource {
 public:
  virtual ~DescriptionSource() = default;
  // Whether the line description exists (false: error 101).
  virtual bool LineExists() = 0;
  // The line description's text; nullopt when it cannot be read.
  virtual std::optional<std::string> OpenLine() = 0;
  // The train description's text; nullopt when it cannot be opened.
  virtual std::optional<std::string> OpenTrain() = 0;
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
  std::optional<std::string> OpenLine() override { return line_; }
  std::optional<std::string> OpenTrain() override { return train_; }
  void DeleteLine() override { line_deleted = true; }
  void DeleteTrain() override { train_deleted = true; }

  bool line_deleted = false;
  bool train_deleted = false;

 private:
  std::optional<std::string> line_;
  std::optional<std::string> train_;
};

}  // namespace scenario
