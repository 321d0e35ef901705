#include "app/document_emitter.h"

#include <gtest/gtest.h>

#include "tests/test_folder.h"

namespace scenario {
namespace {

TEST(DocumentEmitterTest, LinesBeforeTheMarkerEachEndWithCrLf) {
  EXPECT_EQ(RenderDocument({"a", "", "  b  ", std::string(kEndMarker), "after"}),
            "a\r\n\r\n  b  \r\n");
}

TEST(DocumentEmitterTest, MarkerAsFirstLineGivesAnEmptyDocument) {
  EXPECT_EQ(RenderDocument({std::string(kEndMarker), "x"}), "");
}

TEST(DocumentEmitterTest, OnlyAnExactMarkerEndsTheDocument) {
  const std::string marker(kEndMarker);
  EXPECT_EQ(RenderDocument({marker + " ", " " + marker, "Riferimento fine del file", marker}),
            marker + " \r\n " + marker + "\r\nRiferimento fine del file\r\n");
}

TEST(DocumentEmitterTest, EightBitBytesAreWrittenAsTheyAre) {
  EXPECT_EQ(RenderDocument({"pi\xF9", std::string(kEndMarker)}), "pi\xF9\r\n");
}

TEST(DocumentEmitterTest, AtMostTheBufferIsLookedAt) {
  LineBuffer lines(1200, "x");
  EXPECT_EQ(RenderDocument(lines).size(), 1001u * 3u);
}

TEST(DocumentEmitterTest, AnOlderLongerFileIsReplacedByTheNewLinesOnly) {
  testing::TestFolder folder;
  testing::WriteFile(folder / "note.txt", std::string(4000, 'z'));
  FreshFileWriter writer;
  ASSERT_TRUE(EmitDocument({"one", std::string(kEndMarker)}, folder / "note.txt", writer).ok());
  EXPECT_EQ(testing::ReadFile(folder / "note.txt"), "one\r\n");
  testing::WriteFile(folder / "empty.txt", "old");
  ASSERT_TRUE(EmitDocument({std::string(kEndMarker)}, folder / "empty.txt", writer).ok());
  EXPECT_EQ(std::filesystem::file_size(folder / "empty.txt"), 0u);
}

}  // namespace
}  // namespace scenario
