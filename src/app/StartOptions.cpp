#include "app/StartOptions.h"

#include <array>
#include <string_view>

namespace vantrel {
namespace {

constexpr char kHelp[] =
    "Usage: vantrel [--category NAME] [--from UNIT] [--to UNIT] [--value TEXT] [QT-OPTION...]\n"
    "Opens the window of Vantrel Unit Converter: pick a category, an input unit and\n"
    "an output unit, type a value, and read the converted value as you type.\n"
    "\n"
    "  --category NAME  open in this category\n"
    "  --from UNIT      with this input unit (its name or abbreviation)\n"
    "  --to UNIT        with this output unit\n"
    "  --value TEXT     type this value in the input box (a number or an expression)\n"
    "  --help           show this help and exit\n"
    "  --version        show the version and exit\n"
    "\n"
    "Names are those the window's lists show, the same in every language. Units are\n"
    "looked up in the chosen category, else in the one the window opens in. The\n"
    "options only choose what shows: the remembered selection stays as it is. Each\n"
    "may also be written --category=NAME. A name the window does not know is said in\n"
    "a message, and the window opens without it.\n"
    "\n"
    "The Qt toolkit's options apply too, for example -platform NAME, -display DISPLAY\n"
    "and -style STYLE. vantrel-convert converts on the command line, without a window.\n";

struct StartOption {
  std::string_view name;
  std::optional<QString> StartChoice::*part;
};
constexpr std::array<StartOption, 4> kStartOptions = {{
    {"--category", &StartChoice::category},
    {"--from", &StartChoice::from},
    {"--to", &StartChoice::to},
    {"--value", &StartChoice::value},
}};

// The start option the argument is, in either form, or null.
const StartOption* StartOptionOf(std::string_view argument) {
  for (const StartOption& option : kStartOptions) {
    if (argument.starts_with(option.name) &&
        (argument.size() == option.name.size() || argument[option.name.size()] == '='))
      return &option;
  }
  return nullptr;
}

std::optional<StartArguments::Answer> AnswerOf(std::string_view argument) {
  if (argument == "--help" || argument == "-h") return StartArguments::Answer::kHelp;
  if (argument == "--version") return StartArguments::Answer::kVersion;
  return std::nullopt;
}

bool IsOwnOption(std::string_view argument) {
  return StartOptionOf(argument) || AnswerOf(argument);
}

}  // namespace

StartArguments ReadStartArguments(int argc, char** argv) {
  StartArguments arguments;
  // Each start option's values as given, in the order of kStartOptions (an
  // empty optional for a value that is missing).
  std::array<std::vector<std::optional<QString>>, kStartOptions.size()> given;
  if (argc > 0) arguments.forQt.push_back(argv[0]);
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (const std::optional<StartArguments::Answer> answer = AnswerOf(argument)) {
      // The first of them answers.
      if (arguments.answer == StartArguments::Answer::kNone) arguments.answer = *answer;
      continue;
    }
    const StartOption* option = StartOptionOf(argument);
    if (!option) {
      arguments.forQt.push_back(argv[i]);
      continue;
    }
    std::optional<QString> value;
    if (argument.size() > option->name.size()) {
      value = QString::fromLocal8Bit(argument.substr(option->name.size() + 1));
    } else if (i + 1 < argc && !IsOwnOption(argv[i + 1])) {
      value = QString::fromLocal8Bit(argv[++i]);
    }
    given[option - kStartOptions.data()].push_back(std::move(value));
  }
  for (std::size_t o = 0; o < kStartOptions.size(); ++o) {
    const StartOption& option = kStartOptions[o];
    if (given[o].empty()) continue;
    const QString name = QString::fromLatin1(option.name);
    if (given[o].size() > 1) {
      arguments.choice.problems.push_back({StartOptionProblem::Kind::kRepeated, name});
    } else if (!given[o].front()) {
      arguments.choice.problems.push_back({StartOptionProblem::Kind::kMissingValue, name});
    } else {
      arguments.choice.*(option.part) = std::move(given[o].front());
    }
  }
  arguments.forQt.push_back(nullptr);
  return arguments;
}

void NoteUnknownArguments(StartArguments& arguments, int qtArgc) {
  QStringList unknown;
  for (int i = 1; i < qtArgc; ++i) unknown << QString::fromLocal8Bit(arguments.forQt[i]);
  if (!unknown.isEmpty())
    arguments.choice.problems.push_back({StartOptionProblem::Kind::kUnknown, unknown.join(u' ')});
}

std::optional<int> AnswerOwnOption(const StartArguments& arguments, std::FILE* out) {
  switch (arguments.answer) {
    case StartArguments::Answer::kNone:
      return std::nullopt;
    case StartArguments::Answer::kHelp:
      std::fputs(kHelp, out);
      return 0;
    case StartArguments::Answer::kVersion:
      std::fputs("vantrel " VANTREL_VERSION "\n", out);
      return 0;
  }
  return std::nullopt;
}

}  // namespace vantrel
