#include "app/file_names.h"

namespace scenario {

FileNames MakeFileNames(const std::string& route, const std::string& train) {
  FileNames names;
  names.line_text = route + "_linea.txt";
  names.train_text = route + "_" + train + "-.txt";
  names.notes = route + "_" + train + "_" + "note.txt";
  names.slowdowns = route + "_" + train + "_" + "rallentamenti.txt";
  names.timetable = route + "_" + train + "_" + "scheda_treno.txt";
  names.route_file = route + "_linea.dat";
  names.scenario_file = route + "_" + train + ".sim";
  names.grid_file = route + "_" + train + ".dat";
  return names;
}

std::vector<std::string> BinaryFileNames(const FileNames& names) {
  return {names.route_file, names.scenario_file, names.grid_file};
}

std::vector<std::string> AllFileNames(const FileNames& names) {
  return {names.line_text,  names.train_text, names.notes,         names.slowdowns,
          names.timetable,  names.route_file, names.scenario_file, names.grid_file};
}

}  // namespace scenario
