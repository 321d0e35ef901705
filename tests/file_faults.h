// Faults for the fresh-file writer's test seam: one step of one file fails.
#pragma once

#include <filesystem>
#include <string>

#include "records/fresh_file.h"

namespace scenario::testing {

// Fails one step of the fresh file with the given name; every other write
// goes through.
class FailOneFile : public FileFaults {
 public:
  FailOneFile(FileStep step, std::string name) : step_(step), name_(std::move(name)) {}
  bool ShouldFail(FileStep step, const std::filesystem::path& target) override {
    return step == step_ && target.filename() == name_;
  }

 private:
  FileStep step_;
  std::string name_;
};

}  // namespace scenario::testing
