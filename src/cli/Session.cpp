#include "cli/Session.h"

#include "platform/TextEncoding.h"
#include "units/InputConversion.h"
#include "units/StoredCatalogue.h"

namespace vantrel::cli {

Session::Session(const std::filesystem::path& settingsFile, expr::MathContext& math) : math_(math) {
  // The catalogue is given no profile, so that nothing below writes; the file
  // is read once, however many keys the start reads.
  OpenCatalogue(catalogue_, Profile::Snapshot(settingsFile));
  index_.emplace(catalogue_);
}

const UnitChoice* Session::Resolve(std::string_view from, std::string_view to,
                                   const CCategory* category, std::string& error) {
  key_.assign(from);
  key_ += '\t';
  key_ += to;
  key_ += '\t';
  if (category) key_ += WideToUtf8(category->Name());
  if (const auto it = resolved_.find(key_); it != resolved_.end()) {
    if (it->second.error.empty()) return &it->second.choice;
    error = it->second.error;
    return nullptr;
  }
  Resolution resolution;
  const bool found = index_->Resolve(Utf8ToWide(from), Utf8ToWide(to), category, resolution.choice,
                                     resolution.error);
  // A failure is remembered too (a batch repeats its typos), but not one of
  // a name too long to be any unit's, which is answered at once anyway and
  // would only fill the memory.
  if (!found && key_.size() > kLongestRemembered) {
    error = std::move(resolution.error);
    return nullptr;
  }
  if (resolved_.size() >= 4096) resolved_.clear();  // distinct pairs without end
  const Resolution& stored = resolved_.emplace(key_, std::move(resolution)).first->second;
  if (found) return &stored.choice;
  error = stored.error;
  return nullptr;
}

bool Session::Convert(std::string_view value, std::string_view from, std::string_view to,
                      const CCategory* category, std::wstring& result, std::string& error) {
  const UnitChoice* choice = Resolve(from, to, category, error);
  if (!choice) return false;
  // Quietly: an error is the one line the command reports. Anything but a
  // plain result (nothing typed, a help keyword, inf) is no answer here.
  ConversionOutcome outcome = ConvertInput(math_, Utf8ToWide(value), *choice->category,
                                           *choice->from, *choice->to, catalogue_.Format(), 0);
  if (outcome.kind != ConversionOutcome::Kind::kResult) {
    error = std::move(outcome.message);
    return false;
  }
  result = std::move(outcome.text);
  return true;
}

}  // namespace vantrel::cli
