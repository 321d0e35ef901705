// scenario-gen-descriptions: writes a generated line description and a run
// over it, for timing scenario-compile on long lines.
//   scenario-gen-descriptions ROUTE_LENGTH LINE.txt TRAIN.txt
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

#include "bench/generated_descriptions.h"

namespace {

bool WriteText(const char* path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: scenario-gen-descriptions ROUTE_LENGTH LINE.txt TRAIN.txt\n";
    return 2;
  }
  const long length = std::strtol(argv[1], nullptr, 10);
  if (length < 10000 || length > 1000000 || length % 1000 != 0) {
    std::cerr << "scenario-gen-descriptions: the route length must be a multiple of 1000 "
                 "from 10000 to 1000000\n";
    return 2;
  }
  const int32_t route_length = static_cast<int32_t>(length);
  if (!WriteText(argv[2], scenario::bench::GeneratedLineText(route_length)) ||
      !WriteText(argv[3], scenario::bench::GeneratedTrainText(route_length))) {
    std::cerr << "scenario-gen-descriptions: cannot write the texts\n";
    return 2;
  }
  return 0;
}
