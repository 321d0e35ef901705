// The diagnostic form: the first line, the source line and the caret, the
// summary, and the order diagnostics are printed in.
#include "tools/diagnostics/diagnostic.h"

#include <gtest/gtest.h>

namespace scenario {
namespace {

TEST(SourceLineTest, CountsLinesFromOneAndDropsTheLineEnd) {
  const std::string text = "first\r\nsecond\nthird\rstill third\r\nlast";
  EXPECT_EQ(SourceLine(text, 1), "first");
  EXPECT_EQ(SourceLine(text, 2), "second");
  // A lone CR is an ordinary character of the line.
  EXPECT_EQ(SourceLine(text, 3), "third\rstill third");
  EXPECT_EQ(SourceLine(text, 4), "last");
  EXPECT_EQ(SourceLine(text, 5), std::nullopt);
  EXPECT_EQ(SourceLine(text, 0), std::nullopt);
  // A final line end does not make one more line.
  EXPECT_EQ(SourceLine("one\r\n", 2), std::nullopt);
}

TEST(CaretLineTest, UnderlinesTheFieldUpToItsComma) {
  EXPECT_EQ(CaretLine("segnale,  20500, 2", 11), "          ^~~~~");
  // Trailing blanks of the field are not underlined.
  EXPECT_EQ(CaretLine("pendenza  , 500", 1), "^~~~~~~~");
  // The last field of a line runs to its end.
  EXPECT_EQ(CaretLine("a, bcd", 4), "   ^~~");
  // Tabs before the column are kept so the caret lines up in any editor.
  EXPECT_EQ(CaretLine("\tx,\ty", 5), "\t  \t^");
  // A column past the end (a field missing at the end of a line).
  EXPECT_EQ(CaretLine("ab", 3), "  ^");
}

TEST(FormatDiagnosticTest, PointsIntoTheSourceText) {
  Diagnostic d;
  d.severity = Severity::kWarning;
  d.warning = "gradient-order";
  d.file = "line.txt";
  d.line = 2;
  d.column = 11;
  d.message = "the gradient at 400 m comes after the gradient at 500 m on line 1";
  EXPECT_EQ(FormatDiagnostic(d, "pendenza, 500, -7\r\npendenza, 400, 3\r\n"),
            "line.txt:2:11: warning: the gradient at 400 m comes after the gradient at 500 m on "
            "line 1 [-Wgradient-order]\n"
            "pendenza, 400, 3\n"
            "          ^~~\n");
}

TEST(FormatDiagnosticTest, ControlBytesAreEscapedAndTheCodePageShownAsUtf8) {
  // Printed raw, the first would set the terminal's title and the second
  // clear its screen. Bytes above 127 are the code page's characters (0xC0 is
  // A grave, 0x9B a single right angle quote, never a terminal's CSI). The
  // caret still stands under the field it names.
  const struct {
    std::string source_line;
    int column;
    std::string shown;
    std::string caret;
  } cases[] = {
      {"pendenza\x1b[2J, 400, 3", 15, "pendenza\\x1b[2J, 400, 3", "                 ^~~"},
      {"cartello, 6200, \x1b]0;pwned\x07", 17, "cartello, 6200, \\x1b]0;pwned\\x07",
       std::string(16, ' ') + "^" + std::string(15, '~')},
      {"cartello, 6200, CITT\xc0 \x7f, 5", 17, "cartello, 6200, CITT\xc3\x80 \\x7f, 5",
       std::string(16, ' ') + "^" + std::string(9, '~')},
      {"\tx\x01,\ty", 6, "\tx\\x01,\ty", "\t      \t^"},
      {"a\rb, c", 6, "a\\x0db, c", "        ^"},
  };
  for (const auto& c : cases) {
    Diagnostic d;
    d.code = 16;
    d.file = "line\x1b.txt";
    d.line = 2;
    d.column = c.column;
    d.message = "a board \x9b" "31m";
    EXPECT_EQ(FormatDiagnostic(d, "first\r\n" + c.source_line + "\r\n"),
              "line\\x1b.txt:2:" + std::to_string(c.column) + ": error: a board \xe2\x80\xba" "31m [error 16]\n" +
                  c.shown + "\n" + c.caret + "\n")
        << c.shown;
  }
}

TEST(FormatDiagnosticTest, AWholeFileHasNoLineNorColumn) {
  Diagnostic d;
  d.code = 102;
  d.file = "line.txt";
  d.message = "no field holds \"[generale]\"";
  EXPECT_EQ(FormatDiagnostic(d, "text"),
            "line.txt: error: no field holds \"[generale]\" [error 102]\n");
  d.code = 1250;
  d.fatal = true;
  EXPECT_EQ(d.Tag(), "[fatal error 1250]");
}

TEST(SummaryLineTest, CountsInWords) {
  EXPECT_EQ(SummaryLine(0, 0), "0 errors, 0 warnings");
  EXPECT_EQ(SummaryLine(1, 1), "1 error, 1 warning");
  EXPECT_EQ(SummaryLine(2, 3), "2 errors, 3 warnings");
}

TEST(SortDiagnosticsTest, LineTextFirstThenTrainTextThenWholeFiles) {
  auto at = [](std::optional<Description> text, int line, int column, std::string tag) {
    Diagnostic d;
    d.description = text;
    d.line = line;
    d.column = column;
    d.message = std::move(tag);
    return d;
  };
  std::vector<Diagnostic> list = {
      at(Description::kTrain, 3, 5, "train 3:5"),  at(Description::kLine, 0, 0, "line file"),
      at(Description::kLine, 7, 1, "line 7"),      at(Description::kTrain, 3, 1, "train 3:1"),
      at(Description::kTrain, 0, 0, "train file"), at(Description::kLine, 2, 9, "line 2")};
  SortDiagnostics(&list);
  std::vector<std::string> order;
  for (const Diagnostic& d : list) order.push_back(d.message);
  EXPECT_EQ(order, (std::vector<std::string>{"line 2", "line 7", "train 3:1", "train 3:5",
                                             "line file", "train file"}));
}

}  // namespace
}  // namespace scenario
