// Reading a route file back into its plan: one x/y pair per route row.
#pragma once

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/status.h"
#include "records/encoding.h"

namespace scenario {

// One variant element. `value` holds the number for the numeric tags
// (2 int16, 3 int32, 4 float32, 5 float64); it is 0 for an empty element
// (tag 0) and for a string (tag 8), whose text is kept aside in the plan's
// `texts` (a route file has half a million rows and no strings in practice).
struct RouteElement {
  uint16_t tag = 0;
  double value = 0.0;

  bool IsNumber() const {
    const auto kind = static_cast<VariantTag>(tag);
    return kind == VariantTag::kInt16 || kind == VariantTag::kInt32 ||
           kind == VariantTag::kFloat32 || kind == VariantTag::kFloat64;
  }
};

struct RoutePlan {
  std::vector<RouteElement> plan_x;  // by row
  std::vector<RouteElement> plan_y;  // by row
  std::vector<std::string> texts;    // the strings, in file order

  int64_t rows() const { return static_cast<int64_t>(plan_x.size()); }
  // A row is a point of the plan when both its elements are finite numbers.
  bool IsPoint(int64_t row) const {
    const RouteElement& x = plan_x[static_cast<size_t>(row)];
    const RouteElement& y = plan_y[static_cast<size_t>(row)];
    return x.IsNumber() && y.IsNumber() && std::isfinite(x.value) && std::isfinite(y.value);
  }
  double X(int64_t row) const { return plan_x[static_cast<size_t>(row)].value; }
  double Y(int64_t row) const { return plan_y[static_cast<size_t>(row)].value; }
};

// The readers refuse a route longer than 1000000 m, so no route table has
// more than rows 0 .. 1007000.
inline constexpr int64_t kMaxRouteRows = 1007001;

class ByteReader;

// The most bytes one element takes: a string of the longest length.
inline constexpr size_t kMostElementBytes = 2 + 2 + 65535;

// Reads the element at the reader's place; its text, for a string, goes
// into `texts`. False at an unknown tag or a value cut short, with the
// problem said.
bool ReadRouteElement(ByteReader& in, RouteElement* element, std::vector<std::string>* texts,
                      std::string* problem);

// Decodes the elements tag by tag (at most two columns of kMaxRouteRows):
// column plan_x for all rows, then plan_y, so the row count is half the
// element count. A failure says what is wrong.
Status DecodeRouteFile(std::string_view bytes, RoutePlan* plan);

}  // namespace scenario
