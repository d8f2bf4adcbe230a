#include "cli/QueryText.h"

#include <algorithm>
#include <optional>

#include "platform/Blanks.h"
#include "platform/Digits.h"
#include "platform/NumberText.h"
#include "platform/TextCase.h"
#include "platform/TextEncoding.h"

namespace vantrel::cli {
namespace {

// The words between the value and the target unit, in any letter case.
constexpr std::string_view kConnectors[] = {"in", "to", "as", "->", "="};
// The connectors that are words of their own even without blanks around
// them ("100km->mi").
constexpr std::string_view kMarks[] = {"->", "="};

// Where a value's expression goes on into the next word: after an operator
// or an open bracket, and before an operator or a closing bracket. A minus
// at the start of a word begins a value of its own.
constexpr std::string_view kLeftOpen = "+-*/^(";
constexpr std::string_view kRightOpen = "+*/^)";

struct Word {
  std::size_t begin;  // offsets in the text
  std::size_t end;
};

std::size_t MarkAt(std::string_view text, std::size_t at) {
  for (const std::string_view mark : kMarks)
    if (text.substr(at).starts_with(mark)) return mark.size();
  return 0;
}

std::vector<Word> SplitWords(std::string_view text) {
  std::vector<Word> words;
  std::size_t start = 0;
  auto close = [&](std::size_t at) {
    if (at > start) words.push_back({start, at});
  };
  for (std::size_t i = 0; i < text.size();) {
    if (const std::size_t blank = BlankAt(text, i)) {
      close(i);
      start = i += blank;
    } else if (const std::size_t mark = MarkAt(text, i)) {
      close(i);
      words.push_back({i, i + mark});
      start = i += mark;
    } else {
      ++i;
    }
  }
  close(text.size());
  return words;
}

// How a character changes the depth of brackets.
int BracketStep(char c) { return c == '(' ? 1 : c == ')' ? -1 : 0; }

bool HasDigit(std::string_view text) { return std::any_of(text.begin(), text.end(), IsDigit); }

bool IsConnector(std::string_view word) {
  for (const std::string_view connector : kConnectors)
    if (word.size() == connector.size() &&
        std::equal(word.begin(), word.end(), connector.begin(),
                   [](char a, char b) { return LowerAscii(a) == b; }))
      return true;
  return false;
}

// Why a run of words is no list of values and units.
struct Failure {
  enum Kind { kNone, kNoValue, kNoUnit, kUnknownUnit } kind = kNone;
  std::string text;  // the word or unit text it failed at
};

class Reader {
 public:
  Reader(std::string_view text, const UnitIndex& index)
      : text_(text), words_(SplitWords(text)), index_(index) {}

  const std::vector<Word>& Words() const { return words_; }
  std::string_view WordText(std::size_t i) const {
    return text_.substr(words_[i].begin, words_[i].end - words_[i].begin);
  }
  bool SawUnit() const { return sawUnit_; }

  // Words [first, last) with single blanks, the first from `skip` characters in.
  std::string Join(std::size_t first, std::size_t skip, std::size_t last) const {
    std::string joined(WordText(first).substr(skip));
    for (std::size_t i = first + 1; i < last; ++i) {
      joined += ' ';
      joined += WordText(i);
    }
    return joined;
  }

  bool NamesUnit(std::string_view text) {
    const bool named = index_.NamesUnit(text);
    sawUnit_ |= named;
    return named;
  }

  // The longest run of words from word `first` (`skip` characters into it)
  // and before `last` that names a unit: the index of the word after it, or
  // nullopt.
  std::optional<std::size_t> UnitEnd(std::size_t first, std::size_t skip, std::size_t last,
                                     std::string& unit) {
    const std::size_t longest = std::min(last, first + index_.MostWordsInAName());
    for (std::size_t end = longest; end > first; --end) {
      unit = Join(first, skip, end);
      if (NamesUnit(unit)) return end;
    }
    return std::nullopt;
  }

  // Words [first, last) as VALUE UNIT pairs.
  Failure ReadQuantities(std::size_t first, std::size_t last,
                         std::vector<QueryQuantity>& quantities) {
    quantities.clear();
    std::size_t i = first;
    while (i < last) {
      const std::string_view word = WordText(i);
      if (!HasDigit(word)) return {Failure::kNoValue, std::string(word)};
      QueryQuantity quantity;
      // A number the unit follows without a blank: "100km".
      const std::size_t number = DecimalPrefixLength(word);
      if (number > 0 && number < word.size()) {
        if (const auto end = UnitEnd(i, number, last, quantity.unit)) {
          quantity.value = word.substr(0, number);
          quantities.push_back(std::move(quantity));
          i = *end;
          continue;
        }
      }
      // The value: this word and those its expression goes on into.
      const std::size_t valueBegin = words_[i].begin;
      int depth = 0;
      for (;;) {
        for (const char c : WordText(i)) depth += BracketStep(c);
        const bool goesOn =
            i + 1 < last &&
            (depth > 0 || kLeftOpen.find(WordText(i).back()) != std::string_view::npos ||
             kRightOpen.find(WordText(i + 1).front()) != std::string_view::npos);
        if (!goesOn) break;
        ++i;
      }
      quantity.value = text_.substr(valueBegin, words_[i].end - valueBegin);
      ++i;
      if (i == last) return {Failure::kNoUnit, quantity.value};
      const auto end = UnitEnd(i, 0, last, quantity.unit);
      if (!end) {
        // The unknown unit reaches to the next word that may be a value.
        std::size_t stop = i + 1;
        while (stop < last && !HasDigit(WordText(stop))) ++stop;
        return {Failure::kUnknownUnit, Join(i, 0, stop)};
      }
      quantities.push_back(std::move(quantity));
      i = *end;
    }
    return {};
  }

 private:
  std::string_view text_;
  std::vector<Word> words_;
  const UnitIndex& index_;
  bool sawUnit_ = false;  // whether any look-up found a unit
};

std::string FailureMessage(const Failure& failure, const UnitIndex& index,
                           const CCategory* category) {
  switch (failure.kind) {
    case Failure::kNoValue:
      return "expected a value before " + Quoted(failure.text);
    case Failure::kNoUnit:
      return Quoted(failure.text) + " has no unit";
    case Failure::kUnknownUnit:
      return index.UnknownUnit(failure.text, category);
    case Failure::kNone:
      break;
  }
  return {};
}

}  // namespace

std::string_view CutCategorySuffix(std::string_view& text) {
  int depth = 0;
  std::optional<std::size_t> comma;
  for (std::size_t i = 0; i < text.size(); ++i) {
    depth += BracketStep(text[i]);
    if (text[i] == ',' && depth == 0) comma = i;
  }
  if (!comma) return {};
  const std::string_view suffix = TrimBlanks(text.substr(*comma + 1));
  if (suffix.empty() || HasDigit(suffix)) return {};
  text = text.substr(0, *comma);
  return suffix;
}

Result<QueryParts, QueryProblem> ReadQuery(std::string_view text, const UnitIndex& index,
                                           const CCategory* category) {
  using enum QueryProblem;
  QueryParts parts;
  Reader reader(text, index);
  const std::size_t count = reader.Words().size();
  if (count == 0 || !HasDigit(reader.WordText(0))) return {kNotAQuery, {}};

  // Each connector that has words on both sides, from the left: the first
  // whose sides read as values and a unit wins.
  std::optional<Failure> firstFailure;
  std::string unknownTarget;
  for (std::size_t c = 1; c + 1 < count; ++c) {
    if (!IsConnector(reader.WordText(c))) continue;
    const Failure failure = reader.ReadQuantities(0, c, parts.quantities);
    if (failure.kind != Failure::kNone) {
      if (!firstFailure) firstFailure = failure;
      continue;
    }
    std::string target = reader.Join(c + 1, 0, count);
    if (reader.NamesUnit(target)) {
      parts.target = std::move(target);
      return parts;
    }
    if (unknownTarget.empty()) unknownTarget = std::move(target);
  }

  // No target: the values and units alone, or less a connector still
  // waiting for its unit ("10 in" is ten inches, "100 mi in" a hundred miles).
  Failure whole = reader.ReadQuantities(0, count, parts.quantities);
  if (whole.kind != Failure::kNone && count > 1 && IsConnector(reader.WordText(count - 1)) &&
      reader.ReadQuantities(0, count - 1, parts.quantities).kind == Failure::kNone)
    whole = {};
  if (whole.kind == Failure::kNone) return parts;

  if (!unknownTarget.empty()) return {kError, index.UnknownUnit(unknownTarget, category)};
  // A query only when some unit is named, also after a connector.
  for (std::size_t c = 1; c + 1 < count && !reader.SawUnit(); ++c)
    if (IsConnector(reader.WordText(c))) reader.NamesUnit(reader.Join(c + 1, 0, count));
  if (!reader.SawUnit()) return {kNotAQuery, {}};
  return {kError, FailureMessage(firstFailure.value_or(whole), index, category)};
}

}  // namespace vantrel::cli
