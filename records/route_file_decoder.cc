#include "records/route_file_decoder.h"

#include <algorithm>

#include "records/byte_reader.h"

namespace scenario {

// Reads one element; returns false at an unknown tag or a short value.
bool ReadRouteElement(ByteReader& in, RouteElement* element, std::vector<std::string>* texts,
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

Status DecodeRouteFile(std::string_view bytes, RoutePlan* plan) {
  if (bytes.empty()) return Status::Error("a route file holds at least one row, this one is empty");
  const size_t most = 2 * static_cast<size_t>(kMaxRouteRows);
  // Counted first, then decoded straight into the two columns: the longest
  // route's two million elements are held once, never copied.
  size_t count = 0;
  std::vector<std::string> texts;
  ByteReader in(bytes);
  while (!in.AtEnd()) {
    size_t start = in.offset();
    if (count == most) {
      return Status::Error("more than " + std::to_string(most) +
                           " elements, the two columns of the longest route "
                           "(1000000 m); byte " +
                           std::to_string(start) + " starts one more");
    }
    RouteElement element;
    std::string problem;
    if (!ReadRouteElement(in, &element, &texts, &problem)) {
      return Status::Error("element " + std::to_string(count) + " at byte " + std::to_string(start) + ": " +
                           problem + " (truncated, or not a route file)");
    }
    ++count;
  }
  if (count % 2 != 0) {
    return Status::Error(
        "a route file holds two columns of equal length, but it decodes to an odd number of "
        "elements (" +
        std::to_string(count) + ")");
  }
  const size_t rows = count / 2;
  plan->texts = std::move(texts);
  plan->plan_x.assign(rows, RouteElement());
  plan->plan_y.assign(rows, RouteElement());
  ByteReader again(bytes);
  std::vector<std::string> read_before;
  std::string problem;
  for (size_t i = 0; i < count; ++i) {
    ReadRouteElement(again, i < rows ? &plan->plan_x[i] : &plan->plan_y[i - rows], &read_before, &problem);
    read_before.clear();
  }
  return Status::OK();
}

}  // namespace scenario
