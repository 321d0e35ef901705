// What scenario-compile says after the diagnostics of a compile, and the
// picture it draws.
#pragma once

#include <ostream>

#include "app/status.h"
#include "records/fresh_file.h"
#include "tools/compile/command.h"

namespace scenario {

// Every diagnostic kept, each warning kind's last one followed by a line
// that counts the ones of its kind left out.
void PrintDiagnostics(const CompileSummary& summary, const SourceLines& line_lines,
                      const SourceLines& train_lines, std::ostream& err);

// The records read, where a reader stopped, why OUTDIR was left as it was,
// and last the count of errors and warnings.
void PrintClosingLines(const CompileOptions& options, const CompileSummary& summary,
                       std::ostream& err);

// Draws OUTDIR into the SVG file. When the compile failed, a red band over
// the picture lists its errors: the folder still holds the last good
// outputs (or, with --write-on-error, the failing ones), and without any a
// picture of the band alone is drawn. Says on err why it draws nothing; a
// picture that cannot be written is the writer's failure.
Status DrawPicture(const CompileOptions& options, const CompileSummary& summary,
                   FileWriter& files, std::ostream& err);

}  // namespace scenario
