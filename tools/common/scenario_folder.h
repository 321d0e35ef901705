// A folder holding one compiled scenario: `<route>_linea.dat`,
// `<route>_<train>.sim` and `<route>_<train>.dat`.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "tools/common/file_kind.h"

namespace scenario {

struct ScenarioFolder {
  std::string route_name;    // the prefix of `*_linea.dat`
  std::string train_number;  // what stands between `<route>_` and `.sim`
  std::filesystem::path route_path;
  int64_t route_rows = 0;  // the route file's rows
  // The route file decoded whole, row by row, unless only its rows were
  // asked for (RouteDetail::kRowsOnly): the picture reads them from the
  // file as it draws.
  InspectedFile route;
  InspectedFile scenario;
  InspectedFile grid;
  // Disagreements between the three files that do not stop a drawing (the
  // names in rows 85 and 86, the sizes against the route length).
  std::vector<std::string> warnings;

  // The route length: run row 84, or what the route file's size implies.
  int64_t RouteLength() const;
};

// The compiled files of the one scenario in the folder, for the dump: its
// route file when there is one (a compile without a route table writes
// none), its scenario file and its grid file, in that order. A failure says
// what is wrong: no such folder, no scenario file or several, a missing grid
// file.
// How much of the route file a load keeps: every row decoded (the dump, the
// live page), or only its checked structure and row count (the picture).
enum class RouteDetail { kWhole, kRowsOnly };

Status ScenarioFilesIn(const std::filesystem::path& folder,
                       std::vector<std::filesystem::path>* files);

// Finds the three files by their suffixes and decodes them. A failure says
// what is wrong: no such folder, a file missing, several scenarios, a file
// that does not decode.
Status LoadScenarioFolder(const std::filesystem::path& folder, ScenarioFolder* out,
                          RouteDetail detail = RouteDetail::kWhole);

// The set of one route and train in the folder, by name, whatever else the
// folder holds: `<route>_linea.dat`, `<route>_<train>.sim` and
// `<route>_<train>.dat`. A failure names the file and says what is wrong.
Status LoadScenarioSet(const std::filesystem::path& folder, const std::string& route_name,
                       const std::string& train_number, ScenarioFolder* out,
                       RouteDetail detail = RouteDetail::kWhole);

}  // namespace scenario
