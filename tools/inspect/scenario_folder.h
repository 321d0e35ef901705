// A folder holding one compiled scenario: `<route>_linea.dat`,
// `<route>_<train>.sim` and `<route>_<train>.dat`.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "tools/inspect/file_kind.h"

namespace scenario {

struct ScenarioFolder {
  std::string route_name;    // the prefix of `*_linea.dat`
  std::string train_number;  // what stands between `<route>_` and `.sim`
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
Status ScenarioFilesIn(const std::filesystem::path& folder,
                       std::vector<std::filesystem::path>* files);

// Finds the three files by their suffixes and decodes them. A failure says
// what is wrong: no such folder, a file missing, several scenarios, a file
// that does not decode.
Status LoadScenarioFolder(const std::filesystem::path& folder, ScenarioFolder* out);

}  // namespace scenario
