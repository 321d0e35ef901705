// The red band of a failed compile: scenario-compile --svg keeps drawing the
// last good outputs, and the band says that the descriptions now fail and
// why, until a compile succeeds again.
#include <string>
#include <vector>

#include "tools/common/svg_parts.h"

namespace scenario {

const char* const kFailureBandStyle = R"(
.failure rect { fill: #b00020; }
.failure text { fill: #fff; font-family: monospace; font-size: 12px; }
.failure .failure-heading { font-family: sans-serif; font-size: 15px; font-weight: bold; }
)";

double DrawFailureBand(const std::vector<std::string>& lines, double top, double width,
                       SvgWriter& svg) {
  if (lines.empty()) return 0;
  constexpr double kLine = 17;
  const double height = 16 + kLine * static_cast<double>(lines.size());
  svg.Open("g", {{"class", "failure"}, {"id", "failure"}});
  svg.Empty("rect", {{"x", "0"}, {"y", SvgNumber(top)}, {"width", SvgNumber(width)},
                     {"height", SvgNumber(height)}});
  for (size_t i = 0; i < lines.size(); ++i) {
    const double y = top + 22 + kLine * static_cast<double>(i);
    if (i == 0) {
      svg.WithText("text", {{"class", "failure-heading"}, {"x", "12"}, {"y", SvgNumber(y)}},
                   lines[i]);
    } else {
      svg.WithText("text", {{"x", "12"}, {"y", SvgNumber(y)}}, lines[i]);
    }
  }
  svg.Close("g");
  return height;
}

}  // namespace scenario
