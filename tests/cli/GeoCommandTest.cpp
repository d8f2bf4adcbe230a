// vantrel-convert's coordinate commands, run in process.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CliRun.h"
#include "platform/NumberText.h"
#include "support/TabFields.h"

namespace vantrel::cli {
namespace {

using testing::TabFields;

struct Good {
  Arguments args;
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

TEST(GeoCommandTest, PrintsTabSeparatedFields) {
  for (const Good& g : kGood) {
    SCOPED_TRACE(g.args[0] + " " + g.args[1]);
    const Outcome run = RunCli(g.args);
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, g.out);
    EXPECT_EQ(run.err, "");
  }
  // The edges themselves are in range.
  for (const Arguments& args : {Arguments{"--utm", "84", "-180"}, Arguments{"--utm", "-80", "180"},
                                Arguments{"--latlong", "10000000", "1000000", "60"},
                                Arguments{"--latlong", "0", "0", "1", "--south"}})
    EXPECT_EQ(RunCli(args).code, 0) << args[1];
}

TEST(GeoCommandTest, LatLongGivesDecimalsAndDegreesMinutesSeconds) {
  const Outcome north = RunCli({"--latlong", "3734419.547", "694036.968", "16"});
  const std::vector<std::string> n = TabFields(north.out);
  ASSERT_EQ(n.size(), 4u) << north.out << north.err;
  EXPECT_NEAR(ParseDouble(n[0].c_str()), 33.732075, 1e-6);
  EXPECT_NEAR(ParseDouble(n[1].c_str()), -84.90558, 1e-6);
  EXPECT_EQ(n[0].size() - n[0].find('.'), 10u) << "nine decimals: " << n[0];
  EXPECT_EQ(n[2], "33 43 55");
  EXPECT_EQ(n[3], "-84 54 20");

  // -0 15 7.5 in both: the degrees are 0, the sign must still show.
  const Outcome south = RunCli({"--latlong", "--south", "9972104.928", "805889.396", "30"});
  const std::vector<std::string> s = TabFields(south.out);
  ASSERT_EQ(s.size(), 4u) << south.out << south.err;
  EXPECT_NEAR(ParseDouble(s[0].c_str()), -0.2520833, 1e-6);
  EXPECT_NEAR(ParseDouble(s[1].c_str()), -0.2520833, 1e-6);
  EXPECT_EQ(s[2], "-0 15 7");
  EXPECT_EQ(s[3], "-0 15 7");
}

TEST(GeoCommandTest, OtherEllipsoidsChangeTheResult) {
  const Outcome byName = RunCli({"--utm", "52", "13", "--ellipsoid", "Bessel 1841"});
  EXPECT_EQ(byName.code, 0);
  EXPECT_EQ(byName.out, RunCli({"--utm", "52", "13", "--ellipsoid", "9"}).out);
  EXPECT_NE(byName.out, RunCli({"--utm", "52", "13"}).out);
}

TEST(GeoCommandTest, ListsEllipsoids) {
  const Outcome run = RunCli({"--ellipsoids"});
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(run.out.rfind("0\tNAD83/WGS84\n1\tGRS 80\n", 0), 0u) << run.out;
  EXPECT_NE(run.out.find("\n6\tClake 1880\n"), std::string::npos);
  EXPECT_NE(run.out.find("\n10\tEverest 1830\n"), std::string::npos);
}

// Malformed input is a usage error; what UTM does not cover, or what has no
// finite result, a conversion error.
TEST(GeoCommandTest, RefusesOnOneLineWithTheExitCode) {
  const ErrorCase cases[] = {
      {{"--utm", "33,7", "-84.9"}, 2, "latitude '33,7' is not a number"},
      {{"--utm", "33.7", "-84.9x"}, 2, "longitude '-84.9x' is not a number"},
      {{"--utm", "", "1"}, 2, "latitude '' is not a number"},
      {{"--utm", "nan", "1"}, 2, "not a finite number"},
      {{"--utm", "1e999", "1"}, 2, "not a finite number"},
      {{"--utm", "33.7"}, 2, "--utm needs LAT and LON"},
      {{"--utm", "1", "2", "3"}, 2, "--utm needs LAT and LON"},
      {{"--utm", "1", "2", "--south"}, 2, "unknown option '--south'"},
      {{"--utm", "1", "2", "--ellipsoid"}, 2, "--ellipsoid needs"},
      {{"--utm", "1", "2", "--ellipsoid", "11"}, 2, "out of range (0 to 10)"},
      {{"--utm", "1", "2", "--ellipsoid", "-1"}, 2, "out of range"},
      {{"--utm", "1", "2", "--ellipsoid", "grs 80"}, 2, "'GRS 80'"},  // exact names, listed
      {{"--latlong", "1", "2"}, 2, "--latlong needs"},
      {{"--latlong", "1", "2", "16S"}, 2, "zone '16S' is not a whole number"},
      {{"--latlong", "1", "2", "16.5"}, 2, "zone '16.5' is not a whole number"},
      {{"--latlong", "1", "2", "99999999999"}, 2, "out of range"},
      {{"--latlong", "1.2.3", "2", "16"}, 2, "northing '1.2.3'"},
      {{"--latlong", "1", "0x", "16"}, 2, "easting '0x'"},
      {{"--ellipsoids", "extra"}, 2, "takes no arguments"},
      {{"--latlong", "0", "500000", "2147483647"}, 1, "zone '2147483647' is outside 1 to 60"},
      {{"--latlong", "0", "500000", "0"}, 1, "zone '0' is outside 1 to 60"},
      {{"--latlong", "-1", "500000", "5"}, 1, "northing '-1' is outside 0 to 10000000"},
      {{"--latlong", "10000000.5", "500000", "5"}, 1, "northing '10000000.5' is outside"},
      {{"--latlong", "1e308", "1e308", "16"}, 1, "northing '1e308' is outside"},
      {{"--latlong", "0", "1000001", "5", "--south"},
       1,
       "easting '1000001' is outside 0 to 1000000"},
      {{"--utm", "84.0001", "0"}, 1, "latitude '84.0001' is outside -80 to 84"},
      {{"--utm", "-80.5", "0"}, 1, "latitude '-80.5' is outside -80 to 84"},
      {{"--utm", "0", "-190"}, 1, "longitude '-190' is outside -180 to 180"},
      {{"--utm", "0", "180.01"}, 1, "longitude '180.01' is outside -180 to 180"},
  };
  for (const ErrorCase& c : cases) ExpectOneLineError(c);
}

}  // namespace
}  // namespace vantrel::cli
