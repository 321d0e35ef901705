#include "records/route_table.h"

#include <sys/mman.h>

#include <cstdlib>
#include <new>

#include "records/encoding.h"

namespace scenario {

namespace {

constexpr size_t kHugePage = size_t{2} << 20;
constexpr size_t kLargeBlock = size_t{256} << 10;

// Whole huge pages, so that the system can align the block to them.
size_t BlockSize(size_t bytes) { return (bytes + kHugePage - 1) / kHugePage * kHugePage; }

}  // namespace

void* AllocateTableBlock(size_t bytes) {
  if (bytes < kLargeBlock) {
    void* block = std::calloc(bytes == 0 ? 1 : bytes, 1);
    if (block == nullptr) throw std::bad_alloc();
    return block;
  }
  void* block = mmap(nullptr, BlockSize(bytes), PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS,
                     -1, 0);
  if (block == MAP_FAILED) throw std::bad_alloc();
#ifdef MADV_HUGEPAGE
  madvise(block, BlockSize(bytes), MADV_HUGEPAGE);  // only advice: ignored where unsupported
#endif
  return block;
}

void FreeTableBlock(void* block, size_t bytes) {
  if (bytes < kLargeBlock) {
    std::free(block);
  } else {
    munmap(block, BlockSize(bytes));
  }
}

void RouteTable::Size(int64_t last_row) {
  size_t rows = last_row >= 0 ? static_cast<size_t>(last_row + 1) : 0;
  // Fresh blocks, which come zeroed: every element empty, every value 0.
  kind_ = decltype(kind_)(rows);
  x_ = decltype(x_)(rows);
  y_ = decltype(y_)(rows);
}

void RouteTable::Clear() {
  kind_.clear();
  x_.clear();
  y_.clear();
  kind_.shrink_to_fit();
  x_.shrink_to_fit();
  y_.shrink_to_fit();
}

void RouteTable::SetInt16(int64_t row, int16_t x, int16_t y) {
  size_t i = static_cast<size_t>(row);
  kind_[i] = kInt16;
  x_[i] = x;
  y_[i] = y;
}

void RouteTable::SetReal(int64_t row, double x, double y) {
  size_t i = static_cast<size_t>(row);
  kind_[i] = kReal;
  x_[i] = x;
  y_[i] = y;
}

static size_t ElementSize(uint8_t kind) {
  switch (kind) {
    case RouteTable::kInt16: return 4;
    case RouteTable::kReal: return 10;
    default: return 2;
  }
}

size_t RouteTable::EncodedSize() const {
  size_t column = 0;
  for (uint8_t kind : kind_) column += ElementSize(kind);
  return 2 * column;
}

static char* EncodeElement(char* p, uint8_t kind, double value) {
  switch (kind) {
    case RouteTable::kInt16:
      EncodeFixed16(p, 2);
      EncodeFixed16(p + 2, static_cast<uint16_t>(static_cast<int16_t>(value)));
      return p + 4;
    case RouteTable::kReal:
      EncodeFixed16(p, 5);
      EncodeFixed64(p + 2, std::bit_cast<uint64_t>(value));
      return p + 10;
    default:
      EncodeFixed16(p, 0);
      return p + 2;
  }
}

size_t RouteTable::EncodePiece(size_t* next_element, char* dst, size_t capacity) const {
  const size_t rows = kind_.size();
  size_t element = *next_element;
  char* p = dst;
  size_t room = capacity;
  for (; element < 2 * rows; ++element) {
    const bool x_column = element < rows;
    const size_t row = x_column ? element : element - rows;
    const size_t size = ElementSize(kind_[row]);
    if (size > room) break;
    p = EncodeElement(p, kind_[row], x_column ? x_[row] : y_[row]);
    room -= size;
  }
  *next_element = element;
  return static_cast<size_t>(p - dst);
}

void RouteTable::Encode(std::string* dst) const {
  // Encode straight into the buffer: this file is millions of elements long.
  const size_t start = dst->size();
  const size_t size = EncodedSize();
  dst->resize(start + size);
  size_t next_element = 0;
  EncodePiece(&next_element, dst->data() + start, size);
}

RouteFilePieces::RouteFilePieces(const RouteTable& table, size_t piece_bytes)
    : table_(table),
      capacity_(piece_bytes),
      buffer_(std::make_unique_for_overwrite<char[]>(piece_bytes)) {}

std::string_view RouteFilePieces::NextPiece() {
  const size_t size = table_.EncodePiece(&next_element_, buffer_.get(), capacity_);
  return std::string_view(buffer_.get(), size);
}

}  // namespace scenario
