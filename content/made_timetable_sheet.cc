// The timetable sheet made from the descriptions: the carried sheet's title
// block, table head, cell widths and time alignments, with one row per stop
// and per change of the speed limit, in route order.
#include <algorithm>
#include <cstdio>

#include "content/made_documents.h"

namespace scenario {

namespace {

// The row's cells: widths 5, 5, 10, 5, 28, 16 and 5, each closed by a bar.
struct Row {
  int64_t position = 0;
  std::string limit, chainage, rs, place, time;
};

// `text` in a cell of `width`: cut when longer, else padded on the right.
std::string Cell(std::string text, size_t width) {
  text.resize(width, ' ');
  return text;
}

std::string RightAligned(const std::string& text, size_t width) {
  return text.size() >= width ? text.substr(0, width) : std::string(width - text.size(), ' ') + text;
}

std::string Centred(const std::string& text, size_t width) {
  if (text.size() >= width) return text.substr(0, width);
  const size_t left = (width - text.size() + 1) / 2;
  return Cell(std::string(left, ' ') + text, width);
}

// The chainage right-aligned with one blank after it; a bare 0 stands where
// the units of the others do.
std::string ChainageCell(int64_t metres) {
  if (metres == 0) return "    0     ";
  return RightAligned(Kilometres(metres), 9) + " ";
}

// The origin's departure right-aligned, the terminus's arrival left-aligned,
// a stop's arrival and departure side by side, a passing time centred.
std::string TimeCell(const MadeStop& stop, bool first, bool last) {
  if (stop.scheduled_time == 0) return "";
  const std::string time = ClockTime(stop.scheduled_time);
  if (first) return RightAligned(time + " ", 16);
  if (last) return " " + time;
  if (stop.dwell > 0) {
    return Centred(ClockTime(stop.scheduled_time - stop.dwell) + "    " + time, 16);
  }
  return Centred(time, 16);
}

std::vector<Row> Rows(const DocumentFacts& facts) {
  std::vector<Row> rows;
  int64_t previous = -1;
  for (const MadeSpeedLimit& limit : facts.speed_limits) {
    if (limit.limit == previous) continue;  // no change, no row
    previous = limit.limit;
    Row row;
    row.position = limit.position;
    row.limit = RightAligned(std::to_string(limit.limit), 4);
    row.rs = row.limit;
    row.chainage = ChainageCell(limit.chainage);
    row.place = " Km " + Kilometres(limit.chainage);
    rows.push_back(row);
  }
  for (size_t i = 0; i < facts.stops.size(); ++i) {
    const MadeStop& stop = facts.stops[i];
    const std::string time = TimeCell(stop, i == 0, i + 1 == facts.stops.size());
    // A limit that changes at the stop goes on the stop's row.
    auto same = std::find_if(rows.begin(), rows.end(), [&](const Row& r) {
      return r.position == stop.position && r.time.empty() && r.place.starts_with(" Km ");
    });
    Row& row = same != rows.end() ? *same : rows.emplace_back();
    row.position = stop.position;
    row.chainage = ChainageCell(stop.chainage);
    row.place = " " + stop.name;
    row.time = time;
  }
  std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) { return a.position < b.position; });
  return rows;
}

}  // namespace

std::string Kilometres(int64_t metres) {
  const int64_t magnitude = metres < 0 ? -metres : metres;
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%s%lld.%03lld", metres < 0 ? "-" : "",
                static_cast<long long>(magnitude / 1000), static_cast<long long>(magnitude % 1000));
  return buffer;
}

std::string ClockTime(int64_t seconds) {
  // A time past midnight written as 24:05 shows as the clock does, 0.05.
  const int64_t minutes = (((seconds + 30) / 60) % 1440 + 1440) % 1440;
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%lld.%02lld", static_cast<long long>(minutes / 60),
                static_cast<long long>(minutes % 60));
  return buffer;
}

LineBuffer MadeTimetableSheet(const DocumentFacts& facts) {
  const std::string origin = facts.stops.empty() ? "" : facts.stops.front().name;
  const std::string destination = facts.stops.empty() ? "" : facts.stops.back().name;
  int64_t top_speed = 0;
  for (const MadeSpeedLimit& limit : facts.speed_limits) top_speed = std::max(top_speed, limit.limit);
  const std::string rule = " |_____|_____|__________|_____|____________________________|________________|_____|";
  LineBuffer lines = {
      "",
      " ",
      "  ___________________                                                ______________",
      " |                   |                  SCHEDA                      |              |",
      " |" + Centred("TRENO n. " + facts.train_number, 19) + "|" + Cell("                da: " + origin, 46) +
          "|" + Centred("V" + std::to_string(top_speed) + " C", 14) + "|",
      " |                   |" + Cell("                 a: " + destination, 46) + "|" +
          Centred(std::to_string(facts.braked_mass) + "%", 14) + "|",
      " |___________________|                                              |______________|",
      "  ___________________                ___________________",
      " |  CLASSIFICAZIONE  |              |  MASSA BLOCCATA   |       ",
      " |                   |              |                   |",
      " |___________________|              |___________________|",
      "",
      "  ________________________________________________________________________________",
      " | Vel.| Vel.| Progr Km | No  |  Localita' di Servizio     |    Orario      | Rec |",
      " | Lim.|Marc.|          | Rs  |                            |                |     |",
      rule,
  };
  for (const Row& row : Rows(facts)) {
    lines.push_back(" |" + Cell(row.limit + " ", 5) + "|     |" + Cell(row.chainage, 10) + "|" +
                    Cell(row.rs + " ", 5) + "|" + Cell(row.place, 28) + "|" + Cell(row.time, 16) + "|     |");
  }
  lines.push_back(rule);
  lines.insert(lines.end(), {"", std::string(36, ' ') + "Note:", "", "", std::string(24, ' ')});
  lines.push_back(std::string(kEndMarker));
  return lines;
}

}  // namespace scenario
