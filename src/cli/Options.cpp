#include "cli/Options.h"

#include <algorithm>
#include <bitset>
#include <iterator>
#include <limits>
#include <string_view>
#include <utility>

#include "cli/GeoCommand.h"
#include "geo/Mgrs.h"
#include "platform/TextEncoding.h"

namespace vantrel::cli {
namespace {

// The command lines an option belongs to, one bit each: the unit commands'
// line, and the lines that --eval, --utm, --latlong, --mgrs and --ellipsoids
// lead. kLead marks those five, which count only as the first argument.
using Lines = unsigned;
constexpr Lines LineOf(Mode lead) { return 1u << static_cast<int>(lead); }
constexpr Lines kUnitLine = LineOf(Mode::kConvert);
constexpr Lines kLead = 1u << 31;
constexpr Lines kUtmLines = LineOf(Mode::kUtm) | LineOf(Mode::kLatLong);

// Checks an option's value (empty for an option that takes none) and keeps
// it in the options, or says why not.
using Take = bool (*)(const std::string& value, Options& options, std::string& error);

struct Option {
  std::string_view name;
  Lines lines;
  std::optional<Mode> selects = {};  // the mode the option chooses
  bool takesValue = false;
  Take take = nullptr;  // sets the field the option is for
  std::string_view alias = {};
  const char* missing = nullptr;  // the message without a value; null: "NAME needs a value"
};

bool TakeCategory(const std::string& value, Options& options, std::string&) {
  options.category = value;
  return true;
}

// The value of `name` in a table of names, or null.
template <typename T, std::size_t N>
const T* Named(const std::pair<std::string_view, T> (&table)[N], std::string_view name) {
  for (const auto& [spelling, value] : table)
    if (spelling == name) return &value;
  return nullptr;
}

// The result formats by name.
constexpr std::pair<std::string_view, ResultMode> kFormats[] = {
    {"auto", ResultMode::kAutomatic},
    {"scientific", ResultMode::kScientific},
    {"fixed", ResultMode::kFixed},
};

bool TakeFormat(const std::string& value, Options& options, std::string& error) {
  if (const ResultMode* mode = Named(kFormats, value)) {
    options.format = *mode;
    return true;
  }
  error = "--format must be auto, scientific or fixed, not " + Quoted(value);
  return false;
}

// A number from Lowest to Highest: the range --precision has on the line
// it is given on.
template <int Lowest, int Highest>
bool TakePrecision(const std::string& value, Options& options, std::string& error) {
  static_assert(0 <= Lowest && Lowest <= Highest);
  if (const std::optional<int> digits = OptionNumber(value);
      digits && *digits >= Lowest && *digits <= Highest) {
    options.precision = *digits;
    return true;
  }
  error = "--precision must be a number from " + std::to_string(Lowest) + " to " +
          std::to_string(Highest) + ", not " + Quoted(value);
  return false;
}

// The result format's digits after the point, as the stored precision.
constexpr keys::Range<int> kResultDigits = keys::kPrecision.range;
constexpr auto TakeResultPrecision = TakePrecision<kResultDigits.lowest, kResultDigits.highest>;
// An MGRS reference's digits per axis; the default is also the finest (1 m).
constexpr auto TakeMgrsPrecision = TakePrecision<0, kMgrsDefaultDigits>;

// The projection formulas by name.
constexpr std::pair<std::string_view, UtmMethod> kMethods[] = {
    {"classic", UtmMethod::kClassic},
    {"exact", UtmMethod::kExact},
};

// --exact and --method may both be given, but must not disagree.
bool ChooseMethod(UtmMethod method, Options& options, std::string& error) {
  if (options.method && *options.method != method) {
    error = "both the exact and the classic method are asked for; choose one";
    return false;
  }
  options.method = method;
  return true;
}

bool TakeMethod(const std::string& value, Options& options, std::string& error) {
  if (const UtmMethod* method = Named(kMethods, value))
    return ChooseMethod(*method, options, error);
  error = "--method must be exact or classic, not " + Quoted(value);
  return false;
}

bool SetExact(const std::string&, Options& options, std::string& error) {
  return ChooseMethod(UtmMethod::kExact, options, error);
}

// A UTM zone, 1 to 60.
bool TakeZone(const std::string& value, Options& options, std::string& error) {
  if (const std::optional<int> zone = OptionNumber(value); zone && *zone >= 1 && *zone <= 60) {
    options.zone = zone;
    return true;
  }
  error = "--zone must be a zone from 1 to 60, not " + Quoted(value);
  return false;
}

bool TakeEllipsoid(const std::string& value, Options& options, std::string& error) {
  return ParseEllipsoid(value, options.ellipsoid, error);
}

// An option without a value that turns one flag on.
template <bool Options::*Flag>
bool SetFlag(const std::string&, Options& options, std::string&) {
  options.*Flag = true;
  return true;
}

constexpr Option kOptions[] = {
    {.name = "--eval", .lines = kLead, .selects = Mode::kEval},
    {.name = "--utm", .lines = kLead, .selects = Mode::kUtm},
    {.name = "--latlong", .lines = kLead, .selects = Mode::kLatLong},
    {.name = "--ellipsoids", .lines = kLead, .selects = Mode::kEllipsoids},
    {.name = "--mgrs", .lines = kLead, .selects = Mode::kMgrs},
    {.name = "--batch", .lines = kUnitLine, .selects = Mode::kBatch},
    {.name = "--list", .lines = kUnitLine, .selects = Mode::kList},
    {.name = "--categories", .lines = kUnitLine, .selects = Mode::kCategories},
    {.name = "--info", .lines = kUnitLine, .selects = Mode::kInfo},
    {.name = "--all", .lines = kUnitLine, .selects = Mode::kAll},
    {.name = "--help", .lines = kUnitLine, .selects = Mode::kHelp, .alias = "-h"},
    {.name = "--version", .lines = kUnitLine, .selects = Mode::kVersion},
    {.name = "--category", .lines = kUnitLine, .takesValue = true, .take = TakeCategory},
    {.name = "--format", .lines = kUnitLine, .takesValue = true, .take = TakeFormat},
    {.name = "--precision", .lines = kUnitLine, .takesValue = true, .take = TakeResultPrecision},
    {.name = "--precision",
     .lines = LineOf(Mode::kMgrs),
     .takesValue = true,
     .take = TakeMgrsPrecision},
    {.name = "--diagnostics", .lines = LineOf(Mode::kEval), .take = SetFlag<&Options::diagnostics>},
    {.name = "--ellipsoid",
     .lines = kUtmLines,
     .takesValue = true,
     .take = TakeEllipsoid,
     .missing = "--ellipsoid needs an index or a name (see --ellipsoids)"},
    {.name = "--south", .lines = LineOf(Mode::kLatLong), .take = SetFlag<&Options::south>},
    {.name = "--exact", .lines = kUtmLines, .take = SetExact},
    {.name = "--method",
     .lines = kUtmLines,
     .takesValue = true,
     .take = TakeMethod,
     .missing = "--method needs exact or classic"},
    {.name = "--zone", .lines = LineOf(Mode::kUtm), .takesValue = true, .take = TakeZone},
};

const Option* FindOption(std::string_view name, Lines line) {
  for (const Option& option : kOptions)
    if ((option.lines & line) &&
        (option.name == name || (!option.alias.empty() && option.alias == name)))
      return &option;
  return nullptr;
}

// How a command line tells its options from its values.
enum class Syntax {
  // "-x" is an option, "-1" and "-.5" are values; "--" ends the options.
  kUnits,
  // Only "--x" is an option, so that every negative number is a value.
  kCoordinates,
  // The command's own options come first, each once; every other argument
  // is a value, since an expression may begin with "-".
  kLeading,
};

Syntax SyntaxOf(Mode lead) {
  switch (lead) {
    case Mode::kUtm:
    case Mode::kLatLong:
    case Mode::kMgrs:
      return Syntax::kCoordinates;
    case Mode::kEval:
    case Mode::kEllipsoids:
      return Syntax::kLeading;
    default:
      return Syntax::kUnits;
  }
}

bool IsAnswer(Mode mode) { return mode == Mode::kHelp || mode == Mode::kVersion; }

bool SelectMode(Options& options, Mode mode, std::string& error) {
  if (options.mode != Mode::kConvert && options.mode != mode) {
    error = "choose only one of --batch, --list, --categories, --info and --all";
    return false;
  }
  options.mode = mode;
  return true;
}

// How many values each mode takes besides its options: a range per row, and
// a mode may have several rows.
struct ValueCount {
  Mode mode;
  std::size_t fewest;
  std::size_t most;
  const char* refusal;  // the mode's first row gives it; null: CheckValueCount words it
};
constexpr std::size_t kAny = std::numeric_limits<std::size_t>::max();
constexpr ValueCount kValueCounts[] = {
    {Mode::kConvert, 3, 3, nullptr},
    {Mode::kConvert, 1, 1, nullptr},  // a query: "100 mi in km"
    {Mode::kBatch, 0, 0, nullptr},
    {Mode::kList, 0, 1, "--list takes at most one CATEGORY"},
    {Mode::kCategories, 0, 0, nullptr},
    {Mode::kInfo, 1, 1, "--info takes one UNIT"},
    {Mode::kAll, 2, 2, "expected VALUE FROM --all"},
    {Mode::kHelp, 0, kAny, nullptr},
    {Mode::kVersion, 0, kAny, nullptr},
    {Mode::kEval, 1, kAny, "--eval needs an expression or - (try --help)"},
    {Mode::kUtm, 1, 2, "--utm needs LAT and LON, or one written position (try --help)"},
    {Mode::kLatLong, 1, 1,
     "--latlong needs NORTHING, EASTING and ZONE, or one written position (try --help)"},
    {Mode::kLatLong, 3, 3, nullptr},
    {Mode::kMgrs, 1, 2, "--mgrs needs LAT and LON, or one written position (try --help)"},
    {Mode::kEllipsoids, 0, 0, "--ellipsoids takes no arguments"},
};

bool CheckValueCount(Options& options, std::string& error) {
  const auto ofMode = [&](const ValueCount& c) { return c.mode == options.mode; };
  const ValueCount& count = *std::find_if(std::begin(kValueCounts), std::end(kValueCounts), ofMode);
  const Arguments& values = options.positional;
  // --list's CATEGORY may be given either way, not both.
  const bool categoryGiven = options.mode == Mode::kList && options.category;
  const auto admits = [&](const ValueCount& c) {
    return ofMode(c) && values.size() >= c.fewest && values.size() <= (categoryGiven ? 0 : c.most);
  };
  if (std::any_of(std::begin(kValueCounts), std::end(kValueCounts), admits)) {
    if (options.mode == Mode::kList && !values.empty()) options.category = values.front();
    return true;
  }
  if (count.refusal)
    error = count.refusal;
  else if (options.mode != Mode::kConvert)
    error = "unexpected argument " + Quoted(values.front());
  else if (values.empty())
    error = "expected VALUE FROM TO (try --help)";
  else
    error = "expected VALUE FROM TO, got " + std::to_string(values.size()) +
            (values.size() == 1 ? " argument" : " arguments");
  return false;
}

}  // namespace

bool ParseOptions(const Arguments& args, Options& options, std::string& error) {
  std::size_t i = 0;
  Mode lead = Mode::kConvert;
  if (const Option* command = args.empty() ? nullptr : FindOption(args.front(), kLead)) {
    lead = *command->selects;
    i = 1;
  }
  options.mode = lead;
  const Lines line = LineOf(lead);
  const Syntax syntax = SyntaxOf(lead);
  std::bitset<std::size(kOptions)> given;
  std::optional<Mode> answer;  // the first of --help and --version
  for (; i < args.size(); ++i) {
    const std::string& arg = args[i];
    bool isOption = false;
    switch (syntax) {
      case Syntax::kUnits:
        isOption =
            arg.size() >= 2 && arg[0] == '-' && arg[1] != '.' && !(arg[1] >= '0' && arg[1] <= '9');
        break;
      case Syntax::kCoordinates:
        isOption = arg.starts_with("--");
        break;
      case Syntax::kLeading:
        isOption = options.positional.empty() && (arg == "--" || FindOption(arg, line));
        break;
    }
    if (!isOption) {
      options.positional.push_back(arg);
      continue;
    }
    if (arg == "--") {
      options.positional.insert(options.positional.end(), args.begin() + i + 1, args.end());
      break;
    }
    // "--name=value" and "--name value" alike.
    std::string_view name = arg;
    std::optional<std::string> inlineValue;
    if (const auto eq = arg.find('='); arg.starts_with("--") && eq != std::string::npos) {
      inlineValue = arg.substr(eq + 1);
      name = name.substr(0, eq);
    }
    const Option* option = FindOption(name, line);
    if (!option || (inlineValue && !option->takesValue)) {
      if (syntax != Syntax::kUnits)
        error = "unknown option " + Quoted(arg) + " for " + args.front() + " (try --help)";
      else if (inlineValue)
        error = std::string(name) + " takes no value";
      else
        error = "unknown option " + Quoted(arg) + " (try --help)";
      return false;
    }
    // Which of two values was meant is not guessed.
    if (given[option - kOptions]) {
      error = std::string(name) + " is given more than once";
      return false;
    }
    given.set(option - kOptions);
    std::string value;
    if (option->takesValue) {
      if (inlineValue) {
        value = std::move(*inlineValue);
      } else if (i + 1 < args.size()) {
        value = args[++i];
      } else {
        error = option->missing ? option->missing : std::string(name) + " needs a value";
        return false;
      }
    }
    if (option->selects && IsAnswer(*option->selects)) {
      if (!answer) answer = option->selects;
    } else if (option->selects && !SelectMode(options, *option->selects, error)) {
      return false;
    }
    if (option->take && !option->take(value, options, error)) return false;
  }
  // Help and the version are answered whatever else the line asks for, once
  // every option has been checked.
  if (answer) {
    options.mode = *answer;
    return true;
  }
  return CheckValueCount(options, error);
}

}  // namespace vantrel::cli
