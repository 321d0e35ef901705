#include "tools/common/decompile_curves.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "descriptions/keywords.h"
#include "records/plan_step.h"
#include "records/route_file_decoder.h"
#include "tools/common/decompile_text.h"

namespace scenario {

namespace {

// One element at `at`: its tag and, for a number, its value; false when it
// runs past the end or its tag is none the encoding has.
struct Element {
  uint16_t tag = 0;
  double value = 0.0;
};
inline bool ReadElement(std::string_view bytes, size_t* at, Element* e) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data()) + *at;
  // Nearly every element is a 64-bit real.
  if (*at + 10 <= bytes.size() && p[0] == 5 && p[1] == 0) {
    e->tag = 5;
    std::memcpy(&e->value, p + 2, 8);  // little-endian, as the encoder writes it
    *at += 10;
    return true;
  }
  if (*at + 2 > bytes.size()) return false;
  e->tag = static_cast<uint16_t>(p[0] | p[1] << 8);
  size_t size = 0;
  switch (e->tag) {
    case 0: size = 0; break;
    case 2: size = 2; break;
    case 3: case 4: size = 4; break;
    case 5: size = 8; break;
    case 8:
      if (*at + 4 > bytes.size()) return false;
      size = 2 + static_cast<size_t>(p[2] | p[3] << 8);
      break;
    default: return false;
  }
  if (*at + 2 + size > bytes.size()) return false;
  if (e->tag == 2) e->value = static_cast<int16_t>(p[2] | p[3] << 8);
  if (e->tag == 5) std::memcpy(&e->value, p + 2, 8);  // little-endian, as the encoder writes it
  *at += 2 + size;
  return true;
}

struct Curve {
  int64_t first_row;
  int64_t last_row;
  int turn_index;  // into the turns below: class (index / 2) + 1, left when odd
};

}  // namespace

Status MeasureRouteFile(std::string_view bytes, int64_t* rows, size_t* y_column) {
  size_t at = 0;
  int64_t elements = 0;
  Element e;
  std::vector<size_t> starts;  // of every 1024th element, to find the middle one
  while (at < bytes.size()) {
    if (elements % 1024 == 0) starts.push_back(at);
    if (!ReadElement(bytes, &at, &e)) {
      return Status::Error("an element at byte " + std::to_string(at) + " with no known tag or cut short");
    }
    if (++elements > 2 * kMaxRouteRows) return Status::Error("more rows than any route has");
  }
  if (elements == 0 || elements % 2 != 0) {
    return Status::Error(std::to_string(elements) + " elements, not two columns of one length");
  }
  *rows = elements / 2;
  size_t middle = starts[static_cast<size_t>(*rows / 1024)];
  for (int64_t e_index = *rows / 1024 * 1024; e_index < *rows; ++e_index) ReadElement(bytes, &middle, &e);
  *y_column = middle;
  return Status::OK();
}

void AppendCurves(std::string_view bytes, int64_t rows, size_t y_column, std::string* out,
                  std::vector<std::string>* notes) {
  std::array<double, 12> turns{};
  for (size_t i = 0; i < 6; ++i) {
    turns[2 * i] = kCurveClassTurns[i];
    turns[2 * i + 1] = -kCurveClassTurns[i];
  }
  size_t y_at = y_column;
  Element x, y;
  size_t x_at = 0;
  auto next = [&](PlanPoint* point, uint16_t* x_tag, uint16_t* y_tag) {
    ReadElement(bytes, &x_at, &x);
    ReadElement(bytes, &y_at, &y);
    *point = {x.value, y.value};
    *x_tag = x.tag;
    *y_tag = y.tag;
  };
  PlanPoint first{}, second{};
  uint16_t tx0 = 0, ty0 = 0, tx1 = 0, ty1 = 0;
  if (rows >= 2) {
    next(&first, &tx0, &ty0);
    next(&second, &tx1, &ty1);
  }
  if (rows < 2 || tx0 != 2 || ty0 != 2 || tx1 != 2 || ty1 != 2 || !(first == PlanPoint{0, 0}) ||
      !(second == PlanPoint{0, 1})) {
    notes->push_back("route file rows 0 and 1: not the start (0, 0), (0, 1) of every plan");
    return;
  }
  std::vector<Curve> curves;
  PlanPoint before_last = first, last = second;
  int64_t row = 2;
  for (; row < rows; ++row) {
    PlanPoint point;
    uint16_t tx, ty;
    next(&point, &tx, &ty);
    if (tx != 5 || ty != 5) {
      if (tx != 0 || ty != 0) notes->push_back("route file row " + std::to_string(row) + ": not a real point");
      // The rest must be empty.
      for (int64_t rest = row + 1; rest < rows; ++rest) {
        next(&point, &tx, &ty);
        if (tx != 0 || ty != 0) {
          notes->push_back("route file row " + std::to_string(rest) + ": a point after the end of the plan");
          break;
        }
      }
      break;
    }
    const std::optional<double> turn = TurnOfStep(before_last, last, point, turns);
    if (!turn) {
      notes->push_back("route file row " + std::to_string(row) + ": a point that no straight or curved step gives");
      break;
    }
    if (*turn != 0.0) {
      int index = 0;
      while (turns[static_cast<size_t>(index)] != *turn) ++index;
      if (!curves.empty() && curves.back().last_row == row - 1 && curves.back().turn_index == index) {
        curves.back().last_row = row;
      } else {
        curves.push_back({row, row, index});
      }
    }
    before_last = last;
    last = point;
  }
  // The plan runs straight to two rows short of the last; only a curve
  // reaches further.
  const int64_t straight_end = rows - 3;
  const int64_t curved_end = curves.empty() ? 0 : curves.back().last_row;
  if (row - 1 != std::max(straight_end, curved_end)) {
    notes->push_back("route file: the plan ends at row " + std::to_string(row - 1) + ", not at row " +
                     std::to_string(straight_end) +
                     " where the reader ends it: the files of a compile whose line reader stopped on "
                     "an error code");
  }
  AppendComment(out, "Curves: start and length. d turns right and s left; the digit is the class.");
  for (const Curve& c : curves) {
    const int number = c.turn_index / 2 + 1;
    const bool left = c.turn_index % 2 == 1;
    AppendLine(out, "curva%c%d, %9lld, %7lld", left ? 's' : 'd', number,
               static_cast<long long>(c.first_row - 1),
               static_cast<long long>(c.last_row - c.first_row + 1));
  }
}

}  // namespace scenario
