// The notes and the slowdowns notice made from the descriptions. The notice
// keeps the carried notice's layout: four empty lines, then the heading 25
// blanks in; "NESSUNA PRESCRIZIONE" when the run has no slowdown, so that a
// run without slowdowns gets the carried notice byte for byte.
#include <cstdio>

#include "content/made_documents.h"

namespace scenario {

namespace {

std::string Padded(std::string text, size_t width) {
  if (text.size() < width) text.resize(width, ' ');
  return text;
}

}  // namespace

LineBuffer MadeSlowdownsNotice(const DocumentFacts& facts) {
  const std::string indent(25, ' ');
  LineBuffer lines = {"", "", "", ""};
  if (facts.slowdowns.empty()) {
    lines.push_back(indent + "NESSUNA PRESCRIZIONE");
  } else {
    lines.push_back(indent + "PRESCRIZIONI DI RALLENTAMENTO");
    lines.push_back("");
    for (const MadeSlowdown& slowdown : facts.slowdowns) {
      lines.push_back(" dal km " + Padded(Kilometres(slowdown.start_chainage), 9) + " al km " +
                      Padded(Kilometres(slowdown.start_chainage + slowdown.length), 9) +
                      " velocita' massima " + std::to_string(slowdown.speed) + " km/h");
    }
  }
  lines.push_back(std::string(kEndMarker));
  return lines;
}

LineBuffer MadeNotes(const DocumentFacts& facts) {
  LineBuffer lines = {
      "",
      std::string(16, ' ') + "NOTE AL TRENO " + facts.train_number + ", PERCORSO " + facts.route_name,
      "",
      " Il percorso " + facts.route_name + " e' lungo " + Kilometres(facts.route_length) + " km.",
      " Il treno " + facts.train_number + " percorre " + std::to_string(facts.stops.size()) +
          " localita' di servizio:",
      "",
  };
  for (size_t i = 0; i < facts.stops.size(); ++i) {
    const MadeStop& stop = facts.stops[i];
    std::string line = " km " + Padded(Kilometres(stop.chainage), 9) + " " + Padded(stop.name, 28);
    // As the timetable sheet shows them: the departure from the origin, the
    // arrival at the terminus, both at a stop the train stands at.
    if (stop.scheduled_time != 0) {
      const std::string time = ClockTime(stop.scheduled_time);
      if (i == 0) {
        line += " partenza " + time;
      } else if (i + 1 == facts.stops.size()) {
        line += " arrivo " + time;
      } else if (stop.dwell > 0) {
        line += " arrivo " + ClockTime(stop.scheduled_time - stop.dwell) + ", partenza " + time;
      } else {
        line += " transito " + time;
      }
    }
    // No blanks left at the end of a line.
    line.erase(line.find_last_not_of(' ') + 1);
    lines.push_back(line);
  }
  lines.push_back("");
  const size_t slowdowns = facts.slowdowns.size();
  lines.push_back(slowdowns == 0   ? " Non ci sono rallentamenti in vigore."
                  : slowdowns == 1 ? " C'e' un rallentamento in vigore: vedere le prescrizioni."
                                   : " Ci sono " + std::to_string(slowdowns) +
                                         " rallentamenti in vigore: vedere le prescrizioni.");
  lines.push_back(std::string(kEndMarker));
  return lines;
}

}  // namespace scenario
