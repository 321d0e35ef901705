#include "tools/diagnostics/keyword_distance.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "descriptions/field_stream.h"

namespace scenario {

namespace {

constexpr int kNearEnough = 2;
constexpr int kFar = 1000;
// Keyword fields are short; a longer field is prose, not a misspelt keyword,
// and is not searched.
constexpr size_t kLongestField = 64;

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// 0 to 25 for a lower-case letter, 26 for '_', 27 for anything else.
size_t LetterSlot(char c) {
  if (c >= 'a' && c <= 'z') return static_cast<size_t>(c - 'a');
  return c == '_' ? 26 : 27;
}

std::string Folded(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

// The fewest edits between the word and a stretch of the field that begins
// where a run of letters does.
int WordDistance(std::string_view field, std::string_view word) {
  if (word.size() <= 3) return ContainsAnyCase(field, word) ? 0 : kFar;
  // How often each letter stands in the word ('_' counts with the letters:
  // a speed board's keyword holds one; keywords hold nothing else).
  std::array<int8_t, 27> wanted{};
  for (char c : word) {
    if (LetterSlot(c) < wanted.size()) ++wanted[LetterSlot(c)];
  }
  int best = kFar;
  for (size_t start = 0; start < field.size(); ++start) {
    if (!IsLetter(field[start]) || (start > 0 && IsLetter(field[start - 1]))) continue;
    // Each edit brings in at most one of the word's letters: a stretch that
    // lacks more than two of them, counted with their repeats, is too far.
    std::array<int8_t, 27> left = wanted;
    int found = 0;
    const size_t window = std::min(field.size(), start + word.size() + kNearEnough);
    for (size_t i = start; i < window; ++i) {
      const size_t slot = LetterSlot(field[i]);
      if (slot < left.size() && left[slot] > 0) {
        --left[slot];
        ++found;
      }
    }
    if (static_cast<int>(word.size()) - found > kNearEnough) continue;
    // A stretch more than two letters shorter or longer is more than two
    // edits away.
    const size_t shortest = word.size() - kNearEnough;
    for (size_t length = shortest; length <= word.size() + kNearEnough; ++length) {
      if (start + length > field.size()) break;
      best = std::min(best, EditDistance(field.substr(start, length), word));
    }
  }
  return best;
}

}  // namespace

int EditDistance(std::string_view a, std::string_view b) {
  // Damerau's distance without the restriction that a swapped pair is not
  // edited again (Lowrance and Wagner): any edits cost at most their number.
  const size_t n = a.size();
  const size_t m = b.size();
  const int far = static_cast<int>(n + m);
  // d(i + 1, j + 1) is the distance between the first i bytes of a and the
  // first j of b; row and column 0 hold the bound. Keywords are short: the
  // table of two of them stays on the stack.
  constexpr size_t kStackSide = 24;
  std::array<int, kStackSide * kStackSide> small;
  std::vector<int> large;
  const size_t side = m + 2;
  int* table = small.data();
  if ((n + 2) * side > small.size()) {
    large.resize((n + 2) * side);
    table = large.data();
  }
  auto d = [&](size_t i, size_t j) -> int& { return table[i * side + j]; };
  std::fill(table, table + (n + 2) * side, far);
  for (size_t i = 0; i <= n; ++i) d(i + 1, 1) = static_cast<int>(i);
  for (size_t j = 0; j <= m; ++j) d(1, j + 1) = static_cast<int>(j);
  std::array<size_t, 256> last_row_of{};  // the last row of a where a byte stood
  for (size_t i = 1; i <= n; ++i) {
    size_t last_column = 0;  // the last column of b in this row with a match
    for (size_t j = 1; j <= m; ++j) {
      const size_t k = last_row_of[static_cast<unsigned char>(b[j - 1])];
      const size_t l = last_column;
      int change = 1;
      if (a[i - 1] == b[j - 1]) {
        change = 0;
        last_column = j;
      }
      d(i + 1, j + 1) = std::min({d(i, j) + change, d(i + 1, j) + 1, d(i, j + 1) + 1,
                                  d(k, l) + static_cast<int>((i - k - 1) + 1 + (j - l - 1))});
    }
    last_row_of[static_cast<unsigned char>(a[i - 1])] = i;
  }
  return d(n + 1, m + 1);
}

int KeywordDistance(std::string_view field, const RecordKeyword& keyword) {
  if (field.size() > kLongestField) return kFar;
  const std::string folded = Folded(field);
  int total = 0;
  for (const char* word : {keyword.first, keyword.second}) {
    if (*word == '\0') continue;
    total += WordDistance(folded, word);
    if (total >= kFar) return kFar;
  }
  return total;
}

const RecordKeyword* NearestKeyword(KeywordScope scope, std::string_view field) {
  const RecordKeyword* nearest = nullptr;
  int best = kNearEnough + 1;
  for (const RecordKeyword& keyword : KeywordsOf(scope)) {
    const int distance = KeywordDistance(field, keyword);
    if (distance < best) {
      best = distance;
      nearest = &keyword;
    }
  }
  return nearest;
}

}  // namespace scenario
