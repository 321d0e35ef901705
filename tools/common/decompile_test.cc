// Opening compiled scenarios: the carried one comes back byte for byte; a
// hand-edited cell is named by file, offset and field; files that are not
// one scenario are refused with nothing written.
#include <gtest/gtest.h>

#include <sstream>

#include "app/generator_state.h"
#include "content/document_test_support.h"
#include "tools/common/decompile_check.h"
#include "tools/common/decompile_command.h"
#include "tools/common/decompile_files.h"
#include "tools/common/test_support.h"

namespace scenario {
namespace {

using inspect_test::TempFolder;

CompiledScenario CarriedFiles() {
  const CompiledBytes made =
      CompileDescriptions(content_testing::EmittedText(CarriedLineDescription()),
                          content_testing::EmittedText(CarriedTrainDescription()), kRouteName,
                          kTrainNumber, true);
  EXPECT_TRUE(made.written);
  CompiledScenario files;
  EXPECT_TRUE(DecodeCompiledScenario(made.route, made.scenario, made.grid, &files).ok());
  return files;
}

// The carried scenario's files in a folder, under their own names.
void WriteCarried(const TempFolder& folder, const CompiledScenario& files) {
  folder.Write("Corvena_Lidra1_linea.dat", files.route_bytes);
  folder.Write("Corvena_Lidra1_7304.sim", files.scenario_bytes);
  folder.Write("Corvena_Lidra1_7304.dat", files.grid_bytes);
}

TEST(DecompileTest, CarriedScenarioComesBackByteForByte) {
  const CompiledScenario files = CarriedFiles();
  DecompiledTexts texts;
  const RoundTrip trip = DecompileAndCheck(files, &texts);
  EXPECT_TRUE(trip.exact) << (trip.differences.empty() ? "" : trip.differences.front());
  EXPECT_EQ(trip.files, 3);
  EXPECT_EQ(trip.bytes, 5539964u + 83115u + files.scenario_bytes.size());
  EXPECT_TRUE(texts.notes.empty()) << texts.notes.front();
  // What an author edits: the records of the carried texts, in author units.
  EXPECT_NE(texts.train.find("TORRAVA"), std::string::npos);
  EXPECT_NE(texts.line.find("lunghezza percorso,    270000"), std::string::npos);
  EXPECT_NE(texts.train.find("segnale,     20500,  2,  4,  0,  0,  0,   2,  1,  0,  0,   0"),
            std::string::npos);
}

TEST(DecompileTest, CommandWritesTheTextsAndSaysTheRoundTripIsExact) {
  TempFolder folder;
  WriteCarried(folder, CarriedFiles());
  std::ostringstream out, err;
  DecompileOptions options{(folder.path() / "open").string(), "", "", {folder.path().string()}};
  EXPECT_EQ(RunDecompile(options, out, err), kDecompileExact) << err.str();
  EXPECT_NE(out.str().find("round trip exact: 3 files, "), std::string::npos) << out.str();
  EXPECT_TRUE(std::filesystem::exists(folder.path() / "open" / "line.txt"));
  EXPECT_TRUE(std::filesystem::exists(folder.path() / "open" / "train.txt"));
}

TEST(DecompileTest, HandEditedCellIsNamedAndTheClosestTextsAreWritten) {
  TempFolder folder;
  CompiledScenario files = CarriedFiles();
  // An approach mark that no signal or stop puts there: cell 100, offset 10.
  files.grid_bytes[100 * 15 + 10] = 77;
  WriteCarried(folder, files);
  std::ostringstream out, err;
  DecompileOptions options{(folder.path() / "open").string(), "", "", {folder.path().string()}};
  EXPECT_EQ(RunDecompile(options, out, err), kDecompileNotExact);
  EXPECT_NE(err.str().find("Corvena_Lidra1_7304.dat: offset 1510, cell 100 approach_mark: the file "
                           "has 0x4d, the descriptions give 0x"),
            std::string::npos)
      << err.str();
  EXPECT_NE(err.str().find("no record gives this value"), std::string::npos) << err.str();
  EXPECT_TRUE(std::filesystem::exists(folder.path() / "open" / "line.txt"));
}

TEST(DecompileTest, FilesThatAreNotOneScenarioAreRefusedWithNothingWritten) {
  const CompiledScenario carried = CarriedFiles();
  struct Case {
    const char* what;
    std::string grid;
    std::string sim_name;
    const char* says;
  } cases[] = {
      {"truncated grid", carried.grid_bytes.substr(0, 15 * 100), "Corvena_Lidra1_7304.sim",
       "a grid of another route"},
      {"cut inside a cell", carried.grid_bytes.substr(0, carried.grid_bytes.size() - 7),
       "Corvena_Lidra1_7304.sim", "Corvena_Lidra1_7304.dat"},
      {"renamed scenario file", carried.grid_bytes, "Other_7304.sim", "of another route or train"},
  };
  for (const Case& c : cases) {
    TempFolder folder;
    folder.Write("Corvena_Lidra1_linea.dat", carried.route_bytes);
    folder.Write(c.sim_name, carried.scenario_bytes);
    folder.Write("Corvena_Lidra1_7304.dat", c.grid);
    std::vector<std::string> paths = {(folder.path() / "Corvena_Lidra1_linea.dat").string(),
                                      (folder.path() / c.sim_name).string(),
                                      (folder.path() / "Corvena_Lidra1_7304.dat").string()};
    std::ostringstream out, err;
    DecompileOptions options{(folder.path() / "open").string(), "", "", paths};
    EXPECT_EQ(RunDecompile(options, out, err), kDecompileRefused) << c.what;
    EXPECT_NE(err.str().find(c.says), std::string::npos) << c.what << ": " << err.str();
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "open")) << c.what;
  }
}

TEST(DecompileTest, NeverWritesOverAnInput) {
  TempFolder folder;
  WriteCarried(folder, CarriedFiles());
  // OUTDIR's train.txt leads to the scenario file the run reads.
  std::filesystem::create_directories(folder.path() / "out");
  std::filesystem::create_symlink(folder.path() / "Corvena_Lidra1_7304.sim",
                                  folder.path() / "out" / "train.txt");
  std::ostringstream out, err;
  DecompileOptions options{(folder.path() / "out").string(), "", "", {folder.path().string()}};
  EXPECT_EQ(RunDecompile(options, out, err), kDecompileRefused);
  EXPECT_NE(err.str().find("which this run reads"), std::string::npos) << err.str();
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "out" / "line.txt"));
}

}  // namespace
}  // namespace scenario
