#include "tools/common/text.h"

#include <array>
#include <cstdio>

namespace scenario {

namespace {

// 0x80-0x9F of the code page; 0 marks the five codes it leaves undefined.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

bool IsControlCharacter(char32_t c) { return (c < 0x20 && c != '\t') || (c >= 0x7F && c < 0xA0); }

void AppendUtf8(std::string* out, char32_t c) {
  if (c < 0x80) {
    out->push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out->push_back(static_cast<char>(0xC0 | (c >> 6)));
    out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out->push_back(static_cast<char>(0xE0 | (c >> 12)));
    out->push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out->push_back(static_cast<char>(0xF0 | (c >> 18)));
    out->push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

void AppendEscape(std::string* out, unsigned char byte) {
  static constexpr char kHex[] = "0123456789abcdef";
  out->push_back('\\');
  out->push_back('x');
  out->push_back(kHex[byte >> 4]);
  out->push_back(kHex[byte & 15]);
}

bool IsEscapedByte(unsigned char byte) {
  return (byte < 0x20 && byte != '\t') || byte == 0x7F ||
         (byte >= 0x80 && byte < 0xA0 && kHighControls[byte - 0x80] == 0);
}

}  // namespace

size_t Utf8SequenceAt(std::string_view bytes, size_t i, char32_t* character) {
  const auto at = [&](size_t k) { return static_cast<unsigned char>(bytes[k]); };
  const unsigned char lead = at(i);
  if (lead < 0x80) {
    *character = lead;
    return 1;
  }
  size_t length;
  char32_t c = 0;
  char32_t lowest;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, c = lead & 0x1F, lowest = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, c = lead & 0x0F, lowest = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, c = lead & 0x07, lowest = 0x10000;
  } else {
    return 0;
  }
  if (bytes.size() - i < length) return 0;
  for (size_t k = 1; k < length; ++k) {
    if ((at(i + k) & 0xC0) != 0x80) return 0;
    c = (c << 6) | (at(i + k) & 0x3F);
  }
  if (c < lowest || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
  *character = c;
  return length;
}

char32_t CodePageChar(unsigned char byte) {
  if (byte < 0x80 || byte >= 0xA0) return byte;
  const char32_t c = kHighControls[byte - 0x80];
  return c == 0 ? 0xFFFD : c;
}

std::optional<unsigned char> CodePageByte(char32_t character) {
  if (character < 0x80 || (character >= 0xA0 && character < 0x100)) {
    return static_cast<unsigned char>(character);
  }
  for (size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] != 0 && kHighControls[i] == character) return static_cast<unsigned char>(0x80 + i);
  }
  return std::nullopt;
}

size_t CodePageWidth(unsigned char byte) { return IsEscapedByte(byte) ? 4 : 1; }

std::string CodePageToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (char ch : bytes) {
    const auto byte = static_cast<unsigned char>(ch);
    if (IsEscapedByte(byte)) {
      AppendEscape(&out, byte);
    } else {
      AppendUtf8(&out, CodePageChar(byte));
    }
  }
  return out;
}

bool IsValidUtf8(std::string_view bytes) {
  char32_t c = 0;
  for (size_t i = 0; i < bytes.size();) {
    const size_t length = Utf8SequenceAt(bytes, i, &c);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

std::string DisplayText(std::string_view bytes) {
  if (!IsValidUtf8(bytes)) return CodePageToUtf8(bytes);
  std::string out;
  out.reserve(bytes.size());
  char32_t c = 0;
  for (size_t i = 0; i < bytes.size();) {
    const size_t length = Utf8SequenceAt(bytes, i, &c);
    if (IsControlCharacter(c)) {
      // A C1 control (U+0080..U+009F) is escaped by its code, as a byte is.
      AppendEscape(&out, static_cast<unsigned char>(c));
    } else {
      out.append(bytes.substr(i, length));
    }
    i += length;
  }
  return out;
}

std::string QuotedName(std::string_view bytes) {
  std::string out = "\"";
  for (char ch : bytes) {
    const auto c = static_cast<unsigned char>(ch);
    if (c == '"' || c == '\\') {
      out.push_back('\\');
      out.push_back(ch);
    } else if (c == '\t' || IsEscapedByte(c)) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\x%02X", c);
      out += escape;
    } else {
      AppendUtf8(&out, CodePageChar(c));
    }
  }
  return out + "\"";
}

std::string XmlEscape(std::string_view bytes) {
  const std::string text = DisplayText(bytes);
  std::string out;
  out.reserve(text.size());
  for (char ch : text) {
    switch (ch) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&apos;"; break;
      default: out.push_back(ch);
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

std::string FixedText(double value, int decimals) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
  return buffer;
}

}  // namespace scenario
