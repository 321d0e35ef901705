// The lanes of lineside objects under the plan: stops (zone, stop point and
// name, from the scenario rows), signals, speed boards, sign boards (with
// their texts from the scenario rows), slowdown boards and code changes
// (from the grid). Every marker carries a tooltip with its values.
#include <algorithm>
#include <string>
#include <vector>

#include "tools/common/author_text.h"
#include "tools/common/chainage.h"
#include "tools/common/grid_summary.h"
#include "tools/common/scenario_rows.h"
#include "tools/common/svg_parts.h"
#include "tools/common/text.h"

namespace scenario {

namespace {

constexpr double kStopLane = 150;
constexpr double kLane = 26;
constexpr double kSignLane = 56;

std::string CellTooltip(const ScenarioFolder& f, int64_t index, const Cell& cell) {
  int64_t position = NominalPosition(cell.cell_type, index);
  std::string text = CellTypeName(cell.cell_type) + " at " + std::to_string(position) + " m (" +
                     FormatChainage(Chainage(f.scenario.scenario).At(position)) + ", cell " +
                     std::to_string(index) + ")";
  const std::vector<AuthorValue> values = CellAsWritten(cell);
  if (!values.empty()) text += ": " + AsWrittenText(values);
  return text;
}

void DrawStops(const ScenarioFolder& f, double top, const ProfileFrame& frame, SvgWriter& svg) {
  const ScenarioTable& table = f.scenario.scenario;
  double base = top + kStopLane - 6;
  svg.Open("g", {{"id", "stops"}});
  for (int i = 1; i < kScenarioRowCount; ++i) {
    if (RoleOfRow(table, i) != RowRole::kStop) continue;
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

// One lane of grid objects of the given types.
void DrawCellLane(const ScenarioFolder& f, double top, double height, const char* id,
                  const std::vector<uint8_t>& types, const ProfileFrame& frame, SvgWriter& svg) {
  const std::vector<Cell>& cells = f.grid.cells;
  const ScenarioTable& table = f.scenario.scenario;
  double mid = top + height / 2;
  LabelRows sign_labels(3), code_labels(1);
  svg.Open("g", {{"id", id}});
  // A slowdown's span, from its start board to the next end board.
  if (std::string_view(id) == "slowdowns") {
    for (size_t i = 0; i < cells.size(); ++i) {
      if (cells[i].cell_type != kSlowdownStart) continue;
      size_t j = i;
      while (j < cells.size() && cells[j].cell_type != kSlowdownEnd) ++j;
      if (j == cells.size()) continue;
      double x0 = frame.X(static_cast<double>(NominalPosition(kSlowdownStart, static_cast<int64_t>(i))));
      double x1 = frame.X(static_cast<double>(NominalPosition(kSlowdownEnd, static_cast<int64_t>(j))));
      svg.Empty("rect", {{"class", "slowdown-span"}, {"x", SvgNumber(x0)}, {"y", SvgNumber(mid - 5)},
                         {"width", SvgNumber(std::max(1.0, x1 - x0))}, {"height", "10"}});
    }
  }
  for (size_t i = 0; i < cells.size(); ++i) {
    const Cell& cell = cells[i];
    if (std::find(types.begin(), types.end(), cell.cell_type) == types.end()) continue;
    int64_t index = static_cast<int64_t>(i);
    double position = static_cast<double>(NominalPosition(cell.cell_type, index));
    if (!frame.Shows(position)) continue;
    double x = frame.X(position);
    std::string tooltip = CellTooltip(f, index, cell);
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
        int row = cell.value_a;
        if (row >= 0 && row < kScenarioRowCount) {
          tooltip += ", text " + CodePageToUtf8(table[row].name);
          // Right of the board, or left of it near the end of the plot.
          const std::string compact = CompactText(table[row].name);
          const std::string label = CodePageToUtf8(compact);
          double width = static_cast<double>(compact.size()) * 9 * 0.6;
          double start = x + 6 + width > frame.left + frame.width ? x - 6 - width : x + 6;
          int line = sign_labels.Place(start, compact.size(), 9);
          if (line >= 0) {
            svg.WithText("text", {{"x", SvgNumber(start)}, {"y", SvgNumber(top + 24 + 12 * line)}}, label);
          }
        }
        break;
      }
      case kCodeReduction:
      case kCodeZero: {
        svg.Open("g", {{"class", cell.cell_type == kCodeZero ? "code-zero" : "code"}});
        svg.Empty("path", {{"d", "M" + SvgNumber(x) + "," + SvgNumber(mid - 10) + " l4,5 l-4,5 l-4,-5 z"}});
        std::string label = std::to_string(cell.cell_type == kCodeZero ? 0 : cell.value_a);
        if (code_labels.Place(x + 5, label.size(), 9) >= 0) {
          svg.WithText("text", {{"x", SvgNumber(x + 5)}, {"y", SvgNumber(mid + 9)}}, label);
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

double DrawObjectLanes(const ScenarioFolder& f, double top, const ProfileFrame& frame, SvgWriter& svg) {
  double y = top;
  DrawLaneFrame(y, kStopLane, "stops", frame, svg);
  DrawStops(f, y, frame, svg);
  y += kStopLane;
  struct Lane {
    const char* name;
    const char* id;
    double height;
    std::vector<uint8_t> types;
  };
  const Lane lanes[] = {
      {"signals", "signals", kLane, {kSignal}},
      {"speed boards", "speed-boards", kLane, {kSpeedBoard}},
      {"sign boards", "sign-boards", kSignLane, {kSignBoard}},
      {"slowdowns", "slowdowns", kLane, {kSlowdownPrewarning, kSlowdownWarning, kSlowdownStart, kSlowdownEnd}},
      {"code changes", "code-changes", kLane, {kCodeReduction, kCodeZero}},
  };
  for (const Lane& lane : lanes) {
    DrawLaneFrame(y, lane.height, lane.name, frame, svg);
    DrawCellLane(f, y, lane.height, lane.id, lane.types, frame, svg);
    y += lane.height;
  }
  return y - top;
}

}  // namespace scenario
