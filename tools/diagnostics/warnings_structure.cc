// Warnings about the shape of the texts: records in a preamble (or a train
// description without "[generale]", all of it preamble), a number split by
// a decimal comma, a blank or a thousands separator, line ends of a CR
// alone, single records given twice, a route length of 0 and records that
// stand past the end of the route.
#include <cstdint>
#include <string>

#include "app/generator_state.h"
#include "descriptions/keywords.h"
#include "tools/diagnostics/warnings.h"

namespace scenario {

namespace {

const char* TextName(Description description) {
  return description == Description::kLine ? "line description" : "train description";
}

void Preamble(const DiagnosticContext& context, Description description, WarningList* out) {
  const std::optional<PreambleRecordRead>& first = context.recorder.preamble_record(description);
  if (!first) return;
  const std::string others = first->count > 1
                                 ? ", and so are the " + std::to_string(first->count - 1) +
                                       " other fields of the preamble that hold a record keyword"
                                 : "";
  std::string message;
  if (context.recorder.body_read(description)) {
    message =
        "this field holds a record keyword but stands before the [generale] field, in "
        "the preamble the reader skips: the record is dropped" +
        others + "; move it after [generale]";
  } else {
    message = std::string("the ") + TextName(description) +
              " has no [generale] field before its last field, so the reader skips all of it as "
              "preamble: this record, the first it drops, is not read" +
              others + "; put [generale] on a line of its own before the records";
  }
  if (!out->Admit("preamble-record", description, first->where)) return;
  out->push_back(Warning(context, "preamble-record", description, first->where, message));
}

// Where in the record's line the number went wrong: a digit, a comma or a
// blank, and three digits is a thousands separator; else a comma right
// after the last value is a decimal comma, and a blank in it a blank.
std::string SplitHint(const std::string& line, size_t from, size_t to) {
  auto digit = [&](size_t i) { return i < line.size() && line[i] >= '0' && line[i] <= '9'; };
  for (size_t i = from; i < to && i + 1 < line.size(); ++i) {
    if (!digit(i) || (line[i + 1] != ',' && line[i + 1] != ' ')) continue;
    if (digit(i + 2) && digit(i + 3) && digit(i + 4) && !digit(i + 5)) {
      size_t start = i;
      while (start > from && digit(start - 1)) --start;
      return std::string("a thousands separator in \"") + line.substr(start, i + 5 - start) + "\"?";
    }
  }
  return "";
}

// After the number at `column`: a comma (a decimal comma) or a blank.
std::string CommaOrBlank(const std::string& line, int column) {
  size_t end = static_cast<size_t>(column - 1);
  if (end < line.size() && (line[end] == '-' || line[end] == '+')) ++end;
  while (end < line.size() && line[end] >= '0' && line[end] <= '9') ++end;
  const size_t next = line.find_first_not_of(" \t", end);
  return next != std::string::npos && line[next] == ',' ? "a decimal comma?"
                                                        : "a blank inside the number?";
}

void SplitNumbers(const DiagnosticContext& context, WarningList* out) {
  for (const SplitNumberRead& split : context.recorder.split_numbers()) {
    const RecordRead& record = context.recorder.records()[split.record];
    const size_t value = record.value_count - 1;
    const TextPosition at = record.At(value);
    if (!out->Admit("number-split", record.description, at)) continue;
    const std::string line = context.LineOf(record.description, at.line).value_or("");
    const std::string next = context.FieldAt(record.description, split.where);
    const std::string digits = next.substr(0, next.find_first_of(" \t"));
    // The record's first value on this line.
    size_t first = value;
    while (first > 0 && record.At(first - 1).line == at.line) --first;
    std::string hint = SplitHint(line, static_cast<size_t>(record.At(first).column - 1),
                                 static_cast<size_t>(split.where.column - 1));
    if (hint.empty()) hint = CommaOrBlank(line, at.column);
    out->push_back(Warning(context, "number-split", record.description, at,
                           "the " + std::string(record.kind.name()) +
                               " record's last value is read as " +
                               std::to_string(*record.Number(value)) + ", and the " + digits +
                               " after it as a keyword field that begins no record: " + hint +
                               " write whole numbers without blanks or separators"));
  }
}

// A CR not followed by LF ends no line: a text of such line ends is read
// as one line, and the positions of the diagnostics are those of that one
// line, as the reader counted them.
void LineEnds(const DiagnosticContext& context, Description description, WarningList* out) {
  const SourceLines* lines =
      description == Description::kLine ? context.line_lines : context.train_lines;
  if (lines == nullptr) return;
  for (int n = 1; n <= lines->count(); ++n) {
    const std::optional<std::string> line = lines->Line(n);
    const size_t cr = line ? line->find('\r') : std::string::npos;
    if (cr == std::string::npos) continue;
    std::string message;
    TextPosition where{n, static_cast<int>(cr) + 1};
    if (lines->count() == 1) {
      where = TextPosition{1, 1};
      message = std::string("the ") + TextName(description) +
                " ends its lines with a CR alone, which the readers do not take for a line end: "
                "the whole text is read as one line, the positions given are in that line, and "
                "a record's last value runs on into the next line; save it with CR LF or LF "
                "line ends";
    } else {
      message =
          "a CR alone, not followed by LF, ends no line: the readers take it as part of "
          "the field; save the text with CR LF or LF line ends";
    }
    if (out->Admit("line-ends", description, where)) {
      out->push_back(Warning(context, "line-ends", description, where, message));
    }
    return;
  }
}

// Records that set one value of the run: a second one replaces the first.
void Repeated(const DiagnosticContext& context, WarningList* out) {
  static constexpr const RecordKeyword* kSingles[] = {
      &kRouteLengthKeyword, &kChainage1Keyword,   &kChainage2Keyword,   &kChainage3Keyword,
      &kBackground1Keyword, &kBackground2Keyword, &kBackground3Keyword, &kRepetitionKeyword,
      &kBrakedMassKeyword,  &kCarriagesKeyword,   &kClockKeyword,       &kSandKeyword};
  for (const RecordKeyword* single : kSingles) {
    const std::vector<const RecordRead*>& records = context.recorder.RecordsOf(single->kind);
    for (size_t i = 1; i < records.size(); ++i) {
      const RecordRead& again = *records[i];
      const RecordRead& before = *records[i - 1];
      if (!out->Admit("repeated-record", again.description, again.keyword)) continue;
      const std::string line = "line " + std::to_string(before.keyword.line);
      const std::string effect =
          single == &kRouteLengthKeyword
              ? "it sizes the grid and the route table afresh, and the length of " + line +
                    " is lost"
              : "its values replace those of " + line;
      Diagnostic warning =
          Warning(context, "repeated-record", again.description, again.keyword,
                  "a second " + std::string(single->kind) + " record: " + effect + "; keep one");
      warning.notes.push_back(DiagnosticNote{
          context.FileOf(before.description), before.keyword.line, before.keyword.column,
          "the " + std::string(single->kind) + " record before it"});
      out->push_back(std::move(warning));
    }
  }
}

const RecordRead* LastRouteLength(const DiagnosticContext& context) {
  const std::vector<const RecordRead*>& lengths = context.recorder.RecordsOf("route length");
  return lengths.empty() || !lengths.back()->Number(0) ? nullptr : lengths.back();
}

// Records that stand somewhere on the track, by their position value.
constexpr const char* kLocated[] = {"gradient",   "curve",          "tunnel",   "speed boards",
                                    "sign board", "speed limit",    "adhesion", "signal",
                                    "slowdown",   "code reduction", "stop"};

void PastTheRoute(const DiagnosticContext& context, const RecordRead& length, WarningList* out) {
  const int64_t route = *length.Number(0);
  for (const char* kind : kLocated) {
    for (const RecordRead* record : context.recorder.RecordsOf(kind)) {
      const std::optional<int64_t> p = record->Number(0);
      if (!p || *p <= route) continue;
      // Beyond the grid it is error 15's.
      const int64_t margin = record->kind == "stop" ? 800 : 100;
      if (!context.state.grid.PositionFits(*p, margin)) continue;
      if (!out->Admit("beyond-route", record->description, record->At(0))) continue;
      const bool in_line = record->description == Description::kLine;
      Diagnostic warning = Warning(
          context, "beyond-route", record->description, record->At(0),
          RecordAt(*record) + " lies past the end of the route at " + std::to_string(route) +
              " m (the route length on line " + std::to_string(length.At(0).line) +
              (in_line ? "" : " of the line description") +
              "), in the 7000 m the grid runs on beyond it, where the run does not go");
      out->push_back(std::move(warning));
    }
  }
}

}  // namespace

void StructureWarnings(const DiagnosticContext& context, WarningList* out) {
  for (Description description : {Description::kLine, Description::kTrain}) {
    Preamble(context, description, out);
    LineEnds(context, description, out);
  }
  SplitNumbers(context, out);
  Repeated(context, out);
  const RecordRead* length = LastRouteLength(context);
  if (length == nullptr) return;
  if (*length->Number(0) == 0) {
    WarnAtValue(context, out, "route-length", *length, 0, [] {
      return std::string(
          "a route length of 0 m: the route has no track, and the grid holds "
          "only the 7000 m beyond its end (cells 0 to 140)");
    });
    return;
  }
  // A length cut short by a blank or a comma is the one fault to mend: every
  // record past it would only repeat it.
  for (const SplitNumberRead& split : context.recorder.split_numbers()) {
    if (&context.recorder.records()[split.record] == length) return;
  }
  PastTheRoute(context, *length, out);
}

}  // namespace scenario
