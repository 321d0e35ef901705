// Test fixture for the train reader: a sized grid, a board row cursor and a
// train description text built from record lines.
#pragma once

#include <initializer_list>
#include <memory>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "app/generator_state.h"
#include "descriptions/description_source.h"
#include "descriptions/field_stream.h"
#include "descriptions/train_reader.h"

namespace scenario {

// A train description: a title line, the "[generale]" line, the given lines
// (CR LF each) and the closing "[fine]" line.
inline std::string TrainText(std::initializer_list<std::string> lines) {
  std::string text = "Treno 7304, descrizione\r\n\r\ninizio_dati\r\n[generale]\r\n";
  for (const std::string& line : lines) text += line + "\r\n";
  return text + "     [fine]\r\n";
}

class TrainReaderTest : public ::testing::Test {
 protected:
  TrainReaderTest() {
    state.grid.Size(270000);  // N = 5540
    state.board_row_cursor = 80;
  }

  // Reads the text; returns false when the reader threw (the common failure
  // path, code 25).
  bool Read(const std::string& text) {
    source = std::make_unique<MemorySource>(std::nullopt, text);
    try {
      ReadTrainDescription(state, *source);
    } catch (const DescriptionFailure&) {
      return false;
    }
    return true;
  }
  void ExpectError(int32_t code, int32_t position) const {
    EXPECT_EQ(state.error_code, code);
    EXPECT_EQ(state.error_position, position);
  }

  Cell& cell(int64_t i) { return state.grid.at(i); }
  ScenarioRow& row(int i) { return state.scenario[i]; }
  int64_t last() const { return state.grid.last_index(); }
  bool TrainDeleted() const { return source != nullptr && source->train_deleted; }

  GeneratorState state;
  std::unique_ptr<MemorySource> source;
};

}  // namespace scenario
