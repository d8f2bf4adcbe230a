// Any bytes as a settings file: decoding, parsing, lookups and edits must never
// crash, an entry written must read back as written, and reading the file as
// the programs do at start (preferences, font, custom categories and units,
// visibility) must give values within their limits.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "platform/FileStore.h"
#include "platform/IniDocument.h"
#include "platform/Profile.h"
#include "platform/TextEncoding.h"
#include "settings/Preferences.h"
#include "units/BuiltinCatalogue.h"
#include "units/CustomStore.h"
#include "units/UnitCatalogue.h"

namespace {

using namespace vantrel;

void EditAndReadBack(const std::string& bytes) {
  IniDocument doc = IniDocument::Parse(DecodeTextFile(bytes));
  (void)doc.Find("Settings", "Format");
  for (const IniEntry& entry : doc.Section("CustomUnits")) (void)entry.value.size();

  doc.Set("CustomUnits", "fuzz unit ", "@Distance?val=1?i=0");
  IniDocument again = IniDocument::Parse(DecodeTextFile(doc.Text()));
  const auto value = again.Find("CustomUnits", "fuzz unit ");
  if (!value || *value != "@Distance?val=1?i=0") std::abort();
  again.Remove("CustomUnits", "fuzz unit ");
  if (again.Find("CustomUnits", "fuzz unit ")) std::abort();
}

// The settings file as the programs' start reads it, held in memory: writing
// and reading a real file would cost a good part of every run, and the read
// itself does not look at the bytes.
class MemoryFile final : public FileStore {
 public:
  explicit MemoryFile(const std::string& bytes) : bytes_(bytes) {}
  FileContent Read(const std::filesystem::path&) const override { return {true, bytes_, {}}; }
  // Reading at start never writes.
  FileProblem Update(const std::filesystem::path&, const Change&) override { std::abort(); }

 private:
  const std::string& bytes_;
};

// Lists a category's units as the window fills its lists.
void ListUnits(CUnitCatalogue& catalogue, const std::string& category) {
  if (!catalogue.SelectCategory(category)) std::abort();
  catalogue.SetUnitRestart(true);
  while (!catalogue.NextUnitText(true).empty()) {
  }
}

// One catalogue serves every run, since building it anew would cost most
// of the run; it remembers each built-in category's visibility as built.
struct SharedCatalogue {
  SharedCatalogue() {
    BuildBuiltinCatalogue(catalogue);
    for (auto& [name, category] : catalogue.Categories())
      builtins.emplace_back(catalogue.FindCategory(name), category.Visible());
  }
  CUnitCatalogue catalogue;
  std::vector<std::pair<CCategory*, int>> builtins;
};

// Takes out what the file added and puts back the visibility it changed.
// The file's own entries say where its units went.
void RestoreBuiltins(SharedCatalogue& shared, const Profile& profile) {
  CUnitCatalogue& catalogue = shared.catalogue;
  for (const IniEntry& entry : profile.GetSection("CustomUnits")) {
    CustomUnitEntry parsed;
    const CCategory* category = nullptr;
    if (!ParseCustomUnitEntry(entry.key + "=" + entry.value, parsed) ||
        !(category = catalogue.FindCategory(parsed.category)) || category->Custom())
      continue;
    const CUnit* unit = category->FindUnit(parsed.unit);
    if (!unit || !unit->custom) continue;
    ListUnits(catalogue, parsed.category);
    if (catalogue.RemoveUnit(parsed.unit) != result::kDone) std::abort();
  }
  std::vector<std::string> customCategories;
  for (const auto& [name, category] : catalogue.Categories())
    if (category.Custom()) customCategories.push_back(name);
  for (const std::string& name : customCategories) {
    ListUnits(catalogue, name);
    if (catalogue.RemoveCategory(name) != result::kDone) std::abort();
  }
  if (catalogue.Categories().size() != shared.builtins.size()) std::abort();
  for (const auto& [category, visible] : shared.builtins)
    if (category->Visible() != visible) category->SetVisible(visible);
}

void ReadAtStart(const std::string& bytes) {
  static SharedCatalogue* shared = new SharedCatalogue;
  MemoryFile file(bytes);
  const Profile profile = Profile::Snapshot("Mensura.ini", file);
  if (profile.ReadProblem()) std::abort();
  const Preferences preferences = ReadPreferences(profile);
  if (!keys::kFormat.range.Contains(preferences.format) ||
      !keys::kPrecision.range.Contains(preferences.precision))
    std::abort();
  const DialogFont font = ReadDialogFont(profile);
  if (font.name.empty() || !keys::kFontSize.range.Contains(font.size)) std::abort();

  LoadCustomDefinitions(shared->catalogue, profile);
  ApplyStoredVisibility(shared->catalogue, profile);
  RestoreBuiltins(*shared, profile);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  EditAndReadBack(bytes);
  ReadAtStart(bytes);
  return 0;
}
