// The working state of one reading of the line description, shared by the
// pieces of the line reader (general section, data sections, route plan).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "app/generator_state.h"
#include "descriptions/description_source.h"
#include "descriptions/field_stream.h"
#include "descriptions/read_observer.h"

namespace scenario {

// How a section of the reading ended.
enum class LineOutcome {
  kContinue,  // go on with the next step
  kClose,     // the end of the text or an error 15: the closing step runs
  kReturn,    // an error code ends memorizza_dati; the text is already deleted
};

struct LineReading {
  LineReading(GeneratorState& s, DescriptionSource& src, std::string_view text)
      : state(s), source(src), stream(text) {}

  GeneratorState& state;
  DescriptionSource& source;
  FieldStream stream;

  // The keyword field being interpreted and where it stands.
  std::string field;
  TextPosition keyword;

  bool route_length_read = false;
  int64_t gradient_cursor = 0;
  int32_t pending_gradient = 0;

  // Reads the next field as a keyword field (it becomes the current field).
  void ReadKeywordField();
  // Tells the observer that the current keyword field goes through the
  // record tests of `scope`, or that, being the last field, it does not.
  void Examine(KeywordScope scope) const;
  void IgnoreLastField(KeywordScope scope) const;
  // A value field: a 32-bit number, or a text.
  int32_t Number();
  std::string Text();
  // Tells the observer that a record begins at the current keyword field.
  void Record(std::string_view kind) const;
  // Stores an error code (and position) and tells the observer.
  void Error(int32_t code);
  void Error(int32_t code, int32_t position);
  // Deletes the text, stores the code and ends the reading.
  LineOutcome Fail(int32_t code);
  LineOutcome Fail(int32_t code, int32_t position);
  // Error 15 for a record at this position: the reading goes to its close.
  LineOutcome Beyond(int32_t position);
  // A failure of the common path (code 25) at the current keyword field.
  [[noreturn]] void Throw(const std::string& reason) const;
};

// Step 5: the general section, from the field after "[generale]" up to and
// including the next section header.
LineOutcome ReadGeneralSection(LineReading& reading);
// Step 7: the data sections, to the end of the text.
LineOutcome ReadDataSections(LineReading& reading);
// Step 7.4: one curve record; the keyword field is current.
LineOutcome ReadCurve(LineReading& reading);

// The turn per metre of the first class digit in the field, 0 when none.
double TurnPerMetre(std::string_view field);

}  // namespace scenario
