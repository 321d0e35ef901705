#include "tools/compile/terminal_text.h"

#include "tools/inspect/text.h"

namespace scenario {

size_t EscapedWidth(unsigned char byte) { return CodePageWidth(byte); }

std::string EscapeForTerminal(std::string_view text) { return DisplayText(text); }

}  // namespace scenario
