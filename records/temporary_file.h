// The temporary file a fresh file is written to before it takes its name,
// made so that it never outlives the process that writes it.
//
// Where the file system offers it, the file has no name at all (O_TMPFILE)
// until it is finished: a process killed while writing leaves nothing. It is
// then linked in under a temporary name and renamed over the target. Where
// the file system refuses unnamed files, it is created under the temporary
// name at once. Either way the temporary name is `.NAME.tmp.XXXXXX` beside
// the target NAME, and the file holds an exclusive flock() for as long as it
// lives; a later run that can take that lock knows the writer is gone and
// removes the file (RemoveStaleTemporaries), and one that cannot leaves it.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace scenario {

class TemporaryFile {
 public:
  TemporaryFile() = default;
  // Removes the temporary name, if it was given one and was not renamed.
  ~TemporaryFile();
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  // Creates the file in the target's folder, unnamed when `unnamed_allowed`
  // and the file system offers it. 0, or the errno of the failure.
  int Create(const std::filesystem::path& target, bool unnamed_allowed);
  int fd() const { return fd_; }
  bool unnamed() const { return unnamed_; }
  // Gives an unnamed file its temporary name; nothing to do for a named one.
  int LinkIn();
  // Opens the second descriptor that keeps the lock once the first is
  // closed (CloseWritten does it when it was not done before).
  int KeepLock();
  // Closes the descriptor written through, which reports a write the file
  // system could not finish; the lock stays held through a second one.
  int CloseWritten();
  // Renames the file over the target; after that nothing is removed.
  int RenameOver(const std::filesystem::path& target);
  // The temporary name, empty while the file has none.
  const std::string& name() const { return name_; }
  // Whether the path names this file (after RenameOver, the target does
  // until something else takes the name).
  bool IsNamedBy(const std::filesystem::path& path) const;

 private:
  int CreateNamed();
  std::filesystem::path target_;
  std::string name_;
  int fd_ = -1;    // written through
  int lock_ = -1;  // the same open file, kept open for the lock
  bool unnamed_ = false;
};

// The temporary name pattern's prefix and suffix for a target file name:
// `.NAME.tmp.` followed by six letters or digits; for a NAME too long to
// leave room for that, `.HHHHHHHHHHHHHHHH.tmp.`, a hash of NAME in hex.
std::string TemporaryPrefix(const std::string& target_name);

// A name of the temporary pattern beside the target, not yet taken when
// it was made; for files that must be cleared away like temporary ones if
// the run is killed.
std::string TemporaryNameBeside(const std::filesystem::path& target);

// Removes from the folder the temporary files of the given target names
// whose writer is gone: those whose lock can be taken. A live writer's file
// is never touched. Returns how many were removed.
int RemoveStaleTemporaries(const std::filesystem::path& folder,
                           const std::vector<std::string>& target_names);

}  // namespace scenario
