#include "tools/common/file_kind.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <cctype>
#include <system_error>

#include "grid/grid_file_decoder.h"
#include "records/scenario_file_decoder.h"

namespace scenario {

namespace {

bool EndsWithNoCase(std::string_view text, std::string_view suffix) {
  if (text.size() < suffix.size()) return false;
  return std::equal(suffix.begin(), suffix.end(), text.end() - static_cast<std::ptrdiff_t>(suffix.size()),
                    [](char a, char b) {
                      return std::tolower(static_cast<unsigned char>(a)) ==
                             std::tolower(static_cast<unsigned char>(b));
                    });
}

Status DecodeAs(FileKind kind, std::string_view bytes, InspectedFile* file) {
  switch (kind) {
    case FileKind::kRoute: return DecodeRouteFile(bytes, &file->route);
    case FileKind::kScenario: return DecodeScenarioFile(bytes, &file->scenario);
    case FileKind::kGrid: return DecodeGridFile(bytes, &file->cells);
    case FileKind::kUnknown: break;
  }
  return Status::Error("no kind chosen");
}

bool HasNumber(const RoutePlan& plan) {
  auto number = [](const RouteElement& e) { return e.IsNumber(); };
  return std::any_of(plan.plan_x.begin(), plan.plan_x.end(), number);
}

// The kind the structure alone supports. A run of zero bytes decodes as empty
// route elements too, so a route file must hold at least one number to win
// over a grid file.
FileKind KindFromStructure(std::string_view bytes) {
  InspectedFile probe;
  if (DecodeScenarioFile(bytes, &probe.scenario).ok()) return FileKind::kScenario;
  bool route = DecodeRouteFile(bytes, &probe.route).ok();
  if (route && HasNumber(probe.route)) return FileKind::kRoute;
  if (DecodeGridFile(bytes, &probe.cells).ok()) return FileKind::kGrid;
  return route ? FileKind::kRoute : FileKind::kUnknown;
}

// Reads the whole file with plain reads, so that a failure (a directory, a
// device error, a file of /proc that refuses to be read) comes back as its
// reason rather than as an exception; no more than the limit and one byte
// are ever read, and a FIFO or a device is refused before it is opened.
Status ReadCompiledFile(const std::filesystem::path& path, std::string* bytes) {
  struct stat named;
  if (stat(path.c_str(), &named) != 0) {
    return Status::Error(errno == ENOENT ? "no such file" : "cannot be read: " + std::string(std::strerror(errno)));
  }
  if (!S_ISREG(named.st_mode)) return Status::Error("not a regular file");
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return Status::Error("cannot be opened for reading: " + std::string(std::strerror(errno)));
  struct stat opened;
  Status status;
  if (fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
    status = Status::Error("not a regular file");
  } else if (static_cast<uintmax_t>(opened.st_size) > kMaxCompiledFileBytes) {
    status = Status::Error(std::to_string(opened.st_size) + " bytes are more than any compiled file holds (" +
                           std::to_string(kMaxCompiledFileBytes) + ")");
  } else {
    bytes->assign(static_cast<size_t>(opened.st_size) + 1, '\0');
    size_t filled = 0;
    for (;;) {
      if (filled == bytes->size()) {
        if (filled > kMaxCompiledFileBytes) {
          status = Status::Error("it grew beyond the " + std::to_string(kMaxCompiledFileBytes) +
                                 " bytes any compiled file holds while it was read");
          break;
        }
        bytes->resize(static_cast<size_t>(std::min<uintmax_t>(kMaxCompiledFileBytes + 1, filled * 2 + 4096)));
      }
      const ssize_t n = read(fd, bytes->data() + filled, bytes->size() - filled);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) {
        status = Status::Error("cannot be read: " + std::string(std::strerror(errno)));
        break;
      }
      if (n == 0) break;
      filled += static_cast<size_t>(n);
    }
    bytes->resize(filled);
  }
  close(fd);
  if (!status.ok()) bytes->clear();
  return status;
}

}  // namespace

const char* FileKindName(FileKind kind) {
  switch (kind) {
    case FileKind::kRoute: return "route file";
    case FileKind::kScenario: return "scenario file";
    case FileKind::kGrid: return "grid file";
    case FileKind::kUnknown: break;
  }
  return "file";
}

FileKind KindFromName(std::string_view file_name) {
  size_t slash = file_name.find_last_of("/\\");
  if (slash != std::string_view::npos) file_name.remove_prefix(slash + 1);
  if (EndsWithNoCase(file_name, "_linea.dat")) return FileKind::kRoute;
  if (EndsWithNoCase(file_name, ".sim")) return FileKind::kScenario;
  if (EndsWithNoCase(file_name, ".dat")) return FileKind::kGrid;
  return FileKind::kUnknown;
}

Status IdentifyAndDecode(std::string_view name, std::string_view bytes, InspectedFile* file) {
  file->name = std::string(name);
  file->size = bytes.size();
  FileKind named = KindFromName(name);
  if (named == FileKind::kUnknown) {
    FileKind found = KindFromStructure(bytes);
    if (found == FileKind::kUnknown) {
      return Status::Error("neither the name nor the structure (" + std::to_string(bytes.size()) +
                           " bytes) fits a route, scenario or grid file");
    }
    file->kind = found;
    return DecodeAs(found, bytes, file);
  }
  if (Status decoded = DecodeAs(named, bytes, file); !decoded.ok()) {
    std::string message =
        "named like a " + std::string(FileKindName(named)) + ", but " + decoded.message();
    FileKind found = KindFromStructure(bytes);
    if (found != FileKind::kUnknown && found != named) {
      message += "; its structure fits a " + std::string(FileKindName(found));
    }
    return Status::Error(message);
  }
  file->kind = named;
  return Status::OK();
}

Status LoadInspectedFile(const std::filesystem::path& path, InspectedFile* file) {
  std::string bytes;
  if (Status read = ReadCompiledFile(path, &bytes); !read.ok()) return read;
  return IdentifyAndDecode(path.string(), bytes, file);
}

}  // namespace scenario
