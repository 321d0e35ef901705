// The cell writers: one description record becomes objects in the grid.
// Each checks that its target cells are free, writes them, and on a conflict
// stores its error code in the state and returns. Every object a record puts
// into the grid goes through PlaceObject, which tells the observer; only the
// completion pass, which no record drives, writes its code reductions itself.
#pragma once

#include <cstdint>

#include "app/generator_state.h"
#include "grid/cell_fields.h"

namespace scenario {

// Makes cell `index` (in 0 .. N) hold an object of this type, placed by the
// record being read.
void PlaceObject(GeneratorState& state, int64_t index, uint8_t cell_type);

// The objects the readers place after their own checks: a sign board whose
// text is in scenario row `row`; a code reduction to `code`, or a code-zero
// mark for a code of 0 or less (value_a then stays as it was); the stop
// cell (`station_stop`) of the stop in row `row`, over whatever the cell
// holds.
void PlaceSignBoard(GeneratorState& state, int64_t index, int32_t row);
void PlaceCodeReduction(GeneratorState& state, int64_t index, int32_t code);
void PlaceStopCell(GeneratorState& state, int64_t index, int32_t row);
// The approach marks 81 .. 84 of a stop whose zone ends at `span_end`, in the
// four cells before its stop cell, over whatever the cells hold; none at or
// below cell 1. The caller has checked that the stop cell lies in the grid.
void MarkStopApproach(GeneratorState& state, int32_t span_end);

// A tunnel kind above this asks for tunnel markers and is lowered by it: the
// stored kind that TunnelKindAsWritten raises again.
inline constexpr int32_t kTunnelMarkerRequest = kTunnelMarkerKinds;
// A tunnel that starts this close, or closer, after the end of the tunnel
// record before it gets the joined kind, whatever its own.
inline constexpr int64_t kJoinedTunnelGap = 150;
inline constexpr int32_t kJoinedTunnelKind = 3;

// The writers below keep the system's names for their parameters too
// (inizio, fine, tipo, posizione, ...): the record fields they are handed.

// A tunnel; tipo above 10 asks for markers and is adjusted in place.
void memo_montagna(GeneratorState& state, int32_t& inizio, int32_t& fine, int32_t& tipo);

// A speed board (error 21). A rounded value outside int16 throws
// DescriptionFailure (the reader's code 25).
void memo_indicatori_v_max(GeneratorState& state, int32_t posizione, int32_t& vas, int32_t& vbs,
                           int32_t& vcs, int32_t& strisces, int32_t& vad, int32_t& vbd,
                           int32_t& vcd, int32_t& strisced);

// A signal (error 16); tempo is adjusted in place.
void memo_segnale(GeneratorState& state, int32_t posizione, int32_t& sx, int32_t& s1, int32_t& s2,
                  int32_t& s3, int32_t& rapp, int32_t& dx, int32_t& d1, int32_t& d2, int32_t& d3,
                  int32_t& tempo);

// A temporary slowdown with its boards (errors 17 to 20).
void memo_rallentamento(GeneratorState& state, int32_t x, int32_t& v, int32_t& l, int32_t& f_tt,
                        int32_t f_ta, int32_t& d_v);

}  // namespace scenario
