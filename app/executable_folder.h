// The folder of the running packager, where it writes its files: never the
// working directory by mistake. /proc names the executable; without /proc
// the path the kernel was asked to run (AT_EXECFN) does, or the name the
// command was started by, looked up in PATH as the shell did.
#pragma once

#include <filesystem>
#include <string>

namespace scenario {

// What the process can learn of its executable; an empty one is unknown.
struct ExecutableClues {
  std::string proc_exe;  // where /proc/self/exe leads
  std::string execfn;    // the path given to execve, relative to the working directory
  std::string argv0;
  std::string path_variable;  // PATH
};

// The clues of this process.
ExecutableClues CluesOfThisProcess(const char* argv0);

// The executable's folder, absolute; empty when no clue leads to an
// executable file.
std::filesystem::path ExecutableFolder(const ExecutableClues& clues);
// The executable itself, absolute; empty when no clue leads to it.
std::filesystem::path ExecutablePath(const ExecutableClues& clues);

}  // namespace scenario
