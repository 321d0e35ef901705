// The scene of the carried scenario, compiled by scenario-compile's own run
// with the viewer's listener: what the page shows for an object is what the
// descriptions wrote, at the cell and chainage the system fixes, with the
// line of the record that made it.
#include "tools/viewer/scene.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "content/documents.h"
#include "tools/viewer/compile_sources.h"

namespace scenario::viewer {
namespace {

std::string Emitted(const LineBuffer& lines) {
  std::string text;
  for (const std::string& line : lines) {
    if (line == kEndMarker) break;
    text += line + "\r\n";
  }
  return text;
}

class CarriedSceneTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = std::filesystem::temp_directory_path() / ("viewer-scene-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir_);
    CompileOptions options;
    options.line_path = (dir_ / "line.txt").string();
    options.train_path = (dir_ / "train.txt").string();
    options.out_dir = (dir_ / "out").string();
    std::ofstream(options.line_path, std::ios::binary) << Emitted(CarriedLineDescription());
    std::ofstream(options.train_path, std::ios::binary) << Emitted(CarriedTrainDescription());
    std::optional<SourceIndex> sources;
    options.on_compiled = [&](const CompiledRun& run) {
      sources = IndexCompile(run, {options.line_path, options.train_path, std::string(run.line_text),
                                   std::string(run.train_text)});
    };
    std::ostringstream err;
    const CompileSummary summary = RunCompile(options, err);
    ASSERT_FALSE(CompileFailed(summary)) << err.str();
    ScenarioFolder folder;
    ASSERT_TRUE(LoadScenarioFolder(options.out_dir, &folder).ok());
    scene_ = new Json(SceneJson(folder, &*sources));
  }
  static void TearDownTestSuite() {
    delete scene_;
    std::filesystem::remove_all(dir_);
  }
  void SetUp() override { ASSERT_NE(scene_, nullptr); }

  static const Json& Lane(const char* id) {
    for (const Json& lane : (*scene_)["lanes"]) {
      if (lane["id"] == id) return lane["objects"];
    }
    throw std::runtime_error(std::string("no lane ") + id);
  }
  static const Json& At(const char* lane, int64_t at) {
    for (const Json& object : Lane(lane)) {
      if (object["at"] == at) return object;
    }
    throw std::runtime_error(std::string("nothing at that position in ") + lane);
  }
  static std::string Source(const Json& object) {
    return object["source"]["file"].get<std::string>().substr(dir_.string().size() + 1) + ":" +
           std::to_string(object["source"]["line"].get<int>()) + ": " + object["source"]["text"].get<std::string>();
  }

  static inline std::filesystem::path dir_;
  static inline Json* scene_ = nullptr;
};

TEST_F(CarriedSceneTest, SignalAt20500InAuthorUnitsWithItsRecord) {
  const Json& signal = At("signals", 20500);
  EXPECT_EQ(signal["cell"], 411);
  EXPECT_EQ(signal["chainage"], "km 20+500");
  EXPECT_EQ(signal["values"].dump(),
            R"([["sx","2"],["s1","4"],["s2","0"],["s3","0"],["rapp","0"],["dx","2"],["d1","1"],["d2","0"],)"
            R"(["d3","0"],["tempo","0"]])");
  EXPECT_EQ(signal["raw"].dump(),
            R"([["s1*10+d1",41],["s2*10+d2",0],["s3*10+d3",0],["rapp*10+sx*3+dx",8],["signal_time",0]])");
  EXPECT_EQ(Source(signal), "train.txt:92: segnale,  20500, 2, 4, 0, 0, 0,     2, 1, 0, 0, 0");
}

TEST_F(CarriedSceneTest, SpeedBoardSpeedsInKmH) {
  const Json& board = At("speed-boards", 1050);
  EXPECT_EQ(board["cell"], 22);
  EXPECT_EQ(board["values"].dump(),
            R"([["vas","85 km/h"],["vbs","90 km/h"],["vcs","95 km/h"],["strisces","0"],)"
            R"(["vad","85 km/h"],["vbd","90 km/h"],["vcd","95 km/h"],["strisced","0"]])");
  EXPECT_EQ(Source(board), "line.txt:225: indicatori_vmax,  1050, 85, 90, 95, 0, 85, 90, 95, 0");
}

TEST_F(CarriedSceneTest, StopsAndPassingPointsByTheirStopCells) {
  const Json& stops = Lane("stops");
  ASSERT_EQ(stops.size(), 33u);
  int stopping = 0;
  for (const Json& stop : stops) stopping += stop["kind"] == "stop";
  EXPECT_EQ(stopping, 9);
  const Json& first = stops[0];
  EXPECT_EQ(first["label"], "VALMERA");
  EXPECT_EQ(first["row"], 1);
  EXPECT_EQ(first["kind"], "stop");
  EXPECT_EQ(Source(first), "train.txt:45: stazione,      0,  8, 500,  1, 0, 0,   4,0,0,  2,1,0,  1, 10,50, 0, VALMERA");
  EXPECT_EQ(At("stops", 12850)["kind"], "passing point");
}

TEST_F(CarriedSceneTest, CurvesWithClassRadiusAndHand) {
  const Json& curve = At("curves", 500);
  EXPECT_EQ(curve["end"], 800);
  EXPECT_EQ(curve["hand"], "right");
  EXPECT_EQ(curve["label"], "R 5000 m");
  EXPECT_EQ(At("curves", 1000)["hand"], "left");
  EXPECT_EQ(At("curves", 1000)["label"], "R 2500 m");
  EXPECT_EQ(Source(At("curves", 1000)), "line.txt:147: curvas3,  1000,  900");
}

TEST_F(CarriedSceneTest, GradientStepsStartAtTheRecordsCell) {
  for (const Json& profile : (*scene_)["profiles"]) {
    if (profile["id"] != "gradient") continue;
    EXPECT_TRUE(profile["signed"]) << "a gradient is drawn around its zero line";
    for (const Json& step : profile["steps"]) {
      if (step["from"] != 4750) continue;
      EXPECT_EQ(step["first_cell"], 95);
      EXPECT_EQ(step["value"], -8);
      EXPECT_EQ(step["stored"], 92);
      EXPECT_EQ(Source(step), "line.txt:48: pendenza  , 4750   , -8");
      return;
    }
  }
  FAIL() << "no gradient step from 4750 m";
}

TEST_F(CarriedSceneTest, ChainageSectionsInOrderWithTheirRecords) {
  const Json& sections = (*scene_)["chainage"];
  ASSERT_EQ(sections.size(), 3u);
  EXPECT_EQ(sections[0]["start"], 190600);
  EXPECT_EQ(sections[0]["offset"], 28600);
  // The page labels the section's line with the chainage where it begins.
  EXPECT_EQ(sections[0]["chainage"], "km 219+200");
  EXPECT_EQ(Source(sections[0]), "line.txt:41: progressiva chilometrica tre,    190600,    28600,    0");
  EXPECT_EQ(At("signals", 20500)["chainage"], "km 20+500");
}

}  // namespace
}  // namespace scenario::viewer
