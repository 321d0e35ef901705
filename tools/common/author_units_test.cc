// The values as authors wrote them, read back from what the writers and the
// readers stored: random records through the real writers come back as
// written, for every value a description allows.
#include "tools/common/author_units.h"

#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/compile_step.h"
#include "descriptions/description_source.h"
#include "grid/cell_writers.h"
#include "tests/test_folder.h"

namespace scenario {
namespace {

std::vector<int64_t> Values(const std::vector<AuthorValue>& values) {
  std::vector<int64_t> out;
  for (const AuthorValue& v : values) out.push_back(v.value);
  return out;
}

std::vector<std::string> Names(const std::vector<AuthorValue>& values) {
  std::vector<std::string> out;
  for (const AuthorValue& v : values) out.push_back(v.group + " " + v.name);
  return out;
}

GeneratorState SizedState() {
  GeneratorState state;
  state.grid.Size(30000);
  return state;
}

// Speeds are multiples of 5 up to 495 km/h (a fifth of them fits two
// digits), stripes single digits.
TEST(AuthorUnitsTest, SpeedBoardsComeBackAsWritten) {
  std::mt19937 random(5);
  for (int trial = 0; trial < 500; ++trial) {
    GeneratorState state = SizedState();
    std::vector<int32_t> v(8);
    for (int i = 0; i < 8; ++i) {
      const int32_t draw = static_cast<int32_t>(random() % 100);
      v[i] = i % 4 == 3 ? draw % 10 : 5 * draw;  // the stripes come fourth on each side
    }
    std::vector<int64_t> written(v.begin(), v.end());
    memo_indicatori_v_max(state, 1050, v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]);
    const std::vector<AuthorValue> read = SpeedBoardAsWritten(state.grid.at(22));
    EXPECT_EQ(Values(read), written);
  }
  const std::vector<AuthorValue> read = SpeedBoardAsWritten(SizedState().grid.at(0));
  EXPECT_EQ(Names(read), (std::vector<std::string>{"left vas", "left vbs", "left vcs",
                                                   "left strisces", "right vad", "right vbd",
                                                   "right vcd", "right strisced"}));
  EXPECT_EQ(read[0].unit, "km/h");
}

// sx 1 or 2, dx 0 to 2, the aspects and rapp single digits; tempo as the
// writer keeps it (101 for 1 to 100, and only with sx 2).
TEST(AuthorUnitsTest, SignalsComeBackAsWritten) {
  std::mt19937 random(9);
  for (int trial = 0; trial < 500; ++trial) {
    GeneratorState state = SizedState();
    int32_t sx = 1 + static_cast<int32_t>(random() % 2), dx = static_cast<int32_t>(random() % 3);
    int32_t s1 = random() % 10, s2 = random() % 10, s3 = random() % 10, rapp = random() % 10;
    int32_t d1 = random() % 10, d2 = random() % 10, d3 = random() % 10;
    int32_t tempo = static_cast<int32_t>(random() % 256);
    const int64_t kept = sx != 2 ? 0 : (tempo >= 1 && tempo <= 100) ? 101 : tempo;
    const std::vector<int64_t> written{sx, s1, s2, s3, rapp, dx, d1, d2, d3, kept};
    memo_segnale(state, 20500, sx, s1, s2, s3, rapp, dx, d1, d2, d3, tempo);
    EXPECT_EQ(Values(SignalAsWritten(state.grid.at(411))), written);
  }
}

// Stop records through the train reader: the row reads back as the record,
// with tab and mar as the reader keeps them.
TEST(AuthorUnitsTest, StopRowsComeBackAsWritten) {
  const std::string line = "[generale]\r\nlunghezza percorso, 30000\r\n[pendenze]\r\n[fine]\r\n";
  const std::string train =
      "[generale]\r\n"
      "stazione,      0,  8, 500,  1, 0, 0,   4,0,0,  2,1,0,  1, 10,50, 0, ORIGINE\r\n"
      "stazione,   4500,  2, 800,  3, 1, 1,   1,1,0,  4,0,7,  9, 15,22, 5, MEZZO\r\n"
      "stazione,   9000,  6, 600,  1, 0, 1,   0,0,0,  0,0,0,  0, 15,58, 0, FINE\r\n"
      "[fine]\r\n";
  GeneratorState state;
  state.route_name = kRouteName;
  state.train_number = kTrainNumber;
  MemorySource source(line, train);
  testing::TestFolder folder;
  FreshFileWriter writer;
  ASSERT_TRUE(memorizza_percorso(state, 0, source, folder.path(), writer).status.ok());
  ASSERT_EQ(state.error_code, 0);
  EXPECT_EQ(Values(StopAsWritten(state.scenario[1])),
            (std::vector<int64_t>{0, 8, 500, 1, 0, 0, 4, 0, 0, 2, 1, 0, 1, 10, 50, 0}));
  EXPECT_EQ(Values(StopAsWritten(state.scenario[2])),
            (std::vector<int64_t>{4500, 2, 800, 3, 1, 1, 1, 1, 0, 4, 0, 7, 9, 15, 22, 5}));
  // mar is kept 0 for kinds 5 to 8.
  EXPECT_EQ(Values(StopAsWritten(state.scenario[3])),
            (std::vector<int64_t>{9000, 6, 600, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 15, 58, 0}));
}

// The turn found in a plan is a class's only within its rounding; the
// curves of every class compiled into a route file are checked against the
// author's guide's table in tests/authoring_reference_test.cc.
TEST(AuthorUnitsTest, CurveClassesByTheirTurn) {
  const CurveClass left = CurveClassOf(-0.0020000003);
  EXPECT_EQ(left.number, 5);
  EXPECT_TRUE(left.left);
  EXPECT_DOUBLE_EQ(left.radius, 500);
  EXPECT_EQ(CurveClassOf(0.003).number, 6);
  EXPECT_DOUBLE_EQ(CurveClassOf(0.003).radius, 1000.0 / 3);
  const CurveClass none = CurveClassOf(0.00015);
  EXPECT_EQ(none.number, 0);
  EXPECT_DOUBLE_EQ(none.radius, 1 / 0.00015);
  EXPECT_FALSE(none.left);
}

}  // namespace
}  // namespace scenario
