// The line description from the files: the general records from the rows,
// gradients from the cells, curves from the plan, tunnels, speed boards and
// sign boards from their cells.
#include <algorithm>
#include <array>

#include "descriptions/line_reader.h"
#include "grid/cell_fields.h"
#include "tools/common/chainage.h"
#include "tools/common/decompile.h"
#include "tools/common/decompile_curves.h"
#include "tools/common/decompile_profile.h"
#include "tools/common/decompile_text.h"
#include "tools/common/decompile_tunnels.h"

namespace scenario {

namespace {

using Triple = std::array<int32_t, 3>;  // start, offset, flag

Triple RowTriple(const ScenarioRow& row) { return {row.span_start, row.span_end, row.position}; }

// The chainage records, as read before progressive_ordina puts them in order
// and adds a flag's 100 m: every assignment of the three triples to the
// three keywords is tried, rows left zero are left out where possible.
void AppendChainage(const ScenarioTable& table, std::string* out, std::vector<std::string>* notes) {
  static constexpr const char* kKeywords[3] = {"tre", "due", "uno"};  // rows 81, 82, 83
  std::array<Triple, 3> stored, read;
  for (int i = 0; i < 3; ++i) {
    stored[i] = RowTriple(table[kChainageRow3 + i]);
    read[i] = stored[i];
    if (read[i][2] == 1) read[i][1] -= 100;
  }
  std::array<int, 3> order = {0, 1, 2};
  std::array<int, 3> chosen = order;
  bool found = false;
  for (bool omit_zero : {true, false}) {
    std::sort(order.begin(), order.end());
    do {
      ScenarioTable trial;
      trial.Reset();
      for (int slot = 0; slot < 3; ++slot) {
        const Triple& t = read[order[slot]];
        if (omit_zero && t == Triple{0, 0, 0}) continue;
        trial[kChainageRow3 + slot].span_start = t[0];
        trial[kChainageRow3 + slot].span_end = t[1];
        trial[kChainageRow3 + slot].position = t[2];
      }
      progressive_ordina(trial);
      bool same = true;
      for (int i = 0; i < 3; ++i) same = same && RowTriple(trial[kChainageRow3 + i]) == stored[i];
      if (same) {
        chosen = order;
        found = true;
        break;
      }
    } while (std::next_permutation(order.begin(), order.end()));
    if (found) {
      for (int slot = 0; slot < 3; ++slot) {
        const Triple& t = read[chosen[slot]];
        if (omit_zero && t == Triple{0, 0, 0}) continue;
        AppendLine(out, "progressiva chilometrica %s, %9d, %9d, %2d", kKeywords[slot], t[0], t[1], t[2]);
      }
      return;
    }
  }
  notes->push_back("scenario rows 81 to 83: no chainage records put their sections in this order");
  for (int slot = 0; slot < 3; ++slot) {
    AppendLine(out, "progressiva chilometrica %s, %9d, %9d, %2d", kKeywords[slot], read[slot][0],
               read[slot][1], read[slot][2]);
  }
}

void AppendGeneral(const CompiledScenario& files, std::string* out, std::vector<std::string>* notes) {
  const ScenarioTable& t = files.scenario;
  AppendLine(out, "[generale]");
  AppendComment(out, "Route length in metres; the grid and the plan reach 7000 m beyond it.");
  AppendLine(out, "lunghezza percorso, %9d", t[kRunRow].span_end);
  AppendComment(out, "Chainage sections: start and offset and flag (1 adds 100 m).");
  AppendChainage(t, out, notes);
  AppendLine(out, "sfondo uno, %9d", t[kRouteRow].span_start);
  AppendLine(out, "sfondo due, %9d", t[kRouteRow].position);
  AppendLine(out, "sfondo tre, %9d", t[kRouteRow].span_end);
  const ScenarioRow& train = t[kTrainRow];
  if (train.span_start != 0 || train.span_end != 0 || train.position != 0) {
    // The codes come from the keyword: 4, else 9; an end of 0 records none.
    const int codes = train.position == 4 ? 4 : 9;
    if (train.position != codes && !(train.position == 0 && train.span_end == 0)) {
      notes->push_back("scenario row 86: " + std::to_string(train.position) +
                       " cab-signal codes, which no repetition record gives");
    }
    AppendComment(out, "Cab signals repeated from " + Kilometres(train.span_start) + " to " +
                           Kilometres(train.span_end) + ".");
    AppendLine(out, "ripetizione segnali %d codici, %9d, %9d", codes, train.span_start, train.span_end);
  }
}

void AppendGradients(const std::vector<Cell>& cells, std::string* out) {
  std::vector<uint8_t> stored;
  stored.reserve(cells.size());
  for (const Cell& cell : cells) stored.push_back(cell.gradient);
  AppendLine(out, "[pendenze]");
  AppendComment(out, "Gradients: from this position on the gradient is this many per mille.");
  for (const ProfileRecord& r : ProfileRecords(stored, PackGradient(0))) {
    AppendLine(out, "pendenza, %9lld, %4lld", static_cast<long long>(r.position),
               static_cast<long long>(UnpackGradient(r.stored)));
  }
}

// Sign texts take rows 80, 79, ... in the order of their records. A board
// whose cell a stop point took later left only its row: any stop cell that
// kept no other object's values gives it back.
std::vector<std::pair<int, int64_t>> SignBoards(const CompiledScenario& files,
                                                std::vector<std::string>* notes) {
  const ScenarioTable& t = files.scenario;
  int lowest = kFirstBoardRow + 1;
  std::vector<int64_t> cell_of(kFirstBoardRow + 1, -1);
  for (size_t i = 0; i < files.cells.size(); ++i) {
    const Cell& cell = files.cells[i];
    if (cell.cell_type != kSignBoard) continue;
    if (cell.value_a < 1 || cell.value_a > kFirstBoardRow || cell_of[static_cast<size_t>(cell.value_a)] >= 0) {
      notes->push_back("grid cell " + std::to_string(i) + ": a sign board on scenario row " +
                       std::to_string(cell.value_a) + ", which no sign board record fills");
      continue;
    }
    cell_of[static_cast<size_t>(cell.value_a)] = static_cast<int64_t>(i);
    lowest = std::min<int>(lowest, cell.value_a);
  }
  int stops = kFirstStopRow;
  while (stops < kFirstBoardRow && !(t[stops] == ScenarioRow{})) ++stops;
  for (int row = stops; row <= kFirstBoardRow; ++row) {
    if (!t[row].name.empty()) lowest = std::min(lowest, row);
  }
  std::vector<std::pair<int, int64_t>> boards;
  size_t next_stop_cell = 0;
  for (int row = kFirstBoardRow; row >= lowest; --row) {
    int64_t cell = cell_of[static_cast<size_t>(row)];
    while (cell < 0 && next_stop_cell < files.cells.size()) {
      const Cell& c = files.cells[next_stop_cell++];
      if (c.cell_type == kStationStop && c.value_b == 0 && c.value_c == 0 && c.value_d == 0) {
        cell = static_cast<int64_t>(next_stop_cell) - 1;
      }
    }
    if (cell < 0) {
      notes->push_back("scenario row " + std::to_string(row) + ": a sign text without its board");
      continue;
    }
    boards.emplace_back(row, cell);
  }
  return boards;
}

void AppendBoards(const CompiledScenario& files, std::string* out, std::vector<std::string>* notes) {
  const Chainage chainage(files.scenario);
  AppendLine(out, "[cartelli]");
  for (size_t i = 0; i < files.cells.size(); ++i) {
    Cell cell = files.cells[i];
    // A stop point takes the cell's type and value_a and keeps the rest of
    // the object it replaced: a speed board read before it gives them back.
    const bool under_stop = cell.cell_type == kStationStop &&
                            (cell.value_b != 0 || cell.value_c != 0 || cell.value_d != 0);
    if (under_stop) cell.value_a = 0;
    if (cell.cell_type == kStationStop && cell.signal_time != 0) {
      notes->push_back("grid cell " + std::to_string(i) + ": a signal time under a stop point");
    }
    if (cell.cell_type != kSpeedBoard && !under_stop) continue;
    const int64_t position = (static_cast<int64_t>(i) - 1) * 50;
    const BoardSpeeds a = UnpackBoardSpeeds(cell.value_a), b = UnpackBoardSpeeds(cell.value_b),
                      c = UnpackBoardSpeeds(cell.value_c);
    const DigitPair stripes = UnpackDigitPair(cell.value_d);
    AppendComment(out, std::string(under_stop ? "Values kept under the stop point at " : "Speed boards at ") +
                           FormatChainage(chainage.At(position)) + ": left " +
                           std::to_string(a.left) + " " + std::to_string(b.left) + " " +
                           std::to_string(c.left) + " km/h and right " + std::to_string(a.right) +
                           " " + std::to_string(b.right) + " " + std::to_string(c.right) + " km/h");
    AppendLine(out, "indicatori_vmax, %9lld, %4lld, %4lld, %4lld, %2lld, %4lld, %4lld, %4lld, %2lld",
               static_cast<long long>(position), static_cast<long long>(a.left),
               static_cast<long long>(b.left), static_cast<long long>(c.left),
               static_cast<long long>(stripes.tens), static_cast<long long>(a.right),
               static_cast<long long>(b.right), static_cast<long long>(c.right),
               static_cast<long long>(stripes.units));
  }
  AppendLine(out, "[indicazioni]");
  for (const auto& [row, cell] : SignBoards(files, notes)) {
    const int64_t position = (cell - 1) * 50;
    const std::string& text = files.scenario[row].name;
    if (text.find_first_of(",\r\n") != std::string::npos ||
        (!text.empty() && (text.front() == ' ' || text.front() == '\t'))) {
      notes->push_back("scenario row " + std::to_string(row) +
                       ": a sign text that starts with a blank or holds a comma or a line end");
    }
    AppendComment(out, "Sign board at " + FormatChainage(chainage.At(position)) + ".");
    AppendLine(out, "cartello indicatore, %9lld, %s", static_cast<long long>(position), text.c_str());
  }
}

}  // namespace

void DecompileLine(const CompiledScenario& files, DecompiledTexts* out) {
  std::string& text = out->line;
  AppendLine(&text, "Line %s opened from its compiled files.", "description");
  AppendLine(&text, "Everything before the general section header is skipped.");
  AppendLine(&text, "inizio dati");
  AppendLine(&text, "%s", "");
  AppendGeneral(files, &text, &out->notes);
  AppendGradients(files.cells, &text);
  AppendLine(&text, "[curve]");
  if (files.has_route) AppendCurves(files.route_bytes, files.route_rows, files.route_y_column, &text, &out->notes);
  AppendLine(&text, "[montagne]");
  AppendTunnels(files.cells, &text, &out->notes);
  AppendBoards(files, &text, &out->notes);
  AppendLine(&text, "[fine]");
  AppendLine(&text, "                ");
}

}  // namespace scenario
