// The scenario a built packager carries, appended to the packager's own
// executable by scenario-pack, and read back by the packager at start and by
// scenario-inspect. Written and read here only.
//
// The executable is an ELF file; its image ends where the last of its
// headers, segments and sections ends. Everything after that end is the
// attachment:
//
//   body     seven pieces, each a 32-bit length and its bytes, in this
//            order: route name, train number, line description, train
//            description, notes, slowdowns notice, timetable sheet
//   trailer  24 bytes: the body's length (64 bits), the CRC-32 of the body
//            (32 bits), the format version (32 bits, 1), then the eight
//            bytes of kAttachmentMagic
//
// Integers are little-endian (records/encoding.h). An executable that ends
// with its image carries no attachment; one with bytes past its image that
// do not make a whole, intact attachment is damaged, so a cut tail, a
// flipped byte in the trailer or in the body are all told apart from a
// packager that carries nothing.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "app/status.h"

namespace scenario {

inline constexpr std::string_view kAttachmentMagic{"\x89SCNPAK\n", 8};
inline constexpr uint32_t kAttachmentVersion = 1;
inline constexpr size_t kAttachmentTrailerBytes = 24;
inline constexpr int kAttachmentPieces = 7;

// What a packager carries: names and the five texts, byte for byte as the
// packager writes them.
struct PackagedScenario {
  std::string route_name;
  std::string train_number;
  std::string line_text;
  std::string train_text;
  std::string notes;
  std::string slowdowns;
  std::string timetable;

  bool operator==(const PackagedScenario&) const = default;
};

// The attachment's bytes (body and trailer), to be appended to the
// executable.
std::string PackAttachment(const PackagedScenario& scenario);

enum class AttachmentState { kNone, kIntact, kDamaged };

struct UnpackedAttachment {
  AttachmentState state = AttachmentState::kNone;
  uint64_t image_bytes = 0;     // where the executable's own image ends
  uint64_t attached_bytes = 0;  // everything past it
  // Whether the pieces could be told apart (sizes known), and whether the
  // checksum holds; both true for an intact attachment.
  bool pieces_read = false;
  bool checksum_holds = false;
  PackagedScenario scenario;  // the pieces, when read
  std::string problem;        // kDamaged: what is wrong
};

// Reads the executable's attachment. Not ok only when the file cannot be
// read or is no 64-bit ELF executable; a damaged attachment is an ok read
// with state kDamaged.
Status UnpackAttachment(const std::filesystem::path& executable, UnpackedAttachment* out);

// The pieces' bytes in order, for a listing.
std::string_view PieceOf(const PackagedScenario& scenario, int piece);
const char* PieceName(int piece);

// CRC-32 (the polynomial of zlib and PNG, reflected, 0xEDB88320).
uint32_t Crc32(std::string_view bytes);

}  // namespace scenario
