// Over edited copies of the examples: scenario-compile writes exactly what
// the compile step writes when the error code is 0, and nothing otherwise;
// with --write-on-error exactly what the compile step writes, always.
#include <filesystem>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/compile_step.h"
#include "descriptions/description_source.h"
#include "tests/compile_run.h"

namespace scenario {
namespace {

using testing::ReadFile;
using testing::TestFolder;

std::map<std::string, std::string> Files(const std::filesystem::path& folder) {
  std::map<std::string, std::string> files;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    files[entry.path().filename().string()] = ReadFile(entry.path());
  }
  return files;
}

// One to three edits of the kinds authors make: a line dropped, doubled or
// cut short, a number changed, a comma put in, a keyword misspelt.
std::string Edited(const std::string& text, std::mt19937& random) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  const int edits = 1 + static_cast<int>(random() % 3);
  for (int e = 0; e < edits && !lines.empty(); ++e) {
    const size_t i = random() % lines.size();
    std::string& line = lines[i];
    switch (random() % 6) {
      case 0: lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(i)); break;
      case 1: lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(i), line); break;
      case 2: line.resize(line.rfind(',') == std::string::npos ? 0 : line.rfind(',')); break;
      case 3: {
        const size_t digit = line.find_first_of("0123456789");
        if (digit != std::string::npos) line[digit] = static_cast<char>('0' + random() % 10);
        break;
      }
      case 4: line.insert(random() % (line.size() + 1), ","); break;
      default:
        if (line.size() > 3) std::swap(line[1], line[2]);
        break;
    }
  }
  std::string out;
  for (const std::string& line : lines) out += line + "\n";
  return out;
}

TEST(CompileOutputsPropertyTest, OnlyAGoodCompileWritesAndWriteOnErrorWritesAsTheStep) {
  const std::string examples = std::string(SCENARIO_SOURCE_DIR) + "/examples/";
  const std::string line = ReadFile(examples + "line.txt");
  const std::string train = ReadFile(examples + "train.txt");
  std::mt19937 random(2026);
  int failing = 0;
  for (int variant = 0; variant < 120; ++variant) {
    const std::string edited_line = random() % 2 ? Edited(line, random) : line;
    const std::string edited_train = random() % 2 ? Edited(train, random) : train;
    TestFolder folder;
    // The compile step as the packager runs it.
    const std::filesystem::path step = folder / "step";
    std::filesystem::create_directories(step);
    GeneratorState state;
    state.route_name = kRouteName;
    state.train_number = kTrainNumber;
    MemorySource source(edited_line, edited_train);
    FreshFileWriter writer;
    const bool written = memorizza_percorso(state, 1, source, step, writer).status.ok();
    const bool good = written && state.error_code == 0;
    failing += !good;

    testing::WriteFile(folder / "line.txt", edited_line);
    testing::WriteFile(folder / "train.txt", edited_train);
    for (bool write_on_error : {false, true}) {
      CompileOptions options;
      options.line_path = (folder / "line.txt").string();
      options.train_path = (folder / "train.txt").string();
      options.out_dir = (folder / (write_on_error ? "anyway" : "out")).string();
      options.write_on_error = write_on_error;
      std::ostringstream err;
      RunCompile(options, err);
      const auto expected =
          good || write_on_error ? Files(step) : std::map<std::string, std::string>{};
      EXPECT_TRUE(Files(options.out_dir) == expected)
          << "variant " << variant << (write_on_error ? " with --write-on-error" : "") << "\n"
          << err.str();
    }
  }
  // The edits make both kinds of compile.
  EXPECT_GT(failing, 10);
  EXPECT_LT(failing, 110);
}

}  // namespace
}  // namespace scenario
