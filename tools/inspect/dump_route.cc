// Route file dump: the size, the element kinds, the bounding box and the
// curves found in the plan.
#include "tools/common/author_text.h"
#include "tools/inspect/dump.h"
#include "tools/common/route_summary.h"
#include "tools/common/text.h"

namespace scenario {

namespace {

const char* TagName(uint16_t tag) {
  switch (static_cast<VariantTag>(tag)) {
    case VariantTag::kEmpty: return "empty";
    case VariantTag::kInt16: return "int16";
    case VariantTag::kInt32: return "int32";
    case VariantTag::kFloat32: return "float32";
    case VariantTag::kFloat64: return "float64";
    case VariantTag::kString: return "string";
  }
  return "unknown";
}

}  // namespace

void DumpRouteFile(const InspectedFile& file, std::ostream& out) {
  RouteSummary s = SummariseRoute(file.route);
  out << DisplayText(file.name) << ": route file, " << file.size << " bytes, " << s.rows << " rows";
  if (s.route_length >= 0) {
    out << " (route length " << s.route_length << " m and " << kRouteOverrunRows << " m beyond)";
  } else {
    out << " (fewer than the " << kRouteOverrunRows + 1 << " rows of any route)";
  }
  out << "\n  elements:";
  for (const auto& [tag, count] : s.tags) out << "  " << count << ' ' << TagName(tag);
  out << "\n  points: " << s.point_rows << " rows; the last " << s.trailing_non_point_rows
      << " rows are not points\n";
  if (s.has_points) {
    out << "  bounding box: x " << FixedText(s.min_x, 1) << " .. " << FixedText(s.max_x, 1)
        << " m, y " << FixedText(s.min_y, 1) << " .. " << FixedText(s.max_y, 1) << " m\n";
    out << "  length along the plan: " << FixedText(s.path_length, 1) << " m\n";
  }
  out << "  curves: " << s.curves.size() << ", net turn " << FixedText(s.net_turn_degrees, 2)
      << " deg, total turn " << FixedText(s.total_turn_degrees, 2) << " deg\n";
  for (const RouteCurve& c : s.curves) {
    out << "    " << c.start_row << " .. " << c.end_row << " m  " << (c.turn_degrees > 0 ? "right" : "left")
        << "  " << CurveClassText(CurveClassOf(c.turn_per_metre)) << "  turn "
        << FixedText(c.turn_degrees, 3) << " deg\n";
  }
}

}  // namespace scenario
