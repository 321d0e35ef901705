#include "tools/pack/pack.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "app/attachment.h"
#include "app/description_file.h"
#include "app/document_emitter.h"
#include "tools/common/output_target.h"
#include "tools/common/text.h"
#include "tools/diagnostics/inputs.h"
#include "tools/pack/document_facts.h"

namespace scenario {

namespace {

// The compile's binary files go to a scratch folder that goes with it: the
// packager compiles them again where it runs.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "scenario-pack-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

// The author's document at `path`, or the one made from the descriptions.
Status DocumentText(const std::string& path, const LineBuffer& made, std::string* text) {
  if (path.empty()) {
    // Written line by line with CR LF, as the emitters write theirs.
    text->clear();
    for (const std::string& line : made) {
      if (line == kEndMarker) break;
      *text += line + "\r\n";
    }
    return Status::OK();
  }
  return ReadDescriptionFile(path, text);
}

// The plain packager's bytes; one that already carries a scenario is not a
// plain one.
Status ReadPlainPackager(const std::filesystem::path& path, std::string* bytes) {
  UnpackedAttachment found;
  if (Status read = UnpackAttachment(path, &found); !read.ok()) {
    return Status::Error("cannot use the plain packager: " + read.message() +
                         " (scenario-pack takes the scenario-packager built beside it)");
  }
  if (found.state != AttachmentState::kNone) {
    return Status::Error("cannot use " + path.string() + ": it already carries a scenario");
  }
  return ReadDescriptionFile(path, bytes);
}

Status CheckOutput(const PackOptions& options) {
  if (Status target = CheckOutputTarget("-o", options.output); !target.ok()) return target;
  const std::string inputs[] = {options.compile.line_path, options.compile.train_path, options.notes_path,
                                options.timetable_path, options.slowdowns_path,
                                options.plain_packager.string()};
  for (const std::string& input : inputs) {
    if (!input.empty() && SameFile(options.output, input)) {
      return Status::Error("-o " + options.output + " is " + input + ", which this run reads");
    }
  }
  return Status::OK();
}

// The packager: whole or not at all, executable as a program is.
Status WritePackager(const std::string& path, const std::string& plain, const std::string& attachment) {
  FreshFileWriter writer;
  if (Status written = writer.Write(path, plain + attachment); !written.ok()) return written;
  const mode_t mask = umask(0);
  umask(mask);
  if (chmod(path.c_str(), 0777 & ~mask) != 0) {
    return Status::Error("cannot make " + path + " executable: " + std::strerror(errno));
  }
  return Status::OK();
}

}  // namespace

ExitStatus RunPack(const PackOptions& options, std::ostream& err) {
  auto fail = [&](const Status& status) {
    err << "scenario-pack: " << DisplayText(status.message()) << "\n";
    return kExitFailure;
  };
  Status usable = CheckPlainName("--route", options.compile.route);
  if (usable.ok()) usable = CheckPlainName("--train", options.compile.train);
  if (usable.ok()) usable = CheckOutput(options);
  std::string plain;
  if (usable.ok()) usable = ReadPlainPackager(options.plain_packager, &plain);
  if (!usable.ok()) return fail(usable);

  ScratchFolder scratch;
  if (scratch.path().empty()) return fail(Status::Error("cannot make a scratch folder: " + std::string(std::strerror(errno))));
  CompileOptions compile = options.compile;
  compile.out_dir = scratch.path();
  // The scratch folder is never shown: its files are written even with an
  // error code, so no message points at it.
  compile.write_on_error = true;
  PackagedScenario scenario;
  scenario.route_name = compile.route;
  scenario.train_number = compile.train;
  DocumentFacts facts;
  compile.on_compiled = [&](const CompiledRun& run) {
    // The texts as compiled: in the code page, whatever they were saved in.
    scenario.line_text = run.line_text;
    scenario.train_text = run.train_text;
    facts = FactsOfCompile(run);
  };
  const CompileSummary summary = RunCompile(compile, err);
  if (summary.exit_status != kExitSuccess) {
    err << "scenario-pack: " << DisplayText(options.output) << " not written\n";
    return summary.exit_status;  // the error code recorded, or a failure
  }
  const std::pair<const std::string*, std::string*> documents[] = {
      {&options.notes_path, &scenario.notes},
      {&options.slowdowns_path, &scenario.slowdowns},
      {&options.timetable_path, &scenario.timetable}};
  const LineBuffer made[] = {MadeNotes(facts), MadeSlowdownsNotice(facts), MadeTimetableSheet(facts)};
  for (int i = 0; i < 3; ++i) {
    if (Status read = DocumentText(*documents[i].first, made[i], documents[i].second); !read.ok()) return fail(read);
  }
  const std::string attachment = PackAttachment(scenario);
  if (Status written = WritePackager(options.output, plain, attachment); !written.ok()) return fail(written);
  err << "scenario-pack: wrote " << DisplayText(options.output) << " (" << plain.size()
      << " bytes of packager, " << attachment.size() << " bytes of scenario)\n";
  return kExitSuccess;
}

}  // namespace scenario
