#include "cli/Session.h"

#include <cstring>

#include "platform/TextEncoding.h"
#include "units/InputConversion.h"
#include "units/StoredCatalogue.h"

namespace vantrel::cli {

Session::Session(const std::filesystem::path& settingsFile, expr::MathContext& math) : math_(math) {
  // The catalogue is given no profile, so that nothing below writes; the file
  // is read once, however many keys the start reads.
  const Profile stored = Profile::Snapshot(settingsFile);
  readProblem_ = stored.ReadProblem();
  OpenCatalogue(catalogue_, stored, &unusable_);
  index_.emplace(catalogue_);
}

void Session::MakeKey(std::string_view from, std::string_view to, const CCategory* category) {
  key_.assign(from);
  key_ += '\t';
  key_ += to;
  key_ += '\t';
  // The address stands for the category: no name is converted per line.
  char address[sizeof category];
  std::memcpy(address, &category, sizeof category);
  key_.append(address, sizeof address);
}

const Session::Resolution* Session::Remembered(std::string_view from, std::string_view to,
                                               const CCategory* category) {
  // The last pair is compared in place with its key.
  if (last_) {
    const std::string_view key = last_->first;
    if (key.size() == from.size() + to.size() + 2 + sizeof category && key.starts_with(from) &&
        key[from.size()] == '\t' && key.substr(from.size() + 1, to.size()) == to &&
        std::memcmp(key.data() + key.size() - sizeof category, &category, sizeof category) == 0)
      return &last_->second;
  }
  MakeKey(from, to, category);
  const auto it = resolved_.find(key_);
  if (it == resolved_.end()) return nullptr;
  last_ = &*it;
  return &it->second;
}

const Session::Resolution& Session::Resolve(std::string_view from, std::string_view to,
                                            const CCategory* category) {
  if (const Resolution* known = Remembered(from, to, category)) return *known;
  // Remembered left the pair's key in key_.
  Resolution resolution = index_->Resolve(from, to, category);
  // A failure is remembered too (a batch repeats its typos), but not one of
  // a name too long to be any unit's, which is answered at once anyway and
  // would only fill the memory.
  if (!resolution && key_.size() > kLongestRemembered) {
    unremembered_ = std::move(resolution);
    return unremembered_;
  }
  if (resolved_.size() >= kMostRemembered) {  // distinct pairs without end
    resolved_.clear();
    last_ = nullptr;
  }
  return resolved_.emplace(key_, std::move(resolution)).first->second;
}

bool Session::Convert(std::string_view value, std::string_view from, std::string_view to,
                      const CCategory* category, std::string& result, std::string& error) {
  const Resolution& units = Resolve(from, to, category);
  if (units) return Convert(value, units.value, result, error);
  error = units.message;
  return false;
}

bool Session::Convert(std::string_view value, const UnitChoice& choice, std::string& result,
                      std::string& error) {
  char text[ResultFormat::kCapacity];
  std::size_t length = 0;
  if (ConvertPlainInput(value, *choice.category, *choice.from, *choice.to, catalogue_.Format(),
                        text, length)) {
    result.append(text, length);
    return true;
  }
  // Quietly: an error is the one line the command reports. Anything but a
  // plain result (nothing typed, a help keyword, inf) is no answer here.
  auto outcome = ConvertInput(math_, value, *choice.category, *choice.from, *choice.to,
                              catalogue_.Format(), 0);
  if (!outcome) {
    error = std::move(outcome.message);
    return false;
  }
  result += outcome.value;
  return true;
}

Result<double, InputProblem> Session::Evaluate(std::string_view value) {
  return EvaluateInput(math_, value);
}

}  // namespace vantrel::cli
