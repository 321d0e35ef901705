// Telling the three files apart: the name decides, the structure confirms,
// and a name that says nothing leaves it to the structure.
#include <gtest/gtest.h>

#include "tools/common/test_support.h"
#include "tools/common/file_kind.h"

namespace scenario {
namespace {

std::string ScenarioBytes() { return EncodeScenarioFile(inspect_test::NamedTable()); }
std::string RouteBytes() { return inspect_test::RouteBytes(inspect_test::StraightRoute(1000)); }
std::string GridBytes() {
  TrackGrid grid;
  grid.Size(1000);  // 161 cells, 2415 bytes
  grid.at(1).value_a = 5121;
  return EncodeGridFile(grid);
}

TEST(InspectFileKindTest, NameFirstThenStructure) {
  struct Case {
    std::string name;
    std::string bytes;
    FileKind kind;
  };
  const Case cases[] = {
      {"out/Corvena_Lidra1_linea.dat", RouteBytes(), FileKind::kRoute},
      {"C:\\out\\CORVENA_LIDRA1_LINEA.DAT", RouteBytes(), FileKind::kRoute},
      {"Corvena_Lidra1_7304.sim", ScenarioBytes(), FileKind::kScenario},
      {"Corvena_Lidra1_7304.dat", GridBytes(), FileKind::kGrid},
      // A name that says nothing: the structure alone.
      {"copy", ScenarioBytes(), FileKind::kScenario},
      {"copy.bin", RouteBytes(), FileKind::kRoute},
      {"copy", GridBytes(), FileKind::kGrid},
      // Zero bytes decode as empty route elements too; a whole number of
      // cells without a single number is taken for a grid.
      {"copy", std::string(30, '\0'), FileKind::kGrid},
  };
  for (const Case& c : cases) {
    InspectedFile file;
    EXPECT_TRUE(IdentifyAndDecode(c.name, c.bytes, &file).ok()) << c.name;
    EXPECT_EQ(file.kind, c.kind) << c.name;
    EXPECT_EQ(file.size, c.bytes.size());
  }
}

TEST(InspectFileKindTest, AFileOfAnotherKindIsRefusedWithAHint) {
  struct Case {
    std::string name;
    std::string bytes;
    std::vector<std::string> says;
  };
  const Case cases[] = {
      {"a.sim", GridBytes(), {"named like a scenario file", "fits a grid file"}},
      {"a_7304.dat", ScenarioBytes(), {"named like a grid file", "2976 bytes", "fits a scenario file"}},
      {"a_linea.dat", std::string(83115, '\0'), {"named like a route file", "lone byte", "fits a grid file"}},
      {"a_7304.dat", RouteBytes().substr(0, 159963), {"named like a grid file"}},
      {"a.sim", ScenarioBytes().substr(0, 2975), {"named like a scenario file", "row 86"}},
      {"blob", "abcdefg", {"neither the name nor the structure", "7 bytes"}},
  };
  for (const Case& c : cases) {
    InspectedFile file;
    Status problem = IdentifyAndDecode(c.name, c.bytes, &file);
    ASSERT_TRUE(!problem.ok()) << c.name;
    for (const std::string& part : c.says) EXPECT_NE(problem.message().find(part), std::string::npos) << problem.message();
  }
}

TEST(InspectFileKindTest, MissingFilesAndFolders) {
  testing::TestFolder folder;
  InspectedFile file;
  EXPECT_EQ(LoadInspectedFile(folder.path() / "nothing.sim", &file).message(), "no such file");
  EXPECT_EQ(LoadInspectedFile(folder.path(), &file).message(), "not a regular file");
  std::filesystem::path huge = folder.Write("huge.dat", "");
  std::filesystem::resize_file(huge, kMaxCompiledFileBytes + 1);  // sparse: nothing is written
  EXPECT_NE(LoadInspectedFile(huge, &file).message().find("more than any compiled file holds"), std::string::npos);
  std::filesystem::path written = folder.Write("Corvena_Lidra1_7304.sim", ScenarioBytes());
  EXPECT_TRUE(LoadInspectedFile(written, &file).ok());
  EXPECT_EQ(file.kind, FileKind::kScenario);
  EXPECT_EQ(file.scenario[kTrainRow].name, "7304");
}

}  // namespace
}  // namespace scenario
