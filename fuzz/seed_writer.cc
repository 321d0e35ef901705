// Writes the seed corpora of the fuzz targets:
//   seed_writer SEED_PAIRS_DIR COMPILE_CORPUS_DIR FIELD_STREAM_CORPUS_DIR
//               [COMMAND_LINE_CORPUS_DIR]
// The compile corpus gets every pair NAME.line.txt / NAME.train.txt of the
// seed folder and the carried descriptions cut down to the fuzzed route
// length; the field-stream corpus gets every description text whole, behind
// a short sequence of reads; the command-line corpus gets every pair behind
// a few command lines (fuzz/command_line_input.h).
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "content/documents.h"
#include "fuzz/fuzz_input.h"

namespace {

namespace fs = std::filesystem;

std::string Join(const scenario::LineBuffer& lines) {
  std::string text;
  for (const std::string& line : lines) {
    if (line == scenario::kEndMarker) break;
    text += line + "\r\n";
  }
  return text;
}

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteAll(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}

// The first number after the first comma of a line, if there is one.
bool FirstValue(const std::string& line, long* value) {
  const size_t comma = line.find(',');
  if (comma == std::string::npos) return false;
  const char* begin = line.c_str() + comma + 1;
  char* end = nullptr;
  *value = std::strtol(begin, &end, 10);
  return end != begin;
}

// The carried description on the first stretch of its route: the route
// length lowered to the fuzzed maximum, every record placed beyond it left
// out, prose and comments kept.
std::string FirstStretch(const std::string& text) {
  const long last_position = scenario::fuzzing::kLongestFuzzedRoute + 6000;
  std::string out;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    end = end == std::string::npos ? text.size() : end + 1;
    std::string line = text.substr(start, end - start);
    start = end;
    long value = 0;
    if (line.find("lunghezza percorso") != std::string::npos) {
      line = "lunghezza percorso,    " + std::to_string(scenario::fuzzing::kLongestFuzzedRoute) + "\r\n";
    } else if (FirstValue(line, &value) && value > last_position) {
      continue;
    }
    out += line;
  }
  return out;
}

// A field-stream seed: reads to make, a keyword to test, the text, and the
// number of reads last (the fuzzer takes integers from the end).
std::string FieldStreamSeed(const std::string& text) {
  const std::string reads = {0, 2, 2, 0, 1, 0, 3, 3, 3, 0, 4, 4, 0, 2, 0, 2, 2, 0, 1};
  return reads + "segnale\\x" + text + static_cast<char>(reads.size());
}

// Command-line seeds: the kinds of the two descriptions, OUTDIR, the report
// and the picture, then extra arguments, then the pair.
const std::vector<std::string> kCommandLines = {
    std::string("\0\0\0\0\0", 5),
    std::string("\0\0\1\1\2", 5) + "--no-route-file",
    std::string("\0\0\4\2\1", 5) + "--route\nR\n--train\n12\n-Werror",
    std::string("\1\2\0\1\0", 5) + "--route\n../escaped",
    std::string("\3\5\3\3\3", 5) + "-Wno-few-stops\n--warnings-as-errors",
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4 && argc != 5) {
    std::fprintf(stderr, "usage: seed_writer SEED_PAIRS_DIR COMPILE_CORPUS FIELD_CORPUS [COMMAND_LINE_CORPUS]\n");
    return 2;
  }
  const fs::path pairs = argv[1], compile = argv[2], field = argv[3];
  fs::create_directories(compile);
  fs::create_directories(field);
  std::vector<std::string> texts;
  for (const auto& entry : fs::directory_iterator(pairs)) {
    const std::string name = entry.path().filename().string();
    const std::string suffix = ".line.txt";
    if (name.size() <= suffix.size() || name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0) {
      continue;
    }
    const std::string stem = name.substr(0, name.size() - suffix.size());
    const std::string line = ReadAll(entry.path());
    const std::string train = ReadAll(pairs / (stem + ".train.txt"));
    WriteAll(compile / ("seed-" + stem), line + '\0' + train);
    if (argc == 5) {
      fs::create_directories(argv[4]);
      for (size_t i = 0; i < kCommandLines.size(); ++i) {
        WriteAll(fs::path(argv[4]) / ("seed-" + stem + "-" + std::to_string(i)),
                 kCommandLines[i] + '\0' + line + '\0' + train);
      }
    }
    texts.push_back(line);
    texts.push_back(train);
  }
  const std::string line = Join(scenario::CarriedLineDescription());
  const std::string train = Join(scenario::CarriedTrainDescription());
  WriteAll(compile / "seed-carried-first-stretch", FirstStretch(line) + '\0' + FirstStretch(train));
  texts.push_back(line);
  texts.push_back(train);
  for (size_t i = 0; i < texts.size(); ++i) {
    WriteAll(field / ("seed-" + std::to_string(i)), FieldStreamSeed(texts[i]));
  }
  return 0;
}
