// The packager's descriptions: the two text files in its folder, deleted once
// read.
#pragma once

#include <filesystem>

#include "descriptions/description_source.h"

namespace scenario {

class FolderSource : public DescriptionSource {
 public:
  FolderSource(std::filesystem::path line_path, std::filesystem::path train_path)
      : line_path_(std::move(line_path)), train_path_(std::move(train_path)) {}

  bool LineExists() override;
  std::optional<std::string> OpenLine() override { return ReadWhole(line_path_); }
  std::optional<std::string> OpenTrain() override { return ReadWhole(train_path_); }
  void DeleteLine() override { Delete(line_path_); }
  void DeleteTrain() override { Delete(train_path_); }
  std::string LineName() const override { return line_path_.filename().string(); }
  std::string TrainName() const override { return train_path_.filename().string(); }

  static std::optional<std::string> ReadWhole(const std::filesystem::path& path);

 private:
  static void Delete(const std::filesystem::path& path);
  std::filesystem::path line_path_;
  std::filesystem::path train_path_;
};

}  // namespace scenario
