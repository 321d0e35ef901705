#include "tools/common/output_target.h"

#include <sys/stat.h>

#include <system_error>

namespace scenario {

namespace {

const char* KindOf(mode_t mode) {
  if (S_ISDIR(mode)) return "a directory";
  if (S_ISFIFO(mode)) return "a FIFO";
  if (S_ISCHR(mode)) return "a character device";
  if (S_ISBLK(mode)) return "a block device";
  if (S_ISSOCK(mode)) return "a socket";
  return "not a regular file";
}

std::filesystem::path Resolved(const std::filesystem::path& path) {
  std::error_code error;
  std::filesystem::path absolute = std::filesystem::absolute(path, error);
  if (error) return path.lexically_normal();
  std::filesystem::path resolved = std::filesystem::weakly_canonical(absolute, error);
  return error ? absolute.lexically_normal() : resolved;
}

}  // namespace

bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
  struct stat sa, sb;
  const bool a_exists = stat(a.c_str(), &sa) == 0;
  const bool b_exists = stat(b.c_str(), &sb) == 0;
  if (a_exists && b_exists) return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
  // A path through a folder not made yet ("out/../line.txt" before OUTDIR
  // exists) leads to the file it will lead to once the folder is made.
  return Resolved(a) == Resolved(b);
}

Status CheckOutputTarget(const std::string& option, const std::filesystem::path& path) {
  struct stat target;
  if (stat(path.c_str(), &target) != 0 || S_ISREG(target.st_mode)) return Status::OK();
  return Status::Error(option + " " + path.string() + " is " + KindOf(target.st_mode) +
                       ": it is only ever written as a regular file, so nothing was written");
}

}  // namespace scenario
