#include "tools/inspect/text.h"

#include <cstdio>

namespace scenario {

namespace {

void AppendLatin1(std::string* out, unsigned char c) {
  if (c < 0x80) {
    out->push_back(static_cast<char>(c));
  } else {
    out->push_back(static_cast<char>(0xC0 | (c >> 6)));
    out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

}  // namespace

std::string Latin1ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (char c : bytes) AppendLatin1(&out, static_cast<unsigned char>(c));
  return out;
}

std::string DisplayText(std::string_view bytes) {
  size_t i = 0;
  while (i < bytes.size()) {
    unsigned char c = static_cast<unsigned char>(bytes[i]);
    size_t extra = c < 0x80 ? 0 : (c >> 5) == 0x6 ? 1 : (c >> 4) == 0xE ? 2 : (c >> 3) == 0x1E ? 3 : 4;
    if (extra == 4 || (extra > 0 && (c < 0xC2 || i + extra >= bytes.size()))) {
      return Latin1ToUtf8(bytes);
    }
    for (size_t k = 1; k <= extra; ++k) {
      if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80) return Latin1ToUtf8(bytes);
    }
    i += extra + 1;
  }
  return std::string(bytes);
}

std::string QuotedName(std::string_view bytes) {
  std::string out = "\"";
  for (char ch : bytes) {
    unsigned char c = static_cast<unsigned char>(ch);
    if (c == '"' || c == '\\') {
      out.push_back('\\');
      out.push_back(ch);
    } else if (c < 0x20 || c == 0x7F) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\x%02X", c);
      out += escape;
    } else {
      AppendLatin1(&out, c);
    }
  }
  return out + "\"";
}

std::string XmlEscape(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (char ch : bytes) {
    unsigned char c = static_cast<unsigned char>(ch);
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&apos;"; break;
      case '\t':
      case '\n':
      case '\r': out.push_back(ch); break;
      default:
        if (c < 0x20) {
          out.push_back('?');
        } else {
          AppendLatin1(&out, c);
        }
    }
  }
  return out;
}

std::string ClockText(int64_t seconds) {
  bool negative = seconds < 0;
  int64_t s = negative ? -seconds : seconds;
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, "%s%lld:%02lld:%02lld", negative ? "-" : "",
                static_cast<long long>(s / 3600), static_cast<long long>(s / 60 % 60),
                static_cast<long long>(s % 60));
  return buffer;
}

}  // namespace scenario
