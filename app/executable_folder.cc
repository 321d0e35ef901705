#include "app/executable_folder.h"

#include <sys/auxv.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string_view>

namespace scenario {

namespace {

bool IsExecutableFile(const std::filesystem::path& path) {
  struct stat found;
  return stat(path.c_str(), &found) == 0 && S_ISREG(found.st_mode) && access(path.c_str(), X_OK) == 0;
}

std::filesystem::path Absolute(const std::filesystem::path& executable) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(executable, error);
  return error ? std::filesystem::path() : absolute;
}

// The first folder of PATH holding an executable of that name, as execvp()
// finds it; an empty entry is the working directory.
std::filesystem::path LookUp(const std::string& name, std::string_view path_variable) {
  while (true) {
    const size_t colon = path_variable.find(':');
    const std::string_view entry = path_variable.substr(0, colon);
    const std::filesystem::path candidate =
        std::filesystem::path(entry.empty() ? "." : std::string(entry)) / name;
    if (IsExecutableFile(candidate)) return Absolute(candidate);
    if (colon == std::string_view::npos) return {};
    path_variable.remove_prefix(colon + 1);
  }
}

}  // namespace

ExecutableClues CluesOfThisProcess(const char* argv0) {
  ExecutableClues clues;
  std::error_code error;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error) clues.proc_exe = exe.string();
  if (const auto execfn = reinterpret_cast<const char*>(getauxval(AT_EXECFN))) clues.execfn = execfn;
  if (argv0 != nullptr) clues.argv0 = argv0;
  // Without PATH, execvp() searches the system's default folders.
  const char* path = std::getenv("PATH");
  clues.path_variable = path != nullptr ? path : "/bin:/usr/bin";
  return clues;
}

std::filesystem::path ExecutableFolder(const ExecutableClues& clues) {
  const std::filesystem::path executable = ExecutablePath(clues);
  return executable.empty() ? executable : executable.parent_path();
}

std::filesystem::path ExecutablePath(const ExecutableClues& clues) {
  if (!clues.proc_exe.empty()) return Absolute(clues.proc_exe);
  // execve() takes a name without a slash from the working directory, as
  // it takes any relative one.
  if (!clues.execfn.empty() && IsExecutableFile(clues.execfn)) return Absolute(clues.execfn);
  if (clues.argv0.find('/') != std::string::npos) {
    return IsExecutableFile(clues.argv0) ? Absolute(clues.argv0) : std::filesystem::path();
  }
  if (clues.argv0.empty()) return {};
  return LookUp(clues.argv0, clues.path_variable);
}

}  // namespace scenario
