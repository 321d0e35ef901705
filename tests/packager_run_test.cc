// Runs the packager binary as a user would, in a folder of its own.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <set>

#include "app/document_emitter.h"
#include "content/documents.h"
#include "tests/test_folder.h"

namespace scenario {
namespace {

using testing::ReadFile;
using testing::TestFolder;

struct ProcessResult {
  int status;
  std::string err;
};

// Copies the packager into the folder and runs it there without a display,
// from another working directory.
ProcessResult RunPackagerIn(const TestFolder& folder) {
  std::filesystem::copy_file(SCENARIO_PACKAGER_PATH, folder / "scenario-packager");
  std::string command = "cd / && env -u DISPLAY '" + (folder / "scenario-packager").string() +
                        "' 2>'" + (folder.path().parent_path() / (folder.path().filename().string() + ".err")).string() + "'";
  int raw = std::system(command.c_str());
  ProcessResult result;
  result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  auto err_path = folder.path().parent_path() / (folder.path().filename().string() + ".err");
  result.err = ReadFile(err_path);
  std::filesystem::remove(err_path);
  return result;
}

std::set<std::string> FileNamesIn(const std::filesystem::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.insert(entry.path().filename().string());
  }
  return names;
}

TEST(PackagerRunTest, LeavesExactlyTheSixFilesInItsOwnFolder) {
  TestFolder folder;
  ProcessResult run = RunPackagerIn(folder);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "Attendere\n");
  EXPECT_EQ(FileNamesIn(folder.path()),
            (std::set<std::string>{"scenario-packager", "Corvena_Lidra1_7304_note.txt",
                                   "Corvena_Lidra1_7304_rallentamenti.txt",
                                   "Corvena_Lidra1_7304_scheda_treno.txt",
                                   "Corvena_Lidra1_linea.dat", "Corvena_Lidra1_7304.sim",
                                   "Corvena_Lidra1_7304.dat"}));
  EXPECT_EQ(std::filesystem::file_size(folder / "Corvena_Lidra1_linea.dat"), 5539964u);
  EXPECT_EQ(std::filesystem::file_size(folder / "Corvena_Lidra1_7304.dat"), 83115u);
  // The check codes in place: 5121 and 2312 in cell 1, 31507 at the end of
  // the route row.
  std::string grid = ReadFile(folder / "Corvena_Lidra1_7304.dat");
  EXPECT_EQ(grid.substr(16, 4), std::string("\x01\x14\x08\x09", 4));
}

TEST(PackagerRunTest, AnOlderLongerDocumentIsReplaced) {
  TestFolder folder;
  testing::WriteFile(folder / "Corvena_Lidra1_7304_note.txt", std::string(100000, 'q'));
  ProcessResult run = RunPackagerIn(folder);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ReadFile(folder / "Corvena_Lidra1_7304_note.txt"), RenderDocument(NotesDocument()));
}

TEST(PackagerRunTest, AFolderThatCannotBeWrittenEndsWithStatusTwo) {
  if (geteuid() == 0) GTEST_SKIP() << "root writes into any folder";
  TestFolder folder;
  std::filesystem::copy_file(SCENARIO_PACKAGER_PATH, folder / "scenario-packager");
  std::filesystem::permissions(folder.path(), std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::remove);
  std::string command = "env -u DISPLAY '" + (folder / "scenario-packager").string() + "' 2>/dev/null";
  int raw = std::system(command.c_str());
  EXPECT_EQ(WEXITSTATUS(raw), 2);
}

TEST(PackagerRunTest, ATargetNameHeldByAFolderEndsWithStatusTwoAndAMessage) {
  TestFolder folder;
  std::filesystem::create_directory(folder / "Corvena_Lidra1_7304.sim");
  ProcessResult run = RunPackagerIn(folder);
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("Corvena_Lidra1_7304.sim"), std::string::npos) << run.err;
  // The binary files are one set: the route file, renamed in before it,
  // goes again, and the grid file is not written.
  EXPECT_FALSE(std::filesystem::exists(folder / "Corvena_Lidra1_linea.dat"));
  EXPECT_FALSE(std::filesystem::exists(folder / "Corvena_Lidra1_7304.dat"));
  EXPECT_TRUE(std::filesystem::is_directory(folder / "Corvena_Lidra1_7304.sim"));
}

// Without /proc, started by its name through PATH from another working
// directory, the packager still finds its own folder (through the path the
// shell gave execve). The test needs a mount namespace to hide /proc in.
TEST(PackagerRunTest, WithoutProcItWritesBesideItselfNotInTheWorkingDirectory) {
#ifdef SCENARIO_SANITIZED
  GTEST_SKIP() << "the sanitizers' runtime cannot start without /proc";
#endif
  if (std::system("unshare --mount --propagation private true 2>/dev/null") != 0) {
    GTEST_SKIP() << "no mount namespace to run without /proc in";
  }
  TestFolder folder;
  std::filesystem::create_directory(folder / "bin");
  std::filesystem::create_directory(folder / "work");
  std::filesystem::copy_file(SCENARIO_PACKAGER_PATH, folder / "bin" / "scenario-packager");
  const std::string command =
      "unshare --mount --propagation private sh -c 'mount -t tmpfs none /proc && test ! -e "
      "/proc/self/exe && cd \"$0\" && env -u DISPLAY PATH=\"$1:$PATH\" scenario-packager' '" +
      (folder / "work").string() + "' '" + (folder / "bin").string() + "' 2>/dev/null";
  const int raw = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(raw));
  EXPECT_EQ(WEXITSTATUS(raw), 0);
  EXPECT_TRUE(testing::EntryNames(folder / "work").empty());
  EXPECT_EQ(FileNamesIn(folder / "bin").size(), 7u);
}

}  // namespace
}  // namespace scenario
