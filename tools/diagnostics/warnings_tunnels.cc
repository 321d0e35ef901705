// Warnings about tunnels: a kind the kind byte does not keep (0 or below
// means no tunnel), a span that marks no cell, tunnels that overlap, and the
// gap rule, which makes a tunnel that starts 150 m or less after the end of
// the tunnel read before it (or inside it) kind 3 whatever its record says.
// The tunnel writer tells the recorder when the gap rule takes a tunnel.
#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "grid/cell_writers.h"
#include "grid/rounding.h"
#include "tools/diagnostics/warnings.h"

namespace scenario {

namespace {

constexpr size_t kOverlapLookBack = 64;

struct Span {
  int64_t start = 0;
  int64_t end = 0;
  const RecordRead* record = nullptr;
  bool joined = false;  // made kind 3 by the gap rule
};

// The cells a tunnel marks: round(start / 50) to round(end / 50 - 1).
bool MarksACell(int64_t start, int64_t end) {
  return RoundDiv(start, 50) <= RoundDiv(end - 50, 50);
}

std::string OnLine(const RecordRead& record) {
  return "line " + std::to_string(record.keyword.line);
}

void Kind(const DiagnosticContext& context, const RecordRead& tunnel, int64_t kind,
          WarningList* out) {
  if (kind > 0 && kind <= 255) return;
  WarnAtValue(context, out, "tunnel-kind", tunnel, 2, [&] {
    const std::string stored = std::to_string(kind & 0xff);
    return "the tunnel kind " + std::to_string(*tunnel.Number(2)) +
           (kind <= 0 ? " is not above 0" : " does not fit the kind byte") +
           ": its cells keep the low 8 bits, " + stored +
           ((kind & 0xff) == 0 ? ", which is no tunnel at all" : "") +
           "; write 1 to 3, or 11 to 13 for markers";
  });
}

// The other tunnels by start, each with the furthest end of those that
// start no later: whether any tunnel starting before a position reaches
// beyond another, in one search.
class FurthestEnds {
 public:
  explicit FurthestEnds(const std::vector<Span>& spans) {
    for (const Span& span : spans) by_start_.push_back({span.start, span.end});
    std::sort(by_start_.begin(), by_start_.end());
    for (size_t i = 1; i < by_start_.size(); ++i) {
      by_start_[i].second = std::max(by_start_[i].second, by_start_[i - 1].second);
    }
  }
  // Whether a tunnel that starts before `start` ends beyond `end`.
  bool Reaches(int64_t start, int64_t end) const {
    const auto first_not_before = std::lower_bound(by_start_.begin(), by_start_.end(),
                                                   std::pair<int64_t, int64_t>{start, INT64_MIN});
    return first_not_before != by_start_.begin() && std::prev(first_not_before)->second > end;
  }

 private:
  std::vector<std::pair<int64_t, int64_t>> by_start_;
};

// A span that marks nothing. An end before the start reads as a swapped
// pair only when the swapped span would clash with no other tunnel; an end
// far behind, into the tunnels already laid, is left alone.
void EmptySpan(const DiagnosticContext& context, const Span& tunnel, const FurthestEnds& others,
               WarningList* out) {
  if (MarksACell(tunnel.start, tunnel.end)) return;
  if (tunnel.end < tunnel.start && others.Reaches(tunnel.start, tunnel.end)) return;
  std::string message;
  if (tunnel.end < tunnel.start) {
    message = "the tunnel ends at " + std::to_string(tunnel.end) + " m, before its start at " +
              std::to_string(tunnel.start) +
              " m, so it marks no cell; were start and end "
              "swapped? write " +
              std::to_string(tunnel.end) + ", " + std::to_string(tunnel.start);
  } else {
    message = "the tunnel from " + std::to_string(tunnel.start) + " to " +
              std::to_string(tunnel.end) + " m is too short to reach a cell (cells " +
              std::to_string(RoundDiv(tunnel.start, 50)) + " to " +
              std::to_string(RoundDiv(tunnel.end - 50, 50)) + "), so it marks none";
  }
  WarnAtValue(context, out, "tunnel-span", *tunnel.record, 1, [&] { return message; });
}

// The gap rule is measured against the tunnel read before, whatever its
// position. A tunnel that overlaps one read earlier marks its cells again,
// with its own kind or, when the gap rule takes it, kind 3.
void Overlap(const DiagnosticContext& context, const std::vector<Span>& spans, size_t i,
             int64_t kind, WarningList* out) {
  const Span& tunnel = spans[i];
  const bool joined = i > 0 && tunnel.joined;
  const Span* over = nullptr;
  if (MarksACell(tunnel.start, tunnel.end)) {
    // Tunnels come in order of position: the few read just before are the
    // ones it may overlap.
    for (size_t k = i; k-- > 0 && k + kOverlapLookBack >= i && over == nullptr;) {
      const Span& other = spans[k];
      if (MarksACell(other.start, other.end) && tunnel.start < other.end &&
          tunnel.end > other.start) {
        over = &other;
      }
    }
  }
  const std::string kind_three =
      "a tunnel that starts 150 m or less after the end of the one read before it is made kind "
      "3, so its cells get kind 3" +
      (kind == kJoinedTunnelKind ? std::string() : ", not " + std::to_string(kind));
  if (over != nullptr) {
    WarnAtValue(context, out, "tunnel-overlap", *tunnel.record, 0, [&] {
      return "the tunnel overlaps the tunnel of " + OnLine(*over->record) + " (" +
             std::to_string(over->start) + " to " + std::to_string(over->end) +
             " m) and marks its cells again" + (joined ? "; " + kind_three : std::string()) +
             "; join them in one record";
    });
    return;
  }
  if (!joined || kind == kJoinedTunnelKind) return;
  const Span& before = spans[i - 1];
  WarnAtValue(context, out, "tunnel-gap", *tunnel.record, 0, [&] {
    return "the tunnel starts " + std::to_string(tunnel.start - before.end) +
           " m after the end of the tunnel of " + OnLine(*before.record) + " (" +
           std::to_string(before.end) + " m): " + kind_three +
           "; leave more than 150 m between tunnels, or join them in one record";
  });
}

}  // namespace

void TunnelWarnings(const DiagnosticContext& context, WarningList* out) {
  std::vector<Span> spans;
  for (const RecordRead* tunnel : context.recorder.RecordsOf("tunnel")) {
    if (!tunnel->Number(0) || !tunnel->Number(1) || !tunnel->Number(2)) continue;
    spans.push_back(Span{*tunnel->Number(0), *tunnel->Number(1), tunnel,
                         context.recorder.RuleApplied(AppliedRule::kTunnelGap, *tunnel)});
  }
  const FurthestEnds others(spans);
  for (size_t i = 0; i < spans.size(); ++i) {
    const int64_t tipo = *spans[i].record->Number(2);
    const int64_t kind = tipo > kTunnelMarkerRequest ? tipo - kTunnelMarkerRequest : tipo;
    if (!spans[i].joined) Kind(context, *spans[i].record, kind, out);
    EmptySpan(context, spans[i], others, out);
    Overlap(context, spans, i, kind, out);
  }
}

}  // namespace scenario
