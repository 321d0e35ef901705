// The binary files of a scenario as one set. The simulator loads the route,
// scenario and grid files of a folder as one scenario, so a new scenario file
// beside an older grid file is a scenario nobody compiled. Every file is
// written and synced under a temporary name first; only then are they
// renamed in, each older file kept under a second name (a hard link, of the
// temporary pattern, which a later run clears away if this one is killed)
// until all renames have gone through. A failure part-way puts the older
// files back and removes the new ones that had taken a name that was free.
#include <fcntl.h>
#include <signal.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <deque>

#include "records/fresh_file.h"
#include "records/temporary_file.h"

namespace scenario {

namespace {

constexpr int kNameTries = 100;

// One file of the set on its way in.
struct Placing {
  std::filesystem::path target;
  TemporaryFile temp;
  std::string kept;          // the older file's second name; empty when there is none
  bool moved_aside = false;  // the older file lost its own name to be kept
  bool renamed = false;      // the new file has the target name
};

// Moves the older file to a free name; a file system without
// RENAME_NOREPLACE is checked first (the folder is locked for the run).
int MoveAside(const std::string& from, const std::string& to) {
  if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
  if (errno != EINVAL && errno != ENOSYS) return errno;
  struct stat taken;
  if (lstat(to.c_str(), &taken) == 0) return EEXIST;
  return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

// Gives the older file at the target a second name, so that it can be put
// back. Nothing to keep when the name is free, or holds a directory (the
// rename over a directory fails and it stays as it is).
int KeepOlder(Placing& file) {
  struct stat older;
  if (lstat(file.target.c_str(), &older) != 0) return errno == ENOENT ? 0 : errno;
  if (S_ISDIR(older.st_mode)) return 0;
  for (int i = 0; i < kNameTries; ++i) {
    std::string name = TemporaryNameBeside(file.target);
    // link() takes a symbolic link itself, not what it leads to.
    if (link(file.target.c_str(), name.c_str()) == 0) {
      file.kept = std::move(name);
      return 0;
    }
    if (errno == EEXIST) continue;
    // No hard link here (a file system without them, a file the user may
    // not link): the older file is moved aside, its name free for a moment.
    if (errno != EPERM && errno != EOPNOTSUPP && errno != EMLINK) return errno;
    const int moved = MoveAside(file.target.string(), name);
    if (moved == EEXIST) continue;
    if (moved != 0) return moved;
    file.kept = std::move(name);
    file.moved_aside = true;
    return 0;
  }
  return EEXIST;
}

// Every file of the set as it was before: the older ones take their names
// back, a new one in a name that was free goes. The reasons it could not.
std::string PutBack(std::deque<Placing>& files) {
  std::string lost;
  for (auto file = files.rbegin(); file != files.rend(); ++file) {
    if (!file->kept.empty() && (file->renamed || file->moved_aside)) {
      if (std::rename(file->kept.c_str(), file->target.c_str()) != 0) {
        lost += "; the older " + file->target.string() + " could not be put back (it is " +
                file->kept + "): " + std::strerror(errno);
        continue;
      }
    } else if (!file->kept.empty()) {
      unlink(file->kept.c_str());
    } else if (file->renamed && file->temp.IsNamedBy(file->target)) {
      unlink(file->target.c_str());
    }
    file->kept.clear();
  }
  return lost;
}

// The signals that end a run wait while the files are renamed in, so that
// the run ends after the set is whole, or put back.
class EndingSignalsHeld {
 public:
  EndingSignalsHeld() {
    sigset_t ending;
    sigemptyset(&ending);
    for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) sigaddset(&ending, signal);
    pthread_sigmask(SIG_BLOCK, &ending, &before_);
  }
  ~EndingSignalsHeld() { pthread_sigmask(SIG_SETMASK, &before_, nullptr); }
  EndingSignalsHeld(const EndingSignalsHeld&) = delete;
  EndingSignalsHeld& operator=(const EndingSignalsHeld&) = delete;

 private:
  sigset_t before_;
};

}  // namespace

Status FreshFileWriter::WriteSet(const std::vector<SetFile>& set) {
  // Every file complete and synced before the first takes its name; a
  // failure here leaves only temporary files, which remove themselves.
  std::deque<Placing> files;
  for (const SetFile& file : set) {
    Placing& placing = files.emplace_back();
    placing.target = file.path;
    if (Status staged = Stage(file.path, *file.source, placing.temp, true); !staged.ok()) return staged;
  }
  EndingSignalsHeld held;
  Status failed;
  for (Placing& file : files) {
    int error = KeepOlder(file);
    if (error == 0 && Fails(FileStep::kRename, file.target)) error = EACCES;
    if (error == 0) error = file.temp.RenameOver(file.target);
    if (error != 0) {
      failed = FileFailure(file.target, "rename", error);
      break;
    }
    file.renamed = true;
  }
  if (failed.ok()) {
    for (Placing& file : files) {
      if (!file.kept.empty()) unlink(file.kept.c_str());
    }
    return failed;
  }
  const std::string lost = PutBack(files);
  return lost.empty() ? failed : Status::Error(failed.message() + lost);
}

}  // namespace scenario
