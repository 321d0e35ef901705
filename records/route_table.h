// The route table: the plan of the track, one row per metre from 0 to
// L + 7000, two columns (plan_x, plan_y) of tagged values.
//
// Route file: every element as a variant (u16 tag, then the value), column
// plan_x for rows 0 .. L + 7000, then column plan_y for the same rows (the
// first subscript varies fastest). The table holds only three kinds of
// element, so it stores a one-byte tag and a double per element.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace scenario {

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

 private:
  std::vector<uint8_t> kind_;  // one tag for the row: both columns share it
  std::vector<double> x_;
  std::vector<double> y_;
};

}  // namespace scenario
