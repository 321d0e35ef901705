// Limits that users can reach: the longest route with curves to the end of
// the plan, 80 sign boards, thousands of objects up to the end of the grid,
// very long lines and fields, megabytes of noise. Each compiles or is
// refused with its error code, and every compile keeps the invariants that
// the fuzz targets check.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "fuzz/compile_invariants.h"

namespace scenario {
namespace {

using fuzzing::BrokenInvariants;
using fuzzing::CompileInMemory;
using fuzzing::CompileRun;

constexpr const char* kNoTrainRecords = "[generale]\r\n";

std::string LineDescription(int64_t length, const std::string& data) {
  return "inizio dati\r\n[generale]\r\nlunghezza percorso, " + std::to_string(length) +
         "\r\n[pendenze]\r\n" + data + "[fine]\r\n                \r\n";
}

std::string TrainDescription(const std::string& records) {
  return "treno\r\n[generale]\r\n" + records + "     [fine]\r\n";
}

std::unique_ptr<CompileRun> Compile(const std::string& line, const std::string& train,
                                    int32_t build_route_table = 1) {
  auto run = CompileInMemory(line, train, build_route_table);
  for (const std::string& broken : BrokenInvariants(*run)) ADD_FAILURE() << broken;
  return run;
}

// Without a curve reaching them, the last two rows of the plan stay empty.
size_t RouteFileBytes(int64_t length) { return static_cast<size_t>(20 * length + 139964); }

TEST(LimitsTest, TheLongestRouteCurvesUpToRow999999) {
  // The plan cursor may pass row 1000000 at no point; the curves end on the
  // row before it and the straight completion runs on to row L + 6998.
  auto run = Compile(LineDescription(1000000,
                                     "curvad1, 0, 500000\r\n"
                                     "curvas6, 600000, 399999\r\n"),
                     kNoTrainRecords);
  ASSERT_TRUE(run->sized);
  EXPECT_EQ(run->state.error_code, 0);
  EXPECT_EQ(run->state.grid.cell_count(), 20141);
  EXPECT_EQ(run->route_file_size, RouteFileBytes(1000000));
  EXPECT_EQ(run->grid_file.size(), 20141u * 15);
  EXPECT_EQ(run->state.route.KindAt(1006998), RouteTable::kReal);
  EXPECT_EQ(run->state.route.KindAt(1006999), RouteTable::kEmpty);
}

TEST(LimitsTest, ACurvePastRow1000000Gives103) {
  auto run = Compile(LineDescription(1000000, "curvad1, 990000, 10000\r\n"), kNoTrainRecords);
  EXPECT_EQ(run->state.error_code, 103);
  // The files are still written, from the plan as far as it got.
  ASSERT_TRUE(run->sized);
  // Rows 2 .. 1000000 are reals, rows 1000001 .. 1007000 stay empty.
  EXPECT_EQ(run->route_file_size, 2u * (4 + 4 + 10 * 999999 + 2 * 7000));
}

TEST(LimitsTest, ACurveToTheLastRowOfThePlanLeavesNoRowEmpty) {
  // L + 7000 = 999000: the curve ends on the table's last row.
  auto run = Compile(LineDescription(992000, "curvas2, 990000, 9000\r\n"), kNoTrainRecords);
  EXPECT_EQ(run->state.error_code, 0);
  EXPECT_EQ(run->route_file_size, RouteFileBytes(992000) + 32);
  // One row further does not fit the table: the common failure path.
  auto beyond = Compile(LineDescription(1000, "curvas2, 7900, 101\r\n"), kNoTrainRecords);
  EXPECT_EQ(beyond->state.error_code, 25);
}

std::string SignBoards(int count) {
  std::string data;
  for (int i = 1; i <= count; ++i) {
    data += "cartello indicatore, " + std::to_string(100 * i) + ", (CARTELLO " + std::to_string(i) +
            ")\r\n";
  }
  return data;
}

TEST(LimitsTest, EightySignBoardsFillRows80To1AndTheEightyFirstIsRefused) {
  auto run = Compile(LineDescription(20000, SignBoards(80)), kNoTrainRecords);
  EXPECT_EQ(run->state.error_code, 0);
  EXPECT_EQ(run->state.board_row_cursor, 0);
  EXPECT_EQ(run->state.scenario[80].name, "(CARTELLO 1)");
  EXPECT_EQ(run->state.scenario[1].name, "(CARTELLO 80)");

  auto refused = Compile(LineDescription(20000, SignBoards(81)), kNoTrainRecords);
  EXPECT_EQ(refused->state.error_code, 25);
  EXPECT_EQ(refused->state.scenario[1].name, "(CARTELLO 80)");
}

TEST(LimitsTest, WithEightyBoardsAStopFindsNoRow) {
  auto run = Compile(LineDescription(20000, SignBoards(80)),
                     TrainDescription("stazione, 15000, 25, 400, 0,0,0, 0,0,0, 0,0,0, 0, 0,0,0, X\r\n"));
  EXPECT_EQ(run->state.error_code, 10);
  EXPECT_EQ(run->state.scenario[1].name, "(CARTELLO 80)");
  EXPECT_EQ(run->state.scenario[1].position, 0);
}

std::string Stop(int64_t position, const std::string& name) {
  return "stazione, " + std::to_string(position) + ", 25, 400, 0,0,0, 0,0,0, 0,0,0, 0, 0,0,0, " +
         name + "\r\n";
}

TEST(LimitsTest, SeventyEightStopsUpToTheLastPositionTheGridAllows) {
  // N = 20140: a stop may stand at 50 N - 800 = 1006200 at most.
  std::string stops;
  for (int i = 0; i < 77; ++i) stops += Stop(12000 * i + 1000, "S" + std::to_string(i + 1));
  stops += Stop(1006200, "ULTIMA");
  auto run = Compile(LineDescription(1000000, ""), TrainDescription(stops), 0);
  EXPECT_EQ(run->state.error_code, 0);
  EXPECT_EQ(run->state.scenario[78].name, "ULTIMA");

  // A stop 50 m further lies beyond the grid.
  auto beyond = Compile(LineDescription(1000000, ""),
                        TrainDescription(stops + Stop(1006250, "OLTRE")), 0);
  EXPECT_EQ(beyond->state.error_code, 15);
  EXPECT_EQ(beyond->state.error_position, 1006250);
  // A 79th stop is stored in row 79, which reaches the board row cursor 80.
  auto ten = Compile(LineDescription(1000000, ""), TrainDescription(Stop(0, "PRIMA") + stops), 0);
  EXPECT_EQ(ten->state.error_code, 10);
  EXPECT_EQ(ten->state.scenario[79].name, "ULTIMA");
}

TEST(LimitsTest, ThousandsOfSignalsAndCodeReductionsToTheEndOfTheGrid) {
  std::string records;
  int signals = 0;
  for (int64_t p = 400; p <= 1006400; p += 400, ++signals) {
    records += "segnale, " + std::to_string(p) + ", 2, 4, 1, 0, 0, 2, 2, 1, 0, 0\r\n";
    records += "abbattimento codice, " + std::to_string(p + 200) + ", 270\r\n";
  }
  records += "segnale, 1006900, 1, 4, 0, 0, 0, 1, 1, 0, 0, 0\r\n";  // (p + 100) / 50 = N
  auto run = Compile(LineDescription(1000000, ""), TrainDescription(records), 0);
  EXPECT_EQ(run->state.error_code, 0);
  int signal_cells = 0, reductions = 0;
  for (const Cell& cell : run->state.grid.cells()) {
    signal_cells += cell.cell_type == kSignal;
    reductions += cell.cell_type == kCodeReduction;
  }
  EXPECT_EQ(signal_cells, signals + 1);
  EXPECT_EQ(reductions, signals);
  EXPECT_EQ(run->state.grid.at(20139).cell_type, kSignal);

  auto beyond = Compile(LineDescription(1000000, ""),
                        TrainDescription("segnale, 1006950, 1, 4, 0, 0, 0, 1, 1, 0, 0, 0\r\n"), 0);
  EXPECT_EQ(beyond->state.error_code, 15);
  EXPECT_EQ(beyond->state.error_position, 1006950);
}

TEST(LimitsTest, HundredsOfSlowdownsGetTheirReductions) {
  std::string records;
  for (int64_t x = 2000; x <= 1000000; x += 2000) {
    records += "rallentamento, " + std::to_string(x) + ", 60, 400, 1, 1, 0\r\n";
  }
  auto run = Compile(LineDescription(1000000, ""), TrainDescription(records), 0);
  EXPECT_EQ(run->state.error_code, 0);
  int starts = 0, reductions = 0;
  for (const Cell& cell : run->state.grid.cells()) {
    starts += cell.cell_type == kSlowdownStart;
    reductions += cell.cell_type == kCodeReduction;
  }
  EXPECT_EQ(starts, 500);
  // Three windows before each start and one reduction inside each.
  EXPECT_EQ(reductions, 4 * 500);
}

TEST(LimitsTest, LongLinesAndFields) {
  const std::string megabyte(1 << 20, 'x');
  // A preamble line of a megabyte and a keyword field of a megabyte.
  auto run = Compile(megabyte + "\r\n" + LineDescription(3000, megabyte + "pendenza, 500, 3\r\n"),
                     kNoTrainRecords);
  EXPECT_EQ(run->state.error_code, 0);
  EXPECT_EQ(run->state.grid.at(10).gradient, 103);

  // A sign text as long as the scenario file can carry, and one longer.
  auto longest = Compile(
      LineDescription(3000, "cartello indicatore, 500, " + std::string(65535, 'T') + "\r\n"),
      kNoTrainRecords);
  EXPECT_EQ(longest->state.error_code, 0);
  EXPECT_EQ(longest->scenario_file.size(), 2976u + 65535);
  auto too_long = Compile(
      LineDescription(3000, "cartello indicatore, 500, " + std::string(70000, 'T') + "\r\n"),
      kNoTrainRecords);
  EXPECT_EQ(too_long->state.error_code, 25);

  // A stop name too long for its row, and a number of a megabyte of digits.
  auto long_name = Compile(LineDescription(3000, ""),
                           TrainDescription(Stop(1000, std::string(70000, 'N'))));
  EXPECT_EQ(long_name->state.error_code, 25);
  auto long_number = Compile(LineDescription(3000, "pendenza, " + std::string(1 << 20, '7') + ", 1\r\n"),
                             kNoTrainRecords);
  EXPECT_EQ(long_number->state.error_code, 25);
}

// Ten megabytes drawn from the descriptions' own vocabulary, so that records
// begin and are cut off everywhere.
std::string Noise(uint32_t seed, size_t size) {
  static const char* const kWords[] = {
      "[generale]", "lunghezza percorso", "pendenza", "curvad3", "curvas", "montagna",
      "indicatori_vmax", "cartello indicatore", "segnale", "rallentamento", "stazione",
      "abbattimento", "velocita'", "aderenza", "orologio", "- ", ",", ",", ",", "\r\n", "\n",
      " ", "-", "\t", "0", "50", "1275", "6900", "20000", "-7", "99999999999", "\xff"};
  std::mt19937 random(seed);
  // One draw in twelve is a number instead of a word.
  std::uniform_int_distribution<size_t> word(0, std::size(kWords) + 2);
  std::uniform_int_distribution<int> digits(0, 30000);
  std::string text;
  text.reserve(size + 64);
  while (text.size() < size) {
    const size_t w = word(random);
    if (w >= std::size(kWords)) {
      text += std::to_string(digits(random));
    } else {
      text += kWords[w];
    }
  }
  return text;
}

TEST(LimitsTest, TenMegabytesOfNoiseCompileOrGetTheirCode) {
  const std::string noise = Noise(7304, 10 << 20);
  // Whatever code they get, the invariants hold (checked by Compile).
  Compile(noise, kNoTrainRecords);
  Compile(LineDescription(20000, ""), noise, 0);
  std::string bytes(10 << 20, '\0');
  std::mt19937 random(1);
  for (char& c : bytes) c = static_cast<char>(random());
  auto raw = Compile(bytes, bytes, 0);
  EXPECT_EQ(raw->state.error_code, 102);
}

}  // namespace
}  // namespace scenario
