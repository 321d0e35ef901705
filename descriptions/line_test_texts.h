// Helpers for the line reader's tests: description texts built line by line
// and a run of the reader over them.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "app/generator_state.h"
#include "descriptions/description_source.h"
#include "descriptions/line_reader.h"

namespace scenario::testing {

// Each line ends with CR LF, as the emitter writes them.
inline std::string Lines(std::initializer_list<std::string_view> lines) {
  std::string text;
  for (std::string_view line : lines) {
    text.append(line);
    text.append("\r\n");
  }
  return text;
}

// A line description with route length `length` and the given data lines,
// laid out like the carried one (preamble, general section, data sections,
// "[fine]" and a line of blanks).
inline std::string LineText(int32_t length, std::initializer_list<std::string_view> data) {
  std::string text = Lines({"Premessa, con virgole, l'apostrofo e 3 numeri: 12, 34", "inizio dati", "",
                            "[generale]", "lunghezza percorso,    " + std::to_string(length),
                            "[pendenze]"});
  text += Lines(data);
  text += Lines({"[fine]", "                "});
  return text;
}

// A train description that holds no record.
inline constexpr const char* kEmptyTrain = "nessun dato\r\n";

struct LineRun {
  explicit LineRun(std::string line, int32_t build_route_table = 1)
      : source(std::move(line), std::string(kEmptyTrain)) {
    state.route_name = kRouteName;
    state.train_number = kTrainNumber;
    state.build_route_table = build_route_table;
  }
  // Runs the line reader alone; true when the train reader would run next.
  bool Read() { return ReadLineDescription(state, source); }

  const Cell& cell(int64_t index) const { return state.grid.at(index); }

  GeneratorState state;
  MemorySource source;
};

}  // namespace scenario::testing
