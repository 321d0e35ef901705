// Warnings about the bytes of the texts that reach the scenario file, the
// stop names and the sign texts: the simulator shows them one byte a
// character in its code page, Windows-1252. Text saved in UTF-8 shows as two
// or three characters for each one typed, and control bytes are no
// characters at all.
#include <string>

#include "tools/diagnostics/warnings.h"
#include "tools/common/text.h"

namespace scenario {

namespace {

// Which value of a record is a text that the scenario file keeps; 0: none.
size_t TextValueOf(const RecordRead& record) {
  if (record.kind == "stop") return 16;
  if (record.kind == "sign board") return 1;
  return 0;
}

bool HasMultiByteSequence(std::string_view text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return true;
  }
  return false;
}

// A byte the simulator cannot show as a character: the C0 controls, DEL and
// the five codes the code page leaves undefined.
bool IsControlByte(unsigned char byte) {
  return byte < 0x20 || byte == 0x7F || CodePageChar(byte) == 0xFFFD;
}

std::string ByteName(unsigned char byte) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string name = "0x";
  name += kHex[byte >> 4];
  name += kHex[byte & 15];
  if (byte == 0) return name + " (NUL)";
  if (byte == '\t') return name + " (a tab)";
  if (byte == '\r') return name + " (a carriage return)";
  return name;
}

}  // namespace

void TextWarnings(const DiagnosticContext& context, WarningList* out) {
  for (const RecordRead& record : context.recorder.records()) {
    const size_t value = TextValueOf(record);
    if (value == 0 || record.value_count <= value) continue;
    const std::string text = record.Text(value);
    const char* what = value == 16 ? "the stop name" : "the sign text";
    const TextPosition at = record.At(value);
    const bool utf8 = HasMultiByteSequence(text) && IsValidUtf8(text);
    if (utf8 && out->Admit("utf8-text", record.description, at)) {
      out->push_back(Warning(
          context, "utf8-text", record.description, at,
          std::string(what) + " \"" + DisplayText(text) +
              "\" is written in UTF-8, but the simulator reads one byte a character in its code "
              "page, Windows-1252, and will show \"" + CodePageToUtf8(text) +
              "\": save the description in Windows-1252, or compile with --input-encoding utf-8"));
    }
    for (size_t i = 0; i < text.size(); ++i) {
      const auto byte = static_cast<unsigned char>(text[i]);
      // In UTF-8 text the undefined codes are continuation bytes, which the
      // warning above covers.
      const bool control = byte >= 0x80 ? !utf8 && IsControlByte(byte) : IsControlByte(byte);
      if (!control) continue;
      if (out->Admit("control-byte", record.description, at)) {
        out->push_back(Warning(context, "control-byte", record.description, at,
                               std::string(what) + " \"" + CodePageToUtf8(text) + "\" holds byte " +
                                   ByteName(byte) + " at character " + std::to_string(i + 1) +
                                   ", which the simulator cannot show as a character: "
                                   "remove it"));
      }
      break;  // one warning a text
    }
  }
}

}  // namespace scenario
