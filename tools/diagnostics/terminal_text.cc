#include "tools/diagnostics/terminal_text.h"

#include "tools/common/text.h"

namespace scenario {

size_t EscapedWidth(unsigned char byte) { return CodePageWidth(byte); }

std::string EscapeForTerminal(std::string_view text) { return DisplayText(text); }

}  // namespace scenario
