// A listener that authoring tools attach to the generator state to learn
// where each record, object and error comes from. The readers and writers
// always call it; by default it is the silent observer, which does nothing.
// It never changes what is compiled.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "descriptions/field_stream.h"

namespace scenario {

enum class Description : uint8_t { kLine, kTrain };

// Where a keyword field is examined: each place has its own record tests.
enum class KeywordScope { kLineGeneral, kLineData, kTrainBody };

inline Description DescriptionOf(KeywordScope scope) {
  return scope == KeywordScope::kTrainBody ? Description::kTrain : Description::kLine;
}

// The rules by which a reader or a cell writer makes of a record something
// other than it says, told to the observer where they are applied so that
// the diagnostics need not apply them again.
enum class AppliedRule : uint8_t {
  // memo_montagna: a tunnel that starts kJoinedTunnelGap m or less after the
  // end of the tunnel written before it is made kind 3.
  kTunnelGap,
};

struct SourceLocation {
  Description description = Description::kLine;
  TextPosition position;
};

class ReadObserver {
 public:
  virtual ~ReadObserver() = default;
  // A field before the "[generale]" field, skipped as preamble: nothing in
  // it is read, whatever it holds.
  virtual void OnPreambleField(Description, std::string_view /*field*/, TextPosition /*where*/) {}
  // A keyword field, past any comment fields before it, is about to go
  // through the record tests of its scope.
  virtual void OnKeywordField(KeywordScope, std::string_view /*field*/, TextPosition /*where*/) {}
  // A comment field, passed over where a keyword field was expected.
  virtual void OnComment(KeywordScope, std::string_view /*field*/, TextPosition /*where*/) {}
  // A field read where a keyword field may stand turned out to be the last
  // field of the text, so it is not examined.
  virtual void OnLastFieldIgnored(KeywordScope, std::string_view /*field*/,
                                  TextPosition /*where*/) {}
  // A record of the given kind begins at its keyword field.
  virtual void OnRecord(Description, std::string_view /*record*/, TextPosition /*keyword*/) {}
  // A number or a text value was read (the value fields of the record that
  // began last).
  virtual void OnNumber(Description, TextPosition /*where*/, int64_t /*value*/) {}
  virtual void OnText(Description, TextPosition /*where*/, std::string_view /*text*/) {}
  // A reader recorded an error code while at this field.
  virtual void OnError(Description, int32_t /*code*/, TextPosition /*where*/) {}
  // The common failure path ran (code 25), with the reason.
  virtual void OnFailure(Description, const std::string& /*reason*/, TextPosition /*where*/) {}
  // A cell got an object (cell_type written) by the record being read.
  virtual void OnPlace(int64_t /*cell*/, uint8_t /*cell_type*/) {}
  // A reader or a cell writer applied one of its rules to the record being
  // read, which is then not what the record says.
  virtual void OnRuleApplied(AppliedRule) {}
};

// The observer of a run that nobody listens to: the packager's.
inline ReadObserver* SilentObserver() {
  static ReadObserver silent;
  return &silent;
}

}  // namespace scenario
