// Everything a run of vantrel-convert converts with: the built-in catalogue
// merged with the user's custom categories and units, their visibility and
// the result format, all read from the settings file, which is never written.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "cli/UnitIndex.h"
#include "expr/MathContext.h"
#include "platform/Result.h"
#include "units/CustomStore.h"
#include "units/InputConversion.h"
#include "units/UnitCatalogue.h"

namespace vantrel::cli {

class Session {
 public:
  // An empty path or a missing file reads as a file without entries. Values
  // are evaluated in `math`, which must outlive the session.
  Session(const std::filesystem::path& settingsFile, expr::MathContext& math);
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  CUnitCatalogue& Catalogue() { return catalogue_; }
  // Why the settings file could not be read (its settings are then the
  // defaults); none for a missing file.
  const FileProblem& ReadProblem() const { return readProblem_; }
  // The custom units left out for a coefficient that defines no unit.
  const std::vector<CustomUnitEntry>& UnusableUnits() const { return unusable_; }
  const UnitIndex& Index() const { return *index_; }

  // Converts as the main window does (see ConvertInput) and appends the
  // result to `result`; false with a one-line reason for anything but a
  // finite result. All text is UTF-8. Both texts are the caller's, whose
  // buffers a batch keeps from line to line: a plain decimal value takes the
  // short road (ConvertPlainInput), and a remembered pair of units, good or
  // bad, is answered, without allocating.
  bool Convert(std::string_view value, std::string_view from, std::string_view to,
               const CCategory* category, std::string& result, std::string& error);
  // The same for units already chosen.
  bool Convert(std::string_view value, const UnitChoice& choice, std::string& result,
               std::string& error);

  // The number a value stands for, as Convert reads it outside "Numbers".
  Result<double, InputProblem> Evaluate(std::string_view value);

 private:
  using Resolution = Result<UnitChoice, UnitResolution>;

  // Batches repeat the same few unit pairs, good or bad: each is resolved
  // once, and the last one is known without a look-up.
  const Resolution& Resolve(std::string_view from, std::string_view to, const CCategory* category);
  const Resolution* Remembered(std::string_view from, std::string_view to,
                               const CCategory* category);
  // key_ = FROM<TAB>TO<TAB> and the category's address.
  void MakeKey(std::string_view from, std::string_view to, const CCategory* category);

  static constexpr std::size_t kLongestRemembered = 1024;  // bytes of a failed pair's key
  static constexpr std::size_t kMostRemembered = 4096;     // pairs

  expr::MathContext& math_;
  CUnitCatalogue catalogue_;
  FileProblem readProblem_;
  std::vector<CustomUnitEntry> unusable_;
  std::optional<UnitIndex> index_;
  std::unordered_map<std::string, Resolution> resolved_;  // by MakeKey's key
  std::string key_;
  Resolution unremembered_;  // the last failure too long to remember
  const std::pair<const std::string, Resolution>* last_ = nullptr;  // in resolved_
};

}  // namespace vantrel::cli
