#include "cli/Run.h"

#include "cli/BatchCommand.h"
#include "cli/Commands.h"
#include "cli/EvalCommand.h"
#include "cli/GeoCommand.h"
#include "cli/UnitCommands.h"
#include "expr/MathContext.h"
#include "settings/SettingsProblem.h"

namespace vantrel::cli {
namespace {

constexpr const char* kUsage =
    "Usage: vantrel-convert VALUE FROM TO [--category NAME] [--format F] [--precision N]\n"
    "       vantrel-convert QUERY [--category NAME] [--format F] [--precision N]\n"
    "       vantrel-convert --batch [--category NAME] [--format F] [--precision N]\n"
    "       vantrel-convert VALUE FROM --all [--category NAME] [--format F] [--precision N]\n"
    "       vantrel-convert --info UNIT [--category NAME]\n"
    "       vantrel-convert --list [CATEGORY]\n"
    "       vantrel-convert --categories\n"
    "Converts values between units with the converter's catalogue, including the\n"
    "custom units and categories of your settings file (which is only read).\n"
    "\n"
    "  FROM, TO, UNIT   unit names or abbreviations; also plurals (miles, inches)\n"
    "                   and spellings such as feet, mph, degF, degC, lbs\n"
    "  QUERY            one argument as people type it, printed as VALUE FROM TO\n"
    "                   prints it: \"100 mi in km\" (also to, as, ->, =), \"5 ft 3 in\n"
    "                   to cm\" (values of one category summed), \"100 mph\" (the\n"
    "                   unit's usual target, listed in the manual page), \"1 t in\n"
    "                   kg, Mass\" (the category after a comma, as --category)\n"
    "  --category NAME  the category, where the units are found in several\n"
    "  --format F       auto, scientific or fixed (default: the stored format)\n"
    "  --precision N    digits after the point, 0 to 8, for scientific and fixed\n"
    "  --batch          convert lines VALUE<TAB>FROM<TAB>TO[<TAB>CATEGORY] from\n"
    "                   standard input, one result or 'error: ...' line each\n"
    "  --list           one line per unit: category, name, abbreviation,\n"
    "                   coefficient, offset, inverted flag (tab separated)\n"
    "  --categories     one line per category: name, visible flag, unit count\n"
    "  --all            VALUE in every unit of FROM's category: unit<TAB>result\n"
    "                   lines in the table's order (custom units last)\n"
    "  --info           one key<TAB>value line each: category, name, abbreviation,\n"
    "                   coefficient (in the base unit, %.17g), offset, inverted,\n"
    "                   provenance (exact, derived, chosen, none or custom) and\n"
    "                   source of the coefficient\n"
    "\n"
    "Expressions (x, y, z and t are 0):\n"
    "  --eval [--diagnostics] EXPR...\n"
    "                   print for each expression one line: the value (%.17g), a\n"
    "                   tab and the error code (0 = none); --diagnostics writes the\n"
    "                   evaluator's diagnostics to standard error\n"
    "  --eval -         the same for each line of standard input; a line that is\n"
    "                   no UTF-8 text, or holds a control character, gives an\n"
    "                   'error: ...' line\n"
    "\n"
    "Coordinates (N is an index of --ellipsoids, NAME an exact name; default 0):\n"
    "  --utm LAT LON | POSITION [--exact] [--zone Z] [--ellipsoid N|NAME]\n"
    "                   print northing, easting, zone and hemisphere (N or S);\n"
    "                   --zone Z: on zone Z's grid, for a point within 9 degrees\n"
    "                   of its central meridian\n"
    "  --latlong NORTHING EASTING ZONE [--south] [--exact] [--ellipsoid N|NAME]\n"
    "  --latlong \"ZONEBAND EASTING NORTHING\" [--exact] [--ellipsoid N|NAME]\n"
    "  --latlong MGRS   print latitude, longitude, and both as \"D M S\" (whole\n"
    "                   degrees, minutes, seconds; \"-0\" degrees between -1 and 0);\n"
    "                   of an MGRS reference, the centre of its square\n"
    "  --mgrs LAT LON | POSITION [--precision N]\n"
    "                   print the MGRS reference (WGS84) of the point, N digits\n"
    "                   per axis, 0 to 5 (default 5: 1 m)\n"
    "  --exact, --method exact|classic\n"
    "                   the exact transverse Mercator, or the classic series of\n"
    "                   the coordinate dialog (the default)\n"
    "  --ellipsoids     list the ellipsoids: index and name\n"
    "LAT LON are decimal degrees; POSITION is one argument as people write it:\n"
    "\"33.725, -84.91\", \"33 43.5 N 84 54.6 W\", \"N 33 43 30 W 84 54 36\", with or\n"
    "without the marks of degrees, minutes and seconds. A map position reads\n"
    "\"16S 694037 3734420\" (its letter is the latitude band), an MGRS reference\n"
    "\"16SFC9403634419\".\n"
    "UTM covers latitudes -80 to 84; --latlong takes zones 1 to 60, eastings 0 to\n"
    "1000000 and northings 0 to 10000000, and refuses a position whose point lies\n"
    "outside its band or UTM's latitudes, or over 9 degrees from the zone's\n"
    "central meridian.\n"
    "Without --exact the classic series is within 1.1 mm of the exact projection\n"
    "up to 1 degree from the zone's central meridian, 1.5 cm up to 2 degrees, 11 cm\n"
    "at the edge of a standard zone (3 degrees) and 1.2 m in the wide Norway\n"
    "(32V) and Svalbard (31X-37X) zones; back to latitude and longitude within\n"
    "0.4 mm in standard zones and 5 cm in the wide ones. Farther out it refuses\n"
    "where it would be more than 1.2 m off. --exact agrees with PROJ and\n"
    "GeographicLib to 0.01 mm. MGRS always uses the exact projection.\n"
    "\n"
    "  --help           show this help and exit\n"
    "  --version        show the version and exit\n"
    "\n"
    "VALUE is an expression as in the converter's input box (12.5, 1.2e-5, 7/8,\n"
    "2+3/4, sqrt(2)*pi); one that leaves an error is an error of that conversion.\n"
    "In the category \"Numbers\" VALUE is an integer in the base of FROM.\n"
    "Fields are separated by tabs; decimals use a full stop.\n"
    "Exit status: 0 success, 1 a conversion error, 2 a usage error (also a QUERY\n"
    "that is none, or names no target for a unit without a usual one).\n";

// The settings file is only read: when it cannot be, say so once and go on
// with the defaults.
void WarnIfSettingsUnreadable(const std::filesystem::path& file, const Session& session,
                              std::ostream& err) {
  if (const FileProblem& problem = session.ReadProblem()) {
    err << "vantrel-convert: warning: the " << SettingsProblemText(file, problem)
        << "; going on with the default settings\n";
  }
}

// Units the settings file defines with a coefficient that is no size are
// left out: said once, on one line.
void WarnOfUnusableUnits(const std::filesystem::path& file, const Session& session,
                         std::ostream& err) {
  if (session.UnusableUnits().empty()) return;
  err << "vantrel-convert: warning: the settings file \"" << file.string()
      << "\" gives custom units a coefficient that defines no unit, left out: "
      << NameUnusableUnits(session.UnusableUnits()) << '\n';
}

}  // namespace

int Run(const Arguments& args, const std::filesystem::path& settingsFile, std::istream& in,
        std::ostream& out, std::ostream& err, std::string_view settingsNotice) {
  if (args.empty()) {
    err << kUsage;
    return kExitUsageError;
  }
  Options options;
  std::string error;
  if (!ParseOptions(args, options, error)) return Fail(err, kExitUsageError, error);
  switch (options.mode) {
    case Mode::kHelp:
      out << kUsage;
      return kExitSuccess;
    case Mode::kVersion:
      out << "vantrel-convert " << VANTREL_VERSION << '\n';
      return kExitSuccess;
    case Mode::kEval:
      return RunEval(options, in, out, err);
    case Mode::kUtm:
      return RunUtm(options, out, err);
    case Mode::kLatLong:
      return RunLatLong(options, out, err);
    case Mode::kMgrs:
      return RunMgrs(options, out, err);
    case Mode::kEllipsoids:
      return RunEllipsoids(out);
    default:
      break;
  }

  // Conversion values are evaluated quietly: an error is the one line the
  // command reports, and a help keyword must not break the output's format.
  expr::MathContext quiet(expr::MathSink{}, expr::MathSink{});
  if (!settingsNotice.empty()) err << "vantrel-convert: warning: the " << settingsNotice << '\n';
  Session session(settingsFile, quiet);
  WarnIfSettingsUnreadable(settingsFile, session, err);
  WarnOfUnusableUnits(settingsFile, session, err);
  ApplyFormatOptions(session, options);
  if (options.mode == Mode::kCategories) return RunCategories(session, out);
  // The category --category names: one that names none is a usage error,
  // whatever the command.
  const CCategory* category = nullptr;
  if (!ChosenCategory(session, options.category, category, error))
    return Fail(err, kExitUsageError, error);
  switch (options.mode) {
    case Mode::kBatch:
      return RunBatch(session, category, in, out, err);
    case Mode::kList:
      return RunList(session, category, out);
    case Mode::kInfo:
      return RunInfo(session, options, category, out, err);
    case Mode::kAll:
      return RunAll(session, options, category, out, err);
    default:
      return RunConversion(session, options, category, out, err);
  }
}

}  // namespace vantrel::cli
