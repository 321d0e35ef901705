// The train description from the files: the train's rows, the speed-limit
// and adhesion profiles from the cells, the stops from their rows, and the
// signals, slowdowns and code reductions from their cells.
#include <algorithm>

#include "grid/cell_fields.h"
#include "records/stop_row.h"
#include "tools/common/chainage.h"
#include "tools/common/decompile.h"
#include "tools/common/decompile_profile.h"
#include "tools/common/decompile_reductions.h"
#include "tools/common/decompile_slowdowns.h"
#include "tools/common/decompile_text.h"

namespace scenario {

namespace {

using ll = long long;

void AppendProfile(const std::vector<Cell>& cells, uint8_t Cell::*field, const char* keyword,
                   bool in_fives, std::string* out) {
  std::vector<uint8_t> stored;
  stored.reserve(cells.size());
  for (const Cell& cell : cells) stored.push_back(cell.*field);
  for (const ProfileRecord& r : ProfileRecords(stored, 0)) {
    const int64_t value = in_fives ? UnpackSpeedLimit(r.stored) : r.stored;
    AppendLine(out, "%s, %9lld, %4lld", keyword, static_cast<ll>(r.position), static_cast<ll>(value));
  }
}

// The stop rows run from row 1 up to the first row no record filled.
int StopCount(const ScenarioTable& table) {
  int r = kFirstStopRow;
  while (r < kFirstBoardRow && !(table[r] == ScenarioRow{})) ++r;
  return r - kFirstStopRow;
}

std::string ClockText(int32_t scheduled_time) {
  const StopClock clock = UnpackScheduledTime(scheduled_time);
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, "%02lld:%02lld:%02lld", static_cast<ll>(clock.hours),
                static_cast<ll>(clock.minutes), static_cast<ll>(clock.seconds));
  return buffer;
}

void AppendStops(const CompiledScenario& files, const Chainage& chainage, std::string* out,
                 std::vector<std::string>* notes) {
  AppendLine(out, "[stazioni]");
  AppendComment(out, "pos. kind length tps tab mar d2 d3 rap d1 d2 d3 ac hours minutes seconds name");
  const int stops = StopCount(files.scenario);
  for (int r = kFirstStopRow; r < kFirstStopRow + stops; ++r) {
    const ScenarioRow& row = files.scenario[r];
    const int64_t length = StopLengthOf(row);
    // The first stop and kinds 5 to 8 keep mar 0; the zone tells whether
    // the record's mar lengthened it.
    const bool lengthened = StopZoneLengthenedByMar(row);
    const int mar = row.mar != 0 ? row.mar : (lengthened ? 1 : 0);
    const StopZone zone = PackStopZone(row.kind, row.position, length, mar != 0);
    if (zone.start != row.span_start || zone.end != row.span_end ||
        (row.mar != 0 && (r == kFirstStopRow || StopReachesLengthBehind(row.kind)))) {
      notes->push_back("scenario row " + std::to_string(r) +
                       ": a stop zone that no stop length and mar lay around its position");
    }
    if (row.name.find_first_of(",\r\n") != std::string::npos ||
        (!row.name.empty() && (row.name.front() == ' ' || row.name.front() == '\t'))) {
      notes->push_back("scenario row " + std::to_string(r) +
                       ": a stop name that starts with a blank or holds a comma or a line end");
    }
    const StopClock clock = UnpackScheduledTime(row.scheduled_time);
    AppendComment(out, "Stop " + row.name + " at " + FormatChainage(chainage.At(row.position)) +
                           (row.scheduled_time != 0 ? " at " + ClockText(row.scheduled_time) : ""));
    AppendLine(out,
               "stazione, %7d, %2d, %5lld, %2d, %2d, %2d, %3d, %3d, %3d, %3d, %3d, %3d, %3d, %3lld, "
               "%2lld, %2lld, %s",
               row.position, row.kind, static_cast<ll>(length), row.tps, row.tab, mar, row.first_d2,
               row.first_d3, row.rap, row.second_d1, row.second_d2, row.second_d3, row.ac,
               static_cast<ll>(clock.hours), static_cast<ll>(clock.minutes),
               static_cast<ll>(clock.seconds), row.name.c_str());
  }
}

void AppendSignals(const std::vector<Cell>& cells, const Chainage& chainage, std::string* out) {
  AppendLine(out, "[segnali]");
  AppendComment(out, "position then sx s1 s2 s3 rapp for the left and dx d1 d2 d3 tempo for the right");
  for (size_t i = 0; i < cells.size(); ++i) {
    const Cell& cell = cells[i];
    if (cell.cell_type != kSignal) continue;
    const int64_t position = (static_cast<int64_t>(i) - 1) * 50;
    const bool timed = cell.signal_time != 0;
    const SignalSides sides = UnpackSignalSides(cell.value_d, timed);
    const DigitPair a = UnpackDigitPair(cell.value_a), b = UnpackDigitPair(cell.value_b),
                    c = UnpackDigitPair(cell.value_c);
    AppendComment(out, "Signal at " + FormatChainage(chainage.At(position)) + ".");
    AppendLine(out, "segnale, %9lld, %2lld, %2lld, %2lld, %2lld, %2lld,  %2lld, %2lld, %2lld, %2lld, %3lld",
               static_cast<ll>(position), static_cast<ll>(sides.sx), static_cast<ll>(a.tens),
               static_cast<ll>(b.tens), static_cast<ll>(c.tens), static_cast<ll>(sides.rapp),
               static_cast<ll>(sides.dx), static_cast<ll>(a.units), static_cast<ll>(b.units),
               static_cast<ll>(c.units),
               static_cast<ll>(timed ? UnpackSignalTime(cell.signal_time) : 0));
  }
}

}  // namespace

void DecompileTrain(const CompiledScenario& files, MarkOrder order, DecompiledTexts* out) {
  std::string& text = out->train;
  const ScenarioTable& t = files.scenario;
  const Chainage chainage(t);
  AppendLine(&text, "Train %s opened from its compiled files.", "description");
  AppendLine(&text, "inizio_dati");
  AppendLine(&text, "[generale]");
  AppendLine(&text, "percentuale massa frenata, %9d", t[kRunRow].span_start);
  AppendLine(&text, "numero vetture, %9d", t[kRunRow].position);
  const ScenarioRow& train = t[kTrainRow];
  AppendComment(&text, "The clock at the start: hours minutes seconds.");
  AppendLine(&text, "orologio, %4d, %4d, %4d", train.second_d1, train.second_d2, train.second_d3);
  AppendLine(&text, "sabbia, %9d", train.first_d2);
  AppendLine(&text, "[aderenze]");
  AppendProfile(files.cells, &Cell::adhesion, "aderenza", false, &text);
  AppendLine(&text, "[vel_limite]");
  AppendComment(&text, "Speed limits in km/h from this position on.");
  AppendProfile(files.cells, &Cell::speed_limit, "velocita' limite", true, &text);
  if (order == MarkOrder::kStopsFirst) AppendStops(files, chainage, &text, &out->notes);
  AppendSignals(files.cells, chainage, &text);
  if (order == MarkOrder::kSignalsFirst) AppendStops(files, chainage, &text, &out->notes);
  AppendLine(&text, "[rallentamenti]");
  AppendSlowdowns(files.cells, &text, &out->notes);
  AppendLine(&text, "[codici]");
  AppendCodeReductions(files, &text, &out->notes);
  AppendLine(&text, "     [fine]");
}

}  // namespace scenario
