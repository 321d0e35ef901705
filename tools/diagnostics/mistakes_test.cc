// Authors' mistakes, each made once in the example descriptions: every one
// is named at the line, and for a value at the column, where it was written,
// by the diagnostic of its kind. The output stays what it was without them.
#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "tests/compile_run.h"

namespace scenario {
namespace {

using testing::CompileRun;

const std::string kExamples = std::string(SCENARIO_SOURCE_DIR) + "/examples/";

enum class Text { kLine, kTrain };

// A replacement in an example text: `was` once, or everywhere with `all`;
// an empty `was` replaces the whole text.
struct Edit {
  std::string was;
  std::string now;
  bool all = false;
};

struct Mistake {
  const char* name;
  Text text;
  std::vector<Edit> edits;
  // The first diagnostic of its kind: "-Wname" or "error 25", where it stands
  // (line 0: the whole file) and the start of its message.
  const char* kind;
  Text in;
  int line;
  int column;
  const char* message;
};

// The edited text; nullopt when an edit finds nothing to replace.
std::optional<std::string> Edited(std::string text, const std::vector<Edit>& edits) {
  for (const Edit& edit : edits) {
    if (edit.was.empty()) {
      text = edit.now;
      continue;
    }
    size_t at = text.find(edit.was);
    if (at == std::string::npos) return std::nullopt;
    do {
      text.replace(at, edit.was.size(), edit.now);
      at = edit.all ? text.find(edit.was, at + edit.now.size()) : std::string::npos;
    } while (at != std::string::npos);
  }
  return text;
}

class AuthorMistakeTest : public ::testing::TestWithParam<Mistake> {};

TEST_P(AuthorMistakeTest, IsNamedWhereItWasWritten) {
  const Mistake& m = GetParam();
  std::string line = testing::ReadFile(kExamples + "line.txt");
  std::string train = testing::ReadFile(kExamples + "train.txt");
  std::string& edited = m.text == Text::kLine ? line : train;
  const std::optional<std::string> text = Edited(edited, m.edits);
  ASSERT_TRUE(text) << "the example text has changed";
  edited = *text;
  CompileRun run;
  run.Run(line, train);
  const std::string file = m.in == Text::kLine ? run.line_path : run.train_path;
  std::string where =
      file +
      (m.line > 0 ? ":" + std::to_string(m.line) + ":" + std::to_string(m.column) : std::string());
  const bool warning = std::string(m.kind).starts_with("-W");
  const std::string head = where + (warning ? ": warning: " : ": error: ") + m.message;
  const std::string tag = std::string("[") + m.kind + "]";
  // The first diagnostic of the kind, as printed.
  const size_t tag_at = run.err.find(tag);
  ASSERT_NE(tag_at, std::string::npos) << run.err;
  const size_t line_start = run.err.rfind('\n', tag_at) + 1;
  EXPECT_EQ(run.err.substr(line_start, head.size()), head) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, AuthorMistakeTest,
    ::testing::Values(
        // clang-format off
        Mistake{"BoardLeftSpeedNotInFives", Text::kLine,
                {{"7050,  80,  80,  80, 0,  80,  80,  80",
                  "7050,  87,  87,  87, 0,  90,  90,  90"}},
                "-Wboard-speed", Text::kLine, 32, 26,
                "the left speed 87 km/h is not a multiple of 5: the board's packed value "
                "round(90 / 5 + 87 x 20) = 1758 reads back as 85 km/h on the left and 290 km/h "
                "on the right"},
        Mistake{"BoardRightSpeedAbove495", Text::kLine,
                {{"0, 100, 100, 100, 0\r\n", "0, 500, 100, 100, 0\r\n"}},
                "-Wboard-speed", Text::kLine, 31, 43,
                "the right speed 500 km/h is above 495"},
        Mistake{"TunnelKindNegative", Text::kLine, {{"5800, 11", "5800, -5"}},
                "-Wtunnel-kind", Text::kLine, 35, 25,
                "the tunnel kind -5 is not above 0: its cells keep the low 8 bits, 251"},
        Mistake{"TunnelKindZero", Text::kLine, {{"5800, 11", "5800, 0"}},
                "-Wtunnel-kind", Text::kLine, 35, 25,
                "the tunnel kind 0 is not above 0: its cells keep the low 8 bits, 0, which is "
                "no tunnel at all"},
        Mistake{"TunnelEndBeforeStart", Text::kLine, {{"5000,  5800", "5800,  5000"}},
                "-Wtunnel-span", Text::kLine, 35, 19,
                "the tunnel ends at 5000 m, before its start at 5800 m"},
        Mistake{"TunnelStartsInsideTheOneBefore", Text::kLine,
                {{"5800, 11\r\n", "5800, 11\r\nmontagna,  5400,  6000, 1\r\n"}},
                "-Wtunnel-overlap", Text::kLine, 36, 12,
                "the tunnel overlaps the tunnel of line 35 (5000 to 5800 m) and marks its "
                "cells again; a tunnel that starts 150 m or less after the end of the one read "
                "before it is made kind 3, so its cells get kind 3, not 1"},
        Mistake{"TunnelJoinedByTheGapRule", Text::kLine,
                {{"5800, 11\r\n", "5800, 11\r\nmontagna,  5900,  6500, 2\r\n"}},
                "-Wtunnel-gap", Text::kLine, 36, 12,
                "the tunnel starts 100 m after the end of the tunnel of line 35 (5800 m): a "
                "tunnel that starts 150 m or less after the end of the one read before it is "
                "made kind 3, so its cells get kind 3, not 2"},
        Mistake{"CurveOfNoLength", Text::kLine, {{"8000,   400", "8000,   0"}},
                "-Wlength-range", Text::kLine, 27, 19,
                "the curve's length 0 m is not above 0, so the curve is dropped"},
        Mistake{"CurveOfNegativeLength", Text::kLine, {{"8000,   400", "8000,   -400"}},
                "-Wlength-range", Text::kLine, 27, 19,
                "the curve's length -400 m"},
        Mistake{"DecimalComma", Text::kLine, {{"3000,    6", "3000,    8,5"}},
                "-Wnumber-split", Text::kLine, 19, 21,
                "the gradient record's last value is read as 8, and the 5 after it as a "
                "keyword field that begins no record: a decimal comma?"},
        Mistake{"BlankInTheRouteLength", Text::kLine, {{"12000\r\n", "12 000\r\n"}},
                "-Wnumber-split", Text::kLine, 8, 24,
                "the route length record's last value is read as 12, and the 000 after it as a "
                "keyword field that begins no record: a thousands separator in \"12 000\"?"},
        Mistake{"BeyondTheShortenedRoute", Text::kLine, {{"12000\r\n", "12 000\r\n"}},
                "error 15", Text::kLine, 21, 12,
                "the gradient at 9000 m lies beyond the end of the grid"},
        Mistake{"RouteLengthZero", Text::kLine, {{"12000\r\n", "0\r\n"}},
                "-Wroute-length", Text::kLine, 8, 24,
                "a route length of 0 m"},
        Mistake{"RouteLengthTwice", Text::kLine,
                {{"12000\r\n", "12000\r\nlunghezza percorso, 12000\r\n"}},
                "-Wrepeated-record", Text::kLine, 9, 1,
                "a second route length record"},
        Mistake{"SignBoardPastTheRoute", Text::kLine, {{"6200,  (", "15000,  ("}},
                "-Wbeyond-route", Text::kLine, 38, 23,
                "the sign board at 15000 m lies past the end of the route"},
        Mistake{"EmptyLineDescription", Text::kLine, {{"", ""}},
                "error 25", Text::kLine, 0, 0,
                "the line description is empty"},
        Mistake{"SignalSxSeven", Text::kTrain, {{"4800, 1, 4", "4800, 7, 4"}},
                "-Wsignal-digit", Text::kTrain, 27, 18,
                "the signal's sx 7 lies outside sx 0 to 3 and dx 0 to 2 with sx x 3 + dx at "
                "most 9: its packed field value_d = rapp x 10 + sx x 3 + dx = 22 reads back as "
                "rapp 2, sx 0, dx 2"},
        Mistake{"SignalDigitTwelve", Text::kTrain, {{"4800, 1, 4", "4800, 1, 12"}},
                "-Wsignal-digit", Text::kTrain, 27, 21,
                "the signal's s1 12 lies outside 0 to 9"},
        Mistake{"SignalTempoRaised", Text::kTrain,
                {{"2, 1, 0, 0, 0\r\nsegnale,   4800", "2, 1, 0, 0, 30\r\nsegnale,   4800"}},
                "-Wsignal-tempo", Text::kTrain, 26, 49,
                "the signal's tempo 30 is stored as 101"},
        Mistake{"SlowdownNegativeLength", Text::kTrain, {{"8500, 60, 300", "8500, 60, -400"}},
                "-Wlength-range", Text::kTrain, 32, 27,
                "the slowdown's length -400 m puts its end board before its start board"},
        Mistake{"StopOfNoLength", Text::kTrain, {{"6000,  2, 800", "6000,  2, 0"}},
                "-Wlength-range", Text::kTrain, 22, 23,
                "the stop length 0 m is not above 0, so the stop zone made from it is empty"},
        Mistake{"SlowdownAtZero", Text::kTrain, {{"8500, 60, 300", "8500, 0, 300"}},
                "-Wslowdown-speed", Text::kTrain, 32, 23,
                "a slowdown at 0 km/h"},
        Mistake{"SpeedLimitNotInFives", Text::kTrain, {{"800,  100", "800,  62"}},
                "-Wspeed-limit-step", Text::kTrain, 16, 28,
                "the speed limit 62 km/h is not a multiple of 5: the cells keep it in units of "
                "5 km/h, as 60 km/h"},
        Mistake{"SpeedLimitTooHigh", Text::kTrain, {{"800,  100", "800,  400"}},
                "-Wspeed-limit-range", Text::kTrain, 16, 28,
                "the speed limit 400 km/h lies outside 0 to 300 km/h"},
        Mistake{"StopPastMidnight", Text::kTrain, {{"8,21, 0, GAMMA", "24, 5, 0, GAMMA"}},
                "-Wtime-range", Text::kTrain, 22, 60,
                "the scheduled time 24:05:00 has 24 hours"},
        Mistake{"StopMinutesOver59", Text::kTrain, {{"8,21, 0, GAMMA", "6,75, 0, GAMMA"}},
                "-Wtime-range", Text::kTrain, 22, 62,
                "the scheduled time 6:75:00 has 75 minutes, outside 0 to 59: the row keeps "
                "26100 s since midnight, which reads 7:15:00"},
        Mistake{"StopWithoutName", Text::kTrain, {{" 0, GAMMA\r\n", " 0,\r\n"}},
                "-Wempty-name", Text::kTrain, 22, 68,
                "the stop at 6000 m has an empty name"},
        Mistake{"ClockTwice", Text::kTrain,
                {{"8  14  30\r\n", "8  14  30\r\norologio, 9, 0, 0\r\n"}},
                "-Wrepeated-record", Text::kTrain, 10, 1,
                "a second clock record"},
        Mistake{"NoGeneralHeader", Text::kTrain, {{"[generale]\r\n", ""}},
                "-Wpreamble-record", Text::kTrain, 4, 1,
                "the train description has no [generale] field"},
        Mistake{"GeneralHeaderAfterTheStops", Text::kTrain,
                {{"[generale]\r\n", ""}, {"[segnali]\r\n", "[generale]\r\n[segnali]\r\n"}},
                "-Wpreamble-record", Text::kTrain, 4, 1,
                "this field holds a record keyword but stands before the [generale] field"},
        Mistake{"LineEndsOfACrAlone", Text::kTrain, {{"\r\n", "\r", true}},
                "-Wline-ends", Text::kTrain, 1, 1,
                "the train description ends its lines with a CR alone"},
        Mistake{"EmptyTrainDescription", Text::kTrain, {{"", ""}},
                "error 25", Text::kTrain, 0, 0,
                "the train description is empty"}),
    // clang-format on
    [](const ::testing::TestParamInfo<Mistake>& info) { return std::string(info.param.name); });

// A number of a random line of the text put to a value that authors get
// wrong, or split by a comma or a blank.
std::string WithAWrongValue(const std::string& text, std::mt19937& random) {
  static const char* const kValues[] = {"-400", "0", "7", "12", "62", "87", "300", "500", "75"};
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  std::string& line = lines[random() % lines.size()];
  const size_t digit = line.find_first_of("0123456789", random() % (line.size() + 1));
  if (digit != std::string::npos) {
    const size_t end = line.find_first_not_of("0123456789", digit);
    const size_t length = (end == std::string::npos ? line.size() : end) - digit;
    switch (random() % 3) {
      case 0:
        line.replace(digit, length, kValues[random() % std::size(kValues)]);
        break;
      case 1:
        line.insert(digit + 1, ",");
        break;
      default:
        line.insert(digit + 1, " ");
        break;
    }
  }
  std::string out;
  for (const std::string& kept : lines) out += kept + "\n";
  return out;
}

// Whatever the value, every diagnostic stands on a line of its text, at a
// column of that line or just past its end (an empty name), on its field.
TEST(AuthorMistakeTest, EveryDiagnosticStandsOnAFieldOfItsText) {
  const std::string line = testing::ReadFile(kExamples + "line.txt");
  const std::string train = testing::ReadFile(kExamples + "train.txt");
  std::mt19937 random(21);
  int warned = 0;
  for (int variant = 0; variant < 150; ++variant) {
    const bool in_line = random() % 2 == 0;
    const std::string edited = WithAWrongValue(in_line ? line : train, random);
    CompileRun run;
    run.Run(in_line ? edited : line, in_line ? train : edited);
    for (const Diagnostic& d : run.summary.diagnostics) {
      if (d.line == 0) continue;
      warned += d.severity == Severity::kWarning;
      const SourceLines lines(d.file == run.line_path ? (in_line ? edited : line)
                                                      : (in_line ? train : edited));
      const std::optional<std::string> text = lines.Line(d.line);
      ASSERT_TRUE(text) << run.err;
      EXPECT_GE(d.column, 1) << run.err;
      EXPECT_LE(static_cast<size_t>(d.column), text->size() + 1) << run.err;
      if (static_cast<size_t>(d.column) <= text->size()) {
        EXPECT_NE((*text)[static_cast<size_t>(d.column - 1)], ' ') << run.err;
      }
    }
  }
  EXPECT_GT(warned, 25);
}

}  // namespace
}  // namespace scenario
