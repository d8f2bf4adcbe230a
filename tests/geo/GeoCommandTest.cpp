// Runs vantrel-convert's coordinate commands as a user would.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "support/TabFields.h"
#include "support/TempDir.h"

namespace vantrel {
namespace {

struct ToolRun {
  int exitCode = -1;
  std::string out;
  std::string err;
};

std::string Quote(const std::string& arg) {
  std::string quoted = "'";
  for (char c : arg) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

ToolRun Convert(const std::vector<std::string>& args) {
  testing::TempDir dir;
  std::string command = VANTREL_CONVERT;
  for (const std::string& arg : args) command += " " + Quote(arg);
  command += " >" + Quote((dir / "out").string()) + " 2>" + Quote((dir / "err").string());
  const int status = std::system(command.c_str());
  ToolRun run;
  if (status != -1 && WIFEXITED(status)) run.exitCode = WEXITSTATUS(status);
  run.out = testing::ReadBytes(dir / "out");
  run.err = testing::ReadBytes(dir / "err");
  return run;
}

using testing::TabFields;

struct Good {
  std::vector<std::string> args;
  std::string out;
};

// Reference points whose figures are known to the millimetre.
const Good kGood[] = {
    {{"--utm", "33.732075", "-84.90558"}, "3734419.547\t694036.968\t16 S\tN\n"},
    {{"--utm", "-33.9", "18.4", "--ellipsoid", "0"}, "6245888.046\t259583.210\t34 H\tS\n"},
    {{"--utm", "-33.9", "18.4", "--ellipsoid", "NAD83/WGS84"},
     "6245888.046\t259583.210\t34 H\tS\n"},
    {{"--utm", "-33.9", "18.4", "--ellipsoid=NAD83/WGS84"}, "6245888.046\t259583.210\t34 H\tS\n"},
    {{"--utm", "0", "0"}, "0.000\t166021.550\t31 N\tN\n"},
    {{"--latlong", "0", "500000", "5"}, "0.000000000\t-153.000000000\t0 0 0\t-153 0 0\n"},
};

TEST(GeoCommand, PrintsTabSeparatedFields) {
  for (const Good& g : kGood) {
    SCOPED_TRACE(g.args[0] + " " + g.args[1]);
    const ToolRun run = Convert(g.args);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, g.out);
    EXPECT_EQ(run.err, "");
  }
}

TEST(GeoCommand, LatLongGivesDecimalsAndDegreesMinutesSeconds) {
  const ToolRun north = Convert({"--latlong", "3734419.547", "694036.968", "16"});
  ASSERT_EQ(north.exitCode, 0) << north.err;
  const std::vector<std::string> n = TabFields(north.out);
  ASSERT_EQ(n.size(), 4u) << north.out;
  EXPECT_NEAR(std::strtod(n[0].c_str(), nullptr), 33.732075, 1e-6);
  EXPECT_NEAR(std::strtod(n[1].c_str(), nullptr), -84.90558, 1e-6);
  EXPECT_EQ(n[0].size() - n[0].find('.'), 10u) << "nine decimals: " << n[0];
  EXPECT_EQ(n[2], "33 43 55");
  EXPECT_EQ(n[3], "-84 54 20");

  // -0 15 7.5 in both: the degrees are 0, the sign must still show.
  const ToolRun south = Convert({"--latlong", "--south", "9972104.928", "805889.396", "30"});
  ASSERT_EQ(south.exitCode, 0) << south.err;
  const std::vector<std::string> s = TabFields(south.out);
  ASSERT_EQ(s.size(), 4u) << south.out;
  EXPECT_NEAR(std::strtod(s[0].c_str(), nullptr), -0.2520833, 1e-6);
  EXPECT_NEAR(std::strtod(s[1].c_str(), nullptr), -0.2520833, 1e-6);
  EXPECT_EQ(s[2], "-0 15 7");
  EXPECT_EQ(s[3], "-0 15 7");
}

TEST(GeoCommand, OtherEllipsoidsChangeTheResult) {
  const ToolRun byName = Convert({"--utm", "52", "13", "--ellipsoid", "Bessel 1841"});
  const ToolRun byIndex = Convert({"--utm", "52", "13", "--ellipsoid", "9"});
  const ToolRun wgs = Convert({"--utm", "52", "13"});
  EXPECT_EQ(byName.exitCode, 0);
  EXPECT_EQ(byName.out, byIndex.out);
  EXPECT_NE(byName.out, wgs.out);
}

TEST(GeoCommand, ListsEllipsoids) {
  const ToolRun run = Convert({"--ellipsoids"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out.rfind("0\tNAD83/WGS84\n1\tGRS 80\n", 0), 0u) << run.out;
  EXPECT_NE(run.out.find("\n6\tClake 1880\n"), std::string::npos);
  EXPECT_NE(run.out.find("\n10\tEverest 1830\n"), std::string::npos);
}

struct Bad {
  std::vector<std::string> args;
  std::string message;  // part of the one-line error
};

const Bad kBad[] = {
    {{"--utm", "33,7", "-84.9"}, "latitude '33,7' is not a number"},
    {{"--utm", "33.7", "-84.9x"}, "longitude '-84.9x' is not a number"},
    {{"--utm", "", "1"}, "latitude '' is not a number"},
    {{"--utm", "nan", "1"}, "not a finite number"},
    {{"--utm", "1e999", "1"}, "not a finite number"},
    {{"--utm", "33.7"}, "--utm needs LAT and LON"},
    {{"--utm", "1", "2", "3"}, "--utm needs LAT and LON"},
    {{"--utm", "1", "2", "--south"}, "unknown option '--south'"},
    {{"--utm", "1", "2", "--ellipsoid"}, "--ellipsoid needs"},
    {{"--utm", "1", "2", "--ellipsoid", "11"}, "out of range (0 to 10)"},
    {{"--utm", "1", "2", "--ellipsoid", "-1"}, "out of range"},
    {{"--utm", "1", "2", "--ellipsoid", "grs 80"}, "'GRS 80'"},  // exact names, listed
    {{"--latlong", "1", "2"}, "--latlong needs"},
    {{"--latlong", "1", "2", "16S"}, "zone '16S' is not a whole number"},
    {{"--latlong", "1", "2", "16.5"}, "zone '16.5' is not a whole number"},
    {{"--latlong", "1", "2", "99999999999"}, "out of range"},
    {{"--latlong", "1.2.3", "2", "16"}, "northing '1.2.3'"},
    {{"--latlong", "1", "0x", "16"}, "easting '0x'"},
    {{"--ellipsoids", "extra"}, "takes no arguments"},
};

TEST(GeoCommand, MalformedInputIsAUsageError) {
  for (const Bad& b : kBad) {
    SCOPED_TRACE(b.message);
    const ToolRun run = Convert(b.args);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find(b.message), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "one line: " << run.err;
  }
}

TEST(GeoCommand, NoFiniteResultIsAConversionError) {
  const ToolRun run = Convert({"--latlong", "1e308", "1e308", "16"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, "");
}

}  // namespace
}  // namespace vantrel
