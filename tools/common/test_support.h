// Inputs for the scenario-inspect tests, built with the packager's own
// encoders, and checks of the SVG they draw.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "grid/grid_file.h"
#include "grid/track_grid.h"
#include "records/file_test_support.h"
#include "records/route_table.h"
#include "records/scenario_table.h"
#include "tests/test_folder.h"

namespace scenario::inspect_test {

using file_test::Hex;
using file_test::NamedTable;
using file_test::RouteBytes;
using file_test::StraightRoute;

// Rows from `first` to `last` computed the way the line reader does: each row
// extends the previous one by the difference of the two before it, turned by
// k per metre (k = 0 for a straight step). The table keeps stretches, not
// rows, so it is built again up to row first - 1 and extended from there.
inline void ExtendRoute(RouteTable* route, int64_t first, int64_t last, double k) {
  RouteTable again;
  again.Size(route->last_row());
  again.SetOrigin();
  for (const RouteTable::Stretch& stretch : route->stretches()) {
    again.Extend(std::min(stretch.last, first - 1), stretch.turn);
  }
  again.Extend(last, k);
  *route = again;
}

// A small well-formedness check: every tag closed in order, attributes
// quoted, only the five named entities and numeric references, no stray
// '<' or '&'. Returns what is wrong, or an empty string.
inline std::string XmlProblem(const std::string& xml) {
  std::vector<std::string> open;
  size_t i = 0;
  auto entity_ok = [&](size_t at) {
    size_t end = xml.find(';', at);
    if (end == std::string::npos || end - at > 10) return false;
    std::string name = xml.substr(at + 1, end - at - 1);
    return name == "amp" || name == "lt" || name == "gt" || name == "quot" || name == "apos" ||
           (name.size() > 1 && name[0] == '#');
  };
  while (i < xml.size()) {
    char c = xml[i];
    if (c == '&' && !entity_ok(i)) return "bad entity at " + std::to_string(i);
    if (c != '<') {
      ++i;
      continue;
    }
    if (xml.compare(i, 2, "<?") == 0) {
      size_t end = xml.find("?>", i);
      if (end == std::string::npos) return "unclosed declaration";
      i = end + 2;
      continue;
    }
    size_t end = i + 1;
    char quote = 0;
    for (; end < xml.size(); ++end) {
      if (quote != 0) {
        if (xml[end] == quote) quote = 0;
        else if (xml[end] == '<') return "'<' inside an attribute at " + std::to_string(end);
        else if (xml[end] == '&' && !entity_ok(end)) return "bad entity at " + std::to_string(end);
      } else if (xml[end] == '"' || xml[end] == '\'') {
        quote = xml[end];
      } else if (xml[end] == '<') {
        return "'<' inside a tag at " + std::to_string(end);
      } else if (xml[end] == '>') {
        break;
      }
    }
    if (end >= xml.size()) return "unclosed tag at " + std::to_string(i);
    std::string tag = xml.substr(i + 1, end - i - 1);
    if (tag.empty()) return "empty tag at " + std::to_string(i);
    if (tag[0] == '/') {
      std::string name = tag.substr(1);
      if (open.empty() || open.back() != name) return "</" + name + "> does not close the open element";
      open.pop_back();
    } else if (tag.back() != '/') {
      open.push_back(tag.substr(0, tag.find_first_of(" \t\n")));
    }
    i = end + 1;
  }
  return open.empty() ? "" : "<" + open.back() + "> never closed";
}

// What a real XML parser says, where python3 is at hand: true well-formed,
// false not, nothing when no parser could be run.
inline std::optional<bool> PythonSaysWellFormed(const std::filesystem::path& file) {
  // One interpreter start: exit 3 when the parser is missing, 1 when the
  // document is refused, 127 from the shell when there is no python3.
  std::string command =
      "python3 -c 'import sys\n"
      "try:\n import xml.dom.minidom as m\nexcept ImportError:\n sys.exit(3)\n"
      "m.parse(sys.argv[1])' '" + file.string() + "' >/dev/null 2>&1";
  int status = std::system(command.c_str());
  if (status == -1 || !WIFEXITED(status)) return std::nullopt;
  int code = WEXITSTATUS(status);
  if (code == 0) return true;
  if (code == 1) return false;
  return std::nullopt;
}

// The scratch folder and the counter every test shares; svg_test.cc still
// names them here.
using TempFolder = testing::TestFolder;
using testing::Count;

}  // namespace scenario::inspect_test
