#include "search/ServiceOptions.h"

#include <charconv>

namespace vantrel::search {
namespace {

constexpr long kMostIdleSeconds = 86400;

}  // namespace

bool ParseServiceOptions(const std::vector<std::string>& args, ServiceOptions& options,
                         std::string& error) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help") {
      options.mode = ServiceOptions::Mode::kHelp;
    } else if (arg == "--version") {
      options.mode = ServiceOptions::Mode::kVersion;
    } else if (arg == "--idle-seconds") {
      if (i + 1 == args.size()) {
        error = "--idle-seconds needs a number of seconds";
        return false;
      }
      const std::string& text = args[++i];
      long seconds = 0;
      const auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), seconds);
      if (status != std::errc() || end != text.data() + text.size() || seconds < 1 ||
          seconds > kMostIdleSeconds) {
        error = "--idle-seconds takes a whole number from 1 to 86400, not \"" + text + "\"";
        return false;
      }
      options.idle = std::chrono::seconds(seconds);
    } else {
      error = "unknown argument \"" + arg + "\"";
      return false;
    }
  }
  return true;
}

}  // namespace vantrel::search
