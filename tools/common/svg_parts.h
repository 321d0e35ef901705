// The panels of the scenario picture, each drawn from a given top edge; each
// returns the height it used.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/common/scene.h"
#include "tools/common/svg_writer.h"

namespace scenario {

// The horizontal scale of the profile: route positions 0 .. extent over the
// plot's width.
struct ProfileFrame {
  double left = 0;
  double width = 0;
  int64_t extent = 1;

  double X(double metres) const { return left + metres / static_cast<double>(extent) * width; }
  bool Shows(double metres) const { return metres >= 0 && metres <= static_cast<double>(extent); }
};

// Places labels on a few rows so that they do not overlap; a label that fits
// on no row is left out (its marker's tooltip still carries the text).
class LabelRows {
 public:
  explicit LabelRows(int rows) : ends_(static_cast<size_t>(rows), -1e300) {}
  // The row for a label of `characters` at `font_size` starting at x, or -1.
  int Place(double x, size_t characters, double font_size) {
    for (size_t row = 0; row < ends_.size(); ++row) {
      if (x >= ends_[row] + 4) {
        ends_[row] = x + static_cast<double>(characters) * font_size * 0.6;
        return static_cast<int>(row);
      }
    }
    return -1;
  }

 private:
  std::vector<double> ends_;
};

// Left of the plot: the lane names.
inline constexpr double kLaneLabelWidth = 120;

double DrawPlan(const Scene& scene, double top, const ProfileFrame& frame, SvgWriter& svg);
// Stops, signals, boards, slowdowns, code changes.
double DrawObjectLanes(const Scene& scene, double top, const ProfileFrame& frame, SvgWriter& svg);
// Speed limit, gradient, adhesion, tunnels; `shade_height` is how far down
// the tunnel shading reaches from `shade_top`.
double DrawProfileLanes(const Scene& scene, double top, const ProfileFrame& frame, SvgWriter& svg);
void DrawTunnelShading(const Scene& scene, double shade_top, double shade_height,
                       const ProfileFrame& frame, SvgWriter& svg);
double DrawChainageAxis(const Scene& scene, double top, double lanes_top,
                        const ProfileFrame& frame, SvgWriter& svg);

// The red band of a failed compile over the whole width, its first line as
// the heading; returns its height (0 without lines).
double DrawFailureBand(const std::vector<std::string>& lines, double top, double width,
                       SvgWriter& svg);
// The style of the band's parts.
extern const char* const kFailureBandStyle;

// A lane's name at the left and a faint frame around the plot area.
void DrawLaneFrame(double top, double height, const char* name, const ProfileFrame& frame, SvgWriter& svg);

}  // namespace scenario
