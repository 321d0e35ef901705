// The carried scenario, compiled with the packager's own compile step into a
// folder, then decoded, dumped and drawn.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "app/compile_step.h"
#include "content/documents.h"
#include "descriptions/description_source.h"
#include "tools/common/test_support.h"
#include "tools/inspect/dump.h"
#include "tools/common/json.h"
#include "tools/common/route_summary.h"
#include "tools/common/scenario_folder.h"
#include "tools/common/svg.h"

namespace scenario {
namespace {

using testing::Count;

std::string Emitted(const LineBuffer& lines) {
  std::string text;
  for (const std::string& line : lines) {
    if (line == kEndMarker) break;
    text += line + "\r\n";
  }
  return text;
}

class InspectCarriedScenarioTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder_ = new testing::TestFolder;
    GeneratorState state;
    state.route_name = kRouteName;
    state.train_number = kTrainNumber;
    MemorySource source(Emitted(CarriedLineDescription()), Emitted(CarriedTrainDescription()));
    FreshFileWriter writer;
    CompileResult result = memorizza_percorso(state, 1, source, folder_->path(), writer);
    ASSERT_TRUE(result.status.ok()) << result.status.message();
    ASSERT_EQ(state.error_code, 0) << "error position " << state.error_position;
    auto loaded = std::make_unique<ScenarioFolder>();
    ASSERT_TRUE(LoadScenarioFolder(folder_->path(), loaded.get()).ok());
    loaded_ = loaded.release();
  }
  // Every test needs the compiled folder.
  void SetUp() override { ASSERT_NE(loaded_, nullptr) << "the carried scenario did not compile"; }
  static void TearDownTestSuite() {
    delete loaded_;
    delete folder_;
  }

  static testing::TestFolder* folder_;
  static ScenarioFolder* loaded_;
};

testing::TestFolder* InspectCarriedScenarioTest::folder_ = nullptr;
ScenarioFolder* InspectCarriedScenarioTest::loaded_ = nullptr;

TEST_F(InspectCarriedScenarioTest, FilesAgreeWithEachOther) {
  EXPECT_EQ(loaded_->route_name, "Corvena_Lidra1");
  EXPECT_EQ(loaded_->train_number, "7304");
  EXPECT_TRUE(loaded_->warnings.empty());
  EXPECT_EQ(loaded_->route.size, 5539964u);
  EXPECT_EQ(loaded_->grid.size, 83115u);
  EXPECT_EQ(loaded_->RouteLength(), 270000);
  RouteSummary route = SummariseRoute(loaded_->route.route);
  EXPECT_EQ(route.route_length, 270000);
  EXPECT_EQ(route.curves.size(), 75u);  // one stretch per curve record
}

TEST_F(InspectCarriedScenarioTest, DumpAndJsonOfEveryFile) {
  for (const InspectedFile* file : {&loaded_->route, &loaded_->scenario, &loaded_->grid}) {
    std::ostringstream out;
    DumpInspectedFile(*file, out);
    EXPECT_GT(out.str().size(), 1000u) << file->name;
    EXPECT_NO_THROW(InspectedFileToJson(*file).dump()) << file->name;
  }
  std::ostringstream scenario;
  DumpInspectedFile(loaded_->scenario, scenario);
  EXPECT_NE(scenario.str().find("(33 stop rows, 9 sign-board rows)"), std::string::npos);
  EXPECT_NE(scenario.str().find("weighted_check_code 31507 (matches the names)"), std::string::npos);
  std::ostringstream grid;
  DumpInspectedFile(loaded_->grid, grid);
  EXPECT_NE(grid.str().find("cell 1 stamps: format mark 5121, plain check code 2312"), std::string::npos);
  // Objects show the values their records wrote, not the packed ones.
  const char* as_written[] = {
      "cell 411  20500 m  signal  left: sx 2, s1 4, s2 0, s3 0, rapp 0; right: dx 2, d1 1, d2 0, "
      "d3 0, tempo 0\n",
      "cell 22  1050 m  speed_board  left: vas 85 km/h, vbs 90 km/h, vcs 95 km/h, strisces 0; "
      "right: vad 85 km/h, vbd 90 km/h, vcd 95 km/h, strisced 0\n",
      "cell 326  16250 m  speed_board  left: vas 220 km/h, vbs 240 km/h, vcs 250 km/h",
  };
  for (const char* line : as_written) {
    EXPECT_NE(grid.str().find(line), std::string::npos) << line;
  }
  EXPECT_NE(scenario.str().find("\"TORRAVA\"  zone 198350 .. 199150 m  position 198750 m, kind 4, "
                                "length 800 m, tps 0, tab 1, mar 0; first: d2 1, d3 1, rap 0; "
                                "second: d1 4, d2 1, d3 1, ac 60; time 15:22:00\n"),
            std::string::npos)
      << scenario.str();
}

TEST_F(InspectCarriedScenarioTest, PictureHoldsTheWholeRun) {
  std::string svg = RenderScenarioSvg(*loaded_);
  EXPECT_EQ(inspect_test::XmlProblem(svg), "");
  std::filesystem::path file = folder_->Write("carried.svg", svg);
  if (std::optional<bool> ok = inspect_test::PythonSaysWellFormed(file)) {
    EXPECT_TRUE(*ok);
  }
  struct Expected {
    const char* text;
    size_t count;
  };
  const Expected expected[] = {
      {"<polyline class=\"track\"", 1},
      {"<g class=\"stop\">", 33},
      {"<g class=\"signal\">", 106},
      {"<g class=\"speed-board\">", 21},
      {"<g class=\"sign-board\">", 9},
      {"<g class=\"code\">", 29},  // 24 of code 270, 5 of 180
      {"<g class=\"slowdown\">", 0},
      // The three chainage sections, each marked with the chainage it starts.
      {"<g class=\"section\">", 3},
      {">km 219+200</text>", 1},
      {">km 199+650</text>", 1},
      {">km 310+100</text>", 1},
      {">VALMERA</text>", 2},
      {">MONTEGRIDO</text>", 2},
  };
  for (const Expected& e : expected) EXPECT_EQ(Count(svg, e.text), e.count) << e.text;
}

}  // namespace
}  // namespace scenario
