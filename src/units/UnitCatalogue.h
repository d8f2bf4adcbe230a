// Every category and unit the converter knows, the current category, and the
// enumeration protocol the lists are filled by: set the restart flag, then
// fetch until the end marker. Changes that ask for it are written at once to
// the settings file the catalogue was given; without one nothing is written.
#pragma once

#include <map>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/Profile.h"
#include "units/Category.h"
#include "units/ResultCodes.h"
#include "units/ResultFormat.h"

namespace vantrel {

struct CategoryVisibility {
  std::string name;
  int visible;
};

class CUnitCatalogue {
 public:
  using CategoryMap = std::map<std::string, CCategory, std::less<>>;

  CUnitCatalogue() = default;
  CUnitCatalogue(const CUnitCatalogue&) = delete;
  CUnitCatalogue& operator=(const CUnitCatalogue&) = delete;

  // The settings file that adds, removes and visibility changes write to; null
  // (the default) writes nothing. The profile must outlive the catalogue.
  void SetProfile(Profile* profile) { profile_ = profile; }

  // The result format Convert writes with.
  ResultFormat& Format() { return format_; }
  const ResultFormat& Format() const { return format_; }

  // 1, 4; with persist also 6, 7 or 8 (see ResultCodes.h). A category the
  // file cannot take is not added. `builtin`: the category's rows of the
  // built-in table (see CCategory).
  int AddCategory(std::string_view name, int persist, int custom, int visible,
                  std::span<const BuiltinUnit> builtin = {});
  // 2, 3, 4 or 8. Deletes the entries of the category and of its custom
  // units, in one replace of the settings file; kept when that fails.
  int RemoveCategory(std::string_view name);
  bool SelectCategory(std::string_view name);
  // 2 or 4; writes the flag even when it does not change.
  int SetCategoryVisibility(std::string_view name, int visible);
  // Sets and writes each flag in turn, replacing the settings file once (a
  // page that saves every category's visibility); 2 when a name was not found
  // (the others are still set), else 4.
  int SetCategoryVisibilities(const std::vector<CategoryVisibility>& states);

  // Fetches the next category, or null at the end.
  const CCategory* NextCategory();
  void SetCategoryRestart(bool restart) { restartCategories_ = restart; }

  std::string CurrentCategoryName() const;
  CCategory* CurrentCategory() { return current_; }
  const CCategory* CurrentCategory() const { return current_; }
  CCategory* FindCategory(std::string_view name);
  const CCategory* FindCategory(std::string_view name) const;
  const CategoryMap& Categories() const { return categories_; }

  // To the current category (2 when there is none): 1, 4; with persist also
  // 6, 7, 8 or 9 (a coefficient the loader would leave out). A unit the file
  // cannot take is not added.
  int AddUnit(std::string_view name, std::string_view abbreviation, double coefficient,
              double offset, int inverted, int custom, int persist);
  // From the current category: 2, 3, 4 or 8 (the unit is kept).
  int RemoveUnit(std::string_view name);

  // The next unit name of the current category ("name [abbreviation]" when
  // asked and the unit has one); empty text at the end.
  std::string NextUnitText(bool withAbbreviation);
  void SetUnitRestart(bool restart) { restartUnits_ = restart; }

  // Converts from the current category's input unit to its output unit and
  // formats the result; empty text while either unit is unselected.
  std::string Convert(double value) const;

  // One "key=value" entry of the custom-units section: 5 malformed, 2 no such
  // category, 9 a coefficient that defines no unit, else the result of adding
  // the unit there (never written back).
  int LoadCustomUnitEntry(std::string_view entry);

  // Destroys every category and unit; the settings file is not touched.
  void ClearAll();

 private:
  // Whether a custom unit's settings key equals the name but for letter case.
  bool HasCustomUnitSharingKey(std::string_view name) const;
  // Deletes the entry of the unit of that category.
  void DeleteCustomUnitEntry(const CUnit& unit, const CCategory& category);

  CategoryMap categories_;
  CCategory* current_ = nullptr;
  CategoryMap::iterator cursor_ = categories_.end();
  bool restartCategories_ = true;
  bool restartUnits_ = true;
  Profile* profile_ = nullptr;
  ResultFormat format_;
};

// Linear conversion of one value between two units (through the base unit).
double ConvertValue(double value, const CUnit& from, const CUnit& to);

}  // namespace vantrel
