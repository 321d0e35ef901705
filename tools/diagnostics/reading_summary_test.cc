// The lines that close a compile: the records read of each kind, and which
// reader stopped where and what it left unread.
#include <gtest/gtest.h>

#include "tests/compile_run.h"

namespace scenario {
namespace {

using testing::CompileRun;
using testing::kOrigin;
using testing::kTerminus;
using testing::LineText;
using testing::TrainText;

struct StopCase {
  const char* name;
  std::string line;
  std::string train;
  std::string expected;  // the line after "scenario-compile: ", FILE standing for the path
  bool in_train;
};

class ReaderStopTest : public ::testing::TestWithParam<StopCase> {};

TEST_P(ReaderStopTest, SaysWhatWasNotReadAndWhere) {
  const StopCase& c = GetParam();
  CompileRun run;
  run.Run(c.line, c.train);
  std::string expected = c.expected;
  expected.replace(expected.find("FILE"), 4, c.in_train ? run.train_path : run.line_path);
  EXPECT_NE(run.err.find("\nscenario-compile: " + expected + "\n"), std::string::npos) << run.err;
  EXPECT_EQ(run.summary.reader_stops.size(), 1u) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    EveryReader, ReaderStopTest,
    ::testing::Values(
        StopCase{"LineStopsBoth",
                 LineText({"indicatori_vmax, 6200, 85, 90, 95, 0, 85, 90, 95, 0",
                           "cartello indicatore, 6200, ( X )"}),
                 TrainText({kOrigin, kTerminus}),
                 "the rest of the line description and the whole train description were not "
                 "read: FILE:5:22 stopped the line reader (error 6)",
                 false},
        StopCase{"BeyondTheGridStopsOnlyTheLine", LineText({"pendenza, 36950, 2"}),
                 TrainText({kOrigin, kTerminus}),
                 "the rest of the line description was not read: FILE:4:11 stopped the line "
                 "reader (error 15)",
                 false},
        StopCase{"TrainStops", LineText({}),
                 TrainText({kOrigin, "stazione, 700, 2, 200, 0,0,0, 0,0,0, 0,0,0, 0, 0,0,0, V"}),
                 "the rest of the train description was not read: FILE:3:11 stopped the train "
                 "reader (error 22)",
                 true},
        StopCase{"NoGeneralSection", "lunghezza percorso, 30000\r\n[fine]\r\n",
                 TrainText({kOrigin}),
                 "neither description was read: FILE stopped the line reader (error 102)", false}),
    [](const ::testing::TestParamInfo<StopCase>& info) { return std::string(info.param.name); });

TEST(RecordsReadTest, CountsEveryKindAndLeavesOutARefusedRecord) {
  CompileRun run;
  // The second signal is refused (error 16 on the first one's cell).
  run.Run(LineText({"pendenza, 500, 3", "pendenza, 900, 0", "montagna, 1000, 2000, 1"}),
          TrainText({kOrigin, "velocita' limite, 0, 100", "segnale, 3000, 2,4,0,0,0, 2,1,0,0,0",
                     "segnale, 3000, 2,4,0,0,0, 2,1,0,0,0", kTerminus}));
  EXPECT_NE(run.err.find("scenario-compile: read 2 gradients, 0 curves, 1 tunnel, 0 speed boards, "
                         "0 sign boards, 1 speed limit, 0 adhesions, 1 signal, 0 slowdowns, 0 code "
                         "reductions, 1 stop\n"),
            std::string::npos)
      << run.err;
  EXPECT_TRUE(run.summary.reader_stops.size() == 1 && run.summary.reader_stops[0].code == 16);
}

TEST(RecordsReadTest, LeavesCurvesOutWithoutARouteTable) {
  CompileRun run;
  CompileOptions options;
  options.no_route_file = true;
  run.Run(LineText({"curvad2, 500, 300"}), TrainText({kOrigin, kTerminus}), options);
  EXPECT_NE(run.err.find("scenario-compile: read 0 gradients, 0 tunnels,"), std::string::npos)
      << run.err;
}

// A curve of no length, or a negative one, turns no row: it is not read
// as a curve, whatever its keyword.
TEST(RecordsReadTest, LeavesOutCurvesOfNoLength) {
  CompileRun run;
  run.Run(LineText({"curvad2, 500, 300", "curvas3, 1000, 0", "curvad4, 2000, -400"}),
          TrainText({kOrigin, kTerminus}));
  EXPECT_NE(run.err.find("scenario-compile: read 0 gradients, 1 curve, 0 tunnels,"),
            std::string::npos)
      << run.err;
}

}  // namespace
}  // namespace scenario
