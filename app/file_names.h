// The names of the eight files of a run, built from the route name and the
// train number.
#pragma once

#include <string>
#include <vector>

namespace scenario {

struct FileNames {
  std::string line_text;      // <route>_linea.txt
  std::string train_text;     // <route>_<train>-.txt
  std::string notes;          // <route>_<train>_note.txt
  std::string slowdowns;      // <route>_<train>_rallentamenti.txt
  std::string timetable;      // <route>_<train>_scheda_treno.txt
  std::string route_file;     // <route>_linea.dat
  std::string scenario_file;  // <route>_<train>.sim
  std::string grid_file;      // <route>_<train>.dat
};

FileNames MakeFileNames(const std::string& route, const std::string& train);

// The three binary files' names, in writing order.
std::vector<std::string> BinaryFileNames(const FileNames& names);
// All eight names.
std::vector<std::string> AllFileNames(const FileNames& names);

}  // namespace scenario
