#include "records/route_file_decoder.h"

#include <algorithm>

#include "records/byte_reader.h"

namespace scenario {

namespace {

// Reads one element; returns false at an unknown tag or a short value.
bool ReadElement(ByteReader& in, RouteElement* element, std::vector<std::string>* texts,
                 std::string* problem) {
  if (!in.ReadU16(&element->tag)) {
    *problem = "a lone byte where a 2-byte tag should start";
    return false;
  }
  bool complete = true;
  switch (static_cast<VariantTag>(element->tag)) {
    case VariantTag::kEmpty:
      break;
    case VariantTag::kInt16: {
      int16_t v = 0;
      complete = in.ReadI16(&v);
      element->value = v;
      break;
    }
    case VariantTag::kInt32: {
      int32_t v = 0;
      complete = in.ReadI32(&v);
      element->value = v;
      break;
    }
    case VariantTag::kFloat32: {
      float v = 0;
      complete = in.ReadF32(&v);
      element->value = v;
      break;
    }
    case VariantTag::kFloat64:
      complete = in.ReadF64(&element->value);
      break;
    case VariantTag::kString: {
      std::string text;
      complete = in.ReadStringField(&text);
      texts->push_back(std::move(text));
      break;
    }
    default:
      *problem = "unknown tag " + std::to_string(element->tag) +
                 " (the elements are tagged 0, 2, 3, 4, 5 or 8)";
      return false;
  }
  if (!complete) *problem = "the value of a tag-" + std::to_string(element->tag) + " element is cut short";
  return complete;
}

}  // namespace

Status DecodeRouteFile(std::string_view bytes, RoutePlan* plan) {
  if (bytes.empty()) return Status::Error("a route file holds at least one row, this one is empty");
  std::vector<RouteElement> elements;
  const size_t most = 2 * static_cast<size_t>(kMaxRouteRows);
  elements.reserve(std::min(bytes.size() / 10 + 4, most));  // nearly every element is a 10-byte real
  plan->texts.clear();
  ByteReader in(bytes);
  while (!in.AtEnd()) {
    size_t start = in.offset();
    if (elements.size() == most) {
      return Status::Error("more than " + std::to_string(most) +
                           " elements, the two columns of the longest route "
                           "(1000000 m); byte " +
                           std::to_string(start) + " starts one more");
    }
    RouteElement element;
    std::string problem;
    if (!ReadElement(in, &element, &plan->texts, &problem)) {
      return Status::Error("element " + std::to_string(elements.size()) + " at byte " +
                           std::to_string(start) + ": " + problem +
                           " (truncated, or not a route file)");
    }
    elements.push_back(element);
  }
  if (elements.size() % 2 != 0) {
    return Status::Error(
        "a route file holds two columns of equal length, but it decodes to an odd number of "
        "elements (" +
        std::to_string(elements.size()) + ")");
  }
  size_t rows = elements.size() / 2;
  auto middle = elements.begin() + static_cast<std::ptrdiff_t>(rows);
  plan->plan_x.assign(elements.begin(), middle);
  plan->plan_y.assign(middle, elements.end());
  return Status::OK();
}

}  // namespace scenario
