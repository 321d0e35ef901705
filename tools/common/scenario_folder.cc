#include "tools/common/scenario_folder.h"

#include <algorithm>
#include <system_error>

#include "grid/track_grid.h"
#include "tools/common/route_rows.h"
#include "tools/common/route_summary.h"
#include "tools/common/text.h"

namespace scenario {

namespace {

constexpr std::string_view kRouteSuffix = "_linea.dat";

bool EndsWith(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

std::string JoinNames(const std::vector<std::string>& names) {
  std::string out;
  for (const std::string& name : names) out += (out.empty() ? "" : ", ") + name;
  return out;
}

// The regular files of the folder, by name. Stepped with an error code, so
// that a folder that fails while it is listed is said, not thrown.
bool RegularFilesIn(const std::filesystem::path& folder, std::vector<std::string>* names, std::error_code* ec) {
  std::filesystem::directory_iterator it(folder, *ec);
  for (; !*ec && it != std::filesystem::directory_iterator(); it.increment(*ec)) {
    std::error_code ignored;
    if (it->is_regular_file(ignored)) names->push_back(it->path().filename().string());
  }
  return !*ec;
}

Status Load(const std::filesystem::path& path, InspectedFile* file) {
  if (Status loaded = LoadInspectedFile(path, file); !loaded.ok()) {
    return Status::Error(path.string() + ": " + loaded.message());
  }
  return Status::OK();
}

void CheckAgreement(ScenarioFolder* f) {
  const ScenarioTable& table = f->scenario.scenario;
  if (table[kRouteRow].name != f->route_name) {
    f->warnings.push_back("row 85 names the route \"" + CodePageToUtf8(table[kRouteRow].name) +
                          "\", the files \"" + DisplayText(f->route_name) + "\"");
  }
  if (table[kTrainRow].name != f->train_number) {
    f->warnings.push_back("row 86 names the train \"" + CodePageToUtf8(table[kTrainRow].name) +
                          "\", the files \"" + DisplayText(f->train_number) + "\"");
  }
  int64_t length = table[kRunRow].span_end;
  int64_t rows = f->route_rows;
  if (rows != length + kRouteOverrunRows + 1) {
    f->warnings.push_back("the route length in row 84 is " + std::to_string(length) +
                          " m, but the route file has " + std::to_string(rows) + " rows");
  }
  int64_t cells = static_cast<int64_t>(f->grid.cells.size());
  if (length >= 0 && cells != LastCellIndex(length) + 1) {
    f->warnings.push_back("a route of " + std::to_string(length) + " m has " +
                          std::to_string(LastCellIndex(length) + 1) + " cells, the grid file " +
                          std::to_string(cells));
  }
}

}  // namespace

Status ScenarioFilesIn(const std::filesystem::path& folder,
                       std::vector<std::filesystem::path>* files) {
  std::error_code ec;
  if (!std::filesystem::is_directory(folder, ec)) return Status::Error("no such folder");
  std::vector<std::string> names;
  if (!RegularFilesIn(folder, &names, &ec)) return Status::Error("cannot list the folder (" + ec.message() + ")");
  std::sort(names.begin(), names.end());
  std::vector<std::string> scenarios;
  for (const std::string& n : names) {
    if (EndsWith(n, ".sim") && n.size() > 4) scenarios.push_back(n);
  }
  if (scenarios.empty()) return Status::Error("no scenario file (*.sim) in the folder");
  if (scenarios.size() > 1) {
    return Status::Error("several scenario files: " + JoinNames(scenarios) +
                         "; name the files to dump");
  }
  const std::string stem = scenarios[0].substr(0, scenarios[0].size() - 4);
  const std::string grid = stem + ".dat";
  if (std::find(names.begin(), names.end(), grid) == names.end()) {
    return Status::Error("the grid file " + grid + " is missing");
  }
  files->clear();
  // The route file of this scenario: <route>_linea.dat, where the scenario
  // file is <route>_<train>.sim.
  for (const std::string& n : names) {
    if (EndsWith(n, kRouteSuffix) && n.size() > kRouteSuffix.size() &&
        stem.starts_with(n.substr(0, n.size() - kRouteSuffix.size()) + "_")) {
      files->push_back(folder / n);
      break;
    }
  }
  files->push_back(folder / scenarios[0]);
  files->push_back(folder / grid);
  return Status::OK();
}

int64_t ScenarioFolder::RouteLength() const {
  int64_t length = scenario.scenario[kRunRow].span_end;
  if (length > 0) return length;
  return std::max<int64_t>(0, route_rows - kRouteOverrunRows - 1);
}

Status LoadScenarioFolder(const std::filesystem::path& folder, ScenarioFolder* out, RouteDetail detail) {
  std::error_code ec;
  if (!std::filesystem::is_directory(folder, ec))
    return Status::Error(folder.string() + ": no such folder");
  std::vector<std::string> names;
  if (!RegularFilesIn(folder, &names, &ec)) {
    return Status::Error(folder.string() + ": cannot list the folder (" + ec.message() + ")");
  }
  std::sort(names.begin(), names.end());

  std::vector<std::string> routes;
  for (const std::string& n : names) {
    if (EndsWith(n, kRouteSuffix) && n.size() > kRouteSuffix.size()) routes.push_back(n);
  }
  if (routes.empty())
    return Status::Error(folder.string() + ": no route file (*_linea.dat) in the folder");
  if (routes.size() > 1)
    return Status::Error(folder.string() + ": several route files: " + JoinNames(routes));
  out->route_name = routes[0].substr(0, routes[0].size() - kRouteSuffix.size());

  // Scenarios of this route: <route>_<train>.sim, each with its grid file.
  std::string prefix = out->route_name + "_";
  std::vector<std::string> trains;
  for (const std::string& n : names) {
    if (n.size() > prefix.size() + 4 && n.starts_with(prefix) && EndsWith(n, ".sim")) {
      trains.push_back(n.substr(prefix.size(), n.size() - prefix.size() - 4));
    }
  }
  if (trains.empty())
    return Status::Error(folder.string() + ": no scenario file (" + prefix +
                         "*.sim) in the folder");
  if (trains.size() > 1) {
    return Status::Error(folder.string() + ": several scenario files of route " +
                         out->route_name + " (trains " + JoinNames(trains) + "); keep one per folder");
  }
  std::string grid_name = prefix + trains[0] + ".dat";
  if (std::find(names.begin(), names.end(), grid_name) == names.end()) {
    return Status::Error(folder.string() + ": the grid file " + grid_name + " is missing");
  }
  return LoadScenarioSet(folder, routes[0].substr(0, routes[0].size() - kRouteSuffix.size()), trains[0], out,
                         detail);
}

Status LoadScenarioSet(const std::filesystem::path& folder, const std::string& route_name,
                       const std::string& train_number, ScenarioFolder* out, RouteDetail detail) {
  out->route_name = route_name;
  out->train_number = train_number;
  const std::string stem = route_name + "_" + train_number;
  out->route_path = folder / (route_name + std::string(kRouteSuffix));
  Status loaded;
  if (detail == RouteDetail::kWhole) {
    loaded = Load(out->route_path, &out->route);
    out->route_rows = out->route.route.rows();
  } else {
    RouteFileRows rows;
    loaded = rows.Open(out->route_path);
    if (!loaded.ok()) loaded = Status::Error(out->route_path.string() + ": " + loaded.message());
    out->route_rows = rows.rows();
    out->route.name = out->route_path.string();
    out->route.kind = FileKind::kRoute;
    out->route.size = static_cast<size_t>(rows.size());
  }
  if (loaded.ok()) loaded = Load(folder / (stem + ".sim"), &out->scenario);
  if (loaded.ok()) loaded = Load(folder / (stem + ".dat"), &out->grid);
  if (!loaded.ok()) return loaded;
  CheckAgreement(out);
  return Status::OK();
}

}  // namespace scenario
