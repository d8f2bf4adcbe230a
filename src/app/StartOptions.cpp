#include "app/StartOptions.h"

#include <string_view>

namespace vantrel {
namespace {

constexpr char kHelp[] =
    "Usage: vantrel [QT-OPTION...]\n"
    "Opens the window of Vantrel Unit Converter: pick a category, an input unit and\n"
    "an output unit, type a value, and read the converted value as you type.\n"
    "\n"
    "  --help      show this help and exit\n"
    "  --version   show the version and exit\n"
    "\n"
    "The Qt toolkit's options apply too, for example -platform NAME, -display DISPLAY\n"
    "and -style STYLE. vantrel-convert converts on the command line, without a window.\n";

}  // namespace

std::optional<int> AnswerOwnOption(int argc, const char* const* argv, std::FILE* out) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      std::fputs(kHelp, out);
      return 0;
    }
    if (arg == "--version") {
      std::fputs("vantrel " VANTREL_VERSION "\n", out);
      return 0;
    }
  }
  return std::nullopt;
}

}  // namespace vantrel
