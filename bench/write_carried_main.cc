// scenario-write-carried: writes the carried scenario's five texts, as the
// packager writes them, into a folder: line.txt, train.txt, notes.txt,
// slowdowns.txt and timetable.txt. scenario-pack packs them to time a built
// packager against the plain one on the same scenario.
//   scenario-write-carried DIR
#include <fstream>
#include <iostream>
#include <string>

#include "app/packaged_scenario.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: scenario-write-carried DIR\n";
    return 2;
  }
  const scenario::PackagedScenario carried = scenario::CarriedScenario();
  const std::pair<const char*, const std::string*> texts[] = {
      {"line.txt", &carried.line_text}, {"train.txt", &carried.train_text}, {"notes.txt", &carried.notes},
      {"slowdowns.txt", &carried.slowdowns}, {"timetable.txt", &carried.timetable}};
  for (const auto& [name, text] : texts) {
    std::ofstream out(std::string(argv[1]) + "/" + name, std::ios::binary);
    out << *text;
    if (!out) {
      std::cerr << "scenario-write-carried: cannot write " << argv[1] << "/" << name << "\n";
      return 2;
    }
  }
  return 0;
}
