#include "bench/generated_descriptions.h"

#include <algorithm>
#include <cstdio>

namespace scenario::bench {

namespace {

// Appends one CR LF line built with printf-style formatting.
template <typename... Args>
void Line(std::string* out, const char* format, Args... args) {
  char buffer[256];
  int n = std::snprintf(buffer, sizeof buffer, format, args...);
  out->append(buffer, static_cast<size_t>(std::min(n, static_cast<int>(sizeof buffer) - 1)));
  out->append("\r\n");
}

constexpr int32_t kCurveSpacing = 3000;
constexpr int32_t kCurveLength = 900;
constexpr int32_t kBoardSpacing = 20000;
constexpr int32_t kTunnelSpacing = 50000;
constexpr int kMaxSignBoards = 10;

}  // namespace

std::string GeneratedLineText(int32_t route_length) {
  const int32_t L = route_length;
  std::string out;
  Line(&out, "Linea generata per le misure, lunga %d m.", L);
  Line(&out, "inizio dati");
  Line(&out, "");
  Line(&out, "[generale]");
  Line(&out, "lunghezza percorso,    %d", L);
  Line(&out, "sfondo uno,    1");
  Line(&out, "ripetizione segnali 9 codici,    4900,    %d", L - 3000);
  Line(&out, "[pendenze]");
  for (int32_t p = 500, k = 0; p < L; p += 2000, ++k) {
    Line(&out, "pendenza  , %d   , %d", p, (k % 15) - 7);
  }
  Line(&out, "[curve]");
  // Right and left curves of every class; the last one runs on to row
  // L - 1.
  for (int32_t s = 500, k = 0; s < L - 1; s += kCurveSpacing, ++k) {
    const bool last = s + kCurveSpacing >= L - 1;
    const int32_t length = last ? L - 1 - s : kCurveLength;
    Line(&out, "curva%c%d,   %d,  %d", k % 2 == 0 ? 'd' : 's', 1 + k % 6, s, length);
  }
  Line(&out, "[montagne]");
  for (int32_t p = 30000; p + 2000 < L; p += kTunnelSpacing) {
    Line(&out, "montagna, %d,%d,11", p, p + 1900);
  }
  Line(&out, "[cartelli]");
  int boards = 0;
  for (int32_t p = 1050; p < L; p += kBoardSpacing) {
    Line(&out, "indicatori_vmax,  %d, 85, 90, 95, 0, 85, 90, 95, 0", p);
    if (boards < kMaxSignBoards && p + 5150 < L) {
      Line(&out, "cartello indicatore,  %d,    (   Km.  ) (%d.%03d)", p + 5150, (p + 5150) / 1000,
           (p + 5150) % 1000);
      ++boards;
    }
  }
  Line(&out, "[fine]");
  Line(&out, "                ");
  return out;
}

std::string GeneratedTrainText(int32_t route_length) {
  const int32_t L = route_length;
  std::string out;
  Line(&out, "Treno generato per le misure");
  Line(&out, "inizio_dati");
  Line(&out, "[generale]");
  Line(&out, "percentuale massa frenata,    130");
  Line(&out, "numero vetture,    12");
  Line(&out, "orologio,    10              50            00 ");
  Line(&out, "sabbia,    300");
  Line(&out, "[aderenze] ");
  Line(&out, "aderenza,       0, 80");
  Line(&out, "aderenza,  %d, 100", L / 2 / 50 * 50);
  Line(&out, "[vel_limite]");
  for (int32_t p = 0, k = 0; p < L; p += 10000, ++k) {
    Line(&out, "velocita' limite , %d    ,  %d", p, 100 + 10 * (k % 11));
  }
  // Signals stand in cells 30 i + 11, code reductions in cells 30 i + 26;
  // every 100th stretch carries a slowdown instead of a code reduction, its
  // boards in the cells between.
  Line(&out, "[rallentamenti]");
  Line(&out, "[segnali]");
  for (int32_t i = 0; 1500 * i + 1500 < L; ++i) {
    const int32_t p = 1500 * i + 500;
    Line(&out, "segnale,  %d, 2, 4, 0, 0, 0,     2, 1, 0, 0, 0", p);
    if (i % 100 == 50) {
      Line(&out, "rallentamento,  %d, %d, 200, 1, 1, 0", p + 450, i % 200 == 50 ? 60 : 120);
    } else if (i % 100 != 49) {
      Line(&out, "abbattimento codice, %d,%d", p + 800, i % 2 == 0 ? 270 : 180);
    }
  }
  Line(&out, "[stazioni]");
  Line(&out, "stazione, 0, 8, 500, 1, 0, 0, 1, 1, 0, 1, 1, 1, 0, 10, 50, 0, PARTENZA");
  int stops = 1;
  // Stations and, between them, located points of kind 25 (no grid marks).
  for (int32_t p = 50000; p + 60000 < L && stops < 60; p += 50000, ++stops) {
    if (stops % 2 == 0) {
      Line(&out, "stazione, %d, 25, 400, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, P.C. %d", p, stops);
    } else {
      Line(&out, "stazione, %d, 2, 800, 0, 1, 0, 1, 1, 0, 4, 1, 1, 0, 0, 0, 0, FERMATA %d", p, stops);
    }
  }
  Line(&out, "stazione, %d, 6, 600, 0, 0, 0, 1, 1, 0, 4, 1, 1, 0, 15, 58, 0, ARRIVO",
       (L - 1000) / 50 * 50);
  Line(&out, "[codici]");
  Line(&out, "     [fine]");
  return out;
}

}  // namespace scenario::bench
