// The carried descriptions compiled through both readers, in memory.
#include <gtest/gtest.h>

#include <map>

#include "app/generator_state.h"
#include "content/document_test_support.h"
#include "descriptions/description_source.h"
#include "descriptions/read_descriptions.h"
#include "grid/completion_pass.h"
#include "grid/grid_file.h"

namespace scenario {
namespace {

using content_testing::EmittedText;

class CarriedScenarioTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    state_ = new GeneratorState;
    state_->route_name = kRouteName;
    state_->train_number = kTrainNumber;
    state_->build_route_table = 1;
    state_->scenario.Reset();
    source_ = new MemorySource(EmittedText(CarriedLineDescription()), EmittedText(CarriedTrainDescription()));
    memorizza_dati(*state_, *source_);
  }
  static void TearDownTestSuite() {
    delete state_;
    delete source_;
  }

  static GeneratorState* state_;
  static MemorySource* source_;
  const GeneratorState& state = *state_;
};

GeneratorState* CarriedScenarioTest::state_ = nullptr;
MemorySource* CarriedScenarioTest::source_ = nullptr;

TEST_F(CarriedScenarioTest, CompilesWithoutAnError) {
  EXPECT_EQ(state.error_code, 0) << "error position " << state.error_position;
  EXPECT_TRUE(source_->line_deleted);
  EXPECT_TRUE(source_->train_deleted);
}

TEST_F(CarriedScenarioTest, StopRowsFromOneAndSignRowsFromEighty) {
  for (int row = 1; row <= 33; ++row) EXPECT_FALSE(state.scenario[row].name.empty()) << "row " << row;
  for (int row = 34; row <= 71; ++row) {
    const ScenarioRow& r = state.scenario[row];
    EXPECT_TRUE(r.name.empty() && r.kind == 0 && r.position == 0 && r.span_start == 0 && r.span_end == 0 &&
                r.scheduled_time == 0)
        << "row " << row;
  }
  for (int row = 72; row <= 80; ++row) EXPECT_EQ(state.scenario[row].name.front(), '(') << "row " << row;
  EXPECT_EQ(state.board_row_cursor, 71);
  EXPECT_EQ(state.scenario[80].name, "( DOPPIO  ) ( BIVIO  ) (CALVENTO )");
  // The origin: zone 500 m behind and ahead, 10:50:00.
  const ScenarioRow& origin = state.scenario[1];
  EXPECT_EQ(origin.name, "VALMERA");
  EXPECT_EQ(origin.span_start, -500);
  EXPECT_EQ(origin.span_end, 500);
  EXPECT_EQ(origin.scheduled_time, 39000);
  EXPECT_EQ(state.scenario[33].name, "MONTEGRIDO");
  EXPECT_EQ(state.scenario[33].scheduled_time, (15 * 60 + 58) * 60);
}

TEST_F(CarriedScenarioTest, GeneralRows) {
  const ScenarioRow& train = state.scenario[kTrainRow];
  EXPECT_EQ(train.second_d1, 13);
  EXPECT_EQ(train.second_d2, 53);
  EXPECT_EQ(train.second_d3, 30);
  EXPECT_EQ(train.first_d2, 300);
  EXPECT_EQ(train.span_start, 4900);
  EXPECT_EQ(train.span_end, 266650);
  EXPECT_EQ(train.position, 9);
  const ScenarioRow& run = state.scenario[kRunRow];
  EXPECT_EQ(run.span_start, 130);
  EXPECT_EQ(run.span_end, 270000);
  EXPECT_EQ(run.position, 12);
  EXPECT_EQ(state.scenario[kChainageRow3].span_start, 263600);
  EXPECT_EQ(state.scenario[kChainageRow2].span_start, 206200);
  EXPECT_EQ(state.scenario[kChainageRow1].span_start, 190600);
}

TEST_F(CarriedScenarioTest, EveryObjectKeepsACellOfItsOwn) {
  std::map<int, int> by_type;
  for (const Cell& cell : state.grid.cells()) ++by_type[cell.cell_type];
  EXPECT_EQ(by_type[kSignal], 106);
  EXPECT_EQ(by_type[kSpeedBoard], 21);
  EXPECT_EQ(by_type[kSignBoard], 9);
  EXPECT_EQ(by_type[kCodeReduction], 29);
  EXPECT_EQ(by_type[kStationStop], 9);
  EXPECT_EQ(by_type[kCodeZero], 0);
  for (int type : {kSlowdownEnd, kSlowdownStart, kSlowdownWarning, kSlowdownPrewarning}) EXPECT_EQ(by_type[type], 0);
  // Cell 1 stays free for the check codes.
  EXPECT_EQ(state.grid.at(1).cell_type, kEmpty);
  EXPECT_EQ(state.grid.at(1).value_a, 0);
}

TEST_F(CarriedScenarioTest, SignalAt20500AndTheOriginStopCell) {
  const Cell& signal = state.grid.at(411);
  EXPECT_EQ(signal.cell_type, kSignal);
  EXPECT_EQ(signal.value_a, 41);
  EXPECT_EQ(signal.value_d, 8);
  for (int k = 1; k <= 4; ++k) EXPECT_EQ(state.grid.at(411 - 2 * k).approach_mark, 80 + k);
  EXPECT_EQ(state.grid.at(9).cell_type, kStationStop);
  EXPECT_EQ(state.grid.at(9).value_a, 1);
  for (int j = 1; j <= 4; ++j) EXPECT_EQ(state.grid.at(9 - j).approach_mark, 80 + j);
}

TEST_F(CarriedScenarioTest, FileSizesAndAnUnchangedGridAfterCompletion) {
  EXPECT_EQ(state.route.EncodedSize(), 5539964u);
  EXPECT_EQ(EncodeGridFile(state.grid).size(), 83115u);
  // No slowdown: the completion pass has nothing to add.
  GeneratorState completed = state;
  CompleteGrid(completed);
  EXPECT_EQ(completed.error_code, 0);
  EXPECT_EQ(EncodeGridFile(completed.grid), EncodeGridFile(state.grid));
}

}  // namespace
}  // namespace scenario
