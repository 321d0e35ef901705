#include "tools/common/decompile_command.h"

#include <system_error>

#include "records/folder_lock.h"
#include "records/fresh_file.h"
#include "tools/common/decompile_check.h"
#include "tools/common/decompile_files.h"
#include "tools/common/output_target.h"
#include "tools/common/text.h"

namespace scenario {

namespace {

ExitStatus Refuse(std::ostream& err, const std::string& message) {
  err << "scenario-inspect: error: " << message << '\n';
  return kDecompileRefused;
}

}  // namespace

ExitStatus RunDecompile(const DecompileOptions& options, std::ostream& out, std::ostream& err) {
  CompiledScenario files;
  std::vector<std::filesystem::path> inputs;
  if (Status loaded = LoadCompiledScenario(options.paths, options.route, options.train, &files, &inputs);
      !loaded.ok()) {
    return Refuse(err, loaded.message() + "; nothing was written");
  }
  DecompiledTexts texts;
  const RoundTrip trip = DecompileAndCheck(files, &texts);

  const std::filesystem::path folder = options.out_dir;
  const std::filesystem::path line_path = folder / "line.txt";
  const std::filesystem::path train_path = folder / "train.txt";
  for (const std::filesystem::path& target : {line_path, train_path}) {
    if (Status fit = CheckOutputTarget("--descriptions", target); !fit.ok()) return Refuse(err, fit.message());
    for (const std::filesystem::path& input : inputs) {
      if (SameFile(target, input)) {
        return Refuse(err, "--descriptions " + DisplayText(target.string()) + " is " +
                               DisplayText(input.string()) + ", which this run reads; nothing was written");
      }
    }
  }
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (ec) return Refuse(err, DisplayText(folder.string()) + ": cannot be made (" + ec.message() + ")");
  FolderLock lock(folder);
  if (!lock.held()) return Refuse(err, lock.Failure());
  WholeBytes line_bytes(texts.line), train_bytes(texts.train);
  FreshFileWriter writer;
  if (Status written = writer.WriteSet({{line_path, &line_bytes}, {train_path, &train_bytes}});
      !written.ok()) {
    return Refuse(err, written.message());
  }
  if (trip.exact) {
    out << "round trip exact: " << trip.files << " files, " << trip.bytes << " bytes\n";
    out << "wrote " << DisplayText(line_path.string()) << " and " << DisplayText(train_path.string())
        << '\n';
    return kDecompileExact;
  }
  for (const std::string& difference : trip.differences) {
    err << "scenario-inspect: " << DisplayText(difference) << '\n';
  }
  err << "scenario-inspect: wrote the closest descriptions, " << DisplayText(line_path.string())
      << " and " << DisplayText(train_path.string())
      << ", but they do not compile to the same files\n";
  return kDecompileNotExact;
}

}  // namespace scenario
