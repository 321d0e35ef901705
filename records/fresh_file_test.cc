#include "records/fresh_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <string>
#include <vector>

#include "tests/test_folder.h"

namespace scenario {
namespace {

using testing::CountEntries;
using testing::ReadFile;
using testing::TestFolder;
using testing::WriteFile;

TEST(FreshFileTest, ALongerOlderFileIsReplacedWhole) {
  TestFolder folder;
  WriteFile(folder / "table.dat", std::string(1000, 'x'));
  FreshFileWriter writer;
  ASSERT_TRUE(writer.Write(folder / "table.dat", "abc").ok());
  EXPECT_EQ(ReadFile(folder / "table.dat"), "abc");
  EXPECT_EQ(CountEntries(folder.path()), 1u);
}

TEST(FreshFileTest, EmptyContentGivesAnEmptyFile) {
  TestFolder folder;
  WriteFile(folder / "note.txt", "old");
  FreshFileWriter writer;
  ASSERT_TRUE(writer.Write(folder / "note.txt", "").ok());
  EXPECT_TRUE(std::filesystem::exists(folder / "note.txt"));
  EXPECT_EQ(std::filesystem::file_size(folder / "note.txt"), 0u);
}

// Hands over the given pieces one after another.
class Pieces : public ByteSource {
 public:
  explicit Pieces(std::vector<std::string> pieces) : pieces_(std::move(pieces)) {}
  std::string_view NextPiece() override {
    return next_ < pieces_.size() ? std::string_view(pieces_[next_++]) : std::string_view();
  }

 private:
  std::vector<std::string> pieces_;
  size_t next_ = 0;
};

TEST(FreshFileTest, PiecesAreWrittenOneAfterAnother) {
  TestFolder folder;
  WriteFile(folder / "linea.dat", std::string(1000, 'x'));
  Pieces pieces({"ab", std::string(70000, 'c'), "d"});
  FreshFileWriter writer;
  ASSERT_TRUE(writer.Write(folder / "linea.dat", pieces).ok());
  EXPECT_EQ(ReadFile(folder / "linea.dat"), "ab" + std::string(70000, 'c') + "d");
  EXPECT_EQ(CountEntries(folder.path()), 1u);
}

class FailAt : public FileFaults {
 public:
  explicit FailAt(FileStep step) : step_(step) {}
  bool ShouldFail(FileStep step, const std::filesystem::path&) override { return step == step_; }

 private:
  FileStep step_;
};

TEST(FreshFileTest, AFailedStepKeepsTheOlderFileAndLeavesNoTemporary) {
  const struct {
    FileStep step;
    const char* word;
  } cases[] = {{FileStep::kCreate, "create"},
               {FileStep::kWrite, "write"},
               {FileStep::kFlush, "flush"},
               {FileStep::kRename, "rename"}};
  for (const auto& c : cases) {
    TestFolder folder;
    WriteFile(folder / "grid.dat", "older bytes");
    FailAt faults(c.step);
    FreshFileWriter writer(&faults);
    Status failure = writer.Write(folder / "grid.dat", std::string(5000, 'n'));
    ASSERT_FALSE(failure.ok()) << c.word;
    EXPECT_NE(failure.message().find("grid.dat"), std::string::npos) << failure.message();
    EXPECT_NE(failure.message().find(c.word), std::string::npos) << failure.message();
    EXPECT_EQ(ReadFile(folder / "grid.dat"), "older bytes") << c.word;
    EXPECT_EQ(CountEntries(folder.path()), 1u) << c.word;

    Pieces pieces({"first", "second"});
    ASSERT_FALSE(writer.Write(folder / "grid.dat", pieces).ok()) << c.word;
    EXPECT_EQ(ReadFile(folder / "grid.dat"), "older bytes") << c.word;
    EXPECT_EQ(CountEntries(folder.path()), 1u) << c.word;
  }
}

// A write the system refuses part-way (a full disk, a quota; here the file
// size limit) ends the writing with the system's reason, not a retry.
TEST(FreshFileTest, AWriteRefusedPartWayKeepsTheOlderFile) {
  TestFolder folder;
  WriteFile(folder / "linea.dat", "older bytes");
  rlimit old_limit{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old_limit), 0);
  rlimit small = old_limit;
  small.rlim_cur = 1000;
  auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  Status failure = FreshFileWriter().Write(folder / "linea.dat", std::string(5000, 'n'));
  setrlimit(RLIMIT_FSIZE, &old_limit);
  std::signal(SIGXFSZ, old_handler);
  ASSERT_FALSE(failure.ok());
  EXPECT_EQ(failure.message(),
            "cannot write " + (folder / "linea.dat").string() + ": write: File too large");
  EXPECT_EQ(ReadFile(folder / "linea.dat"), "older bytes");
  EXPECT_EQ(CountEntries(folder.path()), 1u);
}

TEST(FreshFileTest, ATargetThatIsAFolderIsRefused) {
  TestFolder folder;
  std::filesystem::create_directory(folder / "grid.dat");
  FreshFileWriter writer;
  EXPECT_FALSE(writer.Write(folder / "grid.dat", "abc").ok());
  EXPECT_TRUE(std::filesystem::is_directory(folder / "grid.dat"));
  EXPECT_EQ(CountEntries(folder.path()), 1u);
}

TEST(FreshFileTest, AFolderThatDoesNotExistIsRefused) {
  TestFolder folder;
  FreshFileWriter writer;
  Status failure = writer.Write(folder / "missing" / "grid.dat", "abc");
  ASSERT_FALSE(failure.ok());
  EXPECT_NE(failure.message().find("missing/grid.dat"), std::string::npos);
}

}  // namespace
}  // namespace scenario
