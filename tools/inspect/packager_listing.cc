#include "tools/inspect/packager_listing.h"

#include <fstream>

#include "app/attachment.h"
#include "tools/common/text.h"

namespace scenario {

namespace {

const char* StateName(AttachmentState state) {
  switch (state) {
    case AttachmentState::kNone: return "none";
    case AttachmentState::kIntact: return "intact";
    case AttachmentState::kDamaged: return "damaged";
  }
  return "";
}

void ListText(const std::filesystem::path& path, const UnpackedAttachment& found, std::ostream& out) {
  if (found.state == AttachmentState::kNone) {
    // Any executable ends with its image; the plain packager is one.
    out << DisplayText(path.string()) << ": executable, " << found.image_bytes
        << " bytes, nothing attached (a plain packager carries its own scenario)\n";
    return;
  }
  out << DisplayText(path.string()) << ": packager, " << found.image_bytes << " bytes of program";
  out << ", " << found.attached_bytes << " bytes attached\n";
  if (found.pieces_read) {
    out << "  route name         " << CodePageToUtf8(found.scenario.route_name) << "\n";
    out << "  train number       " << CodePageToUtf8(found.scenario.train_number) << "\n";
    for (int piece = 2; piece < kAttachmentPieces; ++piece) {
      const std::string name = PieceName(piece);
      out << "  " << name << std::string(19 - name.size(), ' ') << PieceOf(found.scenario, piece).size()
          << " bytes\n";
    }
  }
  out << "  checksum           " << (found.checksum_holds ? "holds" : "does not hold") << "\n";
}

nlohmann::ordered_json ListJson(const std::filesystem::path& path, const UnpackedAttachment& found) {
  nlohmann::ordered_json json;
  json["file"] = DisplayText(path.string());
  json["kind"] = "packager";
  json["program_bytes"] = found.image_bytes;
  json["attached_bytes"] = found.attached_bytes;
  json["attachment"] = StateName(found.state);
  if (found.pieces_read) {
    json["route_name"] = CodePageToUtf8(found.scenario.route_name);
    json["train_number"] = CodePageToUtf8(found.scenario.train_number);
    nlohmann::ordered_json sizes;
    for (int piece = 2; piece < kAttachmentPieces; ++piece) {
      sizes[PieceName(piece)] = PieceOf(found.scenario, piece).size();
    }
    json["sizes"] = sizes;
  }
  if (found.state != AttachmentState::kNone) json["checksum_holds"] = found.checksum_holds;
  if (found.state == AttachmentState::kDamaged) json["problem"] = found.problem;
  return json;
}

}  // namespace

bool IsExecutableFileKind(const std::filesystem::path& path) {
  // Only a regular file is opened: a FIFO would block the open, and the
  // dump says what anything else is.
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return false;
  std::ifstream in(path, std::ios::binary);
  char magic[4] = {};
  return in.read(magic, 4) && std::string_view(magic, 4) == "\x7f" "ELF";
}

Status ListPackager(const std::filesystem::path& path, std::ostream& out, nlohmann::ordered_json* json) {
  UnpackedAttachment found;
  if (Status read = UnpackAttachment(path, &found); !read.ok()) return read;
  if (json != nullptr) {
    json->push_back(ListJson(path, found));
  } else {
    ListText(path, found, out);
  }
  if (found.state == AttachmentState::kDamaged) {
    return Status::Error("the attached scenario is damaged: " + found.problem);
  }
  return Status::OK();
}

}  // namespace scenario
