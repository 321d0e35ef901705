#include "tools/diagnostics/warning_list.h"

#include <algorithm>

namespace scenario {

namespace {

using Key = decltype(PrintOrderKey(std::declval<const Diagnostic&>()));

// The heap's order: the warning printed later on top; of two at one place
// the one found later is printed later.
bool PrintedBefore(const Key& a, uint64_t a_order, const Key& b, uint64_t b_order) {
  return a != b ? a < b : a_order < b_order;
}

Key KeyAt(Description description, TextPosition where) {
  Diagnostic probe;
  probe.description = description;
  probe.line = where.line > 0 ? where.line : 0;
  probe.column = where.line > 0 ? where.column : 0;
  return PrintOrderKey(probe);
}

}  // namespace

bool WarningList::Silenced(std::string_view name) const {
  return disabled_ != nullptr && disabled_->find(std::string(name)) != disabled_->end();
}

bool WarningList::Wants(WarningName name, Description description,
                        TextPosition where) const {
  if (Silenced(name)) return false;
  auto found = kept_.find(std::string_view(name));
  if (found == kept_.end() || found->second.size() < per_kind_) return true;
  // A later find at the same place is printed after the last one kept.
  const Kept& last = found->second.front();
  return PrintedBefore(KeyAt(description, where), next_order_,
                       PrintOrderKey(last.diagnostic), last.order);
}

void WarningList::Count(WarningName name, int64_t count) {
  if (Silenced(name) || count == 0) return;
  found_ += count;
  omitted_[std::string(std::string_view(name))] += count;
}

void WarningList::push_back(Diagnostic diagnostic) {
  if (Silenced(diagnostic.warning)) return;
  ++found_;
  const uint64_t order = next_order_++;
  auto by_later = [](const Kept& a, const Kept& b) {
    return PrintedBefore(PrintOrderKey(a.diagnostic), a.order, PrintOrderKey(b.diagnostic),
                         b.order);
  };
  std::vector<Kept>& heap = kept_[diagnostic.warning];
  if (heap.size() == per_kind_) {
    const Key key = PrintOrderKey(diagnostic);
    const Kept& last = heap.front();
    if (!PrintedBefore(key, order, PrintOrderKey(last.diagnostic), last.order)) {
      ++omitted_[diagnostic.warning];
      return;
    }
    std::pop_heap(heap.begin(), heap.end(), by_later);
    heap.pop_back();
    ++omitted_[diagnostic.warning];
  }
  heap.push_back(Kept{std::move(diagnostic), order});
  std::push_heap(heap.begin(), heap.end(), by_later);
}

std::vector<Diagnostic> WarningList::Take() {
  std::vector<Kept> all;
  for (auto& [name, heap] : kept_) {
    for (Kept& kept : heap) all.push_back(std::move(kept));
  }
  kept_.clear();
  std::sort(all.begin(), all.end(), [](const Kept& a, const Kept& b) { return a.order < b.order; });
  std::vector<Diagnostic> warnings;
  warnings.reserve(all.size());
  for (Kept& kept : all) warnings.push_back(std::move(kept.diagnostic));
  return warnings;
}

}  // namespace scenario
