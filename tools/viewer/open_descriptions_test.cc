// The page's "open as descriptions": the carried scenario's folder gets
// texts that compile back to its files, and a folder where the author's
// line.txt already is gets nothing written.
#include "tools/viewer/open_descriptions.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "app/generator_state.h"
#include "content/document_test_support.h"
#include "tools/common/decompile_command.h"
#include "tools/common/decompile_check.h"
#include "tools/common/test_support.h"

namespace scenario::viewer {
namespace {

using inspect_test::TempFolder;

void WriteCarriedFolder(const TempFolder& folder) {
  const CompiledBytes made =
      CompileDescriptions(content_testing::EmittedText(CarriedLineDescription()),
                          content_testing::EmittedText(CarriedTrainDescription()), kRouteName, kTrainNumber, true);
  ASSERT_TRUE(made.written && made.route);
  folder.Write("Corvena_Lidra1_linea.dat", *made.route);
  folder.Write("Corvena_Lidra1_7304.sim", made.scenario);
  folder.Write("Corvena_Lidra1_7304.dat", made.grid);
}

TEST(OpenDescriptionsTest, CarriedFolderOpensExactlyBesideItsFiles) {
  TempFolder folder;
  WriteCarriedFolder(folder);
  const OpenedDescriptions opened = OpenFolderAsDescriptions(folder.path().string());
  EXPECT_EQ(opened.status, kDecompileExact) << opened.message;
  const nlohmann::json reply = nlohmann::json::parse(OpenedDescriptionsJson(opened));
  EXPECT_TRUE(reply["opened"]);
  EXPECT_NE(reply["message"].get<std::string>().find("round trip exact: 3 files"), std::string::npos)
      << reply["message"];
  // The texts are the carried descriptions, as the page's compile reads them.
  EXPECT_NE(testing::ReadFile(folder / "line.txt").find("lunghezza percorso,    270000"), std::string::npos);
  EXPECT_NE(testing::ReadFile(folder / "train.txt").find("TORRAVA"), std::string::npos);
}

TEST(OpenDescriptionsTest, AuthorsTextIsNeverOverwritten) {
  for (const char* present : {"line.txt", "train.txt"}) {
    SCOPED_TRACE(present);
    TempFolder folder;
    WriteCarriedFolder(folder);
    folder.Write(present, "the author's own text\n");
    const OpenedDescriptions opened = OpenFolderAsDescriptions(folder.path().string());
    EXPECT_EQ(opened.status, kDecompileRefused);
    EXPECT_NE(opened.message.find(std::string(present) + " is already there"), std::string::npos) << opened.message;
    EXPECT_FALSE(nlohmann::json::parse(OpenedDescriptionsJson(opened))["opened"]);
    EXPECT_EQ(testing::ReadFile(folder / present), "the author's own text\n");
    const char* other = std::string(present) == "line.txt" ? "train.txt" : "line.txt";
    EXPECT_FALSE(std::filesystem::exists(folder.path() / other));
  }
}

}  // namespace
}  // namespace scenario::viewer
