#include "tools/compile/terminal_text.h"

namespace scenario {

namespace {

bool NeedsEscape(unsigned char byte) { return (byte < 32 && byte != '\t') || byte >= 127; }

}  // namespace

size_t EscapedWidth(unsigned char byte) { return NeedsEscape(byte) ? 4 : 1; }

std::string EscapeForTerminal(std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (!NeedsEscape(byte)) {
      out += c;
      continue;
    }
    out += "\\x";
    out += kHex[byte >> 4];
    out += kHex[byte & 15];
  }
  return out;
}

}  // namespace scenario
