// The plan of the track as the page asks for it: the route rows of one
// stretch, thinned to what a panel of a given width can show. A route file
// has one row per metre (a million rows on the longest line); the page never
// gets more than about two rows per pixel.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "records/route_file_decoder.h"

namespace scenario::viewer {

struct PlanRequest {
  int64_t from = 0;  // route position, m
  int64_t to = 0;
  int64_t pixels = 1000;
};

struct PlanPoint {
  int64_t row = 0;
  bool point = false;  // false: the row holds no point, a break in the line
  double x = 0, y = 0;
};

// The most pixels a request may ask for.
inline constexpr int64_t kMaxPlanPixels = 8192;

// Rows from, from + k, from + 2k, ... and `to`, with k the smallest step that
// keeps the count within 2 x pixels + 1. `from` and `to` are clamped to the
// table and put in order; pixels to 1 .. kMaxPlanPixels.
std::vector<PlanPoint> ReducePlan(const RoutePlan& plan, PlanRequest request);

// The request's numbers from the query text of the page; nothing when one
// is missing or not a whole number.
std::optional<PlanRequest> ParsePlanRequest(const std::string& from, const std::string& to,
                                            const std::string& pixels);

// {"step": k, "points": [[row, x, y] or [row, null, null], ...]}.
std::string PlanJson(const std::vector<PlanPoint>& points, int64_t step);

}  // namespace scenario::viewer
