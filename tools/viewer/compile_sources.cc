#include "tools/viewer/compile_sources.h"

#include "app/generator_state.h"
#include "tools/diagnostics/diagnostic_recorder.h"

namespace scenario::viewer {

namespace {

SourceRef Where(const DescriptionTexts& texts, const SourceLines& line_lines, const SourceLines& train_lines,
                Description description, int line) {
  const bool train = description == Description::kTrain;
  SourceRef ref{train ? texts.train_path : texts.line_path, line, ""};
  if (std::optional<std::string> text = (train ? train_lines : line_lines).Line(line)) ref.text = *text;
  return ref;
}

}  // namespace

SourceIndex IndexCompile(const CompiledRun& run, const DescriptionTexts& texts) {
  SourceIndex index;
  const SourceLines line_lines(texts.line_text);
  const SourceLines train_lines(texts.train_text);
  for (const RecordRead& record : run.recorder.records()) {
    RecordSource source;
    source.field = std::string(record.Field());
    for (size_t i = 0; i < record.value_count; ++i) {
      if (const std::optional<int64_t> number = record.Number(i)) source.numbers.push_back(*number);
    }
    source.where = Where(texts, line_lines, train_lines, record.description, record.keyword.line);
    index.AddRecord(std::string(record.kind), std::move(source));
  }
  const int64_t cells = run.state.grid.cell_count();
  for (int64_t cell = 0; cell < cells; ++cell) {
    if (const RecordRead* record = run.recorder.PlacedBy(cell)) {
      index.SetCell(cell, Where(texts, line_lines, train_lines, record->description, record->keyword.line));
    }
  }
  return index;
}

}  // namespace scenario::viewer
