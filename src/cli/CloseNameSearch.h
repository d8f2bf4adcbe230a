// The unit names close to a text that names no unit, for the message that
// says so. Every text costs little, however long or odd: the names are folded
// once, a text longer than every name by more than the distance allowed gets
// no search at all, a letter-set test passes over most names without looking
// at them, and the edit distance gives up past its cutoff.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "units/UnitCatalogue.h"

namespace vantrel::cli {

class CloseNameSearch {
 public:
  // Fewest edits a suggestion may be away, whatever the text's length.
  static constexpr std::size_t kMaxDistance = 4;

  explicit CloseNameSearch(const CUnitCatalogue& catalogue);

  // Up to five unit names (of `category` only, when given), best first:
  // names containing the text without regard to letter case, then names
  // within max(2, a third of its length) edits, at most kMaxDistance. The
  // text is taken as it is (the caller drops trailing blanks).
  std::vector<std::string> Find(std::string_view text, const CCategory* category) const;

 private:
  struct Candidate {
    std::u32string folded;  // its code points
    std::uint64_t letters;  // LetterSet of the folded name
    const CCategory* category;
    const std::string* name;
  };

  std::vector<Candidate> candidates_;  // shortest folded name first
};

// The Levenshtein distance of a and b, or limit + 1 as soon as it is known to
// be larger.
std::size_t BoundedEditDistance(std::u32string_view a, std::u32string_view b, std::size_t limit);

}  // namespace vantrel::cli
