// The page built into the executables is the page in the repository, byte
// for byte, and it names only files that are built in.
#include "tools/viewer/page_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

namespace scenario::viewer {
namespace {

const std::filesystem::path kPageDir = std::filesystem::path(SCENARIO_SOURCE_DIR) / "tools/viewer/page";

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(PageFilesTest, EveryPageFileIsBuiltInAsItIs) {
  size_t on_disk = 0;
  for (const auto& entry : std::filesystem::directory_iterator(kPageDir)) {
    ++on_disk;
    const std::string name = entry.path().filename().string();
    const PageFile* file = FindPageFile(name);
    ASSERT_NE(file, nullptr) << name;
    EXPECT_EQ(file->bytes, ReadFile(entry.path())) << name;
  }
  EXPECT_EQ(PageFileCount(), on_disk);
  ASSERT_NE(FindPageFile("index.html"), nullptr);
  EXPECT_EQ(FindPageFile("index.html")->content_type, "text/html; charset=utf-8");
  EXPECT_EQ(FindPageFile("main.js")->content_type, "text/javascript; charset=utf-8");
  EXPECT_EQ(FindPageFile("../main.js"), nullptr);
}

// The page asks for its scripts and style by name: each must be built in,
// since the server answers nothing else.
TEST(PageFilesTest, EveryFileThePageNamesIsBuiltIn) {
  const std::regex named(R"((?:src|href)="([^"]+)\"|from '\./([^']+)')");
  for (size_t i = 0; i < PageFileCount(); ++i) {
    const std::string text(PageFileAt(i).bytes);
    for (auto it = std::sregex_iterator(text.begin(), text.end(), named); it != std::sregex_iterator(); ++it) {
      const std::string name = (*it)[1].matched ? (*it)[1].str() : (*it)[2].str();
      EXPECT_NE(FindPageFile(name), nullptr) << PageFileAt(i).name << " names " << name;
    }
  }
}

}  // namespace
}  // namespace scenario::viewer
