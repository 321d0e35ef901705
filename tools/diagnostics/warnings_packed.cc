// Warnings about values packed as digit groups into one field: a speed
// board's speeds (right / 5 + left × 20, the left speed in fives making the
// hundreds) and stripes (left × 10 + right), a signal's digits (s × 10 + d,
// and rapp × 10 + sx × 3 + dx). A value out of its group's range spills into
// its neighbour; each warning says what the packed field reads back as.
#include <limits>
#include <string>

#include "grid/rounding.h"
#include "tools/diagnostics/warnings.h"

namespace scenario {

namespace {

// Division that rounds down, so a packed value comes apart the same way
// whatever its sign.
int64_t Down(int64_t value, int64_t by) {
  const int64_t q = value / by;
  return (value % by != 0 && value < 0) ? q - 1 : q;
}
int64_t Rest(int64_t value, int64_t by) { return value - Down(value, by) * by; }

int64_t Low16(int64_t value) { return static_cast<int16_t>(static_cast<uint16_t>(value & 0xffff)); }

// The board speeds are read back in fives: 0 to 99 fives on the right, and
// both boards show the same speeds.
constexpr int64_t kHighestSpeed = 495;

void BoardSpeed(const DiagnosticContext& context, const RecordRead& board, size_t left_at,
                WarningList* out) {
  const size_t right_at = left_at + 4;  // vas, vbs, vcs, then strisces, then vad, vbd, vcd
  const std::optional<int64_t> left = board.Number(left_at), right = board.Number(right_at);
  if (!left || !right) return;
  const int64_t packed = RoundDiv(*right + *left * 100, 5);
  // A packed value beyond 16 bits already stopped the reader.
  if (packed < std::numeric_limits<int16_t>::min() ||
      packed > std::numeric_limits<int16_t>::max()) {
    return;
  }
  const int64_t left_back = Down(packed, 100) * 5, right_back = Rest(packed, 100) * 5;
  if (left_back == *left && right_back == *right && *left >= 0 && *left <= kHighestSpeed &&
      *right >= 0) {
    return;
  }
  const bool left_wrong = *left % 5 != 0 || *left < 0 || *left > kHighestSpeed;
  const size_t at = left_wrong ? left_at : right_at;
  const int64_t speed = left_wrong ? *left : *right;
  WarnAtValue(context, out, "board-speed", board, at, [&] {
    std::string why, write;
    if (speed < 0) {
      why = "is below 0";
      write = "0 or more";
    } else if (speed % 5 != 0) {
      why = "is not a multiple of 5";
      write = std::to_string(speed / 5 * 5) + " or " + std::to_string(speed / 5 * 5 + 5);
    } else {
      why = std::string("is above 495, the highest speed a board shows") +
            (left_wrong ? "" : " (the right one's fives must stay below the left one's hundreds)");
      write = "at most 495";
    }
    return "the " + std::string(left_wrong ? "left" : "right") + " speed " + std::to_string(speed) +
           " km/h " + why + ": the board's packed value round(" + std::to_string(*right) +
           " / 5 + " + std::to_string(*left) + " x 20) = " + std::to_string(packed) +
           " reads back as " + std::to_string(left_back) + " km/h on the left and " +
           std::to_string(right_back) + " km/h on the right; write " + write;
  });
}

void BoardStripes(const DiagnosticContext& context, const RecordRead& board, WarningList* out) {
  const std::optional<int64_t> left = board.Number(4), right = board.Number(8);
  if (!left || !right) return;
  const bool left_wrong = *left < 0 || *left > 9;
  if (!left_wrong && *right >= 0 && *right <= 9) return;
  const int64_t packed = Low16(*left * 10 + *right);
  WarnAtValue(context, out, "board-stripes", board, left_wrong ? 4 : 8, [&] {
    return "the " + std::string(left_wrong ? "left" : "right") + " board's stripes " +
           std::to_string(left_wrong ? *left : *right) +
           " lie outside 0 to 9: the packed value strisces x 10 + strisced = " +
           std::to_string(packed) + " reads back as " + std::to_string(Down(packed, 10)) +
           " stripes on the left and " + std::to_string(Rest(packed, 10)) + " on the right";
  });
}

// One packed field of a signal: its value names and places, each digit's
// highest value, and how it reads back.
struct SignalGroup {
  const char* field;
  const char* formula;
  size_t values[3];  // record value indices; the third only for value_d
  int64_t highest[3];
};

constexpr SignalGroup kSignalGroups[] = {
    {"value_a", "s1 x 10 + d1", {2, 7, 0}, {9, 9, 0}},
    {"value_b", "s2 x 10 + d2", {3, 8, 0}, {9, 9, 0}},
    {"value_c", "s3 x 10 + d3", {4, 9, 0}, {9, 9, 0}},
    {"value_d", "rapp x 10 + sx x 3 + dx", {5, 1, 6}, {9, 3, 2}},
};
constexpr const char* kSignalNames[] = {"position", "sx", "s1", "s2", "s3",   "rapp",
                                        "dx",       "d1", "d2", "d3", "tempo"};

void SignalGroupDigits(const DiagnosticContext& context, const RecordRead& signal,
                       const SignalGroup& group, WarningList* out) {
  const bool sides = group.values[2] != 0;
  int64_t v[3] = {0, 0, 0};
  for (size_t i = 0; i < (sides ? 3u : 2u); ++i) {
    const std::optional<int64_t> n = signal.Number(group.values[i]);
    if (!n) return;
    v[i] = *n;
  }
  const int64_t packed = Low16(sides ? v[0] * 10 + v[1] * 3 + v[2] : v[0] * 10 + v[1]);
  for (size_t i = 0; i < (sides ? 3u : 2u); ++i) {
    // sx 3 leaves room for dx 0 only: sx x 3 + dx must stay below 10.
    const bool out_of_range = v[i] < 0 || v[i] > group.highest[i] ||
                              (sides && i > 0 && v[1] * 3 + v[2] > 9 && v[1] >= 0 && v[2] >= 0);
    if (!out_of_range) continue;
    WarnAtValue(context, out, "signal-digit", signal, group.values[i], [&] {
      std::string back;
      if (sides) {
        const int64_t rest = Rest(packed, 10);
        back = "rapp " + std::to_string(Down(packed, 10)) + ", sx " +
               std::to_string(Down(rest, 3)) + ", dx " + std::to_string(Rest(rest, 3));
      } else {
        back = std::string(kSignalNames[group.values[0]]) + " " + std::to_string(Down(packed, 10)) +
               ", " + kSignalNames[group.values[1]] + " " + std::to_string(Rest(packed, 10));
      }
      const std::string range = sides && i > 0
                                    ? "sx 0 to 3 and dx 0 to 2 with sx x 3 + dx at most 9"
                                    : "0 to " + std::to_string(group.highest[i]);
      return "the signal's " + std::string(kSignalNames[group.values[i]]) + " " +
             std::to_string(v[i]) + " lies outside " + range + ": its packed field " + group.field +
             " = " + group.formula + " = " + std::to_string(packed) + " reads back as " + back;
    });
    return;  // one warning a field
  }
}

// tempo: 1 to 100 become 101, the signal keeps it in one byte, and only
// when sx is 2.
void SignalTempo(const DiagnosticContext& context, const RecordRead& signal, WarningList* out) {
  const std::optional<int64_t> sx = signal.Number(1), tempo = signal.Number(10);
  if (!sx || !tempo || *tempo == 0) return;
  std::string what;
  if (*sx != 2) {
    what = "is ignored: the signal keeps a time only when sx is 2, so it stores 0";
  } else if (*tempo >= 1 && *tempo <= 100) {
    what = "is stored as 101: times of 1 to 100 are raised to 101";
  } else if (*tempo < 0 || *tempo > 255) {
    what = "does not fit the signal's time byte, which keeps its low 8 bits, " +
           std::to_string(*tempo & 0xff) + "; write 101 to 255, or 0";
  } else {
    return;
  }
  WarnAtValue(context, out, "signal-tempo", signal, 10,
              [&] { return "the signal's tempo " + std::to_string(*tempo) + " " + what; });
}

}  // namespace

void PackedValueWarnings(const DiagnosticContext& context, WarningList* out) {
  for (const RecordRead* board : context.recorder.RecordsOf("speed boards")) {
    for (size_t left = 1; left <= 3; ++left) BoardSpeed(context, *board, left, out);
    BoardStripes(context, *board, out);
  }
  for (const RecordRead* signal : context.recorder.RecordsOf("signal")) {
    for (const SignalGroup& group : kSignalGroups) SignalGroupDigits(context, *signal, group, out);
    SignalTempo(context, *signal, out);
  }
}

}  // namespace scenario
