// Any bytes as a settings file: decoding, parsing, lookups and edits must never
// crash, an entry written must read back as written, and reading the file as
// the programs do at start (preferences, font, custom categories and units,
// visibility) must give values within their limits.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/IniDocument.h"
#include "platform/Profile.h"
#include "platform/TextEncoding.h"
#include "settings/Preferences.h"
#include "units/BuiltinCatalogue.h"
#include "units/BuiltinUnitTable.h"
#include "units/CustomStore.h"
#include "units/UnitCatalogue.h"

namespace {

using namespace vantrel;

void EditAndReadBack(const std::string& bytes) {
  IniDocument doc = IniDocument::Parse(DecodeTextFile(bytes));
  (void)doc.Find(L"Settings", L"Format");
  for (const IniEntry& entry : doc.Section(L"CustomUnits")) (void)entry.value.size();

  doc.Set(L"CustomUnits", L"fuzz unit ", L"@Distance?val=1?i=0");
  IniDocument again = IniDocument::Parse(DecodeTextFile(WideToUtf8(doc.Text())));
  const auto value = again.Find(L"CustomUnits", L"fuzz unit ");
  if (!value || *value != L"@Distance?val=1?i=0") std::abort();
  again.Remove(L"CustomUnits", L"fuzz unit ");
  if (again.Find(L"CustomUnits", L"fuzz unit ")) std::abort();
}

// One file per process, so that replays running side by side do not meet; in
// memory where the system offers it, since a file on disk costs most of a run.
class ScratchFile {
 public:
  ScratchFile()
      : path_((std::filesystem::is_directory("/dev/shm") ? std::filesystem::path("/dev/shm")
                                                         : std::filesystem::temp_directory_path()) /
              ("vantrel-settings-fuzz-" + std::to_string(getpid()) + ".ini")) {}
  ~ScratchFile() {
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
  }
  const std::filesystem::path& Write(const std::string& bytes) {
    std::ofstream out(path_, std::ios::binary | std::ios::trunc);
    // Without the file every run would read no settings and prove nothing.
    if (!(out << bytes).flush()) std::abort();
    return path_;
  }

 private:
  std::filesystem::path path_;
};

// Lists a category's units as the window fills its lists.
void ListUnits(CUnitCatalogue& catalogue, const std::wstring& category) {
  if (!catalogue.SelectCategory(category)) std::abort();
  catalogue.SetUnitRestart(true);
  while (!catalogue.NextUnitText(true).empty()) {
  }
}

// Takes out what the file added and puts the built-in visibility back, so
// that one catalogue serves every run: building it anew each time would cost
// most of the run. The file's own entries say where its units went.
void RestoreBuiltins(CUnitCatalogue& catalogue, const Profile& profile) {
  for (const IniEntry& entry : profile.GetSection(L"CustomUnits")) {
    CustomUnitEntry parsed;
    const CCategory* category = nullptr;
    if (!ParseCustomUnitEntry(entry.key + L"=" + entry.value, parsed) ||
        !(category = catalogue.FindCategory(parsed.category)) || category->Custom())
      continue;
    const CUnit* unit = category->FindUnit(parsed.unit);
    if (!unit || !unit->custom) continue;
    ListUnits(catalogue, parsed.category);
    if (catalogue.RemoveUnit(parsed.unit) != result::kDone) std::abort();
  }
  std::vector<std::wstring> customCategories;
  for (const auto& [name, category] : catalogue.Categories())
    if (category.Custom()) customCategories.push_back(name);
  for (const std::wstring& name : customCategories) {
    ListUnits(catalogue, name);
    if (catalogue.RemoveCategory(name) != result::kDone) std::abort();
  }
  for (const BuiltinCategory& category : BuiltinCategories())
    catalogue.SetCategoryVisibility(category.name, category.visible);
  if (catalogue.Categories().size() != BuiltinCategories().size()) std::abort();
}

void ReadAtStart(const std::string& bytes) {
  static ScratchFile file;
  static CUnitCatalogue* catalogue = [] {
    auto* built = new CUnitCatalogue;
    BuildBuiltinCatalogue(*built);
    return built;
  }();
  const Profile profile = Profile::Snapshot(file.Write(bytes));
  const Preferences preferences = ReadPreferences(profile);
  if (preferences.format < 0 || preferences.format > 2 || preferences.precision < kMinPrecision ||
      preferences.precision > kMaxPrecision)
    std::abort();
  const DialogFont font = ReadDialogFont(profile);
  if (font.name.empty() || font.size < kMinFontSize || font.size > kMaxFontSize) std::abort();

  LoadCustomDefinitions(*catalogue, profile);
  ApplyStoredVisibility(*catalogue, profile);
  RestoreBuiltins(*catalogue, profile);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  EditAndReadBack(bytes);
  ReadAtStart(bytes);
  return 0;
}
