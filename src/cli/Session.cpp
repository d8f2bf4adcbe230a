#include "cli/Session.h"

#include "app/Preferences.h"
#include "cli/ValueParser.h"
#include "platform/TextEncoding.h"
#include "units/BuiltinCatalogue.h"
#include "units/CustomStore.h"
#include "units/NumberBase.h"

namespace vantrel::cli {

Session::Session(const std::filesystem::path& settingsFile) {
  BuildBuiltinCatalogue(catalogue_);
  // The catalogue is given no profile, so that nothing below writes.
  if (!settingsFile.empty()) {
    const Profile profile(settingsFile);
    const Preferences preferences = ReadPreferences(profile);
    catalogue_.Format().mode = preferences.format;
    catalogue_.Format().precision = preferences.precision;
    LoadCustomDefinitions(catalogue_, profile);
    ApplyStoredVisibility(catalogue_, profile);
  }
  index_.emplace(catalogue_);
}

bool Session::Convert(std::string_view value, std::wstring_view from, std::wstring_view to,
                      const CCategory* category, std::wstring& result, std::string& error) {
  UnitChoice choice;
  if (!index_->Resolve(from, to, category, choice, error)) return false;
  if (choice.category->Name() == L"Numbers") {
    result = ConvertNumberBase(Utf8ToWide(value), choice.from->name, choice.to->name);
    if (result == L"Error") {
      error = "'" + std::string(value) +
              "' does not fit a signed 32-bit integer, or a base is outside 2 to 36";
      return false;
    }
    return true;
  }
  double number = 0.0;
  if (!ParseValue(value, number, error)) return false;
  catalogue_.SelectCategory(choice.category->Name());
  catalogue_.CurrentCategory()->SelectInputUnit(choice.from->name);
  catalogue_.CurrentCategory()->SelectOutputUnit(choice.to->name);
  result = catalogue_.Convert(number);
  return true;
}

}  // namespace vantrel::cli
