#include "descriptions/line_reader.h"

#include <optional>
#include <string>

#include "descriptions/line_reading.h"
#include "grid/cell.h"

namespace scenario {

void LineReading::ReadKeywordField() {
  field = stream.ReadField();
  keyword = stream.last_position();
  state.current_field = field;
}

void LineReading::Examine(KeywordScope scope) const {
  if (state.observer != nullptr) state.observer->OnKeywordField(scope, field, keyword);
}

void LineReading::IgnoreLastField(KeywordScope scope) const {
  if (state.observer != nullptr) state.observer->OnLastFieldIgnored(scope, field, keyword);
}

int32_t LineReading::Number() {
  const int32_t value = stream.ReadInt32();
  if (state.observer != nullptr) {
    state.observer->OnNumber(Description::kLine, stream.last_position(), value);
  }
  return value;
}

std::string LineReading::Text() {
  std::string text = stream.ReadText();
  if (state.observer != nullptr) {
    state.observer->OnText(Description::kLine, stream.last_position(), text);
  }
  return text;
}

void LineReading::Record(std::string_view kind) const {
  if (state.observer != nullptr) state.observer->OnRecord(Description::kLine, kind, keyword);
}

void LineReading::Error(int32_t code) {
  state.SetError(code);
  if (state.observer != nullptr) state.observer->OnError(Description::kLine, code, keyword);
}

void LineReading::Error(int32_t code, int32_t position) {
  state.SetError(code, position);
  if (state.observer != nullptr) state.observer->OnError(Description::kLine, code, keyword);
}

LineOutcome LineReading::Fail(int32_t code) {
  source.DeleteLine();
  Error(code);
  return LineOutcome::kReturn;
}

LineOutcome LineReading::Fail(int32_t code, int32_t position) {
  source.DeleteLine();
  Error(code, position);
  return LineOutcome::kReturn;
}

LineOutcome LineReading::Beyond(int32_t position) {
  Error(15, position);
  return LineOutcome::kClose;
}

void LineReading::Throw(const std::string& reason) const { throw DescriptionFailure(reason, keyword); }

namespace {

// Step 4: everything before the first field holding "[generale]" is skipped.
// False when the text ends first, or with that field.
bool FindGeneralSection(LineReading& reading) {
  for (;;) {
    reading.ReadKeywordField();
    if (reading.stream.AtEnd()) return false;
    if (ContainsAnyCase(reading.field, "[generale]")) return true;
  }
}

// Step 6: what the data sections start from.
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
  if (state.write_files != 0) state.route.SetOrigin();
}

// Step 8: the gradient of the last record fills the rest of the profile and
// the plan runs straight to two rows short of the table's end.
void CloseLineDescription(LineReading& reading) {
  GeneratorState& state = reading.state;
  reading.source.DeleteLine();
  const int64_t last = state.grid.last_index();
  // The record fills leave the cursor at N at most, so this fill writes no
  // further than cell N, like the closing fills of the train profiles.
  do {
    if (!state.grid.Contains(reading.gradient_cursor)) break;
    state.grid.at(reading.gradient_cursor).gradient = Low8(int64_t{reading.pending_gradient} + 100);
    ++reading.gradient_cursor;
  } while (reading.gradient_cursor < last - 2);
  if (state.write_files != 0) state.route.Extend(state.route.last_row() - 2, 0.0);
}

}  // namespace

bool ReadLineDescription(GeneratorState& state, DescriptionSource& source) {
  if (!source.LineExists()) {
    state.SetError(101);
    if (state.observer != nullptr) state.observer->OnError(Description::kLine, 101, TextPosition{});
    return false;
  }
  const std::optional<std::string> text = source.OpenLine();
  if (!text.has_value()) {
    throw DescriptionFailure("the " + source.LineName() + " cannot be read", TextPosition{});
  }
  LineReading reading(state, source, *text);
  if (!FindGeneralSection(reading)) {
    reading.Fail(102);
    return false;
  }
  if (ReadGeneralSection(reading) == LineOutcome::kReturn) return false;
  PrepareDataSections(reading);
  if (ReadDataSections(reading) == LineOutcome::kReturn) return false;
  CloseLineDescription(reading);
  return true;
}

}  // namespace scenario
