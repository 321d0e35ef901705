// Reading a description file: a regular file whole, byte for byte; anything
// else, or anything beyond the limit, refused with a message that names the
// file and says why, without blocking and without taking the memory.
#include "app/description_file.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include "tests/test_folder.h"

namespace scenario {
namespace {

using testing::TestFolder;
using testing::WriteFile;

TEST(DescriptionFileTest, ARegularFileIsReadWholeByteForByte) {
  TestFolder folder;
  const std::string bytes = std::string("[generale]\r\n\0\x1b\xff", 16) + std::string(70000, 'x');
  WriteFile(folder / "line.txt", bytes);
  std::string text = "left from before";
  ASSERT_TRUE(ReadDescriptionFile(folder / "line.txt", &text).ok());
  EXPECT_EQ(text, bytes);
}

TEST(DescriptionFileTest, WhatIsNotARegularFileIsRefusedAndNamed) {
  TestFolder folder;
  std::filesystem::create_directory(folder / "folder");
  ASSERT_EQ(mkfifo((folder / "fifo").c_str(), 0644), 0);
  const int listening = socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const std::string socket_path = (folder / "socket").string();
  ASSERT_LT(socket_path.size(), sizeof address.sun_path);
  socket_path.copy(address.sun_path, socket_path.size());
  ASSERT_EQ(bind(listening, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  std::filesystem::create_directory_symlink(folder / "folder", folder / "link");

  const struct {
    std::string path;
    std::string reason;
  } cases[] = {{(folder / "folder").string(), "it is a directory"},
               {(folder / "link").string(), "it is a directory"},
               // Refused at once: never opened for a read that waits for a writer.
               {(folder / "fifo").string(), "it is a FIFO"},
               {socket_path, "it is a socket"},
               {"/dev/zero", "it is a character device"},
               {(folder / "missing.txt").string(), "No such file or directory"}};
  for (const auto& c : cases) {
    std::string text = "left from before";
    const Status read = ReadDescriptionFile(c.path, &text);
    ASSERT_FALSE(read.ok()) << c.path;
    EXPECT_EQ(read.message(), "cannot read " + c.path + ": " + c.reason);
    EXPECT_EQ(text, "");
  }
  close(listening);
}

TEST(DescriptionFileTest, TheLimitIsTheLastSizeRead) {
  TestFolder folder;
  const uint64_t limit = 5000;
  for (uint64_t size : {uint64_t{0}, uint64_t{1}, limit - 1, limit, limit + 1, 3 * limit}) {
    WriteFile(folder / "line.txt", std::string(size, 'p'));
    std::string text;
    const Status read = ReadDescriptionFile(folder / "line.txt", &text, limit);
    if (size <= limit) {
      ASSERT_TRUE(read.ok()) << size << " " << read.message();
      EXPECT_EQ(text.size(), size);
    } else {
      EXPECT_EQ(read.message(), "cannot read " + (folder / "line.txt").string() + ": it holds " +
                                    std::to_string(size) + " bytes, more than the 5000 a description may hold");
      EXPECT_EQ(text, "");
    }
  }
}

TEST(DescriptionFileTest, TheDefaultLimitRefusesASparseFileWithoutReadingIt) {
  TestFolder folder;
  WriteFile(folder / "huge.txt", "");
  std::filesystem::resize_file(folder / "huge.txt", kDescriptionLimit + 1);
  std::string text;
  EXPECT_EQ(ReadDescriptionFile(folder / "huge.txt", &text).message(),
            "cannot read " + (folder / "huge.txt").string() +
                ": it holds 1073741825 bytes, more than the 1073741824 a description may hold");
}

TEST(DescriptionFileTest, AFileThatGrowsWhileReadIsCutAtTheLimitAndRefused) {
  // A file of the process table says it holds 0 bytes and then gives many
  // more, as a file still being written does.
  std::string text;
  const Status read = ReadDescriptionFile("/proc/self/status", &text, 100);
  EXPECT_EQ(read.message(), "cannot read /proc/self/status: it grew beyond the 100 bytes a "
                            "description may hold while it was read");
  EXPECT_EQ(text, "");
  ASSERT_TRUE(ReadDescriptionFile("/proc/self/status", &text, 100000).ok());
  EXPECT_NE(text.find("Name:"), std::string::npos);
}

}  // namespace
}  // namespace scenario
