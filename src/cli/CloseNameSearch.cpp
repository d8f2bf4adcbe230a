#include "cli/CloseNameSearch.h"

#include <algorithm>

#include "platform/TextCase.h"
#include "platform/TextEncoding.h"

namespace vantrel::cli {
namespace {

// One bit per letter or digit, the other characters shared among the rest.
// A text inside a name has no bit the name lacks, and each edit changes at
// most two bits, so two texts whose sets differ in more than 2k bits are more
// than k edits apart.
std::uint64_t LetterSet(std::u32string_view folded) {
  std::uint64_t set = 0;
  for (const char32_t c : folded) {
    unsigned bit;
    if (c >= 'a' && c <= 'z')
      bit = static_cast<unsigned>(c - 'a');
    else if (c >= '0' && c <= '9')
      bit = 26 + static_cast<unsigned>(c - '0');
    else
      bit = 36 + static_cast<unsigned>(c) % 28;
    set |= std::uint64_t{1} << bit;
  }
  return set;
}

// The bits set, counted in the word itself: without a popcount instruction
// in the target, std::popcount is a library call per name.
std::size_t BitCount(std::uint64_t x) {
  x -= (x >> 1) & 0x5555555555555555ULL;
  x = (x & 0x3333333333333333ULL) + ((x >> 2) & 0x3333333333333333ULL);
  x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
  return static_cast<std::size_t>((x * 0x0101010101010101ULL) >> 56);
}

std::size_t Difference(std::size_t a, std::size_t b) { return a > b ? a - b : b - a; }

}  // namespace

std::size_t BoundedEditDistance(std::u32string_view a, std::u32string_view b, std::size_t limit) {
  const std::size_t over = limit + 1;
  if (Difference(a.size(), b.size()) > limit) return over;
  // One row of the table over b, kept to the band of cells within `limit` of
  // the diagonal; cells outside it count as `over`.
  std::vector<std::size_t> row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) row[j] = std::min(j, over);
  for (std::size_t i = 1; i <= a.size(); ++i) {
    const std::size_t low = i > limit ? i - limit : 1;
    const std::size_t high = std::min(b.size(), i + limit);
    std::size_t diagonal = row[low - 1];
    row[low - 1] = low == 1 ? std::min(i, over) : over;
    std::size_t best = row[low - 1];
    for (std::size_t j = low; j <= high; ++j) {
      const std::size_t above = row[j];
      const std::size_t cost = diagonal + (a[i - 1] == b[j - 1] ? 0 : 1);
      row[j] = std::min({above + 1, row[j - 1] + 1, cost, over});
      diagonal = above;
      best = std::min(best, row[j]);
    }
    if (best > limit) return over;  // every later row is at least as far
  }
  return row[b.size()];
}

CloseNameSearch::CloseNameSearch(const CUnitCatalogue& catalogue) {
  for (const auto& [categoryName, category] : catalogue.Categories()) {
    for (const auto& [unitName, unit] : category.Units()) {
      std::u32string folded = CodePoints(FoldCase(unitName));
      const std::uint64_t letters = LetterSet(folded);
      candidates_.push_back({std::move(folded), letters, &category, &unitName});
    }
  }
  // Shortest first, so that a search starts at the first name long enough.
  std::stable_sort(
      candidates_.begin(), candidates_.end(),
      [](const Candidate& a, const Candidate& b) { return a.folded.size() < b.folded.size(); });
}

std::vector<std::string> CloseNameSearch::Find(std::string_view text,
                                               const CCategory* category) const {
  // Characters, not bytes, are what an edit changes.
  const std::size_t length = CharacterCount(text);
  const std::size_t limit = std::min(std::max<std::size_t>(2, length / 3), kMaxDistance);
  // Longer than every name by more than the limit: nothing can be close.
  if (candidates_.empty() || length > candidates_.back().folded.size() + limit) return {};
  const std::u32string wanted = CodePoints(FoldCase(text));
  const std::uint64_t wantedLetters = LetterSet(wanted);

  struct Scored {
    std::size_t score;
    std::size_t length;  // the name's characters
    const std::string* name;
  };
  std::vector<Scored> scored;
  // A name shorter than the text by more than the limit neither contains it
  // nor is close to it.
  const std::size_t shortest = wanted.size() > limit ? wanted.size() - limit : 0;
  const auto first =
      std::partition_point(candidates_.begin(), candidates_.end(),
                           [&](const Candidate& c) { return c.folded.size() < shortest; });
  for (auto it = first; it != candidates_.end(); ++it) {
    const Candidate& c = *it;
    if (category && c.category != category) continue;
    const bool mayContain =
        !wanted.empty() && wanted.size() <= c.folded.size() && (wantedLetters & ~c.letters) == 0;
    const bool mayBeClose = Difference(wanted.size(), c.folded.size()) <= limit &&
                            BitCount(wantedLetters ^ c.letters) <= 2 * limit;
    std::size_t score = limit + 1;
    if (mayContain && c.folded.find(wanted) != std::u32string::npos)
      score = 0;
    else if (mayBeClose)
      score = BoundedEditDistance(wanted, c.folded, limit);
    if (score <= limit) scored.push_back({score, c.folded.size(), c.name});
  }
  std::sort(scored.begin(), scored.end(), [](const Scored& a, const Scored& b) {
    if (a.score != b.score) return a.score < b.score;
    if (a.length != b.length) return a.length < b.length;
    return *a.name < *b.name;
  });
  std::vector<std::string> names;
  for (const Scored& s : scored) {
    if (std::find(names.begin(), names.end(), *s.name) != names.end()) continue;
    names.push_back(*s.name);
    if (names.size() == 5) break;
  }
  return names;
}

}  // namespace vantrel::cli
