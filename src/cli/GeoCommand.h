// vantrel-convert's coordinate commands: latitude/longitude to UTM and back on
// a chosen reference ellipsoid, and the list of ellipsoids.
#pragma once

#include <ostream>
#include <string>

#include "cli/Options.h"

namespace vantrel::cli {

// --ellipsoid's value: an index of the table or an exact name. False with a
// one-line reason.
bool ParseEllipsoid(const std::string& text, int& index, std::string& error);

// Each takes the parsed command line and returns the exit code.

// --utm LAT LON [--ellipsoid N|NAME]
// Prints: northing  easting  zone ("16 S")  hemisphere (N or S), tab-separated.
// A latitude outside -80 to 84 or a longitude outside -180 to 180 is an
// error (exit 1): UTM does not cover it.
int RunUtm(const Options& options, std::ostream& out, std::ostream& err);

// --latlong NORTHING EASTING ZONE [--south] [--ellipsoid N|NAME]
// Prints: latitude  longitude  latitude DMS  longitude DMS, tab-separated; each
// DMS reads "D M S", with "-0" degrees for a value between -1 and 0. A zone
// outside 1 to 60, a northing outside 0 to 10000000 or an easting outside 0 to
// 1000000 is an error (exit 1).
int RunLatLong(const Options& options, std::ostream& out, std::ostream& err);

// --ellipsoids
// Prints one line per ellipsoid: index, a tab, name.
int RunEllipsoids(std::ostream& out);

}  // namespace vantrel::cli
