#include "bench/bench_texts.h"

#include <map>

#include "app/document_emitter.h"
#include "bench/generated_descriptions.h"
#include "content/documents.h"
#include "descriptions/field_stream.h"

namespace scenario::bench {

const DescriptionTexts& CarriedTexts() {
  static const DescriptionTexts texts = [] {
    DescriptionTexts t{RenderDocument(CarriedLineDescription()),
                       RenderDocument(CarriedTrainDescription()), "carried"};
    if (!ContainsAnyCase(t.line, "[generale]")) {
      t = GeneratedTexts(kCarriedRouteLength);
      t.label = "generated stand-in for the carried texts";
    }
    return t;
  }();
  return texts;
}

const DescriptionTexts& GeneratedTexts(int32_t route_length) {
  static std::map<int32_t, DescriptionTexts> cache;
  auto [it, inserted] = cache.try_emplace(route_length);
  if (inserted) {
    it->second = DescriptionTexts{GeneratedLineText(route_length), GeneratedTrainText(route_length),
                                  "generated, L = " + std::to_string(route_length)};
  }
  return it->second;
}

}  // namespace scenario::bench
