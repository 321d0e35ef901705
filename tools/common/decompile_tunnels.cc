#include "tools/common/decompile_tunnels.h"

#include <cstdint>
#include <optional>

#include "grid/cell_fields.h"
#include "grid/cell_writers.h"
#include "tools/common/decompile_text.h"

namespace scenario {

namespace {

// A record that writes nothing (its end lies before its start) and ends so
// far back that the next tunnel never counts as joined to it.
constexpr int64_t kFarBackEnd = -1000000;

}  // namespace

namespace {

struct Span {
  int64_t first = 0;  // cells
  int64_t last = 0;
  int64_t tipo = 0;
  bool keep_kind = true;  // false: a later record writes the kind again
  int64_t kind = 0;       // the tunnel kind the record must leave
};

// The records in reading order; a record that must keep its kind gets one
// that marks nothing before it when the record before ends too close.
void AppendSpans(const std::vector<Span>& spans, std::string* out) {
  std::optional<int64_t> previous_end;
  for (const Span& span : spans) {
    const int64_t start = span.first * 50, end = (span.last + 1) * 50;
    if (span.keep_kind && previous_end && start - *previous_end <= kJoinedTunnelGap &&
        span.kind != kJoinedTunnelKind) {
      AppendLine(out, "montagna, %9d, %9lld, %3d", 0, static_cast<long long>(kFarBackEnd), 0);
    }
    if (span.keep_kind && span.kind != 0) {
      AppendComment(out, "Tunnel from " + Kilometres(start) + " to " + Kilometres(end) + " of kind " +
                             std::to_string(span.kind) + (span.tipo > kTunnelMarkerRequest ? " with markers." : "."));
    }
    AppendLine(out, "montagna, %9lld, %9lld, %3lld", static_cast<long long>(start),
               static_cast<long long>(end), static_cast<long long>(span.tipo));
    previous_end = end;
  }
}

}  // namespace

void AppendTunnels(const std::vector<Cell>& cells, std::string* out, std::vector<std::string>* notes) {
  const int64_t count = static_cast<int64_t>(cells.size());
  auto at = [&](int64_t i) -> const Cell& { return cells[static_cast<size_t>(i)]; };
  auto is_marker = [&](int64_t i) { return at(i).cell_type == kTunnelMarker; };
  std::vector<bool> explained(cells.size(), false);  // tunnel markers a record gives
  std::vector<Span> runs, early, clearing;
  // The position guard keeps a tunnel's start at cell N - 2 at most: a run
  // that begins beyond it is the end of a tunnel from N - 2, read before the
  // runs that then write their kinds over its start.
  const int64_t highest_first = count - 3;
  for (int64_t run_first = 0; run_first < count;) {
    const uint8_t kind = at(run_first).tunnel_kind;
    int64_t last = run_first;
    while (last + 1 < count && at(last + 1).tunnel_kind == kind) ++last;
    const bool beyond = run_first > highest_first && highest_first >= 0;
    const int64_t first = beyond ? highest_first : run_first;
    if (kind != 0) {
      // Markers stand on the 4th, 8th, ... cell of the span, where no object
      // stood when the tunnel was read.
      bool any_marker = false, every_place_taken = true;
      for (int64_t c = first + 3; c <= last; c += 4) {
        any_marker = any_marker || is_marker(c);
        every_place_taken = every_place_taken && at(c).cell_type != kEmpty;
      }
      const bool markers = (any_marker || kind > kTunnelMarkerRequest) && every_place_taken;
      for (int64_t c = first + 3; markers && c <= last; c += 4) explained[static_cast<size_t>(c)] = true;
      (beyond ? early : runs).push_back({first, last, TunnelKindAsWritten(kind, markers), true, kind});
      for (int64_t c = first; beyond && c < run_first; ++c) {
        if (at(c).tunnel_kind == 0) clearing.push_back({c, c, 0, true, 0});
      }
    }
    run_first = last + 1;
  }
  // Markers off the rhythm of their run were left by a tunnel that a later
  // one overlapped: a record first puts them, the runs then write the kinds
  // over it, and records of kind 0 clear what lies outside every run.
  std::vector<Span> spans = early;
  for (int64_t u = 3; u < count; ++u) {
    if (!is_marker(u) || explained[static_cast<size_t>(u)]) continue;
    int64_t v = u;
    for (int64_t c = u + 4; c < count && at(c).cell_type != kEmpty; c += 4) {
      if (is_marker(c)) v = c;
    }
    for (int64_t c = u; c <= v; c += 4) explained[static_cast<size_t>(c)] = true;
    spans.push_back({u - 3, v, kTunnelMarkerRequest + 1, false, 0});
    for (int64_t c = u - 3; c <= v; ++c) {
      if (at(c).tunnel_kind != 0) continue;
      int64_t z = c;
      while (z + 1 <= v && at(z + 1).tunnel_kind == 0) ++z;
      clearing.push_back({c, z, 0, true, 0});
      c = z;
    }
  }
  AppendComment(out, "Tunnels: start and end and kind; a kind above 10 also asks for markers.");
  spans.insert(spans.end(), runs.begin(), runs.end());
  spans.insert(spans.end(), clearing.begin(), clearing.end());
  AppendSpans(spans, out);
  for (int64_t c = 0; c < count; ++c) {
    if (is_marker(c) && !explained[static_cast<size_t>(c)]) {
      notes->push_back("grid cell " + std::to_string(c) + ": a tunnel marker that no tunnel record puts there");
      break;
    }
  }
}

}  // namespace scenario
