#include "tools/lib/compile_command.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include <nlohmann/json.hpp>

#include "app/compile_step.h"
#include "app/folder_source.h"
#include "app/packager_run.h"
#include "descriptions/read_observer.h"
#include "tools/lib/error_texts.h"

namespace scenario {

namespace {

// Remembers where the last error code and the last failure arose.
class ErrorLocator : public ReadObserver {
 public:
  void OnError(Description description, int32_t code, TextPosition where) override {
    last = SourceLocation{description, where};
    last_code = code;
  }
  void OnFailure(Description description, const std::string& reason, TextPosition where) override {
    last = SourceLocation{description, where};
    last_code = 25;
    failure_reason = reason;
  }
  std::optional<SourceLocation> last;
  int32_t last_code = 0;
  std::string failure_reason;
};

void WriteReport(const std::string& path, const CompileSummary& summary, std::ostream& err) {
  nlohmann::json report;
  report["error_code"] = summary.error_code;
  report["error_position"] = summary.error_position;
  report["fatal"] = summary.fatal ? nlohmann::json(*summary.fatal) : nlohmann::json(nullptr);
  report["files"] = summary.files;
  std::ofstream out(path, std::ios::binary);
  out << report.dump(2) << "\n";
  if (!out) err << "scenario-compile: cannot write the report " << path << "\n";
}

}  // namespace

CompileSummary RunCompile(const CompileOptions& options, std::ostream& err) {
  CompileSummary summary;
  std::optional<std::string> line_text = FolderSource::ReadWhole(options.line_path);
  std::optional<std::string> train_text = FolderSource::ReadWhole(options.train_path);
  if (!train_text) {
    err << "scenario-compile: cannot read " << options.train_path << "\n";
  }
  MemorySource source(line_text, train_text);
  std::error_code dir_error;
  std::filesystem::create_directories(options.out_dir, dir_error);

  GeneratorState state;
  state.route_name = options.route;
  state.train_number = options.train;
  ErrorLocator locator;
  state.observer = &locator;
  FreshFileWriter writer;
  CompileResult result = memorizza_percorso(state, options.no_route_file ? 0 : 1, source,
                                            options.out_dir, writer);
  summary.error_code = state.error_code;
  summary.error_position = state.error_position;
  summary.files = result.written;
  std::sort(summary.files.begin(), summary.files.end());

  if (state.error_code != 0) {
    std::string file = options.line_path;
    int line = 0;
    // Only a location recorded with the final code belongs to it: the
    // completion pass and the chainage check record theirs without one.
    if (locator.last && locator.last_code == state.error_code) {
      if (locator.last->description == Description::kTrain) file = options.train_path;
      line = locator.last->position.line;
    }
    err << file;
    if (line > 0) err << ":" << line;
    err << ": error " << state.error_code << ": " << ErrorCodeMeaning(state.error_code);
    if (state.error_code == 25 && !locator.failure_reason.empty()) err << " (" << locator.failure_reason << ")";
    err << " [error position " << state.error_position << "]\n";
  }

  switch (result.status) {
    case CompileStatus::kCompleted:
      summary.exit_status = state.error_code == 0 ? kExitClean : kExitErrorCode;
      break;
    case CompileStatus::kFatal:
      summary.fatal = result.fatal_number;
      err << FatalMessage(std::to_string(result.fatal_number)) << "\n";
      summary.exit_status = kExitFailure;
      break;
    case CompileStatus::kUnsized:
    case CompileStatus::kFileFailure:
      err << "scenario-compile: " << result.message << "\n";
      summary.exit_status = kExitFailure;
      break;
  }
  if (!options.report_path.empty()) WriteReport(options.report_path, summary, err);
  return summary;
}

}  // namespace scenario
