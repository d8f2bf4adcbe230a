#include "cli/Query.h"

#include <algorithm>
#include <cmath>

#include "cli/CommandLine.h"
#include "cli/QueryText.h"
#include "cli/UsualTargets.h"
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

// Whether the bytes (no more than kLongestQuery) may hold a query at all: UTF-8 text without
// control characters (a tab aside), with a digit and a character that no number or operator has.
// Most text typed into a desktop search fails here without a look-up.
bool MayBeQuery(std::string_view text) {
  if (text.empty()) return false;
  constexpr std::string_view kNumberCharacters = "0123456789.+-*/^()= \t";
  bool digit = false, other = false;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte < 0x20 && c != '\t') || byte == 0x7F) return false;
    digit |= c >= '0' && c <= '9';
    other |= kNumberCharacters.find(c) == std::string_view::npos;
  }
  return digit && other && IsValidUtf8(text);
}

// A unit's name as a description shows it: without the trailing blanks some
// built-in names have.
std::string ShownName(const CUnit& unit) { return std::string(TrimTrailingBlanks(unit.name)); }

// The category of the query's units, the unit of each and the target.
struct Units {
  UnitsChoice choice;
  const CUnit* target = nullptr;
};

QueryStatus ChooseUnits(const UnitIndex& index, const QueryParts& parts, const CCategory* category,
                        Units& units, std::string& error) {
  std::vector<std::string_view> texts;
  for (const QueryQuantity& quantity : parts.quantities) texts.push_back(quantity.unit);
  if (texts.size() > 1 && index.ResolveUnits(texts, category, kHowToChoose, units.choice, error) ==
                              UnitResolution::kNoCommonCategory) {
    error = "a compound value adds units of one category: " + error;
    return QueryStatus::kError;
  }
  if (!parts.target.empty()) {
    texts.push_back(parts.target);
    if (index.ResolveUnits(texts, category, kHowToChoose, units.choice, error) !=
        UnitResolution::kResolved)
      return QueryStatus::kError;
    units.target = units.choice.units.back();
    units.choice.units.pop_back();
    return QueryStatus::kAnswered;
  }

  // No target: the usual one. Of several categories, only those where the
  // first unit has one are candidates.
  const UnitResolution found =
      index.ResolveUnits(texts, category, kHowToChoose, units.choice, error);
  if (found == UnitResolution::kSeveralCategories) {
    const std::vector<const CCategory*> candidates = units.choice.categories;
    int withTarget = 0;
    for (const CCategory* candidate : candidates) {
      UnitsChoice one;
      std::string ignored;
      if (index.ResolveUnits(texts, candidate, kHowToChoose, one, ignored) ==
              UnitResolution::kResolved &&
          UsualTarget(*candidate, *one.units.front()) && ++withTarget == 1)
        units.choice = std::move(one);
    }
    if (withTarget > 1) return QueryStatus::kError;  // the error lists them all
    if (withTarget == 0) {
      error.clear();
      return QueryStatus::kNotAQuery;
    }
  } else if (found != UnitResolution::kResolved) {
    return QueryStatus::kError;
  }
  units.target = UsualTarget(*units.choice.category, *units.choice.units.front());
  if (units.target) return QueryStatus::kAnswered;
  error = Quoted(parts.quantities.front().unit) + " has no usual target; name one: \"" +
          parts.quantities.front().value + " " + parts.quantities.front().unit + " in UNIT\"";
  return QueryStatus::kNotAQuery;
}

// The value of several quantities in the first one's unit, as a plain
// decimal that reads back to the very same double.
bool SumQuantities(Session& session, const QueryParts& parts, const UnitsChoice& choice,
                   std::string& sum, std::string& error) {
  // Values add up where every unit is a multiple of the base: not in a
  // category with a scale that starts elsewhere (temperatures) or runs the
  // other way (fuel consumption), nor among numbers in other bases.
  const CCategory& category = *choice.category;
  const auto& units = category.Units();
  if (category.Name() == kNumbersCategory ||
      std::any_of(units.begin(), units.end(), [](const auto& entry) {
        return entry.second.offset != 0 || entry.second.inverted;
      })) {
    error = "values of " + Quoted(category.Name()) + " cannot be added up";
    return false;
  }
  double total = 0;
  for (std::size_t i = 0; i < parts.quantities.size(); ++i) {
    const CUnit& unit = *choice.units[i];
    double value = 0;
    if (!session.Evaluate(parts.quantities[i].value, value, error)) return false;
    total += ConvertValue(value, unit, *choice.units.front());
  }
  if (!std::isfinite(total)) {
    error = "the values add up to no finite number";
    return false;
  }
  sum = ShortestDecimal(total);
  return true;
}

}  // namespace

QueryStatus AnswerQuery(Session& session, std::string_view text, QueryAnswer& answer,
                        std::string& error) {
  return AnswerQuery(session, text, nullptr, answer, error);
}

QueryStatus AnswerQuery(Session& session, std::string_view text, const CCategory* category,
                        QueryAnswer& answer, std::string& error) {
  error.clear();
  if (text.size() > kLongestQuery) {
    error = "a query is at most " + std::to_string(kLongestQuery) + " bytes long, not " +
            std::to_string(text.size()) + "; give VALUE FROM TO as three arguments";
    return QueryStatus::kNotAQuery;
  }
  if (!MayBeQuery(text)) return QueryStatus::kNotAQuery;
  const UnitIndex& index = session.Index();
  std::string_view query = text;
  const std::string_view suffix = CutCategorySuffix(query);
  const CCategory* named = suffix.empty() ? nullptr : index.FindCategory(suffix);
  QueryParts parts;
  switch (ReadQuery(query, index, named ? named : category, parts, error)) {
    case QueryReading::kNotAQuery:
      return QueryStatus::kNotAQuery;
    case QueryReading::kError:
      return QueryStatus::kError;
    case QueryReading::kRead:
      break;
  }
  // A category named wrong is a usage error, as with --category.
  if (!suffix.empty() && !named) {
    error = "unknown category " + Quoted(suffix) + " (see --categories)";
    return QueryStatus::kNotAQuery;
  }
  if (named && category && named != category) {
    error = "the query's category " + Quoted(named->Name()) + " is not " + Quoted(category->Name());
    return QueryStatus::kNotAQuery;
  }
  if (named) category = named;

  Units units;
  if (const QueryStatus chosen = ChooseUnits(index, parts, category, units, error);
      chosen != QueryStatus::kAnswered)
    return chosen;
  const UnitsChoice& choice = units.choice;
  std::string value;
  if (parts.quantities.size() == 1)
    value = parts.quantities.front().value;
  else if (!SumQuantities(session, parts, choice, value, error))
    return QueryStatus::kError;

  std::string number;
  // The units are chosen: no look-up by name again.
  if (!session.Convert(value, {choice.category, choice.units.front(), units.target}, number, error))
    return QueryStatus::kError;

  answer.category = choice.category->Name();
  answer.from = choice.units.front()->name;
  answer.to = units.target->name;
  answer.value = std::move(value);
  answer.result = number + ' ' + std::string(UnitSymbol(*choice.category, *units.target));
  answer.description.clear();
  for (std::size_t i = 0; i < parts.quantities.size(); ++i)
    answer.description += parts.quantities[i].value + ' ' + ShownName(*choice.units[i]) + ' ';
  answer.description += "= " + number + ' ' + ShownName(*units.target);
  answer.number = std::move(number);
  // A look-up on the way (among categories) may have left a reason.
  error.clear();
  return QueryStatus::kAnswered;
}

}  // namespace vantrel::cli
