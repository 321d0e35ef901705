// The scenario-inspect executable: exit statuses and messages.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "tools/common/test_support.h"

#ifdef SCENARIO_INSPECT_PATH

namespace scenario {
namespace {

struct InspectRun {
  int status = -1;
  std::string out;
  std::string err;
};

std::string ReadText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

InspectRun Inspect(const testing::TestFolder& folder, const std::string& arguments) {
  std::filesystem::path out = folder.path() / "stdout.txt", err = folder.path() / "stderr.txt";
  std::string command = std::string("'") + SCENARIO_INSPECT_PATH + "' " + arguments + " >'" + out.string() +
                        "' 2>'" + err.string() + "'";
  int status = std::system(command.c_str());
  InspectRun run;
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.out = ReadText(out);
  run.err = ReadText(err);
  return run;
}

class InspectCliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    sim_ = folder_.Write("Corvena_Lidra1_7304.sim", EncodeScenarioFile(inspect_test::NamedTable())).string();
    short_ = folder_.Write("short.sim", EncodeScenarioFile(inspect_test::NamedTable()).substr(0, 2000)).string();
  }
  std::string Quoted(const std::string& path) { return "'" + path + "'"; }

  testing::TestFolder folder_;
  std::string sim_, short_;
};

TEST_F(InspectCliTest, DumpsAGoodFileWithStatus0) {
  InspectRun run = Inspect(folder_, Quoted(sim_));
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("scenario file, 2976 bytes, 87 rows"), std::string::npos) << run.out;
  EXPECT_EQ(run.err, "");
}

TEST_F(InspectCliTest, BadInputGetsAMessageAndStatus2) {
  struct Case {
    std::string arguments;
    std::string says;
  };
  const Case cases[] = {
      {Quoted(short_), "short.sim: error: named like a scenario file, but a scenario file holds 87 rows"},
      {Quoted(folder_.path() / "absent.dat"), "absent.dat: error: no such file"},
      {"--svg out.svg " + Quoted(folder_.path() / "absent"), "no such folder"},
      {"--svg out.svg " + Quoted(folder_.path()), "no route file"},
      {"--json --svg out.svg " + Quoted(folder_.path()), "--json and --svg do not go together"},
      {"--svg out.svg a b", "--svg draws one folder, 2 paths given"},
      {"", "paths is required"},
      {"--colour " + Quoted(sim_), "--colour"},
  };
  for (const Case& c : cases) {
    InspectRun run = Inspect(folder_, c.arguments);
    EXPECT_EQ(run.status, 2) << c.arguments;
    EXPECT_NE(run.err.find(c.says), std::string::npos) << c.arguments << "\n" << run.err;
  }
}

TEST_F(InspectCliTest, OneBadFileDoesNotHideTheOthers) {
  InspectRun run = Inspect(folder_, Quoted(short_) + " " + Quoted(sim_));
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.out.find("scenario file, 2976 bytes"), std::string::npos);
  EXPECT_NE(run.err.find("short.sim: error:"), std::string::npos);
}

TEST_F(InspectCliTest, JsonIsAnObjectForOneFileAndAnArrayForSeveral) {
  InspectRun one = Inspect(folder_, "--json " + Quoted(sim_));
  ASSERT_EQ(one.status, 0);
  nlohmann::json object = nlohmann::json::parse(one.out);
  EXPECT_EQ(object["kind"], "scenario");
  EXPECT_EQ(object["bytes"], 2976);

  InspectRun two = Inspect(folder_, "--json " + Quoted(sim_) + " " + Quoted(sim_));
  ASSERT_EQ(two.status, 0);
  nlohmann::json array = nlohmann::json::parse(two.out);
  ASSERT_TRUE(array.is_array());
  EXPECT_EQ(array.size(), 2u);
}

// A folder is dumped as --svg draws it: the files of its one scenario, the
// route file first when the compile wrote one.
TEST_F(InspectCliTest, AFolderDumpsItsScenario) {
  testing::TestFolder scenario;
  scenario.Write("Corvena_Lidra1_7304.sim", EncodeScenarioFile(inspect_test::NamedTable()));
  TrackGrid grid;
  grid.Size(1000);
  scenario.Write("Corvena_Lidra1_7304.dat", EncodeGridFile(grid));
  InspectRun without_route = Inspect(folder_, Quoted(scenario.path()));
  EXPECT_EQ(without_route.status, 0) << without_route.err;
  const size_t sim = without_route.out.find("Corvena_Lidra1_7304.sim: scenario file");
  const size_t dat = without_route.out.find("Corvena_Lidra1_7304.dat: grid file");
  EXPECT_TRUE(sim != std::string::npos && dat != std::string::npos && sim < dat)
      << without_route.out;

  scenario.Write("Corvena_Lidra1_linea.dat",
                 inspect_test::RouteBytes(inspect_test::StraightRoute(1000)));
  InspectRun json = Inspect(folder_, "--json " + Quoted(scenario.path()));
  ASSERT_EQ(json.status, 0) << json.err;
  nlohmann::json files = nlohmann::json::parse(json.out);
  ASSERT_EQ(files.size(), 3u);
  EXPECT_EQ(files[0]["kind"], "route");
  EXPECT_EQ(files[1]["kind"], "scenario");
  EXPECT_EQ(files[2]["kind"], "grid");

  testing::TestFolder empty;
  InspectRun nothing = Inspect(folder_, Quoted(empty.path()));
  EXPECT_EQ(nothing.status, 2);
  EXPECT_EQ(nothing.err,
            empty.path().string() + ": error: no scenario file (*.sim) in the folder\n");
  // Two scenarios in one folder: the files must be named.
  InspectRun two = Inspect(folder_, Quoted(folder_.path()));
  EXPECT_EQ(two.status, 2);
  EXPECT_NE(two.err.find("several scenario files: Corvena_Lidra1_7304.sim, short.sim"),
            std::string::npos)
      << two.err;
}

TEST_F(InspectCliTest, HelpEndsWithStatus0) {
  InspectRun run = Inspect(folder_, "--help");
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("--svg"), std::string::npos);
}

}  // namespace
}  // namespace scenario

#endif  // SCENARIO_INSPECT_PATH
