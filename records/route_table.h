// The route table: the plan of the track, one row per metre from 0 to
// L + 7000, two columns (plan_x, plan_y) of tagged values.
//
// Route file: every element as a variant (u16 tag, then the value), column
// plan_x for rows 0 .. L + 7000, then column plan_y for the same rows (the
// first subscript varies fastest). The table holds only three kinds of
// element, so it stores a one-byte tag and a double per element.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "records/fresh_file.h"

namespace scenario {

// Memory for the table's columns (17 MB at the longest route). Blocks of
// 256 KB and more come straight from the system with the advice to back them
// by huge pages: first touching that much memory in 4 KB pages costs a page
// fault every 4 KB, which dominated the whole compile on a virtual machine.
// Every block comes zeroed, so a value-initialised element (zero) is not
// written again; the columns are therefore only ever made afresh, never
// resized in place.
void* AllocateTableBlock(size_t bytes);
void FreeTableBlock(void* block, size_t bytes);

template <typename T>
struct TableAllocator {
  using value_type = T;
  TableAllocator() = default;
  template <typename U>
  TableAllocator(const TableAllocator<U>&) {}
  T* allocate(size_t n) { return static_cast<T*>(AllocateTableBlock(n * sizeof(T))); }
  void deallocate(T* block, size_t n) { FreeTableBlock(block, n * sizeof(T)); }
  template <typename U>
  void construct(U*) noexcept {}  // the block is zero already
  template <typename U, typename... Args>
  void construct(U* element, Args&&... args) {
    ::new (static_cast<void*>(element)) U(std::forward<Args>(args)...);
  }
  template <typename U>
  bool operator==(const TableAllocator<U>&) const { return true; }
};

class RouteTable {
 public:
  enum Kind : uint8_t { kEmpty = 0, kInt16 = 2, kReal = 5 };

  // Rows 0 .. last_row, every element empty.
  void Size(int64_t last_row);
  void Clear();
  bool sized() const { return !x_.empty(); }
  int64_t last_row() const { return static_cast<int64_t>(x_.size()) - 1; }

  void SetInt16(int64_t row, int16_t x, int16_t y);
  void SetReal(int64_t row, double x, double y);
  Kind KindAt(int64_t row) const { return static_cast<Kind>(kind_[static_cast<size_t>(row)]); }
  double X(int64_t row) const { return x_[static_cast<size_t>(row)]; }
  double Y(int64_t row) const { return y_[static_cast<size_t>(row)]; }

  // Size of the route file in bytes.
  size_t EncodedSize() const;
  // Appends the route file's bytes.
  void Encode(std::string* dst) const;
  // Encodes the file's elements from *next_element on (plan_x of every row,
  // then plan_y of every row) while they fit into capacity bytes; advances
  // *next_element and returns the bytes written.
  size_t EncodePiece(size_t* next_element, char* dst, size_t capacity) const;
  size_t element_count() const { return 2 * kind_.size(); }

 private:
  std::vector<uint8_t, TableAllocator<uint8_t>> kind_;  // one tag for the row: both columns share it
  std::vector<double, TableAllocator<double>> x_;
  std::vector<double, TableAllocator<double>> y_;
};

// The route file piece by piece, encoded into one reused buffer, so that its
// bytes are never held whole next to the table (20 MB at the longest route).
class RouteFilePieces : public ByteSource {
 public:
  explicit RouteFilePieces(const RouteTable& table, size_t piece_bytes = kPieceBytes);
  std::string_view NextPiece() override;

 private:
  const RouteTable& table_;
  size_t next_element_ = 0;
  size_t capacity_;
  std::unique_ptr<char[]> buffer_;
};

}  // namespace scenario
