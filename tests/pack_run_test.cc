// Builds packagers with scenario-pack and runs them as a user would, beside
// the plain packager and scenario-compile.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <sstream>

#include "app/attachment.h"
#include "app/document_emitter.h"
#include "bench/generated_descriptions.h"
#include "content/documents.h"
#include "tests/child_process.h"
#include "tests/test_folder.h"
#include "tools/inspect/command.h"

namespace scenario {
namespace {

using testing::ChildProcess;
using testing::ReadFile;
using testing::TestFolder;
using testing::WriteFile;

constexpr auto kLimit = std::chrono::seconds(60);  // a hang guard only

struct Ran {
  int status = -1;
  std::string err;
};

// scenario-inspect run in process on one path.
int Inspect(const std::filesystem::path& path, std::ostream& out, std::ostream& err) {
  InspectOptions options;
  options.paths = {path.string()};
  return RunInspect(options, out, err);
}

Ran RunProgram(const std::vector<std::string>& argv) {
  ChildProcess child(argv, {"DISPLAY"});
  Ran ran;
  ran.status = child.Wait(kLimit);
  ran.err = child.err();
  return ran;
}

// scenario-pack run with the arguments; the built packager lands at `out`.
Ran Pack(const std::vector<std::string>& arguments) {
  std::vector<std::string> argv{SCENARIO_PACK_PATH};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  return RunProgram(argv);
}

// The files a run left in its folder, by name, the packager itself left out.
std::map<std::string, std::string> FilesBeside(const std::filesystem::path& packager) {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(packager.parent_path())) {
    if (entry.path() != packager) files[entry.path().filename().string()] = ReadFile(entry.path());
  }
  return files;
}

// The carried descriptions and documents as files, as the plain packager
// writes them.
struct CarriedFiles {
  explicit CarriedFiles(const TestFolder& folder)
      : line(folder / "line.txt"), train(folder / "train.txt"), notes(folder / "notes.txt"),
        timetable(folder / "timetable.txt"), slowdowns(folder / "slowdowns.txt") {
    WriteFile(line, RenderDocument(CarriedLineDescription()));
    WriteFile(train, RenderDocument(CarriedTrainDescription()));
    WriteFile(notes, RenderDocument(NotesDocument()));
    WriteFile(timetable, RenderDocument(TimetableSheet()));
    WriteFile(slowdowns, RenderDocument(SlowdownsNotice()));
  }
  std::filesystem::path line, train, notes, timetable, slowdowns;
};

TEST(PackRunTest, PackingTheCarriedScenarioGivesThePlainPackagersSixFiles) {
  TestFolder inputs, plain_folder, packed_folder;
  const CarriedFiles carried(inputs);
  const std::filesystem::path packed = packed_folder / "packager";
  const Ran pack = Pack({carried.line, carried.train, "-o", packed, "--notes", carried.notes,
                         "--timetable", carried.timetable, "--slowdowns", carried.slowdowns});
  ASSERT_EQ(pack.status, 0) << pack.err;
  EXPECT_TRUE((std::filesystem::status(packed).permissions() & std::filesystem::perms::owner_exec) !=
              std::filesystem::perms::none);

  const std::filesystem::path plain = plain_folder / "scenario-packager";
  std::filesystem::copy_file(SCENARIO_PACKAGER_PATH, plain);
  const Ran plain_run = RunProgram({plain});
  const Ran packed_run = RunProgram({packed});
  EXPECT_EQ(plain_run.status, 0) << plain_run.err;
  EXPECT_EQ(packed_run.status, plain_run.status) << packed_run.err;
  EXPECT_EQ(packed_run.err, plain_run.err);
  const auto plain_files = FilesBeside(plain);
  EXPECT_EQ(plain_files.size(), 6u);
  EXPECT_TRUE(FilesBeside(packed) == plain_files) << "the six files differ";

  // The copy and what it carries, and little else.
  uintmax_t carried_bytes = std::string("Corvena_Lidra1").size() + std::string("7304").size();
  for (const auto& path : {carried.line, carried.train, carried.notes, carried.timetable, carried.slowdowns}) {
    carried_bytes += std::filesystem::file_size(path);
  }
  EXPECT_LE(std::filesystem::file_size(packed) * 100,
            (std::filesystem::file_size(SCENARIO_PACKAGER_PATH) + carried_bytes) * 105);
}

TEST(PackRunTest, WithoutDocumentsTheNoticeIsTheCarriedOneAndTheSheetKeepsItsColumns) {
  TestFolder inputs, packed_folder;
  const CarriedFiles carried(inputs);
  const std::filesystem::path packed = packed_folder / "packager";
  ASSERT_EQ(Pack({carried.line, carried.train, "-o", packed, "--route", "Verde", "--train", "12"}).status, 0);
  const Ran run = RunProgram({packed});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto files = FilesBeside(packed);
  EXPECT_EQ(files.at("Verde_12_rallentamenti.txt"), RenderDocument(SlowdownsNotice()));
  // Every row of the made sheet has its bars where the carried sheet has
  // them: columns 2, 8, 14, 25, 31, 60, 77 and 83.
  const std::string sheet = files.at("Verde_12_scheda_treno.txt");
  std::vector<std::string> lines;
  for (size_t at = 0, end; (end = sheet.find("\r\n", at)) != std::string::npos; at = end + 2) {
    lines.push_back(sheet.substr(at, end - at));
  }
  const std::string rule = " |_____|_____|__________|_____|____________________________|________________|_____|";
  const auto head = std::find(lines.begin(), lines.end(), rule);
  ASSERT_NE(head, lines.end());
  const auto close = std::find(head + 1, lines.end(), rule);
  ASSERT_NE(close, lines.end());
  const long rows = close - head - 1;
  for (auto row = head + 1; row != close; ++row) {
    std::string bars;
    for (size_t column = 0; column < row->size(); ++column) {
      if ((*row)[column] == '|') bars += std::to_string(column + 1) + " ";
    }
    EXPECT_EQ(bars, "2 8 14 25 31 60 77 83 ") << *row;
    EXPECT_EQ(row->size(), 83u) << *row;
  }
  // 33 stops and the changes of the 14 speed limits, some at a stop.
  EXPECT_GE(rows, 33);
  EXPECT_LE(rows, 33 + 14);
  EXPECT_NE(sheet.find(" VALMERA "), std::string::npos);
  EXPECT_NE(files.at("Verde_12_note.txt").find("MONTEGRIDO"), std::string::npos);
}

// The generated scenarios of every length compile in the built packager to
// the very files scenario-compile writes.
TEST(PackRunTest, BuiltPackagersWriteTheBinaryFilesOfScenarioCompile) {
  for (int32_t length : {10000, 37000, 120000, 401000}) {
    SCOPED_TRACE(length);
    TestFolder inputs, packed_folder;
    WriteFile(inputs / "line.txt", bench::GeneratedLineText(length));
    WriteFile(inputs / "train.txt", bench::GeneratedTrainText(length));
    const std::filesystem::path packed = packed_folder / "packager";
    const Ran pack = Pack({inputs / "line.txt", inputs / "train.txt", "-o", packed, "--train", "901"});
    ASSERT_EQ(pack.status, 0) << pack.err;
    const Ran compile = RunProgram({SCENARIO_COMPILE_PATH, inputs / "line.txt", inputs / "train.txt",
                                    inputs / "out", "--train", "901"});
    ASSERT_EQ(compile.status, 0) << compile.err;
    ASSERT_EQ(RunProgram({packed}).status, 0);
    const auto files = FilesBeside(packed);
    for (const char* name : {"Corvena_Lidra1_linea.dat", "Corvena_Lidra1_901.sim", "Corvena_Lidra1_901.dat"}) {
      ASSERT_TRUE(files.contains(name)) << name;
      EXPECT_TRUE(files.at(name) == ReadFile(inputs / "out" / name)) << name << " differs";
    }
    EXPECT_EQ(files.size(), 6u);
  }
}

TEST(PackRunTest, DescriptionsWithAnErrorCodeOrAWarningAsErrorWriteNothing) {
  TestFolder inputs;
  const CarriedFiles carried(inputs);
  std::string train = ReadFile(carried.train);
  // A second signal on the first signal's cell: error code 16.
  train.replace(train.find("[codici]"), 8, "segnale,   2550, 1, 4, 0, 0, 0,     1, 1, 0, 0, 0\r\n[codici]");
  WriteFile(inputs / "clash.txt", train);
  const Ran clash = Pack({carried.line, inputs / "clash.txt", "-o", inputs / "packager"});
  EXPECT_EQ(clash.status, 1) << clash.err;
  EXPECT_NE(clash.err.find("error"), std::string::npos) << clash.err;
  EXPECT_FALSE(std::filesystem::exists(inputs / "packager"));

  // A second route length warns (repeated-record) and compiles clean: packed,
  // unless warnings count as errors.
  std::string line = ReadFile(carried.line);
  line.insert(line.find("lunghezza percorso"), "lunghezza percorso,    270000\r\n");
  WriteFile(inputs / "twice.txt", line);
  const Ran warned = Pack({inputs / "twice.txt", carried.train, "-o", inputs / "packager"});
  EXPECT_EQ(warned.status, 0) << warned.err;
  EXPECT_NE(warned.err.find("repeated-record"), std::string::npos) << warned.err;
  std::filesystem::remove(inputs / "packager");
  const Ran as_error =
      Pack({inputs / "twice.txt", carried.train, "-o", inputs / "packager", "--warnings-as-errors"});
  EXPECT_EQ(as_error.status, 1) << as_error.err;
  EXPECT_FALSE(std::filesystem::exists(inputs / "packager"));
}

TEST(PackRunTest, WithoutThePlainPackagerBesideItNothingIsWritten) {
  TestFolder inputs, alone;
  const CarriedFiles carried(inputs);
  std::filesystem::copy_file(SCENARIO_PACK_PATH, alone / "scenario-pack");
  const Ran ran = RunProgram({alone / "scenario-pack", carried.line, carried.train, "-o", inputs / "packager"});
  EXPECT_EQ(ran.status, 2);
  EXPECT_NE(ran.err.find("scenario-packager"), std::string::npos) << ran.err;
  EXPECT_FALSE(std::filesystem::exists(inputs / "packager"));
}

// A packager whose attachment is damaged (a byte flipped, or the tail cut)
// says so, ends with 2 and writes nothing; scenario-inspect lists it with a
// checksum that does not hold.
TEST(PackRunTest, ADamagedAttachmentIsRefusedAndNothingIsWritten) {
  TestFolder inputs, folder;
  const CarriedFiles carried(inputs);
  ASSERT_EQ(Pack({carried.line, carried.train, "-o", inputs / "packager"}).status, 0);
  const std::string whole = ReadFile(inputs / "packager");
  const size_t plain = std::filesystem::file_size(SCENARIO_PACKAGER_PATH);
  ASSERT_GT(whole.size(), plain + kAttachmentTrailerBytes);
  const size_t attached = whole.size() - plain;

  std::ostringstream listing, listing_err;
  EXPECT_EQ(Inspect(inputs / "packager", listing, listing_err), kExitSuccess) << listing_err.str();
  for (const std::string& shown : {std::string("route name         Corvena_Lidra1\n"), std::string("train number       7304\n"),
                                   "line description   " + std::to_string(std::filesystem::file_size(carried.line)) + " bytes\n",
                                   std::string("slowdowns notice   55 bytes\n"), std::string("checksum           holds\n")}) {
    EXPECT_NE(listing.str().find(shown), std::string::npos) << shown << listing.str();
  }

  std::vector<std::pair<std::string, std::string>> damaged;  // what, bytes
  // A byte of every stretch of the attachment, and every byte of the
  // trailer, flipped.
  for (size_t at = plain; at < whole.size(); at += (at + 64 < whole.size() - kAttachmentTrailerBytes ? attached / 16 : 1)) {
    std::string bytes = whole;
    bytes[at] = static_cast<char>(bytes[at] ^ 0x01);
    damaged.emplace_back("byte " + std::to_string(at) + " flipped", bytes);
  }
  for (size_t cut : {size_t{1}, size_t{8}, kAttachmentTrailerBytes, kAttachmentTrailerBytes + 1, attached / 2, attached - 1}) {
    damaged.emplace_back(std::to_string(cut) + " bytes cut", whole.substr(0, whole.size() - cut));
  }
  for (const auto& [what, bytes] : damaged) {
    SCOPED_TRACE(what);
    const std::filesystem::path packager = folder / "packager";
    WriteFile(packager, bytes);
    std::filesystem::permissions(packager, std::filesystem::perms::owner_all);
    const Ran ran = RunProgram({packager});
    EXPECT_EQ(ran.status, 2);
    EXPECT_NE(ran.err.find("damaged"), std::string::npos) << ran.err;
    EXPECT_EQ(testing::EntryNames(folder.path()), std::set<std::string>{"packager"});
    std::filesystem::remove(packager);
  }
  // The listing of a flipped body byte: read, but the checksum does not hold.
  std::string flipped = whole;
  flipped[plain + 40] = static_cast<char>(flipped[plain + 40] ^ 0x80);
  WriteFile(folder / "packager", flipped);
  std::ostringstream damaged_listing, damaged_err;
  EXPECT_EQ(Inspect(folder / "packager", damaged_listing, damaged_err), kExitFailure);
  EXPECT_NE(damaged_listing.str().find("checksum           does not hold\n"), std::string::npos) << damaged_listing.str();
}

}  // namespace
}  // namespace scenario
