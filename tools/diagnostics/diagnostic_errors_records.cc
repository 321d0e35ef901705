// Errors a reader records at a record: the general records' codes (1, 3, 4,
// 5), curves (103), stops (8, 9, 10, 22, 24), and the ones shared with the
// cell writers and the grid's end (6, 7, 15 to 21).
#include <string>

#include "app/generator_state.h"
#include "tools/diagnostics/diagnostic_errors.h"
#include "tools/common/text.h"
#include "app/error_codes.h"

namespace scenario {

namespace {

std::string Metres(std::optional<int64_t> value) {
  return value ? std::to_string(*value) + " m" : std::string("?");
}

// The 1-based number of a stop record among the train description's stops,
// which is the scenario row it fills.
int StopNumber(const DiagnosticContext& context, const RecordRead& stop) {
  int n = 0;
  for (const RecordRead& record : context.recorder.records()) {
    if (record.kind == "stop") ++n;
    if (&record == &stop) return n;
  }
  return n;
}

const RecordRead* StopBefore(const DiagnosticContext& context, const RecordRead& stop) {
  const RecordRead* before = nullptr;
  for (const RecordRead& record : context.recorder.records()) {
    if (&record == &stop) return before;
    if (record.kind == "stop") before = &record;
  }
  return nullptr;
}

std::string TooManyStops(const DiagnosticContext& context, const RecordRead& stop) {
  const int r = StopNumber(context, stop);
  const int boards = kFirstBoardRow - context.state.board_row_cursor;
  const int most = context.state.board_row_cursor - 2;
  if (r > context.state.board_row_cursor) {
    return "no scenario row is left for a stop: the line description's " + std::to_string(boards) +
           " sign boards take every row a stop could fill; stops and sign boards share the "
           "scenario rows, 78 together at most";
  }
  return RecordAt(stop) + " is stop number " + std::to_string(r) + ", but with " +
         std::to_string(boards) + " sign boards in the line description at most " +
         std::to_string(most) +
         " stops fit: stops and sign boards share the scenario rows, 78 together at most";
}

std::string StopsTooClose(const DiagnosticContext& context, const RecordRead& stop) {
  const int r = StopNumber(context, stop);
  const ScenarioRow& row = context.state.scenario[r];
  const ScenarioRow& previous = context.state.scenario[r - 1];
  const RecordRead* before = StopBefore(context, stop);
  std::string message = "the stop zone of " + RecordAt(stop) + " begins at " +
                        std::to_string(row.span_start) + " m, ";
  const int64_t gap = int64_t{row.span_start} - previous.span_end;
  if (gap < 0) {
    message += std::to_string(-gap) + " m before the end of the previous stop's zone";
  } else {
    message += "only " + std::to_string(gap) + " m after the end of the previous stop's zone";
  }
  message += " (" + std::to_string(previous.span_end) + " m";
  if (before != nullptr) {
    message += ", " + RecordAt(*before) + " on line " + std::to_string(before->keyword.line);
  }
  message += "); stop zones must follow each other at least 350 m apart, in order of position";
  return message;
}

std::string CurveError(const RecordRead& curve, TextPosition* at) {
  std::string digits;
  for (char c : curve.Field()) {
    if (c >= '1' && c <= '6') digits += c;
  }
  if (digits.empty()) {
    *at = curve.keyword;
    return "the curve keyword field \"" + CodePageToUtf8(curve.Field()) +
           "\" names no radius class: it needs one of the digits 1 to 6";
  }
  *at = curve.At(1);
  return RecordAt(curve) + ", " + Metres(curve.Number(1)) +
         " long, takes the plan of the track past row 1000000 of the route table";
}

}  // namespace

// The grid's end follows from the route length: a record beyond it points
// back at the length, which may be the value at fault (a blank or a comma
// that cut it short, a digit left out).
void RouteLengthNote(const DiagnosticContext& context, Diagnostic* diagnostic) {
  const std::vector<const RecordRead*>& lengths = context.recorder.RecordsOf("route length");
  if (lengths.empty() || !lengths.back()->Number(0)) return;
  const RecordRead& length = *lengths.back();
  const int64_t last = context.state.grid.last_index();
  // A note points into the text of its diagnostic: a train record's error
  // names the length's line instead.
  if (diagnostic->description != Description::kLine) {
    diagnostic->message += " (the route length: line " + std::to_string(length.At(0).line) +
                           " of the line description)";
    return;
  }
  diagnostic->notes.push_back(DiagnosticNote{
      context.line_file, length.At(0).line, length.At(0).column,
      "the route length read here, " + std::to_string(*length.Number(0)) +
          " m, sizes the grid to cells 0 to " + std::to_string(last) +
          " (a record may stand at " + std::to_string(50 * last - 100) +
          " m at most) and the route table to rows 0 to " +
          std::to_string(*length.Number(0) + 7000)});
}


Diagnostic RecordError(const DiagnosticContext& context, const ErrorRead& error) {
  if (!error.record) {
    return context.Error(error.code, error.description, error.where, ErrorCodeMeaning(error.code));
  }
  const RecordRead& record = context.recorder.records()[*error.record];
  const int32_t code = error.code;
  TextPosition at = record.At(0);
  std::string message;
  switch (code) {
    case kErrorRouteTooLong:
      message = "the route length of " + Metres(record.Number(0)) +
                " is greater than the longest route, 1000000 m";
      break;
    case kErrorRepetitionStart:
      message = "the signal repetition starts at " + Metres(record.Number(0)) +
                ", which is not a multiple of 50 m";
      break;
    case kErrorRepetitionEnd:
      at = record.At(1);
      message = "the signal repetition ends at " + Metres(record.Number(1)) +
                ", which is not a multiple of 50 m";
      break;
    case kErrorRepetitionCodes:
      at = record.keyword;
      message = "the signal repetition keyword field \"" + CodePageToUtf8(record.Field()) +
                "\" names neither 4 nor 9 cab-signal codes: it must hold the digit 4 or 9";
      break;
    case kErrorSignBoardCell:
    case kErrorCodeReductionCell:
    case kErrorSignalCell:
    case kErrorWarningCell:
    case kErrorSlowdownStartCell:
    case kErrorSlowdownEndCell:
    case kErrorPrewarningCell:
    case kErrorSpeedBoardCell:
      message = OccupiedCellMessage(context, error, record);
      break;
    case kErrorStopPosition:
      message = RecordAt(record) + " does not stand on a multiple of 50 m";
      break;
    case kErrorStopLength:
      at = record.At(2);
      message = RecordAt(record) + " has a stop length of " + Metres(record.Number(2)) +
                ", which is not a multiple of 100 m";
      break;
    case kErrorStopRows:
      at = record.keyword;
      message = TooManyStops(context, record);
      break;
    case kErrorBeyondGrid:
      message = BeyondGridMessage(context, error, record);
      break;
    case kErrorStopSpacing:
      message = StopsTooClose(context, record);
      break;
    case kErrorStopZoneAtStart: {
      const int r = StopNumber(context, record);
      message = RecordAt(record) + " has its stop zone end at " +
                std::to_string(context.state.scenario[r].span_end) +
                " m, at or before 100 m, so its stop cell would not lie beyond cell 1";
      break;
    }
    case kErrorCurve:
      message = CurveError(record, &at);
      break;
    default: message = ErrorCodeMeaning(code); break;
  }
  Diagnostic diagnostic = context.Error(code, error.description, at, message);
  if (code == kErrorBeyondGrid) RouteLengthNote(context, &diagnostic);
  return diagnostic;
}

}  // namespace scenario
