// The five document emitters. Each writes one carried document into the
// folder under its file name; a failure's message names the file and the
// reason.
#pragma once

#include <filesystem>

#include "app/generator_state.h"
#include "app/status.h"
#include "records/fresh_file.h"

namespace scenario {

Status dati_linea(const GeneratorState& state, const std::filesystem::path& folder, FreshFileWriter& writer);
Status dati_treno(const GeneratorState& state, const std::filesystem::path& folder, FreshFileWriter& writer);
Status dati_note(const GeneratorState& state, const std::filesystem::path& folder, FreshFileWriter& writer);
Status dati_rallentamenti(const GeneratorState& state, const std::filesystem::path& folder, FreshFileWriter& writer);
Status dati_scheda(const GeneratorState& state, const std::filesystem::path& folder, FreshFileWriter& writer);

}  // namespace scenario
