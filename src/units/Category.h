// A category of units with its selected input and output unit. It manages its
// units in memory only; the catalogue decides what reaches the settings file.
#pragma once

#include <map>
#include <string>
#include <string_view>

#include "units/Unit.h"

namespace vantrel {

class CCategory {
 public:
  using UnitMap = std::map<std::wstring, CUnit, std::less<>>;

  CCategory(std::wstring name, int custom, int visible)
      : name_(std::move(name)), custom_(custom), visible_(visible) {}
  // The selections and the cursor point into the units map.
  CCategory(const CCategory&) = delete;
  CCategory& operator=(const CCategory&) = delete;

  // Selecting a name the category does not hold keeps the previous unit.
  bool SelectInputUnit(std::wstring_view name);
  bool SelectOutputUnit(std::wstring_view name);

  // 1 when the name is taken (exact match), else adds and returns 4.
  int AddUnit(std::wstring_view name, std::wstring_view abbreviation, double coefficient,
              double offset, int inverted, int custom);
  // 2 not found, 3 built in, 4 removed (clearing a selection that pointed at it).
  int RemoveUnit(std::wstring_view name);

  const std::wstring& Name() const { return name_; }
  int Custom() const { return custom_; }
  int Visible() const { return visible_; }
  void SetVisible(int visible) { visible_ = visible; }

  const CUnit* InputUnit() const { return input_; }
  const CUnit* OutputUnit() const { return output_; }
  const CUnit* FindUnit(std::wstring_view name) const;
  const UnitMap& Units() const { return units_; }

  // One step of the unit enumeration; empty text at the end.
  std::wstring NextUnitText(bool restart, bool withAbbreviation);

 private:
  std::wstring name_;
  int custom_;
  int visible_;
  UnitMap units_;
  const CUnit* input_ = nullptr;
  const CUnit* output_ = nullptr;
  UnitMap::const_iterator cursor_ = units_.end();
};

}  // namespace vantrel
