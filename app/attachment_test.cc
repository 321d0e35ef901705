#include "app/attachment.h"

#include <elf.h>
#include <gtest/gtest.h>

#include <cstring>

#include "tests/test_folder.h"

namespace scenario {
namespace {

using testing::TestFolder;

// The smallest ELF image: its header alone, 64 bytes, ending where the
// attachment begins.
std::string ElfHeaderOnly() {
  Elf64_Ehdr header{};
  std::memcpy(header.e_ident, ELFMAG, SELFMAG);
  header.e_ident[EI_CLASS] = ELFCLASS64;
  header.e_ehsize = sizeof header;
  return std::string(reinterpret_cast<const char*>(&header), sizeof header);
}

PackagedScenario Sample() {
  return {"Rocca_Alta", "2231", "lunghezza percorso, 10000\r\n", "[generale]\r\n", "note \xF9\r\n",
          "\r\n\r\n\r\n\r\n                         NESSUNA PRESCRIZIONE\r\n", ""};
}

UnpackedAttachment UnpackBytes(const TestFolder& folder, const std::string& bytes) {
  testing::WriteFile(folder / "packager", bytes);
  UnpackedAttachment found;
  EXPECT_TRUE(UnpackAttachment(folder / "packager", &found).ok());
  return found;
}

TEST(AttachmentTest, KnownBytesHaveTheirCrc32) {
  EXPECT_EQ(Crc32(""), 0u);
  EXPECT_EQ(Crc32("123456789"), 0xCBF43926u);
  EXPECT_EQ(Crc32("The quick brown fox jumps over the lazy dog"), 0x414FA339u);
}

TEST(AttachmentTest, WhatIsPackedUnpacksWhole) {
  TestFolder folder;
  const std::string image = ElfHeaderOnly();
  const UnpackedAttachment none = UnpackBytes(folder, image);
  EXPECT_EQ(none.state, AttachmentState::kNone);
  EXPECT_EQ(none.image_bytes, image.size());

  const std::string attachment = PackAttachment(Sample());
  ASSERT_EQ(attachment.substr(attachment.size() - 8), kAttachmentMagic);
  const UnpackedAttachment found = UnpackBytes(folder, image + attachment);
  EXPECT_EQ(found.state, AttachmentState::kIntact) << found.problem;
  EXPECT_TRUE(found.checksum_holds);
  EXPECT_EQ(found.attached_bytes, attachment.size());
  EXPECT_TRUE(found.scenario == Sample());
}

// Every single flipped bit and every cut of the tail is told apart from an
// intact attachment, except the cut of all of it, which leaves the plain
// packager.
TEST(AttachmentTest, EveryFlippedByteAndEveryCutIsDamage) {
  TestFolder folder;
  const std::string image = ElfHeaderOnly();
  const std::string attachment = PackAttachment(Sample());
  for (size_t at = 0; at < attachment.size(); ++at) {
    for (int bit : {0, 7}) {
      std::string bytes = image + attachment;
      bytes[image.size() + at] = static_cast<char>(bytes[image.size() + at] ^ (1 << bit));
      const UnpackedAttachment found = UnpackBytes(folder, bytes);
      EXPECT_EQ(found.state, AttachmentState::kDamaged) << "byte " << at << " bit " << bit;
    }
  }
  for (size_t cut = 1; cut < attachment.size(); ++cut) {
    const UnpackedAttachment found = UnpackBytes(folder, image + attachment.substr(0, attachment.size() - cut));
    EXPECT_EQ(found.state, AttachmentState::kDamaged) << cut << " bytes cut";
  }
  EXPECT_EQ(UnpackBytes(folder, image).state, AttachmentState::kNone);
}

// A name the files are named after never leads out of the folder, even with
// a checksum that holds.
TEST(AttachmentTest, ANameThatIsNotPlainIsDamage) {
  TestFolder folder;
  for (const char* route : {"../up", "", "..", "a/b"}) {
    PackagedScenario scenario = Sample();
    scenario.route_name = route;
    const UnpackedAttachment found = UnpackBytes(folder, ElfHeaderOnly() + PackAttachment(scenario));
    EXPECT_EQ(found.state, AttachmentState::kDamaged) << route;
    EXPECT_TRUE(found.checksum_holds) << route;
  }
}

TEST(AttachmentTest, AFileThatIsNoElfExecutableIsNotRead) {
  TestFolder folder;
  testing::WriteFile(folder / "text", "#!/bin/sh\necho hello\n" + PackAttachment(Sample()));
  UnpackedAttachment found;
  EXPECT_FALSE(UnpackAttachment(folder / "text", &found).ok());
}

}  // namespace
}  // namespace scenario
