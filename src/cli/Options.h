// vantrel-convert's command line: every option is a row of one table
// (Options.cpp), read by one parser.
#pragma once

#include <optional>
#include <string>

#include "cli/CommandLine.h"
#include "geo/UtmExact.h"
#include "settings/SettingsKeys.h"

namespace vantrel::cli {

// The unit commands share their options; --eval, --utm, --latlong, --mgrs
// and --ellipsoids lead command lines of their own, as the first argument.
enum class Mode {
  kConvert,
  kBatch,
  kList,
  kCategories,
  kInfo,
  kAll,
  kHelp,
  kVersion,
  kEval,
  kUtm,
  kLatLong,
  kEllipsoids,
  kMgrs,
};

struct Options {
  Mode mode = Mode::kConvert;
  // VALUE FROM TO or one query for a conversion, VALUE FROM with --all, UNIT with --info;
  // the optional CATEGORY of --list; the expressions of --eval; the numbers
  // or the written position of --utm, --latlong and --mgrs.
  Arguments positional;
  std::optional<std::string> category;
  std::optional<ResultMode> format;  // overrides the stored result format
  std::optional<int> precision;      // --mgrs: digits per axis
  bool diagnostics = false;          // --eval: the evaluator's diagnostics to standard error
  int ellipsoid = 0;                 // --utm, --latlong: an index of Ellipsoids()
  bool south = false;                // --latlong
  std::optional<UtmMethod> method;   // --utm, --latlong: as asked; classic when not
  std::optional<int> zone;           // --utm: the grid of this zone, not the point's own
};

// False with a one-line reason for a usage error. On the unit commands' line
// an argument that starts with "-" and a digit or "." is a value, not an
// option ("-1"); on the coordinates' lines only "--" starts an option.
bool ParseOptions(const Arguments& args, Options& options, std::string& error);

}  // namespace vantrel::cli
