// What both description readers share while they read one text: the state
// they fill, the source of the text, the field stream, the keyword field
// being interpreted, and the steps that report to the observer as they go.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "app/generator_state.h"
#include "descriptions/description_source.h"
#include "descriptions/field_stream.h"
#include "descriptions/read_observer.h"

namespace scenario {

// How a record, a section or the whole reading ended.
enum class ReadOutcome {
  kContinue,  // go on with the next record test
  kClose,     // the end of the text or an error 15: the closing steps run
  kStop,      // an error code ends the reading; the text is already deleted
};

class DescriptionReading {
 public:
  DescriptionReading(GeneratorState& s, DescriptionSource& src, std::string_view text,
                     Description which)
      : state(s), source(src), stream(text), description(which) {}

  GeneratorState& state;
  DescriptionSource& source;
  FieldStream stream;
  const Description description;

  // The keyword field being interpreted and where it stands.
  std::string field;
  TextPosition keyword;

  // Reads the next field as a keyword field (it becomes the current field).
  void ReadKeywordField();
  // Tells the observer that the current field is a comment of `scope`, then
  // reads the next field as a keyword field.
  void PassComment(KeywordScope scope);
  // Tells the observer that the current keyword field goes through the
  // record tests of `scope`, or that, being the last field, it does not.
  void Examine(KeywordScope scope) const;
  void IgnoreLastField(KeywordScope scope) const;
  // Tells the observer that a record begins at the current keyword field.
  void Record(std::string_view kind) const;
  // Value fields, each told to the observer as it is read.
  int32_t Int32();
  int16_t Int16();
  uint8_t Uint8();
  std::string Text();

  // Stores an error code (and position) and tells the observer.
  void Error(int32_t code);
  void Error(int32_t code, int32_t position);
  // Deletes the text, stores the code and ends the reading.
  ReadOutcome Stop(int32_t code);
  ReadOutcome Stop(int32_t code, int32_t position);
  // Error 15 for a record at this position: the closing steps run.
  ReadOutcome Beyond(int32_t position);
  // A failure of the common path (code 25) at the current keyword field.
  [[noreturn]] void Throw(const std::string& reason) const;

 private:
  void DeleteText();
};

}  // namespace scenario
