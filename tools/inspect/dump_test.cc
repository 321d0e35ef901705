// The text dump and the JSON of each kind of file.
#include <gtest/gtest.h>

#include <sstream>

#include "tools/common/test_support.h"
#include "tools/inspect/dump.h"
#include "tools/common/json.h"

namespace scenario {
namespace {

InspectedFile Decoded(const std::string& name, const std::string& bytes) {
  InspectedFile file;
  EXPECT_TRUE(IdentifyAndDecode(name, bytes, &file).ok());
  return file;
}

std::string Dump(const InspectedFile& file) {
  std::ostringstream out;
  DumpInspectedFile(file, out);
  return out.str();
}

InspectedFile StampedScenario() {
  ScenarioTable table = inspect_test::NamedTable();
  ScenarioRow& stop = table[1];
  stop.kind = 8;
  stop.span_start = -500;
  stop.span_end = 500;
  stop.name = "VALMERA";
  stop.scheduled_time = (13 * 60 + 53) * 60 + 30;
  table[80].name = "( DOPPIO  ) ( BIVIO  )";
  table[83].span_start = 190600;
  table[83].span_end = 28600;
  table[84].span_end = 270000;
  table[84].position = 12;
  table[85].first_d2 = 610;
  table[85].scheduled_time = 31507;
  table[86].second_d1 = 13;
  return Decoded("Corvena_Lidra1_7304.sim", EncodeScenarioFile(table));
}

TEST(InspectDumpTest, ScenarioRowsWithTheirRoles) {
  std::string dump = Dump(StampedScenario());
  const char* expected[] = {
      "Corvena_Lidra1_7304.sim: scenario file, 3005 bytes, 87 rows (1 stop rows, 1 sign-board rows)",
      "  row 1  stop  \"VALMERA\"  zone -500 .. 500 m  position 0 m, kind 8, length 500 m, tps 0, "
      "tab 0, mar 0; first: d2 0, d3 0, rap 0; second: d1 0, d2 0, d3 0, ac 0; time 13:53:30\n",
      "  row 80  sign board  \"( DOPPIO  ) ( BIVIO  )\"\n",
      "  row 83  chainage  section_start 190600  offset 28600  flag 0\n",
      "  row 84  run  braked_mass_percent 0  route_length 270000  carriages 12\n",
      "format_mark 610  weighted_check_code 31507 (matches the names)\n",
      "  row 86  train  \"7304\"",
  };
  for (const char* line : expected) EXPECT_NE(dump.find(line), std::string::npos) << line << "\n" << dump;
  // Empty rows are not listed.
  EXPECT_EQ(dump.find("row 0 "), std::string::npos);
  EXPECT_EQ(dump.find("row 2 "), std::string::npos);
}

TEST(InspectDumpTest, ScenarioMarksWrongStamps) {
  ScenarioTable table = inspect_test::NamedTable();
  table[85].first_d2 = 611;
  table[85].scheduled_time = 1;
  table[84].tab = 3;  // a column the run row does not use
  std::string dump = Dump(Decoded("x.sim", EncodeScenarioFile(table)));
  EXPECT_NE(dump.find("format_mark 611 (expected 610)"), std::string::npos) << dump;
  EXPECT_NE(dump.find("weighted_check_code 1 (the names give 31507)"), std::string::npos) << dump;
  EXPECT_NE(dump.find("also tab 3"), std::string::npos) << dump;
}

TEST(InspectDumpTest, ScenarioJsonCarriesRawColumnsAndMeaning) {
  auto json = InspectedFileToJson(StampedScenario());
  EXPECT_EQ(json["kind"], "scenario");
  EXPECT_EQ(json["bytes"], 3005);  // 2976 + "VALMERA" + the 22-byte board text
  EXPECT_EQ(json["expected_weighted_check_code"], 31507);
  const auto& rows = json["rows"];
  ASSERT_EQ(rows.size(), 6u);  // rows 1, 80, 83, 84, 85, 86
  EXPECT_EQ(rows[0]["row"], 1);
  EXPECT_EQ(rows[0]["role"], "stop");
  EXPECT_EQ(rows[0]["span_start"], -500);
  EXPECT_EQ(rows[0]["scheduled_time"], 50010);
  EXPECT_EQ(rows[1]["role"], "sign board");
  EXPECT_EQ(rows[2]["meaning"]["offset"], 28600);
  EXPECT_EQ(rows[4]["meaning"]["format_mark"], 610);
  EXPECT_EQ(rows[5]["name"], "7304");
}

TEST(InspectDumpTest, GridObjectsMarksAndStretches) {
  TrackGrid grid;
  grid.Size(270000);
  for (int64_t i = 0; i < grid.cell_count(); ++i) {
    grid.at(i).gradient = i < 10 ? 93 : 100;
    grid.at(i).speed_limit = 6;
  }
  grid.at(1).value_a = 5121;
  grid.at(1).value_b = 2312;
  grid.at(411).cell_type = kSignal;
  grid.at(411).value_a = 41;
  grid.at(411).value_d = 8;
  for (int k = 1; k <= 4; ++k) grid.at(411 - 2 * k).approach_mark = static_cast<uint8_t>(80 + k);
  for (int64_t i = 388; i <= 425; ++i) grid.at(i).tunnel_kind = 1;
  InspectedFile file = Decoded("Corvena_Lidra1_7304.dat", EncodeGridFile(grid));

  std::string dump = Dump(file);
  const char* expected[] = {
      "grid file, 83115 bytes, 5541 cells (0 .. 5540",
      "cell 1 stamps: format mark 5121, plain check code 2312\n",
      "objects and approach marks: 5 cells\n",
      "    cell 403  approach_mark 84\n",
      "    cell 409  approach_mark 81\n",
      "    cell 411  20500 m  signal  left: sx 2, s1 4, s2 0, s3 0, rapp 0; right: dx 2, d1 1, d2 0, "
      "d3 0, tempo 0\n",
      "  speed_limit: 1 stretches\n    cells 0 .. 5540  0 .. 277050 m  30 km/h\n",
      "    cells 0 .. 9  0 .. 500 m  -7 per mille\n",
      "  tunnel_kind (tunnels): 1 stretches\n    cells 388 .. 425  19400 .. 21300 m  1\n",
  };
  for (const char* line : expected) EXPECT_NE(dump.find(line), std::string::npos) << line << "\n" << dump.substr(0, 2000);

  auto json = InspectedFileToJson(file);
  EXPECT_EQ(json["cells"], 5541);
  EXPECT_EQ(json["plain_check_code"], 2312);
  ASSERT_EQ(json["objects"].size(), 5u);
  const auto& signal = json["objects"][4];
  EXPECT_EQ(signal["cell"], 411);
  EXPECT_EQ(signal["type"], "signal");
  EXPECT_EQ(signal["position"], 20500);
  EXPECT_EQ(signal["value_a"], 41);
  EXPECT_EQ(signal["as_written"]["left"]["s1"], 4);
  EXPECT_EQ(signal["as_written"]["right"]["d1"], 1);
  EXPECT_EQ(signal["as_written"]["right"]["dx"], 2);
  EXPECT_EQ(json["gradient_stretches"][0]["value"], -7);
  EXPECT_EQ(json["tunnel_kind_stretches"][0]["to"], 21300);
}

TEST(InspectDumpTest, RouteSummaryOfAStraightLine) {
  InspectedFile file = Decoded("Corvena_Lidra1_linea.dat", inspect_test::RouteBytes(inspect_test::StraightRoute(1000)));
  std::string dump = Dump(file);
  const char* expected[] = {
      "route file, 159964 bytes, 8001 rows (route length 1000 m and 7000 m beyond)\n",
      "  elements:  4 empty  4 int16  15994 float64\n",
      "the last 2 rows are not points",
      "bounding box: x 0.0 .. 0.0 m, y 0.0 .. 7998.0 m\n",
      "curves: 0, net turn 0.00 deg",
  };
  for (const char* line : expected) EXPECT_NE(dump.find(line), std::string::npos) << line << "\n" << dump;
  auto json = InspectedFileToJson(file);
  EXPECT_EQ(json["route_length"], 1000);
  EXPECT_EQ(json["elements_by_tag"]["5"], 15994);
  EXPECT_EQ(json["bounding_box"]["max_y"], 7998.0);
}

TEST(InspectDumpTest, NamesAreShownSafely) {
  ScenarioTable table = inspect_test::NamedTable();
  table[1].name = std::string("A\"B\x01") + static_cast<char>(0xE8);  // e grave in the code page
  table[1].position = 50;
  InspectedFile file = Decoded("x.sim", EncodeScenarioFile(table));
  EXPECT_NE(Dump(file).find("\"A\\\"B\\x01\xC3\xA8\""), std::string::npos) << Dump(file);
  auto json = InspectedFileToJson(file);
  EXPECT_EQ(json["rows"][0]["name"], "A\"B\\x01\xC3\xA8");
  EXPECT_NO_THROW(json.dump());
}

}  // namespace
}  // namespace scenario
