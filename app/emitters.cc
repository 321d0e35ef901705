#include "app/emitters.h"

#include "app/document_emitter.h"
#include "app/file_names.h"
#include "content/documents.h"

namespace scenario {

namespace {
FileNames Names(const GeneratorState& state) { return MakeFileNames(state.route_name, state.train_number); }
}  // namespace

Status dati_linea(const GeneratorState& state, const std::filesystem::path& folder, FreshFileWriter& writer) {
  return EmitDocument(CarriedLineDescription(), folder / Names(state).line_text, writer);
}

Status dati_treno(const GeneratorState& state, const std::filesystem::path& folder, FreshFileWriter& writer) {
  return EmitDocument(CarriedTrainDescription(), folder / Names(state).train_text, writer);
}

Status dati_note(const GeneratorState& state, const std::filesystem::path& folder, FreshFileWriter& writer) {
  return EmitDocument(NotesDocument(), folder / Names(state).notes, writer);
}

Status dati_rallentamenti(const GeneratorState& state, const std::filesystem::path& folder, FreshFileWriter& writer) {
  return EmitDocument(SlowdownsNotice(), folder / Names(state).slowdowns, writer);
}

Status dati_scheda(const GeneratorState& state, const std::filesystem::path& folder, FreshFileWriter& writer) {
  return EmitDocument(TimetableSheet(), folder / Names(state).timetable, writer);
}

}  // namespace scenario
