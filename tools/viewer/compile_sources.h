// The viewer's side of scenario-compile: the source index of a compile, from
// what its recorder saw, and the page's status document of a compile.
#pragma once

#include <string>

#include "tools/diagnostics/command.h"
#include "tools/viewer/source_index.h"

namespace scenario::viewer {

// The description paths as given on the command line, and their texts as
// the compile read them.
struct DescriptionTexts {
  std::string line_path, train_path;
  std::string line_text, train_text;
};

SourceIndex IndexCompile(const CompiledRun& run, const DescriptionTexts& texts);

// A compile fails when it records an error code, ends in a fatal report or
// writes no file: the page then keeps the last good picture.
bool CompileFailed(const CompileSummary& summary);

// {"mode": "compile", "failed", "summary", "diagnostics": [{"severity",
// "tag", "file", "line", "column", "location", "message", "source",
// "caret"}]}; the source lines come from the texts as they were compiled.
std::string CompileStatusJson(const CompileSummary& summary, const DescriptionTexts& texts);

// The status of a compile that could not start: a description could not be
// read. The failure stands as the summary.
std::string ReadFailureStatusJson(const std::string& failure);

}  // namespace scenario::viewer
