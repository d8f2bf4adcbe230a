// vantrel-convert: the command-line companion of the converter, on the same
// core, for scripting and batch use. It reads the user's settings file and
// never writes it.
#include <cstdio>
#include <string>

#include "cli/CommandLine.h"
#include "cli/GeoCommand.h"

namespace {

constexpr const char* kUsage =
    "Usage: vantrel-convert [OPTION]...\n"
    "Converts values between units on the command line.\n"
    "\n"
    "  --help       show this help and exit\n"
    "  --version    show the version and exit\n"
    "\n"
    "Coordinates (N is an index of --ellipsoids, NAME an exact name; default 0):\n"
    "  --utm LAT LON [--ellipsoid N|NAME]\n"
    "               print northing, easting, zone and hemisphere (N or S)\n"
    "  --latlong NORTHING EASTING ZONE [--south] [--ellipsoid N|NAME]\n"
    "               print latitude, longitude, and both as \"D M S\" (whole degrees,\n"
    "               minutes, seconds; \"-0\" degrees between -1 and 0)\n"
    "  --ellipsoids list the ellipsoids: index and name\n"
    "Fields are separated by tabs; decimals use a full stop.\n"
    "\n"
    "Exit status: 0 success, 1 a conversion error, 2 a usage error.\n";

}  // namespace

int main(int argc, char** argv) {
  using namespace vantrel::cli;
  const Arguments args(argv + 1, argv + argc);
  if (args.empty()) {
    std::fputs(kUsage, stderr);
    return kExitUsageError;
  }
  const std::string& first = args.front();
  if (first == "--help" || first == "-h") {
    std::fputs(kUsage, stdout);
    return kExitSuccess;
  }
  if (first == "--utm") return RunUtm(args);
  if (first == "--latlong") return RunLatLong(args);
  if (first == "--ellipsoids") return RunEllipsoids(args);
  if (first == "--version") {
    std::printf("vantrel-convert %s\n", VANTREL_VERSION);
    return kExitSuccess;
  }
  return Fail(kExitUsageError, "unknown option '" + first + "' (try --help)");
}
