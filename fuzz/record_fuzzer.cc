// Fuzz target: the whole compile step on descriptions built record by record
// from the input bytes. Where the text fuzzer mostly finds the field rules,
// this one reaches the arithmetic of the records: every value is drawn near
// the places where the rules change (multiples of 50 and 100, the last cells
// of the grid, the edges of the value widths), so the fuzzer steers numbers
// directly instead of hoping to mutate digits into them. The same invariants
// are checked after every input.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz/compile_invariants.h"

namespace {

using scenario::fuzzing::BrokenInvariants;
using scenario::fuzzing::CompileInMemory;

class RecordWriter {
 public:
  RecordWriter(FuzzedDataProvider& in, int64_t grid_end) : in_(in), grid_end_(grid_end) {}

  // A route position: mostly a multiple of 50 on the grid or just off it,
  // sometimes just below the two guards, sometimes anything at all.
  int64_t Position() {
    switch (in_.ConsumeIntegralInRange(0, 7)) {
      case 0: return grid_end_ - 100 + in_.ConsumeIntegralInRange(-60, 60);
      case 1: return grid_end_ - 800 + in_.ConsumeIntegralInRange(-60, 60);
      case 2: return in_.ConsumeIntegral<int32_t>();
      case 3: return in_.ConsumeIntegralInRange<int64_t>(-300, grid_end_ + 300);
      default: return 50 * in_.ConsumeIntegralInRange<int64_t>(-4, grid_end_ / 50 + 4);
    }
  }
  // A length: a multiple of 100 mostly.
  int64_t Length() {
    if (in_.ConsumeIntegralInRange(0, 5) == 0) return in_.ConsumeIntegralInRange(-2000, 30000);
    return 100 * in_.ConsumeIntegralInRange(0, 30);
  }
  // A small value, or one at the edge of a width.
  int64_t Value() {
    static constexpr int64_t kEdges[] = {-1,    0,      1,      2,      9,          10,
                                         101,   255,    256,    1275,   1277,       32767,
                                         32768, -32769, 65536,  -2147483648LL, 2147483647LL};
    if (in_.ConsumeBool()) return in_.ConsumeIntegralInRange(0, 12);
    return in_.PickValueInArray(kEdges);
  }

  void Record(const char* keyword, std::initializer_list<int64_t> values, const char* text = nullptr) {
    text_ += keyword;
    for (int64_t value : values) text_ += ", " + std::to_string(value);
    if (text != nullptr) text_ += std::string(", ") + text;
    text_ += "\r\n";
  }
  void Line(const std::string& line) { text_ += line + "\r\n"; }
  std::string Take() { return std::move(text_); }

 private:
  FuzzedDataProvider& in_;
  int64_t grid_end_;
  std::string text_;
};

std::string LineDescription(FuzzedDataProvider& in, RecordWriter& out, int64_t length) {
  out.Line("[generale]");
  out.Record("lunghezza percorso", {length});
  if (in.ConsumeBool()) {
    for (const char* section : {"progressiva chilometrica tre", "progressiva chilometrica due",
                                "progressiva chilometrica uno"}) {
      out.Record(section, {out.Position(), out.Position(), out.Value()});
    }
  }
  if (in.ConsumeBool()) out.Record("ripetizione segnali 9 codici", {out.Position(), out.Position()});
  out.Line("[pendenze]");
  static const char* const kCurves[] = {"curvad1", "curvas2", "curvad3", "curvas4", "curvad5", "curvas6"};
  const int records = in.ConsumeIntegralInRange(0, 40);
  for (int i = 0; i < records; ++i) {
    switch (in.ConsumeIntegralInRange(0, 6)) {
      case 0: out.Record("pendenza", {out.Position(), in.ConsumeIntegralInRange(-120, 160)}); break;
      case 1: out.Record(in.PickValueInArray(kCurves), {out.Position(), out.Length()}); break;
      case 2: out.Record("montagna", {out.Position(), out.Position(), in.ConsumeIntegralInRange(0, 14)}); break;
      case 3:
        out.Record("indicatori_vmax", {out.Position(), out.Value(), out.Value(), out.Value(), out.Value(),
                                       out.Value(), out.Value(), out.Value(), out.Value()});
        break;
      case 4: out.Record("cartello indicatore", {out.Position()}, "(TESTO)"); break;
      case 5: {
        // A run of sign boards, enough to use up the scenario rows.
        const int64_t first = out.Position(), spacing = 50 * in.ConsumeIntegralInRange(1, 4);
        const int count = in.ConsumeIntegralInRange(1, 90);
        for (int k = 0; k < count; ++k) out.Record("cartello indicatore", {first + k * spacing}, "(T)");
        break;
      }
      default: out.Line("- nota"); break;
    }
  }
  out.Line("[fine]");
  return out.Take();
}

std::string TrainDescription(FuzzedDataProvider& in, RecordWriter& out) {
  out.Line("[generale]");
  const int records = in.ConsumeIntegralInRange(0, 60);
  for (int i = 0; i < records; ++i) {
    switch (in.ConsumeIntegralInRange(0, 9)) {
      case 0: out.Record("velocita' limite", {out.Position(), 5 * out.Value()}); break;
      case 1: out.Record("aderenza", {out.Position(), out.Value()}); break;
      case 2:
        out.Record("segnale", {out.Position(), in.ConsumeIntegralInRange(0, 3), out.Value(), out.Value(),
                               out.Value(), out.Value(), in.ConsumeIntegralInRange(0, 3), out.Value(),
                               out.Value(), out.Value(), out.Value()});
        break;
      case 3:
        out.Record("rallentamento", {out.Position(), 10 * in.ConsumeIntegralInRange(0, 16), out.Length(),
                                     out.Value(), in.ConsumeIntegralInRange(0, 1), out.Value()});
        break;
      case 4: out.Record("abbattimento codice", {out.Position(), out.Value()}); break;
      case 5: out.Line("- commento"); break;
      case 6: {
        // A run of stops that mark no cell, enough to use up the scenario rows.
        const int64_t first = out.Position(), spacing = 50 * in.ConsumeIntegralInRange(1, 40);
        const int count = in.ConsumeIntegralInRange(1, 90);
        for (int k = 0; k < count; ++k) {
          out.Record("stazione", {first + k * spacing, 25, 400, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
                     "FERMATA");
        }
        break;
      }
      default:
        out.Record("stazione", {out.Position(), in.ConsumeIntegralInRange(0, 30), out.Length(),
                                out.Value(), in.ConsumeIntegralInRange(0, 1), in.ConsumeIntegralInRange(0, 1),
                                0, 0, 0, 0, 0, 0, 0, out.Value(), out.Value(), out.Value()},
                   "NOME");
        break;
    }
  }
  out.Line("[fine]");
  return out.Take();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  const int64_t length = in.ConsumeBool() ? 50 * in.ConsumeIntegralInRange(0, 400)
                                          : in.ConsumeIntegralInRange(0, 20000);
  const int32_t build_route_table = in.ConsumeIntegralInRange(0, 7) == 0 ? 1 : 0;
  RecordWriter out(in, 50 * scenario::RoundDiv(length + 7000, 50));
  const std::string line = LineDescription(in, out, length);
  const std::string train = TrainDescription(in, out);

  auto run = CompileInMemory(line, train, build_route_table);
  const std::vector<std::string> broken = BrokenInvariants(*run);
  if (!broken.empty()) {
    std::fprintf(stderr, "compile invariants broken (error code %d, position %d)\n",
                 run->state.error_code, run->state.error_position);
    for (const std::string& what : broken) std::fprintf(stderr, "  %s\n", what.c_str());
    std::fprintf(stderr, "line description:\n%s\ntrain description:\n%s\n", line.c_str(), train.c_str());
    std::abort();
  }
  return 0;
}
