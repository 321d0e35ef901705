// What decides whether a compile's binary files reach OUTDIR: only a compile
// that recorded no error code writes them, so a description with an error
// leaves the folder, and the outputs of the last good compile in it, as they
// were. With --write-on-error they are written anyway, exactly as the
// packager writes them.
//
// The compile step writes its files last, after every step that can record
// a code, so the code is final when the first file comes; a file held back
// is never encoded.
#pragma once

#include <string>
#include <vector>

#include "app/generator_state.h"
#include "records/fresh_file.h"

namespace scenario {

class OutputGate : public FileWriter {
 public:
  OutputGate(const GeneratorState& state, bool write_on_error, FileWriter& files)
      : state_(state), write_on_error_(write_on_error), files_(files) {}

  Status Write(const std::filesystem::path& path, std::string_view bytes) override;
  Status Write(const std::filesystem::path& path, ByteSource& source) override;
  Status WriteSet(const std::vector<SetFile>& files) override;

  // The names of the files held back, in writing order.
  const std::vector<std::string>& held_back() const { return held_back_; }

 private:
  bool Open() const;

  const GeneratorState& state_;
  const bool write_on_error_;
  FileWriter& files_;
  std::vector<std::string> held_back_;
};

}  // namespace scenario
