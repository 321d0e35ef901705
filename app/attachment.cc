#include "app/attachment.h"

#include <elf.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <vector>

#include "records/encoding.h"

namespace scenario {

namespace {

std::string* PieceSlot(PackagedScenario* scenario, int piece) {
  std::string* slots[kAttachmentPieces] = {&scenario->route_name, &scenario->train_number,
                                           &scenario->line_text,  &scenario->train_text,
                                           &scenario->notes,      &scenario->slowdowns,
                                           &scenario->timetable};
  return slots[piece];
}

// Reads exactly `size` bytes at `offset`; false on a short read or failure.
bool ReadAt(int fd, uint64_t offset, size_t size, char* into) {
  size_t done = 0;
  while (done < size) {
    const ssize_t n = pread(fd, into + done, size - done, static_cast<off_t>(offset + done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

// Where the ELF image ends: past its header, both header tables, every
// segment and every section that takes room in the file. The linker puts
// the section header table last, but nothing relies on it. *cut is set when
// the image itself reaches past the end of the file.
Status ImageEnd(int fd, uint64_t file_bytes, uint64_t* end, bool* cut) {
  Elf64_Ehdr header;
  if (file_bytes < sizeof header || !ReadAt(fd, 0, sizeof header, reinterpret_cast<char*>(&header)) ||
      std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0 || header.e_ident[EI_CLASS] != ELFCLASS64) {
    return Status::Error("not a 64-bit ELF executable");
  }
  uint64_t last = sizeof header;
  last = std::max<uint64_t>(last, header.e_phoff + uint64_t{header.e_phnum} * header.e_phentsize);
  last = std::max<uint64_t>(last, header.e_shoff + uint64_t{header.e_shnum} * header.e_shentsize);
  *cut = last > file_bytes;
  if (*cut) return Status::OK();
  // Each table in one read: a start costs a few system calls, not one per
  // section.
  std::vector<Elf64_Phdr> segments(header.e_phentsize == sizeof(Elf64_Phdr) ? header.e_phnum : 0);
  std::vector<Elf64_Shdr> sections(header.e_shentsize == sizeof(Elf64_Shdr) ? header.e_shnum : 0);
  if (!ReadAt(fd, header.e_phoff, segments.size() * sizeof(Elf64_Phdr), reinterpret_cast<char*>(segments.data())) ||
      !ReadAt(fd, header.e_shoff, sections.size() * sizeof(Elf64_Shdr), reinterpret_cast<char*>(sections.data()))) {
    return Status::Error("its ELF headers cannot be read");
  }
  for (const Elf64_Phdr& segment : segments) last = std::max<uint64_t>(last, segment.p_offset + segment.p_filesz);
  for (const Elf64_Shdr& section : sections) {
    if (section.sh_type != SHT_NOBITS) last = std::max<uint64_t>(last, section.sh_offset + section.sh_size);
  }
  *cut = last > file_bytes;
  *end = last;
  return Status::OK();
}

// Splits the body into its pieces; false when they do not fill it exactly.
bool ReadPieces(std::string_view body, PackagedScenario* scenario) {
  for (int piece = 0; piece < kAttachmentPieces; ++piece) {
    if (body.size() < 4) return false;
    const uint32_t length = DecodeFixed32(body.data());
    body.remove_prefix(4);
    if (length > body.size()) return false;
    PieceSlot(scenario, piece)->assign(body.data(), length);
    body.remove_prefix(length);
  }
  return body.empty();
}

// A name the packager builds its file names from must stay a plain name.
bool PlainName(std::string_view name) {
  return !name.empty() && name != "." && name != ".." && name.find('/') == std::string_view::npos &&
         name.find('\0') == std::string_view::npos;
}

void Damaged(UnpackedAttachment* out, std::string problem) {
  out->state = AttachmentState::kDamaged;
  out->problem = std::move(problem);
}

// Reads what lies past the image: the trailer, then the body it announces.
void ReadAttached(int fd, uint64_t file_bytes, UnpackedAttachment* out) {
  if (out->attached_bytes < kAttachmentTrailerBytes) {
    return Damaged(out, std::to_string(out->attached_bytes) +
                            " bytes past the executable, fewer than a trailer: the attachment is cut short");
  }
  char trailer[kAttachmentTrailerBytes];
  if (!ReadAt(fd, file_bytes - kAttachmentTrailerBytes, sizeof trailer, trailer)) {
    return Damaged(out, "its trailer cannot be read");
  }
  if (std::string_view(trailer + 16, 8) != kAttachmentMagic) {
    return Damaged(out, "the attachment has no trailer at the end of the file: it is cut short or overwritten");
  }
  const uint64_t body_bytes = DecodeFixed64(trailer);
  const uint32_t crc = DecodeFixed32(trailer + 8);
  const uint32_t version = DecodeFixed32(trailer + 12);
  if (version != kAttachmentVersion) {
    return Damaged(out, "the attachment's format version is " + std::to_string(version) + ", not " +
                            std::to_string(kAttachmentVersion));
  }
  if (body_bytes != out->attached_bytes - kAttachmentTrailerBytes) {
    return Damaged(out, "the trailer announces " + std::to_string(body_bytes) + " bytes of attachment, " +
                            std::to_string(out->attached_bytes - kAttachmentTrailerBytes) + " are there");
  }
  std::string body(body_bytes, '\0');
  if (!ReadAt(fd, out->image_bytes, body.size(), body.data())) return Damaged(out, "its body cannot be read");
  out->pieces_read = ReadPieces(body, &out->scenario);
  out->checksum_holds = Crc32(body) == crc;
  if (!out->checksum_holds) return Damaged(out, "the attachment's checksum does not hold");
  if (!out->pieces_read) return Damaged(out, "the attachment's pieces do not fill its body");
  if (!PlainName(out->scenario.route_name) || !PlainName(out->scenario.train_number)) {
    return Damaged(out, "the attached route name or train number is not a plain name");
  }
  out->state = AttachmentState::kIntact;
}

}  // namespace

uint32_t Crc32(std::string_view bytes) {
  static const std::array<uint32_t, 256> table = [] {
    std::array<uint32_t, 256> t{};
    for (uint32_t n = 0; n < 256; ++n) {
      uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  uint32_t crc = 0xFFFFFFFFu;
  for (char byte : bytes) crc = table[(crc ^ static_cast<uint8_t>(byte)) & 0xFF] ^ (crc >> 8);
  return crc ^ 0xFFFFFFFFu;
}

std::string_view PieceOf(const PackagedScenario& scenario, int piece) {
  return *PieceSlot(const_cast<PackagedScenario*>(&scenario), piece);
}

const char* PieceName(int piece) {
  static const char* const kNames[kAttachmentPieces] = {
      "route name", "train number", "line description", "train description",
      "notes",      "slowdowns notice", "timetable sheet"};
  return kNames[piece];
}

std::string PackAttachment(const PackagedScenario& scenario) {
  std::string body;
  for (int piece = 0; piece < kAttachmentPieces; ++piece) {
    const std::string_view bytes = PieceOf(scenario, piece);
    PutFixed32(&body, static_cast<uint32_t>(bytes.size()));
    body += bytes;
  }
  std::string out = body;
  PutFixed64(&out, body.size());
  PutFixed32(&out, Crc32(body));
  PutFixed32(&out, kAttachmentVersion);
  out += kAttachmentMagic;
  return out;
}

Status UnpackAttachment(const std::filesystem::path& executable, UnpackedAttachment* out) {
  *out = UnpackedAttachment();
  // Never blocks on a FIFO put in the file's place: it is refused below.
  const int fd = open(executable.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return Status::Error("cannot read " + executable.string() + ": " + std::strerror(errno));
  struct stat file;
  Status status;
  if (fstat(fd, &file) != 0 || !S_ISREG(file.st_mode)) {
    status = Status::Error("cannot read " + executable.string() + ": not a regular file");
  } else {
    const uint64_t file_bytes = static_cast<uint64_t>(file.st_size);
    bool cut = false;
    status = ImageEnd(fd, file_bytes, &out->image_bytes, &cut);
    if (!status.ok()) {
      status = Status::Error(executable.string() + " is " + status.message());
    } else if (cut) {
      Damaged(out, "the executable itself is cut short");
    } else {
      out->attached_bytes = file_bytes - out->image_bytes;
      if (out->attached_bytes > 0) ReadAttached(fd, file_bytes, out);
    }
  }
  close(fd);
  return status;
}

}  // namespace scenario
