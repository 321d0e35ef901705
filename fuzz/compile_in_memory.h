// Runs the compile step on two description texts without touching the disk:
// the readers, the completion pass, the stamp step and the three encoders, in
// the order memorizza_percorso runs them. A watcher on the readers keeps what
// the invariants need to know about the run: the route lengths that sized the
// tables, the scenario rows as the line reader left them and the number of
// stop records the train reader began.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/generator_state.h"
#include "descriptions/description_source.h"
#include "descriptions/read_descriptions.h"
#include "descriptions/read_observer.h"
#include "grid/completion_pass.h"
#include "grid/grid_file.h"
#include "records/route_table.h"
#include "records/stamp.h"

namespace scenario::fuzzing {

class ReaderWatch : public ReadObserver {
 public:
  explicit ReaderWatch(const GeneratorState& state) : state_(state) {}

  void OnRecord(Description description, std::string_view record, TextPosition) override {
    Look(description);
    if (description == Description::kLine && record == "route length") route_length_seen_ = true;
    if (description == Description::kTrain && record == "stop") ++stop_records;
  }
  void OnError(Description description, int32_t, TextPosition) override { Look(description); }
  void OnFailure(Description description, const std::string&, TextPosition) override {
    Look(description);
  }
  // After memorizza_dati: a train reader that began no record wrote no row,
  // so the rows as they stand are the line reader's.
  void Finish() {
    Look(Description::kLine);
    if (!line_rows) line_rows = LineRows{state_.scenario, state_.board_row_cursor};
  }

  // Every value the run row's span_end held after a route-length record,
  // in order. The line reader sizes the tables with each value it stores
  // there that lies in 0 .. 1000000, and with no other.
  std::vector<int32_t> route_lengths;
  int stop_records = 0;
  struct LineRows {
    ScenarioTable table;
    int32_t board_row_cursor;
  };
  // The scenario table when the train reader began its first record.
  std::optional<LineRows> line_rows;

 private:
  void Look(Description description) {
    if (route_length_seen_) route_lengths.push_back(state_.scenario[kRunRow].span_end);
    if (description == Description::kTrain && !line_rows) {
      line_rows = LineRows{state_.scenario, state_.board_row_cursor};
    }
  }

  const GeneratorState& state_;
  bool route_length_seen_ = false;
};

struct CompileRun {
  CompileRun(std::string line, std::string train)
      : source(std::move(line), std::move(train)), watch(state) {}

  GeneratorState state;
  MemorySource source;
  ReaderWatch watch;
  bool sized = false;       // false: memorizza_percorso writes nothing (kUnsized)
  Cell cell1_before_stamp;  // cell 1 as the completion pass left it
  int32_t fatal = 0;        // 1250 or 1251: no file is written
  size_t route_file_size = 0;  // the route file is only counted: it runs to 20 MB
  std::string scenario_file;
  std::string grid_file;
};

// The bytes a file would get, taken from its pieces as the compile step
// writes them; Count only adds up their sizes.
inline std::string Drain(ByteSource& pieces) {
  std::string bytes;
  for (std::string_view piece = pieces.NextPiece(); !piece.empty(); piece = pieces.NextPiece()) {
    bytes.append(piece);
  }
  return bytes;
}
inline size_t Count(ByteSource& pieces) {
  size_t bytes = 0;
  for (std::string_view piece = pieces.NextPiece(); !piece.empty(); piece = pieces.NextPiece()) {
    bytes += piece.size();
  }
  return bytes;
}

// Without `observe` the readers run with the silent observer, as in the packager; the
// watcher then learns nothing and the invariants cannot be checked.
inline std::unique_ptr<CompileRun> CompileInMemory(std::string line, std::string train,
                                                   int32_t build_route_table = 1, bool observe = true) {
  auto run = std::make_unique<CompileRun>(std::move(line), std::move(train));
  GeneratorState& state = run->state;
  state.route_name = kRouteName;
  state.train_number = kTrainNumber;
  state.observer = observe ? static_cast<ReadObserver*>(&run->watch) : SilentObserver();
  state.build_route_table = build_route_table;
  state.error_code = 0;
  state.scenario.Reset();

  memorizza_dati(state, run->source);
  if (observe) run->watch.Finish();
  run->sized = state.grid.sized() && (build_route_table == 0 || state.route.sized());
  if (!run->sized) return run;

  CompleteGrid(state);
  run->cell1_before_stamp = state.grid.at(1);
  run->fatal = StampScenario(state);
  if (run->fatal != 0) return run;
  if (build_route_table != 0) {
    RouteFilePieces route_pieces(state.route);
    run->route_file_size = Count(route_pieces);
  }
  run->scenario_file = EncodeScenarioFile(state.scenario);
  GridFilePieces grid_pieces(state.grid);
  run->grid_file = Drain(grid_pieces);
  return run;
}

// What two compiles that must agree are compared on: the error code and
// position, the fatal number, and the scenario and grid files.
inline bool SameOutcome(const CompileRun& a, const CompileRun& b) {
  return a.state.error_code == b.state.error_code &&
         a.state.error_position == b.state.error_position && a.sized == b.sized &&
         a.fatal == b.fatal && a.scenario_file == b.scenario_file && a.grid_file == b.grid_file;
}

}  // namespace scenario::fuzzing
