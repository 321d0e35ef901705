// Grid file dump: the cell-1 stamps, the cells that hold an object (with its
// values as the description wrote them) or an approach mark, and the profile
// values as stretches of equal value.
#include "tools/common/author_text.h"
#include "tools/inspect/dump.h"
#include "tools/common/grid_summary.h"
#include "tools/common/text.h"

namespace scenario {

namespace {

void DumpCell(int64_t index, const Cell& cell, std::ostream& out) {
  out << "    cell " << index;
  if (cell.cell_type != kEmpty) {
    out << "  " << NominalPosition(cell.cell_type, index) << " m  " << CellTypeName(cell.cell_type);
    const std::vector<AuthorValue> values = CellAsWritten(cell);
    if (!values.empty()) out << "  " << AsWrittenText(values);
  }
  if (cell.approach_mark != 0) out << "  approach_mark " << int{cell.approach_mark};
  out << '\n';
}

void DumpStretches(const std::vector<Cell>& cells, Profile profile, std::ostream& out) {
  std::vector<Stretch> stretches = ProfileStretches(cells, profile);
  bool tunnels = profile == Profile::kTunnelKind;
  size_t listed = 0;
  for (const Stretch& s : stretches) listed += !tunnels || s.stored != 0;
  out << "  " << ProfileName(profile) << (tunnels ? " (tunnels)" : "") << ": " << listed
      << " stretches\n";
  for (const Stretch& s : stretches) {
    if (tunnels && s.stored == 0) continue;
    out << "    cells " << s.first_cell << " .. " << s.last_cell << "  " << s.first_cell * kCellMetres
        << " .. " << (s.last_cell + 1) * kCellMetres << " m  " << ProfileValue(s.stored, profile);
    if (profile == Profile::kSpeedLimit) out << " km/h";
    if (profile == Profile::kGradient) out << " per mille";
    out << '\n';
  }
}

}  // namespace

void DumpGridFile(const InspectedFile& file, std::ostream& out) {
  const std::vector<Cell>& cells = file.cells;
  int64_t last = static_cast<int64_t>(cells.size()) - 1;
  out << DisplayText(file.name) << ": grid file, " << file.size << " bytes, " << cells.size() << " cells (0 .. "
      << last << ", a route of about " << last * kCellMetres - 7000 << " m)\n";
  if (cells.size() > 1) {
    out << "  cell 1 stamps: format mark " << cells[1].value_a << ", plain check code "
        << cells[1].value_b << '\n';
  }
  size_t listed = 0;
  for (const Cell& cell : cells) listed += CellIsListed(cell);
  out << "  objects and approach marks: " << listed << " cells\n";
  for (size_t i = 0; i < cells.size(); ++i) {
    if (CellIsListed(cells[i])) DumpCell(static_cast<int64_t>(i), cells[i], out);
  }
  for (Profile profile : {Profile::kSpeedLimit, Profile::kGradient, Profile::kAdhesion, Profile::kTunnelKind}) {
    DumpStretches(cells, profile, out);
  }
}

}  // namespace scenario
