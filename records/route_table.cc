#include "records/route_table.h"

#include "records/encoding.h"

namespace scenario {

void RouteTable::Size(int64_t last_row) {
  size_t rows = last_row >= 0 ? static_cast<size_t>(last_row + 1) : 0;
  kind_.assign(rows, kEmpty);
  x_.assign(rows, 0.0);
  y_.assign(rows, 0.0);
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

static void EncodeColumn(std::string* dst, const std::vector<uint8_t>& kinds,
                         const std::vector<double>& values) {
  // Encode straight into the buffer: this file is millions of elements long.
  size_t start = dst->size();
  size_t size = 0;
  for (uint8_t kind : kinds) size += ElementSize(kind);
  dst->resize(start + size);
  char* p = dst->data() + start;
  for (size_t i = 0; i < kinds.size(); ++i) {
    switch (kinds[i]) {
      case RouteTable::kInt16:
        EncodeFixed16(p, 2);
        EncodeFixed16(p + 2, static_cast<uint16_t>(static_cast<int16_t>(values[i])));
        p += 4;
        break;
      case RouteTable::kReal:
        EncodeFixed16(p, 5);
        EncodeFixed64(p + 2, std::bit_cast<uint64_t>(values[i]));
        p += 10;
        break;
      default:
        EncodeFixed16(p, 0);
        p += 2;
        break;
    }
  }
}

void RouteTable::Encode(std::string* dst) const {
  dst->reserve(dst->size() + EncodedSize());
  EncodeColumn(dst, kind_, x_);
  EncodeColumn(dst, kind_, y_);
}

}  // namespace scenario
