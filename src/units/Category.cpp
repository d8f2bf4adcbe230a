#include "units/Category.h"

#include <utility>

namespace vantrel {

bool CCategory::SelectInputUnit(std::string_view name) {
  const CUnit* unit = FindUnit(name);
  if (!unit) return false;
  input_ = unit;
  return true;
}

bool CCategory::SelectOutputUnit(std::string_view name) {
  const CUnit* unit = FindUnit(name);
  if (!unit) return false;
  output_ = unit;
  return true;
}

const CCategory::UnitMap& CCategory::Units() const {
  for (const BuiltinUnit& row : std::exchange(builtin_, {}))
    Insert(row.name, row.abbreviation, row.coefficient, row.offset, row.inverted, 0);
  return units_;
}

int CCategory::AddUnit(std::string_view name, std::string_view abbreviation, double coefficient,
                       double offset, int inverted, int custom) {
  Units();  // the built-in units come first
  return Insert(name, abbreviation, coefficient, offset, inverted, custom);
}

int CCategory::Insert(std::string_view name, std::string_view abbreviation, double coefficient,
                      double offset, int inverted, int custom) const {
  if (units_.find(name) != units_.end()) return 1;
  CUnit unit;
  unit.name = name;
  unit.abbreviation = abbreviation;
  unit.coefficient = coefficient;
  unit.offset = offset;
  unit.inverted = inverted;
  unit.custom = custom;
  units_.emplace(unit.name, std::move(unit));
  return 4;
}

int CCategory::RemoveUnit(std::string_view name) {
  const auto it = Units().find(name);
  if (it == units_.end()) return 2;
  if (!it->second.custom) return 3;
  if (input_ == &it->second) input_ = nullptr;
  if (output_ == &it->second) output_ = nullptr;
  // An enumeration in progress carries on with the next unit.
  if (cursor_ == it) ++cursor_;
  units_.erase(it);
  return 4;
}

const CUnit* CCategory::FindUnit(std::string_view name) const {
  const auto it = Units().find(name);
  return it == units_.end() ? nullptr : &it->second;
}

std::string CCategory::NextUnitText(bool restart, bool withAbbreviation) {
  const UnitMap& units = Units();
  if (restart) cursor_ = units.begin();
  if (cursor_ == units.end()) return {};
  const CUnit& unit = cursor_->second;
  ++cursor_;
  return UnitText(unit, withAbbreviation);
}

}  // namespace vantrel
