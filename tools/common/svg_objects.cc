// The lanes of lineside objects under the plan, from the scene: stops (zone,
// position and name), signals, speed boards, sign boards (with their texts),
// slowdown boards and code changes. Every marker carries a tooltip with its
// values.
#include <algorithm>
#include <string>
#include <vector>

#include "tools/common/author_text.h"
#include "tools/common/svg_parts.h"
#include "tools/common/text.h"

namespace scenario {

namespace {

constexpr double kStopLane = 150;
constexpr double kLane = 26;
constexpr double kSignLane = 56;

std::string CellTooltip(const SceneObject& object, const Cell& cell) {
  std::string text = CellTypeName(cell.cell_type) + " at " + std::to_string(object.at) + " m (" +
                     FormatChainage(object.chainage) + ", cell " + std::to_string(object.cell) + ")";
  const std::vector<AuthorValue> values = CellAsWritten(cell);
  if (!values.empty()) text += ": " + AsWrittenText(values);
  return text;
}

void DrawStops(const Scene& scene, double top, const ProfileFrame& frame, SvgWriter& svg) {
  const ScenarioTable& table = scene.folder->scenario.scenario;
  double base = top + kStopLane - 6;
  svg.Open("g", {{"id", "stops"}});
  for (const SceneObject& stop : scene.Lane("stops").objects) {
    const int i = stop.row;
    const ScenarioRow& row = table[i];
    double x = frame.X(std::clamp<double>(row.position, 0, static_cast<double>(frame.extent)));
    double x0 = frame.X(std::clamp<double>(row.span_start, 0, static_cast<double>(frame.extent)));
    double x1 = frame.X(std::clamp<double>(row.span_end, 0, static_cast<double>(frame.extent)));
    svg.Open("g", {{"class", "stop"}});
    // Names are code-page bytes: shown as the simulator shows them, even
    // where they happen to read as UTF-8.
    const std::string name = CodePageToUtf8(row.name);
    svg.Title(name + " (row " + std::to_string(i) + "), zone " + std::to_string(row.span_start) +
              " .. " + std::to_string(row.span_end) + " m, time " + ClockText(row.scheduled_time) +
              ": " + AsWrittenText(StopAsWritten(row)));
    svg.Empty("rect", {{"x", SvgNumber(x0)}, {"y", SvgNumber(base - 8)},
                       {"width", SvgNumber(std::max(1.0, x1 - x0))}, {"height", "8"}});
    svg.Empty("line", {{"x1", SvgNumber(x)}, {"y1", SvgNumber(base - 12)}, {"x2", SvgNumber(x)},
                       {"y2", SvgNumber(base)}});
    svg.WithText("text", {{"transform", "translate(" + SvgNumber(x + 3) + "," + SvgNumber(base - 14) + ") rotate(-90)"}},
                 name);
    svg.Close("g");
  }
  svg.Close("g");
}

// One lane of grid objects.
void DrawCellLane(const Scene& scene, const SceneLane& lane, double top, double height, const char* id,
                  const ProfileFrame& frame, SvgWriter& svg) {
  const std::vector<Cell>& cells = scene.folder->grid.cells;
  const ScenarioTable& table = scene.folder->scenario.scenario;
  double mid = top + height / 2;
  LabelRows sign_labels(3), code_labels(1);
  svg.Open("g", {{"id", id}});
  // A slowdown's span, from its start board to the next end board.
  if (lane.id == "slowdowns") {
    const std::vector<SceneObject>& boards = lane.objects;
    for (auto start = boards.begin(); start != boards.end(); ++start) {
      if (start->cell_type != kSlowdownStart) continue;
      auto end = std::find_if(start, boards.end(), [](const SceneObject& o) { return o.cell_type == kSlowdownEnd; });
      if (end == boards.end()) continue;
      double x0 = frame.X(static_cast<double>(start->at));
      double x1 = frame.X(static_cast<double>(end->at));
      svg.Empty("rect", {{"class", "slowdown-span"}, {"x", SvgNumber(x0)}, {"y", SvgNumber(mid - 5)},
                         {"width", SvgNumber(std::max(1.0, x1 - x0))}, {"height", "10"}});
    }
  }
  for (const SceneObject& object : lane.objects) {
    const Cell& cell = cells[static_cast<size_t>(object.cell)];
    double position = static_cast<double>(object.at);
    if (!frame.Shows(position)) continue;
    double x = frame.X(position);
    std::string tooltip = CellTooltip(object, cell);
    switch (cell.cell_type) {
      case kSignal:
        svg.Open("g", {{"class", "signal"}});
        svg.Empty("line", {{"x1", SvgNumber(x)}, {"y1", SvgNumber(mid + 8)}, {"x2", SvgNumber(x)},
                           {"y2", SvgNumber(mid - 4)}});
        svg.Empty("circle", {{"cx", SvgNumber(x)}, {"cy", SvgNumber(mid - 5)}, {"r", "3"}});
        break;
      case kSpeedBoard:
        svg.Open("g", {{"class", "speed-board"}});
        svg.Empty("rect", {{"x", SvgNumber(x - 3)}, {"y", SvgNumber(mid - 6)}, {"width", "6"}, {"height", "12"}});
        break;
      case kSignBoard: {
        svg.Open("g", {{"class", "sign-board"}});
        svg.Empty("rect", {{"x", SvgNumber(x - 4)}, {"y", SvgNumber(top + 4)}, {"width", "8"}, {"height", "8"}});
        if (object.row >= 0) {
          tooltip += ", text " + CodePageToUtf8(table[object.row].name);
          // Right of the board, or left of it near the end of the plot.
          double width = static_cast<double>(object.label_characters) * 9 * 0.6;
          double start = x + 6 + width > frame.left + frame.width ? x - 6 - width : x + 6;
          int line = sign_labels.Place(start, object.label_characters, 9);
          if (line >= 0) {
            svg.WithText("text", {{"x", SvgNumber(start)}, {"y", SvgNumber(top + 24 + 12 * line)}}, object.label);
          }
        }
        break;
      }
      case kCodeReduction:
      case kCodeZero: {
        svg.Open("g", {{"class", cell.cell_type == kCodeZero ? "code-zero" : "code"}});
        svg.Empty("path", {{"d", "M" + SvgNumber(x) + "," + SvgNumber(mid - 10) + " l4,5 l-4,5 l-4,-5 z"}});
        if (code_labels.Place(x + 5, object.label_characters, 9) >= 0) {
          svg.WithText("text", {{"x", SvgNumber(x + 5)}, {"y", SvgNumber(mid + 9)}}, object.label);
        }
        break;
      }
      default:  // the slowdown boards
        svg.Open("g", {{"class", "slowdown"}});
        svg.Empty("rect", {{"x", SvgNumber(x - 1.5)},
                           {"y", SvgNumber(cell.cell_type == kSlowdownPrewarning ? mid - 4 : mid - 8)},
                           {"width", "3"},
                           {"height", cell.cell_type == kSlowdownPrewarning ? "8" : "16"}});
        break;
    }
    svg.Title(tooltip);
    svg.Close("g");
  }
  svg.Close("g");
}

}  // namespace

double DrawObjectLanes(const Scene& scene, double top, const ProfileFrame& frame, SvgWriter& svg) {
  // How the picture shows the scene's lanes of objects: the curves and the
  // tunnels are drawn elsewhere, and the code reductions are its code
  // changes.
  struct Look {
    const char* lane;
    const char* name;
    const char* id;
    double height;
  };
  constexpr Look kLooks[] = {
      {"signals", "signals", "signals", kLane},
      {"speed-boards", "speed boards", "speed-boards", kLane},
      {"sign-boards", "sign boards", "sign-boards", kSignLane},
      {"slowdowns", "slowdowns", "slowdowns", kLane},
      {"code-reductions", "code changes", "code-changes", kLane},
  };
  double y = top;
  DrawLaneFrame(y, kStopLane, "stops", frame, svg);
  DrawStops(scene, y, frame, svg);
  y += kStopLane;
  for (const Look& look : kLooks) {
    DrawLaneFrame(y, look.height, look.name, frame, svg);
    DrawCellLane(scene, scene.Lane(look.lane), y, look.height, look.id, frame, svg);
    y += look.height;
  }
  return y - top;
}

}  // namespace scenario
