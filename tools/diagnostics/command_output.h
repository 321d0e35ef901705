// What scenario-compile says after the diagnostics of a compile, and the
// picture it draws.
#pragma once

#include <ostream>

#include "app/status.h"
#include "records/fresh_file.h"
#include "tools/diagnostics/command.h"

namespace scenario {

// Every diagnostic kept, each warning kind's last one followed by a line
// that counts the ones of its kind left out.
void PrintDiagnostics(const CompileSummary& summary, const SourceLines& line_lines,
                      const SourceLines& train_lines, std::ostream& err);

// The records read, where a reader stopped, why OUTDIR was left as it was,
// and last the count of errors and warnings.
void PrintClosingLines(const CompileOptions& options, const CompileSummary& summary,
                       std::ostream& err);

// Draws this run's set of OUTDIR (the files named after --route and
// --train) into the SVG file. When the compile failed, a red band over the
// picture lists its errors: the set is still the last good one (or, with
// --write-on-error, the failing one), and without any a picture of the band
// alone is drawn. A compile that ended well but whose files cannot be drawn
// gets the band alone, saying why, and a failure; so does a picture that
// cannot be written.
Status DrawPicture(const CompileOptions& options, const CompileSummary& summary, FileWriter& files);

}  // namespace scenario
