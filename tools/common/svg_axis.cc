// The kilometre-chainage axis under the profile. Chainage runs with the route
// position inside each section and jumps where a section begins; a dashed
// line through all lanes marks each jump with the chainage found there.
#include <algorithm>
#include <string>
#include <vector>

#include "tools/common/svg_parts.h"

namespace scenario {

namespace {

// A whole number of kilometres between ticks, for some 10 to 40 ticks.
int64_t TickMetres(int64_t extent) {
  for (int64_t km : {1, 2, 5, 10, 20, 50, 100, 200, 500}) {
    if (extent / (km * 1000) <= 40) return km * 1000;
  }
  return 1000000;
}

// The smallest multiple of `step` not below `value`.
int64_t CeilTo(int64_t value, int64_t step) {
  int64_t q = value / step;
  if (q * step < value) ++q;
  return q * step;
}

}  // namespace

double DrawChainageAxis(const Scene& scene, double top, double lanes_top, const ProfileFrame& frame,
                        SvgWriter& svg) {
  const Chainage& chainage = scene.chainage;
  int64_t step = TickMetres(frame.extent);
  double base = top + 4;
  svg.Open("g", {{"id", "chainage-axis"}, {"class", "axis"}});
  svg.Empty("line", {{"x1", SvgNumber(frame.left)}, {"y1", SvgNumber(base)},
                     {"x2", SvgNumber(frame.left + frame.width)}, {"y2", SvgNumber(base)}});
  // The route cut where the sections begin; inside each piece the offset is
  // constant.
  std::vector<int64_t> cuts = {0};
  for (const ChainageSection& s : chainage.sections()) {
    if (s.start > 0 && s.start < frame.extent) cuts.push_back(s.start);
  }
  cuts.push_back(frame.extent + 1);
  std::sort(cuts.begin(), cuts.end());
  LabelRows labels(1);
  cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
  for (size_t piece = 0; piece + 1 < cuts.size(); ++piece) {
    int64_t from = cuts[piece], to = cuts[piece + 1];
    int64_t offset = chainage.OffsetAt(from);
    for (int64_t km = CeilTo(from + offset, step); km - offset < to; km += step) {
      double x = frame.X(static_cast<double>(km - offset));
      svg.Empty("line", {{"class", "tick"}, {"x1", SvgNumber(x)}, {"y1", SvgNumber(base)},
                         {"x2", SvgNumber(x)}, {"y2", SvgNumber(base + 6)}});
      std::string label = std::to_string(km / 1000);
      if (labels.Place(x - 10, label.size() + 2, 10) >= 0) {
        svg.WithText("text", {{"x", SvgNumber(x)}, {"y", SvgNumber(base + 18)}}, label);
      }
    }
  }
  svg.WithText("text", {{"x", SvgNumber(frame.left - 40)}, {"y", SvgNumber(base + 18)}}, "chainage km");
  svg.Close("g");

  svg.Open("g", {{"id", "chainage-sections"}});
  for (size_t i = 1; i + 1 < cuts.size(); ++i) {
    int64_t start = cuts[i];
    double x = frame.X(static_cast<double>(start));
    svg.Open("g", {{"class", "section"}});
    svg.Title("chainage section from " + std::to_string(start) + " m: " +
              FormatChainage(chainage.At(start - 1)) + " before, " + FormatChainage(chainage.At(start)) + " after");
    svg.Empty("line", {{"x1", SvgNumber(x)}, {"y1", SvgNumber(lanes_top)}, {"x2", SvgNumber(x)},
                       {"y2", SvgNumber(base + 22)}});
    svg.WithText("text", {{"x", SvgNumber(x + 3)}, {"y", SvgNumber(base + 34)}}, FormatChainage(chainage.At(start)));
    svg.Close("g");
  }
  svg.Close("g");
  return 44;
}

}  // namespace scenario
