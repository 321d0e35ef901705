// The packager's descriptions: the two text files in its folder, deleted once
// read.
#pragma once

#include <filesystem>

#include "app/description_file.h"
#include "descriptions/description_source.h"

namespace scenario {

class FolderSource : public DescriptionSource {
 public:
  FolderSource(std::filesystem::path line_path, std::filesystem::path train_path)
      : line_path_(std::move(line_path)), train_path_(std::move(train_path)) {}

  bool LineExists() override;
  Status OpenLine(std::string* text) override { return ReadDescriptionFile(line_path_, text); }
  Status OpenTrain(std::string* text) override { return ReadDescriptionFile(train_path_, text); }
  void DeleteLine() override { Delete(line_path_); }
  void DeleteTrain() override { Delete(train_path_); }
  std::string LineName() const override { return line_path_.filename().string(); }
  std::string TrainName() const override { return train_path_.filename().string(); }

 private:
  static void Delete(const std::filesystem::path& path);
  std::filesystem::path line_path_;
  std::filesystem::path train_path_;
};

}  // namespace scenario
