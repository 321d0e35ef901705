// The working state of one reading of the line description, shared by the
// pieces of the line reader (general section, data sections, route plan).
#pragma once

#include <cstdint>
#include <string_view>

#include "descriptions/description_reading.h"
#include "grid/cell_fields.h"

namespace scenario {

struct LineReading : DescriptionReading {
  LineReading(GeneratorState& s, DescriptionSource& src, std::string_view text)
      : DescriptionReading(s, src, text, Description::kLine) {}

  bool route_length_read = false;
  int64_t gradient_cursor = 0;
  int32_t pending_gradient = 0;

  void WriteGradient(Cell& cell) const { cell.gradient = PackGradient(pending_gradient); }
};

// The general section, from the field after "[generale]" up to and
// including the next section header.
ReadOutcome ReadGeneralSection(LineReading& reading);
// The data sections, to the end of the text.
ReadOutcome ReadDataSections(LineReading& reading);
// One curve record; the keyword field is current.
ReadOutcome ReadCurve(LineReading& reading);

// The turn per metre of the first class digit in the field, 0 when none.
double TurnPerMetre(std::string_view field);

}  // namespace scenario
