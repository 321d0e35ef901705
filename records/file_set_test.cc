// A set of files takes its names whole or not at all. Whichever step of
// whichever file fails, every file of the set is afterwards as it was before
// the run (an older file byte for byte, an absent one absent), no temporary
// or kept name stays, and the message names the file and the step.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "records/fresh_file.h"
#include "tests/file_faults.h"
#include "tests/test_folder.h"

namespace scenario {
namespace {

using testing::EntryNames;
using testing::FailOneFile;
using testing::ReadFile;
using testing::TestFolder;
using testing::WriteFile;

const std::vector<std::string> kNames = {"R_linea.dat", "R_7.sim", "R_7.dat"};

// Writes the three files as a set with the given faults; their new bytes
// are told apart from the older ones by size and content.
Status WriteThree(const TestFolder& folder, FileFaults* faults) {
  const std::string bytes[3] = {"new route", std::string(300000, 's'), "new grid"};
  WholeBytes route(bytes[0]), scenario(bytes[1]), grid(bytes[2]);
  FreshFileWriter writer(faults);
  return writer.WriteSet({{folder / kNames[0], &route}, {folder / kNames[1], &scenario},
                          {folder / kNames[2], &grid}});
}

std::string Older(size_t i) { return "older " + kNames[i] + "\r\n\x01"; }

TEST(FileSetTest, AFailureAnywhereLeavesEveryFileAsItWas) {
  const struct {
    FileStep step;
    const char* word;
  } steps[] = {{FileStep::kCreate, "create"},
               {FileStep::kWrite, "write"},
               {FileStep::kFlush, "flush"},
               {FileStep::kRename, "rename"}};
  for (const auto& step : steps) {
    for (size_t failing = 0; failing < kNames.size(); ++failing) {
      for (bool older : {false, true}) {
        SCOPED_TRACE(kNames[failing] + " at " + step.word + (older ? ", older set" : ", no older set"));
        TestFolder folder;
        if (older) {
          for (size_t i = 0; i < kNames.size(); ++i) WriteFile(folder / kNames[i], Older(i));
        }
        FailOneFile faults(step.step, kNames[failing]);

        const Status written = WriteThree(folder, &faults);

        ASSERT_FALSE(written.ok());
        EXPECT_NE(written.message().find(kNames[failing]), std::string::npos) << written.message();
        EXPECT_NE(written.message().find(step.word), std::string::npos) << written.message();
        const std::set<std::string> expected =
            older ? std::set<std::string>(kNames.begin(), kNames.end()) : std::set<std::string>{};
        EXPECT_EQ(EntryNames(folder.path()), expected);
        for (size_t i = 0; older && i < kNames.size(); ++i) {
          EXPECT_EQ(ReadFile(folder / kNames[i]), Older(i)) << kNames[i];
        }
      }
    }
  }
}

TEST(FileSetTest, WithoutAFailureEveryFileIsNewAndNothingElseStays) {
  TestFolder folder;
  for (size_t i = 0; i < kNames.size(); i += 2) WriteFile(folder / kNames[i], Older(i));
  ASSERT_TRUE(WriteThree(folder, nullptr).ok());
  EXPECT_EQ(EntryNames(folder.path()), std::set<std::string>(kNames.begin(), kNames.end()));
  EXPECT_EQ(ReadFile(folder / kNames[0]), "new route");
  EXPECT_EQ(ReadFile(folder / kNames[1]), std::string(300000, 's'));
  EXPECT_EQ(ReadFile(folder / kNames[2]), "new grid");
}

TEST(FileSetTest, ARenameTheFileSystemRefusesPutsTheFilesRenamedBeforeItBack) {
  // The last name is a directory: the first two are renamed in, the third
  // cannot be, and the first two take their older files back.
  for (bool older : {false, true}) {
    SCOPED_TRACE(older ? "older files" : "no older files");
    TestFolder folder;
    if (older) {
      WriteFile(folder / kNames[0], Older(0));
      WriteFile(folder / kNames[1], Older(1));
    }
    std::filesystem::create_directory(folder / kNames[2]);
    WriteFile(folder / kNames[2] / "inside", "kept");

    const Status written = WriteThree(folder, nullptr);

    ASSERT_FALSE(written.ok());
    EXPECT_NE(written.message().find("cannot write " + (folder / kNames[2]).string() + ": rename: "),
              std::string::npos)
        << written.message();
    const std::set<std::string> expected =
        older ? std::set<std::string>(kNames.begin(), kNames.end()) : std::set<std::string>{kNames[2]};
    EXPECT_EQ(EntryNames(folder.path()), expected);
    if (older) {
      EXPECT_EQ(ReadFile(folder / kNames[0]), Older(0));
      EXPECT_EQ(ReadFile(folder / kNames[1]), Older(1));
    }
    EXPECT_EQ(ReadFile(folder / kNames[2] / "inside"), "kept");
  }
}

}  // namespace
}  // namespace scenario
