// The five document emitters. Each writes one carried document into the
// folder under its file name; on failure it returns a message naming the
// file and the reason.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "app/generator_state.h"
#include "records/fresh_file.h"

namespace scenario {

using EmitResult = std::optional<std::string>;

EmitResult dati_linea(const GeneratorState& state, const std::filesystem::path& folder, FreshFileWriter& writer);
EmitResult dati_treno(const GeneratorState& state, const std::filesystem::path& folder, FreshFileWriter& writer);
EmitResult dati_note(const GeneratorState& state, const std::filesystem::path& folder, FreshFileWriter& writer);
EmitResult dati_rallentamenti(const GeneratorState& state, const std::filesystem::path& folder, FreshFileWriter& writer);
EmitResult dati_scheda(const GeneratorState& state, const std::filesystem::path& folder, FreshFileWriter& writer);

}  // namespace scenario
