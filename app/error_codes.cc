#include "app/error_codes.h"

namespace scenario {

std::string ErrorCodeMeaning(int32_t code) {
  switch (code) {
    case 0: return "no error";
    case 1: return "the route length is greater than 1000000 m";
    case 2: return "a chainage section's start or offset is not a multiple of 50 m";
    case 3: return "the signal repetition start is not a multiple of 50 m";
    case 4: return "the signal repetition end is not a multiple of 50 m";
    case 5: return "the signal repetition keyword names neither 4 nor 9 codes";
    case 6: return "the cell of a sign board is not free";
    case 7: return "the cell of a code reduction is not free";
    case 8: return "a stop position is not a multiple of 50 m";
    case 9: return "a stop length is not a multiple of 100 m";
    case 10: return "the stop rows would reach the sign-board rows of the scenario table";
    case 11: return "no room for a code reduction before a signal that precedes a slowdown warning";
    case 12: return "no room for a code reduction in a window before a slowdown start";
    case 13: return "no room for a spaced code reduction inside a slow slowdown or after its end";
    case 15: return "a record's position lies beyond the end of the grid";
    case 16: return "the cell of a signal is not free";
    case 17: return "the warning cell of a slowdown is not free";
    case 18: return "the start cell of a slowdown is not free";
    case 19: return "the end cell of a slowdown is not free";
    case 20: return "one of the four pre-warning cells of a slowdown is not free";
    case 21: return "the cell of a speed board is not free";
    case 22: return "a stop zone begins less than 350 m after the end of the previous one";
    case 24: return "a stop zone ends at or before route position 100";
    case 25: return "an unexpected failure while reading a description";
    case 101: return "the line description does not exist";
    case 102: return "the line description has no \"[generale]\" field";
    case 103: return "a curve names no radius class, or the route table would pass row 1000000";
    default: return "unknown error code";
  }
}

}  // namespace scenario
