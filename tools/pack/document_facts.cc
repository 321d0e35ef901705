#include "tools/pack/document_facts.h"

#include "descriptions/keywords.h"
#include "tools/common/chainage.h"
#include "tools/diagnostics/diagnostic_recorder.h"

namespace scenario {

namespace {

int64_t NumberOr0(const RecordRead& record, size_t value) { return record.Number(value).value_or(0); }

// The last record of a kind that may be given once: the reader keeps the
// last one read.
int64_t LastNumber(const DiagnosticRecorder& recorder, const RecordKeyword& keyword) {
  const std::vector<const RecordRead*>& records = recorder.RecordsOf(keyword.kind);
  return records.empty() ? 0 : NumberOr0(*records.back(), 0);
}

}  // namespace

DocumentFacts FactsOfCompile(const CompiledRun& run) {
  const Chainage chainage(run.state.scenario);
  DocumentFacts facts;
  facts.route_name = run.state.route_name;
  facts.train_number = run.state.train_number;
  facts.route_length = LastNumber(run.recorder, kRouteLengthKeyword);
  facts.braked_mass = LastNumber(run.recorder, kBrakedMassKeyword);
  // The stop record's values: position 0, ac 12, hours 13, minutes 14,
  // seconds 15, name 16.
  for (const RecordRead* record : run.recorder.RecordsOf(kStopKeyword.kind)) {
    MadeStop stop;
    stop.position = NumberOr0(*record, 0);
    stop.chainage = chainage.At(stop.position);
    stop.name = record->Text(16);
    stop.name.erase(stop.name.find_last_not_of(' ') + 1);
    stop.dwell = NumberOr0(*record, 12);
    stop.scheduled_time = (NumberOr0(*record, 13) * 60 + NumberOr0(*record, 14)) * 60 + NumberOr0(*record, 15);
    facts.stops.push_back(stop);
  }
  for (const RecordRead* record : run.recorder.RecordsOf(kSpeedLimitKeyword.kind)) {
    const int64_t position = NumberOr0(*record, 0);
    facts.speed_limits.push_back({position, chainage.At(position), NumberOr0(*record, 1)});
  }
  // start, speed, length
  for (const RecordRead* record : run.recorder.RecordsOf(kSlowdownKeyword.kind)) {
    facts.slowdowns.push_back(
        {chainage.At(NumberOr0(*record, 0)), NumberOr0(*record, 2), NumberOr0(*record, 1)});
  }
  return facts;
}

}  // namespace scenario
