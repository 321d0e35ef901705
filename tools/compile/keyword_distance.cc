#include "tools/compile/keyword_distance.h"

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
  int best = kFar;
  for (size_t start = 0; start < field.size(); ++start) {
    if (!IsLetter(field[start]) || (start > 0 && IsLetter(field[start - 1]))) continue;
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
  // d[i + 1][j + 1] is the distance between the first i bytes of a and the
  // first j of b; row and column 0 hold the bound.
  std::vector<std::vector<int>> d(n + 2, std::vector<int>(m + 2, far));
  for (size_t i = 0; i <= n; ++i) d[i + 1][1] = static_cast<int>(i);
  for (size_t j = 0; j <= m; ++j) d[1][j + 1] = static_cast<int>(j);
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
      d[i + 1][j + 1] = std::min({d[i][j] + change, d[i + 1][j] + 1, d[i][j + 1] + 1,
                                  d[k][l] + static_cast<int>((i - k - 1) + 1 + (j - l - 1))});
    }
    last_row_of[static_cast<unsigned char>(a[i - 1])] = i;
  }
  return d[n + 1][m + 1];
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
