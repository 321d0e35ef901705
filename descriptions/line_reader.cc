#include "descriptions/line_reader.h"

#include <string>

#include "app/error_codes.h"
#include "descriptions/keywords.h"
#include "descriptions/line_reading.h"
#include "grid/profile_fill.h"

namespace scenario {

namespace {

// Everything before the first field holding "[generale]" is skipped.
// False when the text ends first, or with that field.
bool FindGeneralSection(LineReading& reading) {
  for (;;) {
    reading.ReadKeywordField();
    if (reading.stream.AtEnd()) return false;
    if (ContainsAnyCase(reading.field, kGeneralHeader)) return true;
    reading.state.observer->OnPreambleField(Description::kLine, reading.field, reading.keyword);
  }
}

// What the data sections start from.
void PrepareDataSections(LineReading& reading) {
  GeneratorState& state = reading.state;
  if (!reading.route_length_read) {
    reading.Throw("the general section has no route length record");
  }
  try {
    progressive_ordina(state.scenario);
  } catch (const DescriptionFailure& failure) {
    // The chainage rows are ordered at the section header that ends them.
    reading.Throw(failure.what());
  }
  state.tunnel_count = 0;
  state.board_row_cursor = kFirstBoardRow;
  reading.gradient_cursor = 0;
  reading.pending_gradient = 0;
  if (state.build_route_table != 0) state.route.SetOrigin();
}

// The close: the gradient of the last record fills the rest of the profile and
// the plan runs straight to two rows short of the table's end.
void CloseLineDescription(LineReading& reading) {
  GeneratorState& state = reading.state;
  reading.source.DeleteLine();
  FillProfileToEnd(state.grid, reading.gradient_cursor,
                   [&reading](Cell& cell) { reading.WriteGradient(cell); });
  if (state.build_route_table != 0) state.route.Extend(state.route.last_row() - 2, 0.0);
}

}  // namespace

bool ReadLineDescription(GeneratorState& state, DescriptionSource& source) {
  if (!source.LineExists()) {
    state.SetError(kErrorNoLineDescription);
    state.observer->OnError(Description::kLine, kErrorNoLineDescription, TextPosition{});
    return false;
  }
  std::string storage;
  std::string_view text;
  if (!source.ViewLine(&storage, &text).ok()) {
    throw DescriptionFailure("the " + source.LineName() + " cannot be read", TextPosition{});
  }
  LineReading reading(state, source, text);
  if (!FindGeneralSection(reading)) {
    reading.Stop(kErrorNoGeneralSection);
    return false;
  }
  if (ReadGeneralSection(reading) == ReadOutcome::kStop) return false;
  PrepareDataSections(reading);
  if (ReadDataSections(reading) == ReadOutcome::kStop) return false;
  CloseLineDescription(reading);
  return true;
}

}  // namespace scenario
