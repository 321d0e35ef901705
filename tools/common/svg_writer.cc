#include "tools/common/svg_writer.h"

#include <cmath>
#include <cstdio>

#include "tools/common/text.h"

namespace scenario {

std::string SvgNumber(double value) {
  if (!std::isfinite(value)) return "0";  // keeps the document valid whatever the files hold
  double rounded = std::round(value * 10.0) / 10.0;
  if (rounded == 0.0) rounded = 0.0;  // no "-0"
  char buffer[64];
  if (rounded == std::floor(rounded)) {
    std::snprintf(buffer, sizeof buffer, "%.0f", rounded);
  } else {
    std::snprintf(buffer, sizeof buffer, "%.1f", rounded);
  }
  return buffer;
}

void SvgWriter::StartTag(std::string_view tag, SvgAttributes attributes) {
  out_ += '<';
  out_ += tag;
  for (const auto& [name, value] : attributes) {
    out_ += ' ';
    out_ += name;
    out_ += "=\"";
    out_ += XmlEscape(value);
    out_ += '"';
  }
}

void SvgWriter::Open(std::string_view tag, SvgAttributes attributes) {
  StartTag(tag, attributes);
  out_ += ">\n";
}

void SvgWriter::Close(std::string_view tag) {
  out_ += "</";
  out_ += tag;
  out_ += ">\n";
}

void SvgWriter::Empty(std::string_view tag, SvgAttributes attributes) {
  StartTag(tag, attributes);
  out_ += "/>\n";
}

void SvgWriter::WithText(std::string_view tag, SvgAttributes attributes, std::string_view text) {
  StartTag(tag, attributes);
  out_ += '>';
  out_ += XmlEscape(text);
  out_ += "</";
  out_ += tag;
  out_ += ">\n";
}

}  // namespace scenario
