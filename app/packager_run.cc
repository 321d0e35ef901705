#include "app/packager_run.h"

#include <iostream>

#include "app/compile_step.h"
#include "app/error_codes.h"
#include "app/file_names.h"
#include "app/folder_source.h"
#include "app/packaged_scenario.h"
#include "app/passing_texts.h"
#include "records/folder_lock.h"
#include "records/temporary_file.h"

namespace scenario {

std::string FatalMessage(const std::string& number) { return " Errore n. " + number; }

// errore: the fatal report. The caller ends the run right after it.
static ExitStatus errore(Platform& platform, const std::string& number) {
  platform.ShowFatal(FatalMessage(number));
  return kExitFailure;
}

static ExitStatus Unhandled(Platform& platform, const std::string& message) {
  std::cerr << "scenario-packager: " << message << "\n";
  platform.Close();
  return kExitFailure;
}

ExitStatus Form_Load(GeneratorState& state, const std::filesystem::path& folder, Platform& platform,
                     FreshFileWriter& writer) {
  return Form_Load(state, folder, CarriedScenario(), platform, writer);
}

ExitStatus Form_Load(GeneratorState& state, const std::filesystem::path& folder,
                     const PackagedScenario& scenario, Platform& platform, FreshFileWriter& writer) {
  state.route_name = scenario.route_name;
  state.train_number = scenario.train_number;
  platform.ShowWaitWindow();

  const FileNames names = MakeFileNames(state.route_name, state.train_number);
  // A second packager in the same folder waits here until this one ends,
  // then does its own full run.
  FolderLock lock(folder, [&] {
    std::cerr << "scenario-packager: another run is working in " << folder.string()
              << ", waiting for it to end\n";
  });
  if (!lock.held()) return Unhandled(platform, lock.Failure());
  RemoveStaleTemporaries(folder, AllFileNames(names));
  // Texts left by a run that was killed go before this run writes its own.
  RemoveLeftText(folder / names.line_text);
  RemoveLeftText(folder / names.train_text);
  PassingTexts texts(folder / names.line_text, folder / names.train_text);

  // The five texts in the emitters' order: line, train, notes, slowdowns,
  // timetable; each as a fresh file.
  int which = 0;
  for (const std::string* text : {&scenario.line_text, &scenario.train_text}) {
    const std::filesystem::path path = folder / (which == 0 ? names.line_text : names.train_text);
    Status written = texts.Write(which++, [&] { return writer.Write(path, *text); });
    if (!written.ok()) return Unhandled(platform, written.message());
  }
  const std::pair<const std::string*, const std::string*> documents[] = {
      {&names.notes, &scenario.notes},
      {&names.slowdowns, &scenario.slowdowns},
      {&names.timetable, &scenario.timetable}};
  for (const auto& [name, text] : documents) {
    if (Status written = writer.Write(folder / *name, *text); !written.ok()) {
      return Unhandled(platform, written.message());
    }
  }

  FolderSource source(folder / names.line_text, folder / names.train_text);
  CompileResult result = memorizza_percorso(state, 1, source, folder, writer);
  if (result.fatal_number != 0) {
    const ExitStatus status = errore(platform, std::to_string(result.fatal_number));
    platform.Close();
    return status;
  }
  if (!result.status.ok()) return Unhandled(platform, result.status.message());
  platform.Close();
  if (state.error_code != kNoError) {
    std::cerr << "scenario-packager: the descriptions compiled with error code " << state.error_code
              << " (error position " << state.error_position << ")\n";
    return kExitErrorRecorded;
  }
  return kExitSuccess;
}

}  // namespace scenario
