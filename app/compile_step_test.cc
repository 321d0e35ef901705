#include "app/compile_step.h"

#include <gtest/gtest.h>

#include "tests/test_folder.h"

namespace scenario {
namespace {

using testing::ReadFile;
using testing::TestFolder;
using testing::WriteFile;

const char kRouteFile[] = "Corvena_Lidra1_linea.dat";
const char kScenarioFile[] = "Corvena_Lidra1_7304.sim";
const char kGridFile[] = "Corvena_Lidra1_7304.dat";

std::string LineWith(const std::string& records) {
  return "[generale]\r\nlunghezza percorso, 1000\r\n[pendenze]\r\n" + records + "[fine]\r\n";
}

struct CompileRun {
  GeneratorState state;
  CompileResult result;
};

CompileRun Compile(const TestFolder& folder, std::optional<std::string> line, int32_t build_route_table = 1) {
  CompileRun run;
  run.state.route_name = "Corvena_Lidra1";
  run.state.train_number = "7304";
  MemorySource source(std::move(line), std::string("[generale]\r\n"));
  FreshFileWriter writer;
  run.result = memorizza_percorso(run.state, build_route_table, source, folder.path(), writer);
  return run;
}

void PutOlderFiles(const TestFolder& folder) {
  for (const char* name : {kRouteFile, kScenarioFile, kGridFile}) WriteFile(folder / name, "older");
}

void ExpectOlderFilesUntouched(const TestFolder& folder) {
  for (const char* name : {kRouteFile, kScenarioFile, kGridFile}) {
    EXPECT_EQ(ReadFile(folder / name), "older") << name;
  }
}

TEST(CompileStepTest, WritesTheThreeFilesInOrder) {
  TestFolder folder;
  CompileRun run = Compile(folder, LineWith(""));
  ASSERT_TRUE(run.result.status.ok());
  EXPECT_EQ(run.state.error_code, 0);
  EXPECT_EQ(run.result.written, (std::vector<std::string>{kRouteFile, kScenarioFile, kGridFile}));
  EXPECT_EQ(ReadFile(folder / kRouteFile).size(), 159964u);
  EXPECT_EQ(ReadFile(folder / kGridFile).size(), 15u * 161u);
  // 2958 + names; the stamp puts 610 into the route row and 5121 into cell 1.
  std::string sim = ReadFile(folder / kScenarioFile);
  EXPECT_EQ(sim.size(), 2976u);
  std::string grid = ReadFile(folder / kGridFile);
  EXPECT_EQ(grid.substr(15, 5), std::string("\x00\x01\x14\x08\x09", 5));
}

TEST(CompileStepTest, ObjectOnCellOneEndsTheRunWith1250AndWritesNothing) {
  TestFolder folder;
  PutOlderFiles(folder);
  CompileRun run = Compile(folder, LineWith("indicatori_vmax, 0, 85, 90, 95, 0, 85, 90, 95, 0\r\n"));
  EXPECT_FALSE(run.result.status.ok());
  EXPECT_EQ(run.result.fatal_number, 1250);
  EXPECT_TRUE(run.result.written.empty());
  ExpectOlderFilesUntouched(folder);
}

TEST(CompileStepTest, TakenCheckCodeFieldEndsTheRunWith1251) {
  TestFolder folder;
  PutOlderFiles(folder);
  // value_a = 0 / 5 + 0 * 20 = 0 passes the first guard; value_b = 5 / 5 = 1.
  CompileRun run = Compile(folder, LineWith("indicatori_vmax, 0, 0, 0, 0, 0, 0, 5, 0, 0\r\n"));
  EXPECT_FALSE(run.result.status.ok());
  EXPECT_EQ(run.result.fatal_number, 1251);
  ExpectOlderFilesUntouched(folder);
}

TEST(CompileStepTest, AnErrorCodeDoesNotStopTheFiles) {
  TestFolder folder;
  CompileRun run = Compile(folder, LineWith("indicatori_vmax, 1050, 85, 90, 95, 0, 85, 90, 95, 0\r\n"
                                     "indicatori_vmax, 1075, 85, 90, 95, 0, 85, 90, 95, 0\r\n"));
  EXPECT_TRUE(run.result.status.ok());
  EXPECT_EQ(run.state.error_code, 21);
  EXPECT_EQ(run.state.error_position, 1075);
  EXPECT_EQ(run.result.written.size(), 3u);
}

TEST(CompileStepTest, WithoutTheWriteFilesFlagTheRouteFileIsNotTouched) {
  TestFolder folder;
  PutOlderFiles(folder);
  CompileRun run = Compile(folder, LineWith(""), 0);
  ASSERT_TRUE(run.result.status.ok());
  EXPECT_EQ(run.result.written, (std::vector<std::string>{kScenarioFile, kGridFile}));
  EXPECT_EQ(ReadFile(folder / kRouteFile), "older");
  EXPECT_FALSE(run.state.route.sized());
}

TEST(CompileStepTest, NoLineDescriptionLeavesNoGridAndWritesNothing) {
  TestFolder folder;
  PutOlderFiles(folder);
  CompileRun run = Compile(folder, std::nullopt);
  EXPECT_FALSE(run.result.status.ok());
  EXPECT_EQ(run.result.fatal_number, 0);
  EXPECT_EQ(run.state.error_code, 101);
  EXPECT_NE(run.result.status.message().find("101"), std::string::npos);
  ExpectOlderFilesUntouched(folder);
}

TEST(CompileStepTest, ResetClearsTheTableOfAnEarlierRun) {
  TestFolder folder;
  CompileRun run;
  run.state.route_name = "Corvena_Lidra1";
  run.state.train_number = "7304";
  run.state.scenario[40].name = "stale";
  run.state.error_code = 16;
  MemorySource source(LineWith(""), std::string("[generale]\r\n"));
  FreshFileWriter writer;
  memorizza_percorso(run.state, 1, source, folder.path(), writer);
  EXPECT_EQ(run.state.scenario[40].name, "");
  EXPECT_EQ(run.state.error_code, 0);
}

}  // namespace
}  // namespace scenario
