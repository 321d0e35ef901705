#include "descriptions/description_reading.h"

#include "app/error_codes.h"

namespace scenario {

void DescriptionReading::ReadKeywordField() {
  field = stream.ReadField();
  keyword = stream.last_position();
  state.current_field = field;
}

void DescriptionReading::PassComment(KeywordScope scope) {
  state.observer->OnComment(scope, field, keyword);
  ReadKeywordField();
}

void DescriptionReading::Examine(KeywordScope scope) const {
  state.observer->OnKeywordField(scope, field, keyword);
}

void DescriptionReading::IgnoreLastField(KeywordScope scope) const {
  state.observer->OnLastFieldIgnored(scope, field, keyword);
}

void DescriptionReading::Record(std::string_view kind) const {
  state.observer->OnRecord(description, kind, keyword);
}

int32_t DescriptionReading::Int32() {
  const int32_t value = stream.ReadInt32();
  state.observer->OnNumber(description, stream.last_position(), value);
  return value;
}

int16_t DescriptionReading::Int16() {
  const int16_t value = stream.ReadInt16();
  state.observer->OnNumber(description, stream.last_position(), value);
  return value;
}

uint8_t DescriptionReading::Uint8() {
  const uint8_t value = stream.ReadUint8();
  state.observer->OnNumber(description, stream.last_position(), value);
  return value;
}

std::string DescriptionReading::Text() {
  std::string text = stream.ReadText();
  state.observer->OnText(description, stream.last_position(), text);
  return text;
}

void DescriptionReading::Error(int32_t code) {
  state.SetError(code);
  state.observer->OnError(description, code, keyword);
}

void DescriptionReading::Error(int32_t code, int32_t position) {
  state.SetError(code, position);
  state.observer->OnError(description, code, keyword);
}

void DescriptionReading::DeleteText() {
  if (description == Description::kLine) {
    source.DeleteLine();
  } else {
    source.DeleteTrain();
  }
}

ReadOutcome DescriptionReading::Stop(int32_t code) {
  DeleteText();
  Error(code);
  return ReadOutcome::kStop;
}

ReadOutcome DescriptionReading::Stop(int32_t code, int32_t position) {
  DeleteText();
  Error(code, position);
  return ReadOutcome::kStop;
}

ReadOutcome DescriptionReading::Beyond(int32_t position) {
  Error(kErrorBeyondGrid, position);
  return ReadOutcome::kClose;
}

void DescriptionReading::Throw(const std::string& reason) const {
  throw DescriptionFailure(reason, keyword);
}

}  // namespace scenario
