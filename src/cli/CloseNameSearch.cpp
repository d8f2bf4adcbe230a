#include "cli/CloseNameSearch.h"

#include <algorithm>

#include "platform/TextCase.h"

namespace vantrel::cli {
namespace {

// One bit per letter or digit, the other characters shared among the rest.
// A text inside a name has no bit the name lacks, and each edit changes at
// most two bits, so two texts whose sets differ in more than 2k bits are more
// than k edits apart.
std::uint64_t LetterSet(std::wstring_view folded) {
  std::uint64_t set = 0;
  for (const wchar_t c : folded) {
    unsigned bit;
    if (c >= L'a' && c <= L'z')
      bit = static_cast<unsigned>(c - L'a');
    else if (c >= L'0' && c <= L'9')
      bit = 26 + static_cast<unsigned>(c - L'0');
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

std::size_t BoundedEditDistance(std::wstring_view a, std::wstring_view b, std::size_t limit) {
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
      std::wstring folded = FoldCase(unitName);
      const std::uint64_t letters = LetterSet(folded);
      candidates_.push_back({std::move(folded), letters, &category, &unitName});
    }
  }
  // Shortest first, so that a search starts at the first name long enough.
  std::stable_sort(
      candidates_.begin(), candidates_.end(),
      [](const Candidate& a, const Candidate& b) { return a.folded.size() < b.folded.size(); });
}

std::vector<std::wstring> CloseNameSearch::Find(std::wstring_view text,
                                                const CCategory* category) const {
  const std::size_t limit = std::min(std::max<std::size_t>(2, text.size() / 3), kMaxDistance);
  // Longer than every name by more than the limit: nothing can be close.
  if (candidates_.empty() || text.size() > candidates_.back().folded.size() + limit) return {};
  const std::wstring wanted = FoldCase(text);
  const std::uint64_t wantedLetters = LetterSet(wanted);

  struct Scored {
    std::size_t score;
    const std::wstring* name;
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
    if (mayContain && c.folded.find(wanted) != std::wstring::npos)
      score = 0;
    else if (mayBeClose)
      score = BoundedEditDistance(wanted, c.folded, limit);
    if (score <= limit) scored.push_back({score, c.name});
  }
  std::sort(scored.begin(), scored.end(), [](const Scored& a, const Scored& b) {
    if (a.score != b.score) return a.score < b.score;
    if (a.name->size() != b.name->size()) return a.name->size() < b.name->size();
    return *a.name < *b.name;
  });
  std::vector<std::wstring> names;
  for (const Scored& s : scored) {
    if (std::find(names.begin(), names.end(), *s.name) != names.end()) continue;
    names.push_back(*s.name);
    if (names.size() == 5) break;
  }
  return names;
}

}  // namespace vantrel::cli
