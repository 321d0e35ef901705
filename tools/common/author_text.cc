#include "tools/common/author_text.h"

#include "tools/common/text.h"

namespace scenario {

std::string ValueWithUnit(const AuthorValue& value) {
  return std::to_string(value.value) + (value.unit.empty() ? "" : " " + value.unit);
}

std::string AsWrittenText(const std::vector<AuthorValue>& values) {
  std::string text;
  const std::string* group = nullptr;
  for (size_t i = 0; i < values.size(); ++i) {
    const AuthorValue& v = values[i];
    // A stop's hours, minutes and seconds read best as a clock.
    if (v.group == "time" && i + 2 < values.size()) {
      text += (text.empty() ? "time " : "; time ") +
              ClockText((v.value * 60 + values[i + 1].value) * 60 + values[i + 2].value);
      i += 2;
      group = nullptr;
      continue;
    }
    if (group == nullptr || *group != v.group) {
      if (!text.empty()) text += "; ";
      if (!v.group.empty()) text += v.group + ": ";
      group = &v.group;
    } else {
      text += ", ";
    }
    text += v.name + " " + std::to_string(v.value);
    if (!v.unit.empty()) text += " " + v.unit;
  }
  return text;
}

nlohmann::ordered_json AsWrittenJson(const std::vector<AuthorValue>& values) {
  nlohmann::ordered_json out = nlohmann::ordered_json::object();
  for (const AuthorValue& v : values) {
    if (v.group.empty()) {
      out[v.name] = v.value;
    } else {
      out[v.group][v.name] = v.value;
    }
  }
  return out;
}

std::string CurveClassText(const CurveClass& curve) {
  // Class 6 is the one radius that is not whole: 333.3 m.
  const int decimals = curve.number == 6 ? 1 : 0;
  const std::string radius = "(radius " + FixedText(curve.radius, decimals) + " m)";
  if (curve.number == 0) return "no class " + radius;
  return "class " + std::to_string(curve.number) + " " + radius;
}

}  // namespace scenario
