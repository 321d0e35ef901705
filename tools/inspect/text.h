// Text out of the compiled files, made safe for a terminal, JSON and XML.
// The files hold 8-bit characters of a single-byte code page; bytes above
// 127 are shown as the Latin-1 characters of the same code.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace scenario {

// Every byte as the character of the same code, in UTF-8.
std::string Latin1ToUtf8(std::string_view bytes);

// Text that is valid UTF-8 stays as it is (file names given by the user);
// anything else is read as Latin-1.
std::string DisplayText(std::string_view bytes);

// A name in double quotes for the text dump: control bytes, quote and
// backslash written as escapes.
std::string QuotedName(std::string_view bytes);

// Character data or an attribute value for XML: & < > " ' escaped, bytes
// that XML does not allow (controls other than tab, LF, CR) shown as '?'.
std::string XmlEscape(std::string_view bytes);

// Seconds since midnight as h:mm:ss ("13:53:30"); negative values keep a
// leading minus.
std::string ClockText(int64_t seconds);

}  // namespace scenario
