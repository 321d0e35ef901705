// The scenario picture: a folder of three files becomes one well-formed SVG
// document with the plan, the lanes of objects and the chainage axis.
#include <gtest/gtest.h>

#include "tools/common/test_support.h"
#include "tools/common/scenario_folder.h"
#include "tools/common/svg.h"

namespace scenario {
namespace {

using inspect_test::Count;

// A 5000 m route with one right curve, two stops (one named with XML's own
// characters), one board, one chainage section from 2000 m, and in the grid
// two signals, a speed board, a sign board, a code reduction, a slowdown with
// its warning board and a tunnel.
void WriteScenario(const inspect_test::TempFolder& folder, const std::string& train = "7304") {
  RouteTable route = inspect_test::StraightRoute(5000);
  inspect_test::ExtendRoute(&route, 1001, 1300, 0.002);
  inspect_test::ExtendRoute(&route, 1301, 11998, 0.0);
  folder.Write("Corvena_Lidra1_linea.dat", inspect_test::RouteBytes(route));

  ScenarioTable table = inspect_test::NamedTable();
  table[1] = {.kind = 8, .span_start = -500, .span_end = 500, .position = 0, .name = "VALMERA"};
  table[2] = {.kind = 2, .span_start = 3600, .span_end = 4450, .position = 4000, .name = "A&B <C>"};
  table[80].name = "( DOPPIO  ) ( BIVIO  )";
  table[83].span_start = 2000;
  table[83].span_end = 28600;
  table[84].span_end = 5000;
  folder.Write("Corvena_Lidra1_" + train + ".sim", EncodeScenarioFile(table));

  TrackGrid grid;
  grid.Size(5000);
  for (Cell& cell : grid.cells()) {
    cell.speed_limit = 20;
    cell.gradient = 93;
    cell.adhesion = 80;
  }
  auto place = [&](int64_t cell, uint8_t type, int16_t value_a) {
    grid.at(cell).cell_type = type;
    grid.at(cell).value_a = value_a;
  };
  place(41, kSignal, 41);
  place(61, kSignal, 42);
  place(22, kSpeedBoard, 1717);
  place(30, kSignBoard, 80);
  place(50, kCodeReduction, 270);
  place(57, kSlowdownWarning, 30);
  place(81, kSlowdownStart, 30);
  place(85, kSlowdownEnd, 30);
  for (int64_t i = 60; i <= 70; ++i) grid.at(i).tunnel_kind = 1;
  folder.Write("Corvena_Lidra1_" + train + ".dat", EncodeGridFile(grid));
}

TEST(InspectSvgTest, DrawsAWellFormedPictureWithEveryObject) {
  inspect_test::TempFolder folder;
  WriteScenario(folder);
  ScenarioFolder loaded;
  ASSERT_TRUE(LoadScenarioFolder(folder.path(), &loaded).ok());
  EXPECT_EQ(loaded.route_name, "Corvena_Lidra1");
  EXPECT_EQ(loaded.train_number, "7304");
  EXPECT_TRUE(loaded.warnings.empty());
  std::string svg = RenderScenarioSvg(loaded);

  EXPECT_EQ(inspect_test::XmlProblem(svg), "");
  std::filesystem::path file = folder.Write("picture.svg", svg);
  if (std::optional<bool> ok = inspect_test::PythonSaysWellFormed(file)) {
    EXPECT_TRUE(*ok);
  }

  EXPECT_EQ(svg.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\"", 0), 0u);
  struct Expected {
    const char* text;
    size_t count;
  };
  const Expected expected[] = {
      {"<g id=\"plan\">", 1},          {"<polyline class=\"track\"", 1},
      {"<polyline class=\"overrun\"", 1}, {"<g class=\"stop\">", 2},
      {"<g class=\"signal\">", 2},     {"<g class=\"speed-board\">", 1},
      {"<g class=\"sign-board\">", 1}, {"<g class=\"code\">", 1},
      {"<g class=\"slowdown\">", 3},   {"class=\"slowdown-span\"", 1},
      {"<g class=\"tunnel\">", 1},     {"class=\"profile speed-limit\"", 1},
      {"class=\"profile gradient\"", 1}, {"class=\"profile adhesion\"", 1},
      {"<g id=\"chainage-axis\"", 1},  {"<g class=\"section\">", 1},
      // The names, escaped, in the stop lane and on the plan; the board's text
      // without its padding.
      {">A&amp;B &lt;C&gt;</text>", 2}, {">VALMERA</text>", 2},
      {">( DOPPIO ) ( BIVIO )</text>", 1},
      // The section from 2000 m: 2000 + 28600.
      {">km 30+600</text>", 1},
  };
  for (const Expected& e : expected) EXPECT_EQ(Count(svg, e.text), e.count) << e.text;
}

TEST(InspectSvgTest, FolderProblemsAreNamed) {
  struct Case {
    std::vector<std::string> files;  // written from a complete scenario, then trimmed
    std::string says;
  };
  inspect_test::TempFolder base;
  WriteScenario(base);
  ScenarioFolder f;
  EXPECT_NE(LoadScenarioFolder(base.path() / "absent", &f).message().find("no such folder"), std::string::npos);

  const Case cases[] = {
      {{"Corvena_Lidra1_7304.sim", "Corvena_Lidra1_7304.dat"}, "no route file"},
      {{"Corvena_Lidra1_linea.dat", "Corvena_Lidra1_7304.dat"}, "no scenario file"},
      {{"Corvena_Lidra1_linea.dat", "Corvena_Lidra1_7304.sim"}, "grid file Corvena_Lidra1_7304.dat is missing"},
  };
  for (const Case& c : cases) {
    inspect_test::TempFolder folder;
    for (const std::string& name : c.files) std::filesystem::copy_file(base.path() / name, folder.path() / name);
    ScenarioFolder loaded;
    Status problem = LoadScenarioFolder(folder.path(), &loaded);
    ASSERT_TRUE(!problem.ok()) << c.says;
    EXPECT_NE(problem.message().find(c.says), std::string::npos) << problem.message();
  }
}

TEST(InspectSvgTest, SeveralScenariosOrABrokenFileAreRefused) {
  inspect_test::TempFolder folder;
  WriteScenario(folder);
  WriteScenario(folder, "9999");
  ScenarioFolder loaded;
  Status problem = LoadScenarioFolder(folder.path(), &loaded);
  ASSERT_TRUE(!problem.ok());
  EXPECT_NE(problem.message().find("trains 7304, 9999"), std::string::npos) << problem.message();

  inspect_test::TempFolder broken;
  WriteScenario(broken);
  std::filesystem::resize_file(broken.path() / "Corvena_Lidra1_7304.dat", 100);
  problem = LoadScenarioFolder(broken.path(), &loaded);
  ASSERT_TRUE(!problem.ok());
  EXPECT_NE(problem.message().find("Corvena_Lidra1_7304.dat: named like a grid file"), std::string::npos) << problem.message();
}

TEST(InspectSvgTest, DisagreementsBecomeWarningsInThePicture) {
  inspect_test::TempFolder folder;
  WriteScenario(folder, "8000");  // row 86 still names train 7304
  ScenarioFolder loaded;
  ASSERT_TRUE(LoadScenarioFolder(folder.path(), &loaded).ok());
  ASSERT_EQ(loaded.warnings.size(), 1u);
  EXPECT_NE(loaded.warnings[0].find("row 86 names the train \"7304\""), std::string::npos);
  std::string svg = RenderScenarioSvg(loaded);
  EXPECT_EQ(inspect_test::XmlProblem(svg), "");
  EXPECT_EQ(Count(svg, "class=\"warning\""), 1u);
}

TEST(InspectSvgTest, TheWellFormednessCheckCatchesFaults) {
  EXPECT_EQ(inspect_test::XmlProblem("<a><b x=\"1\"/></a>"), "");
  EXPECT_NE(inspect_test::XmlProblem("<a><b></a></b>"), "");
  EXPECT_NE(inspect_test::XmlProblem("<a>x & y</a>"), "");
  EXPECT_NE(inspect_test::XmlProblem("<a t=\"<\"></a>"), "");
  EXPECT_NE(inspect_test::XmlProblem("<a>"), "");
}

}  // namespace
}  // namespace scenario
