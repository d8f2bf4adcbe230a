// A category of units with its selected input and output unit. It manages its
// units in memory only; the catalogue decides what reaches the settings file.
// A built-in category makes its rows of the built-in table units when they
// are first needed: a run that converts once needs a single category's.
#pragma once

#include <map>
#include <span>
#include <string>
#include <string_view>

#include "units/BuiltinUnitTable.h"
#include "units/Unit.h"

namespace vantrel {

class CCategory {
 public:
  using UnitMap = std::map<std::string, CUnit, std::less<>>;

  // `builtin`: the category's rows of the built-in table, its first units.
  CCategory(std::string name, int custom, int visible, std::span<const BuiltinUnit> builtin = {})
      : name_(std::move(name)), custom_(custom), visible_(visible), builtin_(builtin) {}
  // The selections and the cursor point into the units map.
  CCategory(const CCategory&) = delete;
  CCategory& operator=(const CCategory&) = delete;

  // Selecting a name the category does not hold keeps the previous unit.
  bool SelectInputUnit(std::string_view name);
  bool SelectOutputUnit(std::string_view name);

  // 1 when the name is taken (exact match), else adds and returns 4.
  int AddUnit(std::string_view name, std::string_view abbreviation, double coefficient,
              double offset, int inverted, int custom);
  // 2 not found, 3 built in, 4 removed (clearing a selection that pointed at it).
  int RemoveUnit(std::string_view name);

  const std::string& Name() const { return name_; }
  int Custom() const { return custom_; }
  int Visible() const { return visible_; }
  void SetVisible(int visible) { visible_ = visible; }

  const CUnit* InputUnit() const { return input_; }
  const CUnit* OutputUnit() const { return output_; }
  const CUnit* FindUnit(std::string_view name) const;
  // Every use of the units comes through here: the first makes the pending
  // built-in rows units.
  const UnitMap& Units() const;

  // The built-in rows not yet made units: all of them until the units are
  // first needed, then none.
  std::span<const BuiltinUnit> PendingBuiltinUnits() const { return builtin_; }

  // One step of the unit enumeration; empty text at the end.
  std::string NextUnitText(bool restart, bool withAbbreviation);

 private:
  int Insert(std::string_view name, std::string_view abbreviation, double coefficient,
             double offset, int inverted, int custom) const;

  std::string name_;
  int custom_;
  int visible_;
  // Filled on first use, also through const access.
  mutable std::span<const BuiltinUnit> builtin_;
  mutable UnitMap units_;
  const CUnit* input_ = nullptr;
  const CUnit* output_ = nullptr;
  UnitMap::const_iterator cursor_ = units_.end();
};

}  // namespace vantrel
