// vantrel-search's command line.
#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace vantrel::search {

struct ServiceOptions {
  enum class Mode { kServe, kHelp, kVersion };
  Mode mode = Mode::kServe;
  // The process ends after this long without a call.
  std::chrono::seconds idle{60};
};

inline constexpr char kServiceUsage[] =
    "Usage: vantrel-search [--idle-seconds N]\n"
    "Answers the desktop's search (GNOME Shell, KRunner) with unit conversions on the\n"
    "session bus as org.vantrel.converter.SearchProvider. D-Bus starts it when a search\n"
    "first asks; it ends after N seconds without a call (default 60).\n"
    "\n"
    "  --idle-seconds N  end after N seconds without a call (1 to 86400)\n"
    "  --help            show this help and exit\n"
    "  --version         show the version and exit\n";

// False, with a one-line reason, for arguments it does not take.
bool ParseServiceOptions(const std::vector<std::string>& args, ServiceOptions& options,
                         std::string& error);

}  // namespace vantrel::search
