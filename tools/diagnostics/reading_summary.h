// What the readers took from the descriptions, for the lines that close
// every compile: the records of each kind that were read, and where a reader
// stopped before the end of its text and what it left unread. A record an
// author misspelt or cut short shows as one fewer.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/diagnostics/diagnostic.h"
#include "tools/diagnostics/diagnostic_errors.h"

namespace scenario {

struct RecordCount {
  std::string kind;  // as the keyword table names it: "gradient", "speed boards", ...
  int count = 0;
};

// The data records of the line description, then those of the train
// description (profiles, objects and stops), in the keyword table's order;
// curves only when they were read (they need the route table). A record that
// an error refused is not counted.
std::vector<RecordCount> RecordsRead(const DiagnosticContext& context);
// "4 gradients, 3 curves, 1 tunnel, ..."
std::string RecordCountsText(const std::vector<RecordCount>& counts);

// A reader that stopped before the end of its text.
struct ReaderStop {
  Description description = Description::kLine;  // whose reader stopped
  int32_t code = 0;
  std::string file;
  int line = 0;  // 0: at no field (the text could not be had, or has no body)
  int column = 0;
  std::string unread;  // "the rest of the train description", ...
};

// Taken from the error diagnostics, which say where each stop happened.
std::vector<ReaderStop> ReaderStops(const std::vector<Diagnostic>& diagnostics);
// "the rest of the train description was not read: train.txt:40:1 stopped
// the train reader (error 22)"
std::string ReaderStopText(const ReaderStop& stop);

}  // namespace scenario
