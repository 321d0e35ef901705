// The packager's folder from what the process can learn of its executable:
// /proc first, then the path execve() was given, then the command name
// looked up in PATH; nothing that leads to an executable gives no folder,
// never the working directory.
#include "app/executable_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "tests/test_folder.h"

namespace scenario {
namespace {

using testing::TestFolder;

TEST(ExecutableFolderTest, EachClueInItsTurn) {
  TestFolder folder;
  std::filesystem::create_directories(folder / "bin");
  std::filesystem::create_directories(folder / "empty");
  testing::WriteFile(folder / "bin" / "scenario-packager", "#!");
  chmod((folder / "bin" / "scenario-packager").c_str(), 0755);
  // A file of that name that cannot be run is not the one started.
  testing::WriteFile(folder / "empty" / "scenario-packager", "");
  chmod((folder / "empty" / "scenario-packager").c_str(), 0644);
  const std::string bin = (folder / "bin").string();
  const std::string exe = bin + "/scenario-packager";
  const std::string path = (folder / "empty").string() + ":/nonexistent:" + bin;

  const struct {
    const char* what;
    ExecutableClues clues;
    std::string folder;
  } cases[] = {
      {"/proc names it", {"/opt/sim/scenario-packager", exe, "anything", path}, "/opt/sim"},
      {"the path given to execve", {"", exe, "scenario-packager", ""}, bin},
      {"argv[0] with a slash", {"", "", exe, ""}, bin},
      {"argv[0] found in PATH", {"", "", "scenario-packager", path}, bin},
      {"argv[0] found nowhere in PATH", {"", "", "scenario-packager", "/nonexistent"}, ""},
      {"an execve path that leads nowhere", {"", "/gone/scenario-packager", "scenario-packager", "/nonexistent"}, ""},
      {"no clue at all", {"", "", "", "/nonexistent"}, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(ExecutableFolder(c.clues).string(), c.folder);
  }
}

}  // namespace
}  // namespace scenario
