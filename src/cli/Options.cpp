#include "cli/Options.h"

namespace vantrel::cli {
namespace {

bool IsOption(const std::string& arg) {
  if (arg.size() < 2 || arg[0] != '-') return false;
  const char next = arg[1];
  return !(next == '.' || (next >= '0' && next <= '9'));
}

bool SetMode(Options& options, Mode mode, std::string& error) {
  if (options.mode != Mode::kConvert && options.mode != mode) {
    error = "choose only one of --batch, --list, --categories, --info and --all";
    return false;
  }
  options.mode = mode;
  return true;
}

bool ParseFormat(const std::string& text, ResultMode& format) {
  if (text == "auto")
    format = ResultMode::kAutomatic;
  else if (text == "scientific")
    format = ResultMode::kScientific;
  else if (text == "fixed")
    format = ResultMode::kFixed;
  else
    return false;
  return true;
}

// One digit, within the stored precision's range.
bool ParsePrecision(const std::string& text, int& precision) {
  if (text.size() != 1 || text[0] < '0' || text[0] > '9') return false;
  precision = text[0] - '0';
  return keys::kPrecision.range.Contains(precision);
}

}  // namespace

bool ParseOptions(const Arguments& args, Options& options, std::string& error) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string arg = args[i];
    if (!IsOption(arg)) {
      options.positional.push_back(arg);
      continue;
    }
    if (arg == "--") {
      options.positional.insert(options.positional.end(), args.begin() + i + 1, args.end());
      break;
    }
    // "--name=value" and "--name value" alike.
    std::optional<std::string> inlineValue;
    if (const auto eq = arg.find('='); arg.rfind("--", 0) == 0 && eq != std::string::npos) {
      inlineValue = arg.substr(eq + 1);
      arg.resize(eq);
    }
    auto takeValue = [&](std::string& value) {
      if (inlineValue) {
        value = *inlineValue;
        return true;
      }
      if (i + 1 >= args.size()) {
        error = arg + " needs a value";
        return false;
      }
      value = args[++i];
      return true;
    };
    const bool takesValue = arg == "--category" || arg == "--format" || arg == "--precision";
    if (inlineValue && !takesValue) {
      error = arg + " takes no value";
      return false;
    }

    if (arg == "--help" || arg == "-h") {
      options.mode = Mode::kHelp;
      return true;
    } else if (arg == "--version") {
      options.mode = Mode::kVersion;
      return true;
    } else if (arg == "--batch") {
      if (!SetMode(options, Mode::kBatch, error)) return false;
    } else if (arg == "--list") {
      if (!SetMode(options, Mode::kList, error)) return false;
    } else if (arg == "--categories") {
      if (!SetMode(options, Mode::kCategories, error)) return false;
    } else if (arg == "--info") {
      if (!SetMode(options, Mode::kInfo, error)) return false;
    } else if (arg == "--all") {
      if (!SetMode(options, Mode::kAll, error)) return false;
    } else if (arg == "--category") {
      std::string value;
      if (!takeValue(value)) return false;
      options.category = value;
    } else if (arg == "--format") {
      std::string value;
      ResultMode format = ResultMode::kAutomatic;
      if (!takeValue(value)) return false;
      if (!ParseFormat(value, format)) {
        error = "--format must be auto, scientific or fixed, not '" + value + "'";
        return false;
      }
      options.format = format;
    } else if (arg == "--precision") {
      std::string value;
      int precision = 0;
      if (!takeValue(value)) return false;
      if (!ParsePrecision(value, precision)) {
        error = "--precision must be a digit from " +
                std::to_string(keys::kPrecision.range.lowest) + " to " +
                std::to_string(keys::kPrecision.range.highest) + ", not '" + value + "'";
        return false;
      }
      options.precision = precision;
    } else {
      error = "unknown option '" + arg + "' (try --help)";
      return false;
    }
  }

  const std::size_t count = options.positional.size();
  switch (options.mode) {
    case Mode::kConvert:
      if (count != 3) {
        error = count == 0 ? "expected VALUE FROM TO (try --help)"
                           : "expected VALUE FROM TO, got " + std::to_string(count) +
                                 (count == 1 ? " argument" : " arguments");
        return false;
      }
      break;
    case Mode::kList:
      if (count > 1 || (count == 1 && options.category)) {
        error = "--list takes at most one CATEGORY";
        return false;
      }
      if (count == 1) options.category = options.positional.front();
      break;
    case Mode::kInfo:
      if (count != 1) {
        error = "--info takes one UNIT";
        return false;
      }
      break;
    case Mode::kAll:
      if (count != 2) {
        error = "expected VALUE FROM --all";
        return false;
      }
      break;
    case Mode::kBatch:
    case Mode::kCategories:
      if (count != 0) {
        error = "unexpected argument '" + options.positional.front() + "'";
        return false;
      }
      break;
    default:
      break;
  }
  return true;
}

}  // namespace vantrel::cli
