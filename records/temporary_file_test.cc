// Temporary files never outlive their writer: while a file is written no
// name of it is in the folder where the file system offers unnamed files;
// where it does not, the name is locked, and a later run removes exactly
// the temporary files whose writer is gone.
#include "records/temporary_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <functional>
#include <set>

#include "records/fresh_file.h"
#include "tests/test_folder.h"

namespace scenario {
namespace {

using testing::TestFolder;
using testing::WriteFile;


// Hands over two pieces and looks at the folder in between, as another
// process would see it while the file is being written.
class LookBetweenPieces : public ByteSource {
 public:
  explicit LookBetweenPieces(std::function<void()> look) : look_(std::move(look)) {}
  std::string_view NextPiece() override {
    if (++pieces_ == 2) look_();
    return pieces_ <= 2 ? std::string_view("piece") : std::string_view();
  }

 private:
  std::function<void()> look_;
  int pieces_ = 0;
};

class NoUnnamedFiles : public FileFaults {
 public:
  bool ShouldFail(FileStep, const std::filesystem::path&) override { return false; }
  bool RefuseUnnamed() override { return true; }
};

bool Locked(const std::filesystem::path& file) {
  const int fd = open(file.c_str(), O_RDONLY | O_CLOEXEC);
  const bool locked = flock(fd, LOCK_EX | LOCK_NB) != 0;
  close(fd);
  return locked;
}

TEST(TemporaryFileTest, AFileBeingWrittenHasNoNameInTheFolder) {
  TestFolder folder;
  TemporaryFile probe;
  ASSERT_EQ(probe.Create(folder / "grid.dat", true), 0);
  if (!probe.unnamed()) GTEST_SKIP() << "this file system offers no unnamed temporary files";

  WriteFile(folder / "grid.dat", "older");
  std::set<std::string> seen;
  LookBetweenPieces source([&] { seen = testing::EntryNames(folder.path()); });
  FreshFileWriter writer;
  ASSERT_TRUE(writer.Write(folder / "grid.dat", source).ok());
  // A process killed at that moment leaves nothing behind.
  EXPECT_EQ(seen, std::set<std::string>{"grid.dat"});
  EXPECT_EQ(testing::ReadFile(folder / "grid.dat"), "piecepiece");
}

TEST(TemporaryFileTest, ANamedTemporaryIsLockedAndOutlivesNoCleanUp) {
  TestFolder folder;
  std::set<std::string> seen;
  bool locked = false;
  int removed = -1;
  LookBetweenPieces source([&] {
    seen = testing::EntryNames(folder.path());
    for (const std::string& name : seen) locked = Locked(folder / name);
    // Another run cleaning the folder now leaves the live writer's file.
    removed = RemoveStaleTemporaries(folder.path(), {"grid.dat"});
  });
  NoUnnamedFiles faults;
  FreshFileWriter writer(&faults);
  ASSERT_TRUE(writer.Write(folder / "grid.dat", source).ok());
  ASSERT_EQ(seen.size(), 1u);
  const std::string name = *seen.begin();
  EXPECT_EQ(name.rfind(".grid.dat.tmp.", 0), 0u) << name;
  EXPECT_EQ(name.size(), std::string(".grid.dat.tmp.").size() + 6);
  EXPECT_TRUE(locked);
  EXPECT_EQ(removed, 0);
  EXPECT_EQ(testing::EntryNames(folder.path()), std::set<std::string>{"grid.dat"});
  EXPECT_EQ(testing::ReadFile(folder / "grid.dat"), "piecepiece");
}

TEST(TemporaryFileTest, OnlyTheStaleTemporariesOfTheGivenNamesAreRemoved) {
  TestFolder folder;
  const std::set<std::string> kept = {
      "grid.dat",              // the target itself
      ".grid.dat.tmp.Live01",  // a live writer's: locked below
      ".notes.tmp.abcdef",     // another name's
      ".grid.dat.tmp.abcde",   // not six characters
      ".grid.dat.tmp.abc-ef",  // not letters and digits
      "grid.dat.tmpAbCdEf",    // the pattern of older versions, which held no lock
  };
  for (const std::string& name : kept) WriteFile(folder / name, "x");
  WriteFile(folder / ".grid.dat.tmp.Dead01", "left by a killed run");
  WriteFile(folder / ".route.dat.tmp.zZ9yY8", "left by a killed run");
  std::filesystem::create_directory(folder / ".grid.dat.tmp.Folder");
  const int live = open((folder / ".grid.dat.tmp.Live01").c_str(), O_RDONLY | O_CLOEXEC);
  ASSERT_EQ(flock(live, LOCK_EX), 0);

  EXPECT_EQ(RemoveStaleTemporaries(folder.path(), {"grid.dat", "route.dat"}), 2);
  close(live);
  std::set<std::string> expected = kept;
  expected.insert(".grid.dat.tmp.Folder");
  EXPECT_EQ(testing::EntryNames(folder.path()), expected);
}

}  // namespace
}  // namespace scenario
