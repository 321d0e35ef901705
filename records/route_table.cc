#include "records/route_table.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "records/encoding.h"

namespace scenario {

void RouteTable::Size(int64_t last_row) {
  last_row_ = last_row >= 0 ? last_row : -1;
  next_row_ = 0;
  stretches_.clear();
}

void RouteTable::Clear() {
  Size(-1);
  stretches_.shrink_to_fit();
}

void RouteTable::SetOrigin() {
  next_row_ = std::min<int64_t>(2, last_row_ + 1);
  stretches_.clear();
}

void RouteTable::Extend(int64_t last, double turn) {
  last = std::min(last, last_row_);
  if (next_row_ < 2 || last < next_row_) return;
  // A stretch that goes on with the same turn only moves the last one's end,
  // so the list stays as short as the curve records.
  if (!stretches_.empty() && std::bit_cast<uint64_t>(stretches_.back().turn) ==
                                 std::bit_cast<uint64_t>(turn)) {
    stretches_.back().last = last;
  } else {
    stretches_.push_back({last, turn});
  }
  next_row_ = last + 1;
}

size_t RouteTable::EncodedSize() const {
  if (!sized()) return 0;
  // Per column: 4 bytes for each 16-bit integer row, 10 for each real, 2 for
  // each empty row.
  const int64_t computed = next_row_;
  const int64_t integers = std::min<int64_t>(computed, 2);
  const int64_t column = 4 * integers + 10 * (computed - integers) + 2 * (last_row_ + 1 - computed);
  return 2 * static_cast<size_t>(column);
}

RouteWalk::RouteWalk(const RouteTable& table) : table_(&table) {}

namespace {

size_t ElementSize(RouteTable::Kind kind) {
  switch (kind) {
    case RouteTable::kInt16: return 4;
    case RouteTable::kReal: return 10;
    default: return 2;
  }
}

// Encodes the walk's rows of one column from where it stands while they fit
// between p and end; returns where the bytes end.
char* EncodeColumn(RouteWalk& walk, bool y_column, char* p, char* const end) {
  while (!walk.AtEnd()) {
    const RouteTable::Kind kind = walk.kind();
    if (kind == RouteTable::kReal) {
      // The computed rows, as many as fit.
      const int64_t rows = std::min<int64_t>(walk.table().next_row() - walk.row(),
                                             static_cast<int64_t>((end - p) / 10));
      if (rows == 0) break;
      auto put = [&p](double value) {
        EncodeFixed16(p, RouteTable::kReal);
        EncodeFixed64(p + 2, std::bit_cast<uint64_t>(value));
        p += 10;
      };
      if (y_column) {
        walk.Reals(rows, [&put](double, double y) { put(y); });
      } else {
        walk.Reals(rows, [&put](double x, double) { put(x); });
      }
      continue;
    }
    if (static_cast<size_t>(end - p) < ElementSize(kind)) break;
    const RouteWalk::Point point = walk.Next();
    EncodeFixed16(p, kind);
    p += 2;
    if (kind == RouteTable::kInt16) {
      EncodeFixed16(p, static_cast<uint16_t>(static_cast<int16_t>(y_column ? point.y : point.x)));
      p += 2;
    }
  }
  return p;
}

}  // namespace

void RouteTable::Encode(std::string* dst) const {
  // Encode straight into the string: this file is millions of elements long.
  const size_t start = dst->size();
  dst->resize(start + EncodedSize());
  char* p = dst->data() + start;
  char* const end = dst->data() + dst->size();
  for (bool y_column : {false, true}) {
    RouteWalk walk(*this);
    p = EncodeColumn(walk, y_column, p, end);
  }
}

RouteFilePieces::RouteFilePieces(const RouteTable& table, size_t piece_bytes)
    : table_(table),
      walk_(table),
      capacity_(piece_bytes),
      buffer_(std::make_unique_for_overwrite<char[]>(piece_bytes)) {}

std::string_view RouteFilePieces::NextPiece() {
  char* const begin = buffer_.get();
  char* const end = begin + capacity_;
  char* p = EncodeColumn(walk_, y_column_, begin, end);
  if (walk_.AtEnd() && !y_column_) {
    y_column_ = true;
    walk_ = RouteWalk(table_);
    p = EncodeColumn(walk_, y_column_, p, end);
  }
  return std::string_view(begin, static_cast<size_t>(p - begin));
}

}  // namespace scenario
