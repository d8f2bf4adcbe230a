// vantrel-convert's coordinate commands: latitude/longitude to UTM and back on
// a chosen reference ellipsoid, to MGRS and back, and the list of ellipsoids.
#pragma once

#include <ostream>
#include <string>

#include "cli/Options.h"

namespace vantrel::cli {

// --ellipsoid's value: an index of the table or an exact name. False with a
// one-line reason.
bool ParseEllipsoid(const std::string& text, int& index, std::string& error);

// Each takes the parsed command line and returns the exit code. Text that
// cannot be read is a usage error (exit 2), a value outside what it may be a
// conversion error (exit 1); neither is ever guessed at.
//
// --utm and --latlong use the coordinate dialog's classic series unless
// --exact or --method exact asks for the exact projection.

// --utm LAT LON | POSITION [--exact] [--zone Z] [--ellipsoid N|NAME]
// LAT LON are two decimal numbers; POSITION one argument as people write it
// (ParseLatLongText). Prints: northing  easting  zone ("16 S")  hemisphere
// (N or S), tab-separated; with --zone on that zone's grid, for a point
// within 9 degrees of its central meridian. A latitude outside -80 to 84 or
// a longitude outside -180 to 180 is an error (exit 1): UTM does not cover
// it; so is what CheckedLatLongToUTM refuses.
int RunUtm(const Options& options, std::ostream& out, std::ostream& err);

// --latlong NORTHING EASTING ZONE [--south] [--exact] [--ellipsoid N|NAME]
// --latlong "ZONEBAND EASTING NORTHING" [--exact] [--ellipsoid N|NAME]
// --latlong MGRS
// Prints: latitude  longitude  latitude DMS  longitude DMS, tab-separated; each
// DMS reads "D M S", with "-0" degrees for a value between -1 and 0. For an
// MGRS reference (on WGS84, always exact) the point is its square's centre.
// A zone outside 1 to 60, a northing outside 0 to 10000000 or an easting
// outside 0 to 1000000 is an error (exit 1), and so is what UtmTextToLatLong
// refuses (a map position outside its band, a point beyond UTM's reach).
int RunLatLong(const Options& options, std::ostream& out, std::ostream& err);

// --mgrs LAT LON | POSITION [--precision N]
// Prints the MGRS reference of the square of N digits per axis (0 to 5,
// default 5: 1 m) that holds the point. Latitudes -80 up to 84 (84 itself is
// polar, which is refused).
int RunMgrs(const Options& options, std::ostream& out, std::ostream& err);

// --ellipsoids
// Prints one line per ellipsoid: index, a tab, name.
int RunEllipsoids(std::ostream& out);

}  // namespace vantrel::cli
