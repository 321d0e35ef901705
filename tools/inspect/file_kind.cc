#include "tools/inspect/file_kind.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
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

std::optional<std::string> DecodeAs(FileKind kind, std::string_view bytes, InspectedFile* file) {
  switch (kind) {
    case FileKind::kRoute: return DecodeRouteFile(bytes, &file->route);
    case FileKind::kScenario: return DecodeScenarioFile(bytes, &file->scenario);
    case FileKind::kGrid: return DecodeGridFile(bytes, &file->cells);
    case FileKind::kUnknown: break;
  }
  return std::string("no kind chosen");
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
  if (!DecodeScenarioFile(bytes, &probe.scenario)) return FileKind::kScenario;
  bool route = !DecodeRouteFile(bytes, &probe.route);
  if (route && HasNumber(probe.route)) return FileKind::kRoute;
  if (!DecodeGridFile(bytes, &probe.cells)) return FileKind::kGrid;
  return route ? FileKind::kRoute : FileKind::kUnknown;
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

std::optional<std::string> IdentifyAndDecode(std::string_view name, std::string_view bytes,
                                             InspectedFile* file) {
  file->name = std::string(name);
  file->size = bytes.size();
  FileKind named = KindFromName(name);
  if (named == FileKind::kUnknown) {
    FileKind found = KindFromStructure(bytes);
    if (found == FileKind::kUnknown) {
      return "neither the name nor the structure (" + std::to_string(bytes.size()) +
             " bytes) fits a route, scenario or grid file";
    }
    file->kind = found;
    return DecodeAs(found, bytes, file);
  }
  if (std::optional<std::string> problem = DecodeAs(named, bytes, file)) {
    std::string message = "named like a " + std::string(FileKindName(named)) + ", but " + *problem;
    FileKind found = KindFromStructure(bytes);
    if (found != FileKind::kUnknown && found != named) {
      message += "; its structure fits a " + std::string(FileKindName(found));
    }
    return message;
  }
  file->kind = named;
  return std::nullopt;
}

std::optional<std::string> LoadInspectedFile(const std::filesystem::path& path,
                                             InspectedFile* file) {
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) return std::string("no such file");
  if (!std::filesystem::is_regular_file(path, ec)) return std::string("not a regular file");
  uintmax_t size = std::filesystem::file_size(path, ec);
  if (!ec && size > kMaxCompiledFileBytes) {
    return std::to_string(size) + " bytes are more than any compiled file holds (" +
           std::to_string(kMaxCompiledFileBytes) + ")";
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::string("cannot be opened for reading");
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::string("cannot be read");
  return IdentifyAndDecode(path.string(), bytes, file);
}

}  // namespace scenario
