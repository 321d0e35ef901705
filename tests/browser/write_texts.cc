// scenario-viewer-texts: writes description texts for the browser tests.
//   scenario-viewer-texts carried LINE.txt TRAIN.txt      the carried scenario
//   scenario-viewer-texts generated LENGTH LINE.txt TRAIN.txt   a generated line
// The carried texts are the lines the packager writes, CR LF ended.
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

#include "bench/generated_descriptions.h"
#include "content/documents.h"

namespace {

std::string Emitted(const scenario::LineBuffer& lines) {
  std::string text;
  for (const std::string& line : lines) {
    if (line == scenario::kEndMarker) break;
    text += line + "\r\n";
  }
  return text;
}

bool Write(const char* path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string what = argc > 1 ? argv[1] : "";
  bool written = false;
  if (what == "carried" && argc == 4) {
    written = Write(argv[2], Emitted(scenario::CarriedLineDescription())) &&
              Write(argv[3], Emitted(scenario::CarriedTrainDescription()));
  } else if (what == "generated" && argc == 5) {
    const int32_t length = static_cast<int32_t>(std::strtol(argv[2], nullptr, 10));
    written = Write(argv[3], scenario::bench::GeneratedLineText(length)) &&
              Write(argv[4], scenario::bench::GeneratedTrainText(length));
  } else {
    std::cerr << "usage: scenario-viewer-texts carried LINE.txt TRAIN.txt\n"
                 "       scenario-viewer-texts generated LENGTH LINE.txt TRAIN.txt\n";
    return 2;
  }
  if (!written) std::cerr << "scenario-viewer-texts: cannot write the texts\n";
  return written ? 0 : 2;
}
