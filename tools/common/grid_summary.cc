#include "tools/common/grid_summary.h"

namespace scenario {

int64_t NominalPosition(uint8_t cell_type, int64_t cell) {
  switch (cell_type) {
    case kSignal:
    case kSlowdownEnd:
    case kSlowdownStart:
    case kSlowdownWarning:
    case kSpeedBoard:
    case kSignBoard:
      return (cell - 1) * kCellMetres;
    case kStationStop:
      return (cell + 1) * kCellMetres;
    default:
      return cell * kCellMetres;
  }
}

bool CellIsListed(const Cell& cell) { return cell.cell_type != kEmpty || cell.approach_mark != 0; }

std::vector<std::pair<std::string, int>> ObjectValues(const Cell& c) {
  switch (c.cell_type) {
    case kSignal:
      return {{"s1*10+d1", c.value_a}, {"s2*10+d2", c.value_b}, {"s3*10+d3", c.value_c},
              {"rapp*10+sx*3+dx", c.value_d}, {"signal_time", c.signal_time}};
    case kSlowdownEnd:
    case kSlowdownStart:
      return {{"v", c.value_a}, {"d_v", c.value_b}, {"f_tt", c.value_c}};
    case kSlowdownWarning:
      return {{"v", c.value_a}, {"d_v", c.value_b}};
    case kSlowdownPrewarning:
      return {{"board", c.value_a}, {"board_with_d_v", c.value_b}};
    case kSpeedBoard:
      return {{"vad/5+vas*20", c.value_a}, {"vbd/5+vbs*20", c.value_b},
              {"vcd/5+vcs*20", c.value_c}, {"strisces*10+strisced", c.value_d}};
    case kStationStop:
    case kSignBoard:
      return {{"scenario_row", c.value_a}};
    case kCodeReduction:
      return {{"code", c.value_a}};
  }
  return {};
}

const char* ProfileName(Profile profile) {
  switch (profile) {
    case Profile::kSpeedLimit: return "speed_limit";
    case Profile::kGradient: return "gradient";
    case Profile::kAdhesion: return "adhesion";
    case Profile::kTunnelKind: return "tunnel_kind";
  }
  return "";
}

uint8_t ProfileByte(const Cell& cell, Profile profile) {
  switch (profile) {
    case Profile::kSpeedLimit: return cell.speed_limit;
    case Profile::kGradient: return cell.gradient;
    case Profile::kAdhesion: return cell.adhesion;
    case Profile::kTunnelKind: return cell.tunnel_kind;
  }
  return 0;
}

int ProfileValue(uint8_t stored, Profile profile) {
  switch (profile) {
    case Profile::kSpeedLimit: return stored * 5;
    case Profile::kGradient: return stored - 100;
    default: return stored;
  }
}

std::vector<Stretch> ProfileStretches(const std::vector<Cell>& cells, Profile profile) {
  std::vector<Stretch> stretches;
  for (size_t i = 0; i < cells.size(); ++i) {
    uint8_t stored = ProfileByte(cells[i], profile);
    int64_t index = static_cast<int64_t>(i);
    if (!stretches.empty() && stretches.back().stored == stored) {
      stretches.back().last_cell = index;
    } else {
      stretches.push_back({index, index, stored});
    }
  }
  return stretches;
}

}  // namespace scenario
