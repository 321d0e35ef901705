// Text from a description or a command line, made safe to print on a
// terminal. Descriptions are 8-bit text in the system's code page, and a
// field may hold anything: printed raw, an escape sequence (ESC ] 0; ... BEL
// sets the terminal's title, ESC [ 2 J clears it) would act on the author's
// terminal instead of being shown. Text is shown as DisplayText shows it:
// the code page's characters in UTF-8, control bytes as \x1b style escapes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace scenario {

// The text as DisplayText shows it.
std::string EscapeForTerminal(std::string_view text);

// How many characters a byte of a description's line takes once shown: 4
// or 1.
size_t EscapedWidth(unsigned char byte);

}  // namespace scenario
