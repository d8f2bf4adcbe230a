#include "units/UnitCatalogue.h"

#include <functional>
#include <optional>

#include "platform/TextCase.h"
#include "units/CustomStore.h"
#include "units/StoreKeys.h"

namespace vantrel {
namespace {

// Everything written while it lives replaces the settings file once.
class WriteBatch {
 public:
  explicit WriteBatch(Profile* profile) {
    if (profile) batch_.emplace(*profile);
  }
  // Writes now; false when the file could not be written.
  bool Commit() { return !batch_ || batch_->Commit(); }

 private:
  std::optional<Profile::Batch> batch_;
};

// Writes a new entry unless `check`, run on the file as it is when written,
// finds another result than 4: then that result, 8 when the file could not
// be written, else 4.
int StoreNewEntry(Profile& profile, const ProfileChanges& entry,
                  const std::function<int(const IniDocument&)>& check) {
  int refusal = result::kDone;
  const auto admit = [&](const IniDocument& file) {
    refusal = check(file);
    return refusal == result::kDone;
  };
  switch (profile.ApplyIf(entry, admit)) {
    case Profile::Outcome::kWritten:
      return result::kDone;
    case Profile::Outcome::kRefused:
      return refusal;
    case Profile::Outcome::kFailed:
      break;
  }
  return result::kNotSaved;
}

}  // namespace

double ConvertValue(double value, const CUnit& from, const CUnit& to) {
  const double a = from.inverted ? (1.0 / value) * from.coefficient : value * from.coefficient;
  // The output offset comes off before the output unit's reciprocal or division.
  const double b = a + from.offset - to.offset;
  return to.inverted ? to.coefficient / b : b / to.coefficient;
}

int CUnitCatalogue::AddCategory(std::string_view name, int persist, int custom, int visible,
                                std::span<const BuiltinUnit> builtin) {
  if (categories_.find(name) != categories_.end()) return result::kAlreadyExists;
  if (persist == 1) {
    if (!IsStorableCategoryName(name)) return result::kNotStorable;
    // The file's keys ("CustomCategories", "Visibility") ignore letter case.
    for (const auto& [other, category] : categories_)
      if (EqualsIgnoreCase(other, name)) return result::kNameClash;
    if (profile_) {
      ProfileChanges entry;
      entry.WriteString(keys::kCustomCategories, name, "");
      const int stored = StoreNewEntry(*profile_, entry, [&](const IniDocument& file) {
        return CheckStoredCategoryName(file, name);
      });
      if (stored != result::kDone) return stored;
    }
  }
  categories_.emplace(std::piecewise_construct, std::forward_as_tuple(name),
                      std::forward_as_tuple(std::string(name), custom, visible, builtin));
  return result::kDone;
}

int CUnitCatalogue::RemoveCategory(std::string_view name) {
  const auto it = categories_.find(name);
  if (it == categories_.end()) return result::kNotFound;
  CCategory& category = it->second;
  if (!category.Custom()) return result::kNotCustom;
  WriteBatch batch(profile_);
  for (const auto& [unitName, unit] : category.Units())
    if (unit.custom) DeleteCustomUnitEntry(unit, category);
  if (profile_) profile_->DeleteKey(keys::kCustomCategories, category.Name());
  if (!batch.Commit()) return result::kNotSaved;
  if (current_ == &category) current_ = nullptr;
  // An enumeration in progress carries on with the next category.
  if (cursor_ == it) ++cursor_;
  categories_.erase(it);
  return result::kDone;
}

bool CUnitCatalogue::SelectCategory(std::string_view name) {
  CCategory* category = FindCategory(name);
  if (!category) return false;
  current_ = category;
  return true;
}

int CUnitCatalogue::SetCategoryVisibility(std::string_view name, int visible) {
  CCategory* category = FindCategory(name);
  if (!category) return result::kNotFound;
  category->SetVisible(visible);
  if (profile_) profile_->WriteInt(keys::kVisibility, name, visible);
  return result::kDone;
}

int CUnitCatalogue::SetCategoryVisibilities(const std::vector<CategoryVisibility>& states) {
  const WriteBatch batch(profile_);
  int outcome = result::kDone;
  for (const CategoryVisibility& state : states) {
    if (SetCategoryVisibility(state.name, state.visible) != result::kDone)
      outcome = result::kNotFound;
  }
  return outcome;
}

const CCategory* CUnitCatalogue::NextCategory() {
  if (restartCategories_) {
    cursor_ = categories_.begin();
    restartCategories_ = false;
  }
  if (cursor_ == categories_.end()) return nullptr;
  return &(cursor_++)->second;
}

std::string CUnitCatalogue::CurrentCategoryName() const {
  return current_ ? current_->Name() : std::string();
}

CCategory* CUnitCatalogue::FindCategory(std::string_view name) {
  const auto it = categories_.find(name);
  return it == categories_.end() ? nullptr : &it->second;
}

const CCategory* CUnitCatalogue::FindCategory(std::string_view name) const {
  const auto it = categories_.find(name);
  return it == categories_.end() ? nullptr : &it->second;
}

int CUnitCatalogue::AddUnit(std::string_view name, std::string_view abbreviation,
                            double coefficient, double offset, int inverted, int custom,
                            int persist) {
  if (!current_) return result::kNotFound;
  CCategory& category = *current_;
  if (category.FindUnit(name)) return result::kAlreadyExists;
  if (persist) {
    if (!IsStorableUnitName(name) || !IsStorableCategoryName(category.Name()))
      return result::kNotStorable;
    if (!IsUsableCoefficient(coefficient)) return result::kUnusableCoefficient;
    if (HasCustomUnitSharingKey(name)) return result::kNameClash;
    if (profile_) {
      // The loader takes the unit's name from the key, so a key left in
      // other letters goes and the entry is written with the name as it is.
      ProfileChanges entry;
      entry.WriteString(keys::kCustomUnits, name,
                        FormatCustomUnitValue(category.Name(), coefficient, inverted),
                        KeySpelling::kAsGiven);
      const int stored = StoreNewEntry(*profile_, entry, [&](const IniDocument& file) {
        return CheckStoredUnitName(file, *this, category.Name(), name);
      });
      if (stored != result::kDone) return stored;
    }
  }
  return category.AddUnit(name, abbreviation, coefficient, offset, inverted, custom);
}

int CUnitCatalogue::RemoveUnit(std::string_view name) {
  if (!current_) return result::kNotFound;
  const CUnit* unit = current_->FindUnit(name);
  if (!unit) return result::kNotFound;
  if (!unit->custom) return result::kNotCustom;
  WriteBatch batch(profile_);
  DeleteCustomUnitEntry(*unit, *current_);
  if (!batch.Commit()) return result::kNotSaved;
  return current_->RemoveUnit(name);
}

std::string CUnitCatalogue::NextUnitText(bool withAbbreviation) {
  const bool restart = restartUnits_;
  restartUnits_ = false;
  if (!current_) return {};
  return current_->NextUnitText(restart, withAbbreviation);
}

std::string CUnitCatalogue::Convert(double value) const {
  if (!current_ || !current_->InputUnit() || !current_->OutputUnit()) return {};
  return format_.Format(ConvertValue(value, *current_->InputUnit(), *current_->OutputUnit()));
}

int CUnitCatalogue::LoadCustomUnitEntry(std::string_view entry) {
  CustomUnitEntry parsed;
  if (!ParseCustomUnitEntry(entry, parsed)) return result::kMalformedEntry;
  CCategory* category = FindCategory(parsed.category);
  if (!category) return result::kNotFound;
  // A hand-edited size the dialog would refuse would turn every conversion
  // with the unit into 0 or an infinity.
  if (!IsUsableCoefficient(parsed.coefficient)) return result::kUnusableCoefficient;
  return category->AddUnit(parsed.unit, " ", parsed.coefficient, 0.0, parsed.inverted, 1);
}

void CUnitCatalogue::ClearAll() {
  current_ = nullptr;
  categories_.clear();
  cursor_ = categories_.end();
  restartCategories_ = true;
}

bool CUnitCatalogue::HasCustomUnitSharingKey(std::string_view name) const {
  for (const auto& [categoryName, category] : categories_) {
    for (const auto& [unitName, unit] : category.Units())
      if (unit.custom && EqualsIgnoreCase(unitName, name)) return true;
  }
  return false;
}

void CUnitCatalogue::DeleteCustomUnitEntry(const CUnit& unit, const CCategory& category) {
  if (!profile_) return;
  // A hand-edited file can give units of other categories the same key:
  // only this category's entry goes.
  ProfileChanges changes;
  for (const IniEntry& entry : profile_->GetSection(keys::kCustomUnits)) {
    CustomUnitEntry stored;
    if (entry.key == unit.name && ParseCustomUnitEntry(entry.key + "=" + entry.value, stored) &&
        stored.category == category.Name())
      changes.DeleteEntry(keys::kCustomUnits, entry.key, entry.value);
  }
  profile_->Apply(changes);
}

}  // namespace vantrel
