// Any bytes as a settings file: decoding, parsing, lookups and edits must never
// crash, and an entry written must read back as written.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/IniDocument.h"
#include "platform/TextEncoding.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vantrel;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  IniDocument doc = IniDocument::Parse(DecodeTextFile(bytes));
  (void)doc.Find(L"Settings", L"Format");
  for (const IniEntry& entry : doc.Section(L"CustomUnits")) (void)entry.value.size();

  doc.Set(L"CustomUnits", L"fuzz unit ", L"@Distance?val=1?i=0");
  IniDocument again = IniDocument::Parse(DecodeTextFile(WideToUtf8(doc.Text())));
  const auto value = again.Find(L"CustomUnits", L"fuzz unit ");
  if (!value || *value != L"@Distance?val=1?i=0") std::abort();
  again.Remove(L"CustomUnits", L"fuzz unit ");
  if (again.Find(L"CustomUnits", L"fuzz unit ")) std::abort();
  return 0;
}
