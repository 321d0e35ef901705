// The cell writers: one description record becomes objects in the grid.
// Each checks that its target cells are free, writes them, and on a conflict
// stores its error code in the state and returns.
#pragma once

#include <cstdint>

#include "app/generator_state.h"

namespace scenario {

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
