// Text out of the descriptions and the compiled files, made safe for a
// terminal, JSON and XML. Names and texts are bytes of the simulator's 8-bit
// code page (Windows-1252: Latin-1 with printable characters in 0x80-0x9F);
// every text a person reads shows them as the characters the simulator
// shows, in UTF-8, with control bytes written as \xNN escapes. The result is
// always valid UTF-8 with no control character but the tab, whatever the
// bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace scenario {

// Every byte as the code page's character, in UTF-8; control bytes (below
// 32 but the tab, 127, and the five codes the page leaves undefined) as \xNN.
std::string CodePageToUtf8(std::string_view bytes);

// How many characters a byte of the code page takes once shown: 4 for an
// escaped byte, 1 otherwise.
size_t CodePageWidth(unsigned char byte);

// The character a byte of the code page stands for (U+FFFD for the five
// undefined codes).
char32_t CodePageChar(unsigned char byte);

// The byte of the code page for a character, or nothing when the page has
// no byte for it.
std::optional<unsigned char> CodePageByte(char32_t character);

// The length of the strict UTF-8 sequence at bytes[i] and its character in
// *character, or 0 when none starts there.
size_t Utf8SequenceAt(std::string_view bytes, size_t i, char32_t* character);

// Strict UTF-8: no overlong form, no surrogate, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view bytes);

// Text that is strict UTF-8 stays as it is (file names given by the user,
// messages built in UTF-8), its control characters escaped; anything else is
// read as the code page.
std::string DisplayText(std::string_view bytes);

// A name in double quotes for the text dump: control bytes, quote and
// backslash written as escapes.
std::string QuotedName(std::string_view bytes);

// Character data or an attribute value for XML, from bytes shown as
// DisplayText shows them: & < > " ' escaped.
std::string XmlEscape(std::string_view bytes);

// Seconds since midnight as h:mm:ss ("13:53:30"); negative values keep a
// leading minus.
std::string ClockText(int64_t seconds);

// A real with a fixed number of decimals ("12.35"), for the dump and the SVG.
std::string FixedText(double value, int decimals);

}  // namespace scenario
