// The five carried documents. Each is a line buffer: the document's lines in
// order, then the end marker; the emitter writes the lines before the first
// line that is exactly the marker.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace scenario {

inline constexpr std::string_view kEndMarker = "riferimento fine del file";

using LineBuffer = std::vector<std::string>;

LineBuffer CarriedLineDescription();   // dati_linea
LineBuffer CarriedTrainDescription();  // dati_treno
LineBuffer NotesDocument();            // dati_note
LineBuffer SlowdownsNotice();          // dati_rallentamenti
LineBuffer TimetableSheet();           // dati_scheda

}  // namespace scenario
