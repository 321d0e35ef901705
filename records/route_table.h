// The route table: the plan of the track, one row per metre from 0 to
// L + 7000, two columns (plan_x, plan_y) of tagged values.
//
// Route file: every element as a variant (u16 tag, then the value), column
// plan_x for rows 0 .. L + 7000, then column plan_y for the same rows (the
// first subscript varies fastest).
//
// The table is never held row by row: it is a million rows at the longest
// route, and every row follows from the two before it. It keeps what the
// line reader decided instead, the stretches of straight and curved steps in
// the order they were computed, and the rows are computed again, in order, as
// they are read or encoded. Rows 0 and 1 are (0, 0) and (0, 1) as 16-bit
// integers, rows 2 up to the plan cursor are reals, the rest are empty.
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "records/fresh_file.h"

namespace scenario {

class RouteTable {
 public:
  enum Kind : uint8_t { kEmpty = 0, kInt16 = 2, kReal = 5 };

  // Rows 0 .. last_row, every element empty.
  void Size(int64_t last_row);
  void Clear();
  bool sized() const { return last_row_ >= 0; }
  int64_t last_row() const { return last_row_; }

  // Rows 0 and 1, where the track starts heading along +y; the plan cursor
  // goes back to row 2 and every later row is empty again.
  void SetOrigin();
  // Takes the plan from the cursor on up to row `last` (at most the last
  // row): straight steps when the turn per metre is 0, else curved steps.
  // The rows are computed when they are read. Nothing happens when `last`
  // lies behind the cursor. Needs the origin.
  void Extend(int64_t last, double turn);
  // The plan cursor: the first row not computed (0 before the origin).
  int64_t next_row() const { return next_row_; }

  Kind KindAt(int64_t row) const {
    if (row >= next_row_) return kEmpty;
    return row < 2 ? kInt16 : kReal;
  }

  // Size of the route file in bytes.
  size_t EncodedSize() const;
  // Appends the route file's bytes.
  void Encode(std::string* dst) const;

  // A run of rows computed with one turn per metre (0: straight), from the
  // row after the previous stretch up to `last`.
  struct Stretch {
    int64_t last;
    double turn;
  };
  const std::vector<Stretch>& stretches() const { return stretches_; }

 private:
  int64_t last_row_ = -1;
  int64_t next_row_ = 0;
  std::vector<Stretch> stretches_;
};

// The points of the plan in row order, each computed from the two before it.
class RouteWalk {
 public:
  explicit RouteWalk(const RouteTable& table);

  const RouteTable& table() const { return *table_; }
  // The row that Next() gives.
  int64_t row() const { return row_; }
  bool AtEnd() const { return row_ > table_->last_row(); }
  RouteTable::Kind kind() const { return table_->KindAt(row_); }
  // The point of row(), (0, 0) for an empty row; then moves to the next row.
  struct Point {
    double x, y;
  };
  Point Next() {
    const int64_t row = row_;
    if (row >= table_->next_row()) {
      ++row_;
      return {0.0, 0.0};
    }
    if (row < 2) {
      ++row_;
      return {0.0, static_cast<double>(row)};
    }
    Point point{0.0, 0.0};  // set by the one row Reals gives
    Reals(1, [&point](double x, double y) { point = {x, y}; });
    return point;
  }

  // Gives the points of the next `count` rows, which must all be computed
  // rows from row 2 on, to sink(x, y) in order: one tight loop per stretch.
  template <typename Sink>
  void Reals(int64_t count, Sink&& sink) {
    double x1 = x1_, y1 = y1_, x2 = x2_, y2 = y2_;
    while (count > 0) {
      if (row_ > stretch_last_) {
        const RouteTable::Stretch& stretch = table_->stretches()[stretch_++];
        stretch_last_ = stretch.last;
        turn_ = stretch.turn;
      }
      const int64_t rows = std::min(count, stretch_last_ - row_ + 1);
      // Plain doubles in this exact order (no fused multiply-add), so the
      // route file is the same on every machine.
      const double k = turn_;
      if (k == 0.0) {
        for (int64_t i = 0; i < rows; ++i) {
          const double x = x1 + (x1 - x2);
          const double y = y1 + (y1 - y2);
          x2 = x1, y2 = y1, x1 = x, y1 = y;
          sink(x, y);
        }
      } else {
        for (int64_t i = 0; i < rows; ++i) {
          const double dx = x1 - x2;
          const double dy = y1 - y2;
          const double x = x1 + (dx + k * dy);
          const double y = y1 + (dy - k * dx);
          x2 = x1, y2 = y1, x1 = x, y1 = y;
          sink(x, y);
        }
      }
      row_ += rows;
      count -= rows;
    }
    x1_ = x1, y1_ = y1, x2_ = x2, y2_ = y2;
  }

 private:
  const RouteTable* table_;
  int64_t row_ = 0;
  // The two rows before row_, from row 2 on.
  double x1_ = 0.0, y1_ = 1.0, x2_ = 0.0, y2_ = 0.0;
  size_t stretch_ = 0;
  int64_t stretch_last_ = 1;
  double turn_ = 0.0;
};

// The route file piece by piece, computed and encoded into one reused buffer:
// neither the rows nor the file's bytes (20 MB at the longest route) are ever
// held whole. The plan is walked twice, once for each column.
class RouteFilePieces : public ByteSource {
 public:
  explicit RouteFilePieces(const RouteTable& table, size_t piece_bytes = kPieceBytes);
  std::string_view NextPiece() override;

 private:
  const RouteTable& table_;
  RouteWalk walk_;
  bool y_column_ = false;
  size_t capacity_;
  std::unique_ptr<char[]> buffer_;
};

}  // namespace scenario
