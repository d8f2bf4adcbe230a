#include "cli/Query.h"

#include <algorithm>
#include <cmath>

#include "cli/CommandLine.h"
#include "cli/QueryText.h"
#include "cli/UsualTargets.h"
#include "platform/Digits.h"
#include "platform/TextEncoding.h"
#include "units/InputConversion.h"
#include "units/NameLookup.h"
#include "units/UnitCatalogue.h"

namespace vantrel::cli {
namespace {

// Longer texts are no query anybody types: they are passed over unread.
constexpr std::size_t kLongestQuery = 256;  // bytes

// How a query chooses among several categories.
constexpr std::string_view kHowToChoose = "end the query with a comma and one of them";

}  // namespace

bool MayBeQuery(std::string_view text) {
  if (text.empty()) return false;
  constexpr std::string_view kNumberCharacters = "0123456789.+-*/^()= \t";
  bool digit = false, other = false;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte < 0x20 && c != '\t') || byte == 0x7F) return false;
    digit |= IsDigit(c);
    other |= kNumberCharacters.find(c) == std::string_view::npos;
  }
  return digit && other && IsValidUtf8(text);
}

namespace {

// A unit's name as a description shows it: without the trailing blanks some
// built-in names have.
std::string ShownName(const CUnit& unit) { return std::string(TrimTrailingBlanks(unit.name)); }

// The category of the query's units, the unit of each and the target.
struct Units {
  UnitsChoice choice;
  const CUnit* target = nullptr;
};

Result<Units, QueryProblem> ChooseUnits(const UnitIndex& index, const QueryParts& parts,
                                        const CCategory* category) {
  using enum QueryProblem;
  std::vector<std::string_view> texts;
  for (const QueryQuantity& quantity : parts.quantities) texts.push_back(quantity.unit);
  if (texts.size() > 1) {
    auto found = index.ResolveUnits(texts, category, kHowToChoose);
    if (found.error == UnitResolution::kNoCommonCategory)
      return {kError, "a compound value adds units of one category: " + found.message};
  }
  if (!parts.target.empty()) {
    texts.push_back(parts.target);
    auto found = index.ResolveUnits(texts, category, kHowToChoose);
    if (!found) return {kError, std::move(found.message)};
    Units units{std::move(found.value)};
    units.target = units.choice.units.back();
    units.choice.units.pop_back();
    return units;
  }

  // No target: the usual one. Of several categories, only those where the
  // first unit has one are candidates.
  auto found = index.ResolveUnits(texts, category, kHowToChoose);
  if (found.error == UnitResolution::kSeveralCategories) {
    const std::vector<const CCategory*> candidates = found.value.categories;
    int withTarget = 0;
    for (const CCategory* candidate : candidates) {
      auto one = index.ResolveUnits(texts, candidate, kHowToChoose);
      if (one && UsualTarget(*candidate, *one.value.units.front()) && ++withTarget == 1)
        found.value = std::move(one.value);
    }
    if (withTarget > 1) return {kError, std::move(found.message)};  // it lists them all
    if (withTarget == 0) return {kNotAQuery, {}};
  } else if (!found) {
    return {kError, std::move(found.message)};
  }
  Units units{std::move(found.value)};
  units.target = UsualTarget(*units.choice.category, *units.choice.units.front());
  if (units.target) return units;
  return {kNotAQuery, Quoted(parts.quantities.front().unit) + " has no usual target; name one: \"" +
                          parts.quantities.front().value + " " + parts.quantities.front().unit +
                          " in UNIT\""};
}

// The value of several quantities in the first one's unit, as a plain
// decimal that reads back to the very same double.
Result<std::string, QueryProblem> SumQuantities(Session& session, const QueryParts& parts,
                                                const UnitsChoice& choice) {
  using enum QueryProblem;
  // Values add up where every unit is a multiple of the base: not in a
  // category with a scale that starts elsewhere (temperatures) or runs the
  // other way (fuel consumption), nor among numbers in other bases.
  const CCategory& category = *choice.category;
  const auto& units = category.Units();
  if (category.Name() == kNumbersCategory ||
      std::any_of(units.begin(), units.end(), [](const auto& entry) {
        return entry.second.offset != 0 || entry.second.inverted;
      }))
    return {kError, "values of " + Quoted(category.Name()) + " cannot be added up"};
  double total = 0;
  for (std::size_t i = 0; i < parts.quantities.size(); ++i) {
    auto value = session.Evaluate(parts.quantities[i].value);
    if (!value) return {kError, std::move(value.message)};
    total += ConvertValue(value.value, *choice.units[i], *choice.units.front());
  }
  if (!std::isfinite(total)) return {kError, "the values add up to no finite number"};
  return ShortestDecimal(total);
}

}  // namespace

Result<QueryAnswer, QueryProblem> AnswerQuery(Session& session, std::string_view text,
                                              const CCategory* category) {
  using enum QueryProblem;
  if (text.size() > kLongestQuery)
    return {kNotAQuery, "a query is at most " + std::to_string(kLongestQuery) +
                            " bytes long, not " + std::to_string(text.size()) +
                            "; give VALUE FROM TO as three arguments"};
  if (!MayBeQuery(text)) return {kNotAQuery, {}};
  const UnitIndex& index = session.Index();
  std::string_view query = text;
  const std::string_view suffix = CutCategorySuffix(query);
  const CCategory* named = suffix.empty() ? nullptr : index.FindCategory(suffix);
  auto read = ReadQuery(query, index, named ? named : category);
  if (!read) return {read.error, std::move(read.message)};
  const QueryParts& parts = read.value;
  // A category named wrong is a usage error, as with --category.
  if (!suffix.empty() && !named)
    return {kNotAQuery, "unknown category " + Quoted(suffix) + " (see --categories)"};
  if (named && category && named != category)
    return {kNotAQuery, "the query's category " + Quoted(named->Name()) + " is not " +
                            Quoted(category->Name())};
  if (named) category = named;

  auto chosen = ChooseUnits(index, parts, category);
  if (!chosen) return {chosen.error, std::move(chosen.message)};
  const UnitsChoice& choice = chosen.value.choice;
  const CUnit& target = *chosen.value.target;
  QueryAnswer answer;
  if (parts.quantities.size() == 1) {
    answer.value = parts.quantities.front().value;
  } else {
    auto sum = SumQuantities(session, parts, choice);
    if (!sum) return {kError, std::move(sum.message)};
    answer.value = std::move(sum.value);
  }

  std::string error;
  // The units are chosen: no look-up by name again.
  if (!session.Convert(answer.value, {choice.category, choice.units.front(), &target},
                       answer.number, error))
    return {kError, std::move(error)};

  answer.category = choice.category->Name();
  answer.from = choice.units.front()->name;
  answer.to = target.name;
  answer.result = answer.number + ' ' + std::string(UnitSymbol(*choice.category, target));
  for (std::size_t i = 0; i < parts.quantities.size(); ++i)
    answer.description += parts.quantities[i].value + ' ' + ShownName(*choice.units[i]) + ' ';
  answer.description += "= " + answer.number + ' ' + ShownName(target);
  return answer;
}

}  // namespace vantrel::cli
