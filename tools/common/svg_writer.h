// A small writer of SVG markup: elements with escaped attributes and text,
// numbers in a short fixed form.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace scenario {

using SvgAttributes = std::initializer_list<std::pair<std::string_view, std::string>>;

// A coordinate or length with at most one decimal ("12", "12.5", "-3").
std::string SvgNumber(double value);

class SvgWriter {
 public:
  // <tag attributes>
  void Open(std::string_view tag, SvgAttributes attributes = {});
  // </tag>
  void Close(std::string_view tag);
  // <tag attributes/>
  void Empty(std::string_view tag, SvgAttributes attributes);
  // <tag attributes>text</tag>, the text escaped.
  void WithText(std::string_view tag, SvgAttributes attributes, std::string_view text);
  // A hover tooltip for the enclosing element.
  void Title(std::string_view text) { WithText("title", {}, text); }

  const std::string& markup() const { return out_; }

 private:
  void StartTag(std::string_view tag, SvgAttributes attributes);
  std::string out_;
};

}  // namespace scenario
