// A listener that authoring tools attach to the generator state to learn
// where each record, object and error comes from. The readers and writers
// call it when it is set; it never changes what is compiled.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "descriptions/field_stream.h"

namespace scenario {

enum class Description { kLine, kTrain };

struct SourceLocation {
  Description description = Description::kLine;
  TextPosition position;
};

class ReadObserver {
 public:
  virtual ~ReadObserver() = default;
  // A record of the given kind begins at its keyword field.
  virtual void OnRecord(Description, std::string_view /*record*/, TextPosition /*keyword*/) {}
  // A reader recorded an error code while at this field.
  virtual void OnError(Description, int32_t /*code*/, TextPosition /*where*/) {}
  // The common failure path ran (code 25), with the reason.
  virtual void OnFailure(Description, const std::string& /*reason*/, TextPosition /*where*/) {}
  // A cell got an object (cell_type written) by the record being read.
  virtual void OnPlace(int64_t /*cell*/, uint8_t /*cell_type*/) {}
};

}  // namespace scenario
