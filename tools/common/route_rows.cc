#include "tools/common/route_rows.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <vector>

#include "records/byte_reader.h"
#include "tools/common/file_kind.h"

namespace scenario {

namespace {

constexpr size_t kBufferBytes = size_t{64} << 10;

std::string Reason(int error) { return "cannot be read: " + std::string(std::strerror(error)); }

// One column's elements, read from `offset` on through a buffer that always
// holds a whole element before it is decoded.
class ElementCursor {
 public:
  ElementCursor(int fd, uint64_t offset, uint64_t end) : fd_(fd), next_read_(offset), end_(end) {}

  uint64_t offset() const { return next_read_ - (buffer_.size() - pos_); }
  bool AtEnd() const { return pos_ == buffer_.size() && next_read_ == end_; }

  // The next element; false with the problem said when it does not decode
  // or the file cannot be read.
  bool Next(RouteElement* element, std::string* problem) {
    if (!Fill(problem)) return false;
    ByteReader in(std::string_view(buffer_.data() + pos_, buffer_.size() - pos_));
    texts_.clear();
    if (!ReadRouteElement(in, element, &texts_, problem)) return false;
    pos_ += in.offset();
    return true;
  }

 private:
  // Makes the buffer hold at least one element's most bytes, or the rest.
  bool Fill(std::string* problem) {
    if (buffer_.size() - pos_ >= kMostElementBytes || next_read_ == end_) return true;
    buffer_.erase(0, pos_);
    pos_ = 0;
    const size_t want = static_cast<size_t>(
        std::min<uint64_t>(end_ - next_read_, kBufferBytes + kMostElementBytes - buffer_.size()));
    const size_t had = buffer_.size();
    buffer_.resize(had + want);
    size_t filled = 0;
    while (filled < want) {
      const ssize_t n = pread(fd_, buffer_.data() + had + filled, want - filled,
                              static_cast<off_t>(next_read_ + filled));
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) {
        *problem = Reason(errno);
        return false;
      }
      if (n == 0) {
        *problem = "it grew shorter while it was read";
        return false;
      }
      filled += static_cast<size_t>(n);
    }
    next_read_ += want;
    return true;
  }

  int fd_;
  uint64_t next_read_;
  uint64_t end_;
  std::string buffer_;
  size_t pos_ = 0;
  std::vector<std::string> texts_;
};

}  // namespace

bool IsPlanPoint(const RouteElement& x, const RouteElement& y) {
  return x.IsNumber() && y.IsNumber() && std::isfinite(x.value) && std::isfinite(y.value);
}

RouteFileRows::~RouteFileRows() {
  if (fd_ >= 0) close(fd_);
}

Status RouteFileRows::Open(const std::filesystem::path& path) {
  struct stat named;
  if (stat(path.c_str(), &named) != 0) return Status::Error(errno == ENOENT ? "no such file" : Reason(errno));
  if (!S_ISREG(named.st_mode)) return Status::Error("not a regular file");
  fd_ = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd_ < 0) return Status::Error("cannot be opened for reading: " + std::string(std::strerror(errno)));
  struct stat opened;
  if (fstat(fd_, &opened) != 0 || !S_ISREG(opened.st_mode)) return Status::Error("not a regular file");
  size_ = static_cast<uint64_t>(opened.st_size);
  if (size_ > kMaxCompiledFileBytes) {
    return Status::Error(std::to_string(size_) + " bytes are more than any compiled file holds (" +
                         std::to_string(kMaxCompiledFileBytes) + ")");
  }
  if (size_ == 0) return Status::Error("named like a route file, but a route file holds at least one row, this one is empty");
  // Every element once, counted, with where each one starts kept only
  // for the middle one: the y column's first.
  const uint64_t most = 2 * static_cast<uint64_t>(kMaxRouteRows);
  std::vector<uint64_t> starts;  // a sparse record: one start in 4096
  ElementCursor cursor(fd_, 0, size_);
  uint64_t count = 0;
  while (!cursor.AtEnd()) {
    const uint64_t start = cursor.offset();
    if (count == most) {
      return Status::Error("named like a route file, but more than " + std::to_string(most) +
                           " elements, the two columns of the longest route (1000000 m); byte " +
                           std::to_string(start) + " starts one more");
    }
    if (count % 4096 == 0) starts.push_back(start);
    RouteElement element;
    std::string problem;
    if (!cursor.Next(&element, &problem)) {
      if (problem.rfind("cannot be read", 0) == 0) return Status::Error(problem);
      return Status::Error("named like a route file, but element " + std::to_string(count) + " at byte " +
                           std::to_string(start) + ": " + problem + " (truncated, or not a route file)");
    }
    ++count;
  }
  if (count % 2 != 0) {
    return Status::Error("named like a route file, but a route file holds two columns of equal length, but it "
                         "decodes to an odd number of elements (" + std::to_string(count) + ")");
  }
  rows_ = static_cast<int64_t>(count / 2);
  // From the nearest recorded start before the middle, on to the middle.
  const uint64_t middle = count / 2;
  ElementCursor to_middle(fd_, starts[middle / 4096], size_);
  std::string problem;
  for (uint64_t i = middle / 4096 * 4096; i < middle; ++i) {
    RouteElement skipped;
    if (!to_middle.Next(&skipped, &problem)) return Status::Error(problem);
  }
  y_offset_ = to_middle.offset();
  return Status::OK();
}

Status RouteFileRows::ForEachRow(const Visit& visit) const {
  ElementCursor xs(fd_, 0, y_offset_), ys(fd_, y_offset_, size_);
  std::string problem;
  for (int64_t row = 0; row < rows_; ++row) {
    RouteElement x, y;
    if (!xs.Next(&x, &problem) || !ys.Next(&y, &problem)) return Status::Error(problem);
    visit(row, x, y);
  }
  return Status::OK();
}

}  // namespace scenario
