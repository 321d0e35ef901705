#include "tools/common/decompile_files.h"

#include <fstream>
#include <system_error>

#include "grid/grid_file_decoder.h"
#include "tools/common/decompile_curves.h"
#include "grid/track_grid.h"
#include "records/scenario_file_decoder.h"
#include "tools/common/file_kind.h"
#include "tools/common/scenario_folder.h"
#include "tools/common/text.h"

namespace scenario {

namespace {

Status Fail(const std::filesystem::path& path, const std::string& what) {
  return Status::Error(DisplayText(path.string()) + ": " + what);
}

Status ReadWhole(const std::filesystem::path& path, std::string* bytes) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return Fail(path, "no such file");
  const uintmax_t size = std::filesystem::file_size(path, ec);
  if (ec) return Fail(path, "cannot read its size (" + ec.message() + ")");
  if (size > kMaxCompiledFileBytes) {
    return Fail(path, std::to_string(size) + " bytes, more than any compiled file has");
  }
  std::ifstream in(path, std::ios::binary);
  bytes->resize(static_cast<size_t>(size));
  in.read(bytes->data(), static_cast<std::streamsize>(size));
  if (!in || in.gcount() != static_cast<std::streamsize>(size) || in.peek() != EOF) {
    return Fail(path, "cannot be read whole (it changed while it was read)");
  }
  return Status::OK();
}

void ClearStamp(std::vector<Cell>* cells) {
  if (cells->size() > 1) {
    (*cells)[1].value_a = 0;
    (*cells)[1].value_b = 0;
  }
}

Status Place(const std::filesystem::path& path, CompiledScenario* out, bool* seen_route,
             bool* seen_scenario, bool* seen_grid) {
  std::string bytes;
  if (Status read = ReadWhole(path, &bytes); !read.ok()) return read;
  InspectedFile file;
  if (KindFromName(path.filename().string()) == FileKind::kRoute) {
    // Measured, not decoded: the curves are read from the bytes.
    file.kind = FileKind::kRoute;
    if (Status measured = MeasureRouteFile(bytes, &out->route_rows, &out->route_y_column); !measured.ok()) {
      return Fail(path, "not a route file: " + measured.message());
    }
  } else if (Status decoded = IdentifyAndDecode(path.filename().string(), bytes, &file); !decoded.ok()) {
    return Fail(path, decoded.message());
  } else if (file.kind == FileKind::kRoute) {
    if (Status measured = MeasureRouteFile(bytes, &out->route_rows, &out->route_y_column); !measured.ok()) {
      return Fail(path, measured.message());
    }
  }
  auto take = [&](bool* seen, std::string* target) {
    if (*seen) return Fail(path, std::string("a second ") + FileKindName(file.kind) + " for one scenario");
    *seen = true;
    *target = std::move(bytes);
    return Status::OK();
  };
  switch (file.kind) {
    case FileKind::kRoute:
      out->has_route = true;
      return take(seen_route, &out->route_bytes);
    case FileKind::kScenario:
      out->scenario = file.scenario;
      return take(seen_scenario, &out->scenario_bytes);
    case FileKind::kGrid:
      out->cells = std::move(file.cells);
      ClearStamp(&out->cells);
      return take(seen_grid, &out->grid_bytes);
    case FileKind::kUnknown: break;
  }
  return Fail(path, "not a compiled scenario file");
}

// The sizes the route length in the scenario file gives the other two.
Status CheckSizes(const CompiledScenario& files, const std::string& grid_name,
                  const std::string& route_name) {
  const int64_t length = files.scenario[kRunRow].span_end;
  const bool possible = length >= 0 && length <= 1000000;
  if (!possible || static_cast<int64_t>(files.cells.size()) != LastCellIndex(length) + 1) {
    return Status::Error(grid_name + ": " + std::to_string(files.cells.size()) +
                         " cells, but the route length " + std::to_string(length) +
                         " m in the scenario file gives " +
                         (possible ? std::to_string(LastCellIndex(length) + 1) : std::string("no grid")) +
                         ": a grid of another route");
  }
  if (files.has_route && files.route_rows != length + 7001) {
    return Status::Error(route_name + ": " + std::to_string(files.route_rows) +
                         " rows, but the route length " + std::to_string(length) +
                         " m in the scenario file gives " + std::to_string(length + 7001) +
                         ": a route file of another route");
  }
  return Status::OK();
}

// The names and sizes the three files must agree on.
Status CheckOneScenario(const std::vector<std::filesystem::path>& inputs, CompiledScenario* out) {
  const std::string route = out->scenario[kRouteRow].name;
  const std::string train = out->scenario[kTrainRow].name;
  out->route_name = route;
  out->train_number = train;
  std::string grid_name, route_name;
  for (const std::filesystem::path& path : inputs) {
    const std::string name = path.filename().string();
    const FileKind kind = KindFromName(name);
    const std::string expected = kind == FileKind::kRoute ? route + "_linea.dat"
                                 : kind == FileKind::kScenario ? route + "_" + train + ".sim"
                                                               : route + "_" + train + ".dat";
    if (name != expected) {
      return Fail(path, "of another route or train: the scenario file's rows 85 and 86 name route \"" +
                            CodePageToUtf8(route) + "\" and train \"" + CodePageToUtf8(train) +
                            "\", whose file is " + DisplayText(expected));
    }
    (kind == FileKind::kGrid ? grid_name : route_name) = DisplayText(path.string());
  }
  return CheckSizes(*out, grid_name, route_name);
}

}  // namespace

Status LoadCompiledScenario(const std::vector<std::string>& paths, const std::string& route,
                            const std::string& train, CompiledScenario* out,
                            std::vector<std::filesystem::path>* inputs) {
  std::error_code ec;
  if (paths.size() == 1 && std::filesystem::is_directory(paths[0], ec)) {
    const std::filesystem::path folder = paths[0];
    if (!route.empty() || !train.empty()) {
      if (route.empty() || train.empty()) return Status::Error("--route and --train go together");
      inputs->push_back(folder / (route + "_" + train + ".sim"));
      inputs->push_back(folder / (route + "_" + train + ".dat"));
      if (std::filesystem::exists(folder / (route + "_linea.dat"), ec)) {
        inputs->push_back(folder / (route + "_linea.dat"));
      }
    } else if (Status listed = ScenarioFilesIn(folder, inputs); !listed.ok()) {
      return Fail(folder, listed.message());
    }
  } else {
    for (const std::string& path : paths) inputs->push_back(path);
  }
  bool seen_route = false, seen_scenario = false, seen_grid = false;
  for (const std::filesystem::path& path : *inputs) {
    if (Status placed = Place(path, out, &seen_route, &seen_scenario, &seen_grid); !placed.ok()) {
      return placed;
    }
  }
  if (!seen_scenario) return Status::Error("no scenario file (<route>_<train>.sim) among the files");
  if (!seen_grid) return Status::Error("no grid file (<route>_<train>.dat) among the files");
  if (Status agree = CheckOneScenario(*inputs, out); !agree.ok()) return agree;
  if (!route.empty() && route != out->route_name) {
    return Status::Error("the scenario is of route \"" + CodePageToUtf8(out->route_name) +
                         "\", not \"" + DisplayText(route) + "\"");
  }
  if (!train.empty() && train != out->train_number) {
    return Status::Error("the scenario is of train \"" + CodePageToUtf8(out->train_number) +
                         "\", not \"" + DisplayText(train) + "\"");
  }
  return Status::OK();
}

Status DecodeCompiledScenario(std::optional<std::string> route_bytes, std::string scenario_bytes,
                              std::string grid_bytes, CompiledScenario* out) {
  if (route_bytes) {
    if (Status s = MeasureRouteFile(*route_bytes, &out->route_rows, &out->route_y_column); !s.ok()) {
      return Status::Error("route file: " + s.message());
    }
    out->has_route = true;
    out->route_bytes = std::move(*route_bytes);
  }
  if (Status s = DecodeScenarioFile(scenario_bytes, &out->scenario); !s.ok()) {
    return Status::Error("scenario file: " + s.message());
  }
  if (Status s = DecodeGridFile(grid_bytes, &out->cells); !s.ok()) return Status::Error("grid file: " + s.message());
  ClearStamp(&out->cells);
  out->scenario_bytes = std::move(scenario_bytes);
  out->grid_bytes = std::move(grid_bytes);
  out->route_name = out->scenario[kRouteRow].name;
  out->train_number = out->scenario[kTrainRow].name;
  return CheckSizes(*out, "grid file", "route file");
}

}  // namespace scenario
