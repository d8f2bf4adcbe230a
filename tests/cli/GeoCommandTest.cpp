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
    {{"--latlong", "0", "0", "1"},
     "0.000000000\t178.511256103\t0 0 0\t178 30 40\n"},  // not -181.49
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
                                Arguments{"--latlong", "10000000", "1000000", "60", "--south"},
                                Arguments{"--latlong", "0", "0", "1"}})
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

// One point written in every way people write it gives the bytes of the
// plain numbers, for each command that reads a position; the same for a map
// position and an MGRS reference.
TEST(GeoCommandTest, WrittenFormsGiveTheSameResult) {
  // 33 43 30 N, 84 54 36 W: exact in decimals and in decimal minutes.
  const std::vector<std::string> latLong = {
      "33.725 -84.91",
      "33.725,-84.91",
      "33.725, \xe2\x88\x92"
      "84.91",  // minus sign
      "33.725N 84.91W",
      "N33.725 W84.91",
      "33.725\xc2\xb0 N, 84.91\xc2\xb0 W",
      "33\xc2\xb0"
      "43.5'N 84\xc2\xb0"
      "54.6'W",
      "N 33\xc2\xb0 43.5 W 084\xc2\xb0 54.6",
      "33 43.5 N, 84 54.6 W",
      "33\xc2\xb0"
      "43'30\"N 84\xc2\xb0"
      "54'36\"W",
      "33\xc2\xba"
      "43'30''N 84\xc2\xba"
      "54'36''W",  // ordinal for degrees, '' for seconds
      "84\xc2\xb0"
      "54\xe2\x80\xb2"
      "36\xe2\x80\xb3W 33\xc2\xb0"
      "43\xe2\x80\xb2"
      "30\xe2\x80\xb3N",
      "33 43 30 N 84 54 36 W",
      "N 33 43 30 W 84 54 36",
      "33 43 30 -84 54 36",
      "+33 43 30, -84 54 36",
      "  33.725\t-84.91  ",
  };
  const std::vector<std::string> map = {
      "16S 694037 3734420",     "16 S 694037 3734420",      "16s 694037, 3734420",
      "16S 694037mE 3734420mN", "16S 694037 mE 3734420 mN",
  };
  const std::vector<std::string> mgrs = {"16SFC9403734420", "16S FC 94037 34420", "16sfc9403734420",
                                         "16S FC9403734420"};
  struct Group {
    Arguments command;  // the position goes after the first argument
    Arguments plain;    // the same point as plain numbers
    const std::vector<std::string>& texts;
  };
  const Group groups[] = {
      {{"--utm"}, {"33.725", "-84.91"}, latLong},
      {{"--utm", "--exact"}, {"33.725", "-84.91"}, latLong},
      {{"--mgrs"}, {"33.725", "-84.91"}, latLong},
      {{"--mgrs", "--precision", "2"}, {"33.725", "-84.91"}, latLong},
      {{"--latlong"}, {"3734420", "694037", "16"}, map},
      {{"--latlong", "--exact"}, {"3734420", "694037", "16"}, map},
      {{"--latlong"}, {"16SFC9403734420"}, mgrs},
  };
  for (const Group& group : groups) {
    Arguments plain = group.command;
    plain.insert(plain.begin() + 1, group.plain.begin(), group.plain.end());
    const Outcome expected = RunCli(plain);
    ASSERT_EQ(expected.code, 0) << plain[1] << ": " << expected.err;
    for (const std::string& text : group.texts) {
      Arguments args = group.command;
      args.insert(args.begin() + 1, text);
      const Outcome run = RunCli(args);
      EXPECT_EQ(run.out, expected.out) << group.command[0] << " '" << text << "': " << run.err;
    }
  }
}

// Without --exact the classic series of the coordinate dialog, as before;
// the exact projection only when asked, by either option.
TEST(GeoCommandTest, ClassicUnlessExactIsAsked) {
  // 4 degrees off the central meridian of Norway's zone 32, where the two
  // differ by a decimetre.
  for (const Arguments& point :
       {Arguments{"--utm", "60", "5"}, Arguments{"--latlong", "6658157.206", "276979.815", "32"}}) {
    const auto run = [&](Arguments more) {
      more.insert(more.begin(), point.begin(), point.end());
      return RunCli(more).out;
    };
    EXPECT_EQ(run({"--method", "classic"}), run({}));
    EXPECT_EQ(run({"--method=exact"}), run({"--exact"}));
    EXPECT_EQ(run({"--exact", "--method", "exact"}), run({"--exact"}));
    EXPECT_NE(run({"--exact"}), run({}));
  }
  EXPECT_EQ(RunCli({"--utm", "60", "5"}).out, "6658157.206\t276979.815\t32 V\tN\n");
  EXPECT_EQ(RunCli({"--utm", "60", "5", "--exact"}).out, "6658157.202\t276979.926\t32 V\tN\n");
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
      {{"--utm", "33.7"}, 2, "give both latitude and longitude"},  // one written position
      {{"--utm", "1", "2", "3"}, 2, "--utm needs LAT and LON"},
      {{"--utm", "1", "2", "--south"}, 2, "unknown option '--south'"},
      {{"--utm", "1", "2", "--ellipsoid"}, 2, "--ellipsoid needs"},
      {{"--utm", "1", "2", "--ellipsoid", "11"}, 2, "out of range (0 to 10)"},
      {{"--utm", "1", "2", "--ellipsoid", "-1"},
       2,
       "unknown ellipsoid '-1'; give an index 0 to 10"},
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
      // In range, but no point of UTM's has the answer; the same for both methods.
      {{"--latlong", "10000000", "1000000", "60"}, 1, "beyond the north pole"},
      {{"--latlong", "0", "500000", "31", "--south", "--exact"}, 1, "beyond the south pole"},
      {{"--latlong", "9900000", "0", "31"}, 1, "latitude 85.4411, outside the latitudes UTM"},
      {{"--latlong", "31N 160000 9900000"}, 1, "latitude 86.8323, outside band N"},
      {{"--latlong", "8900000", "200000", "31"}, 1, "15.36 degrees from the central meridian of"},
      {{"--utm", "0", "12", "--zone", "31", "--exact"}, 1, "easting would be 1505646.900"},
      {{"--utm", "62", "11", "--zone", "31"}, 1, "3.0 m off here, 8.00 degrees from the central"},
  };
  for (const ErrorCase& c : cases) ExpectOneLineError(c);
}

// Written positions and the options of the coordinate lines: what cannot be
// read, or reads more than one way, is a usage error; what reads but lies
// outside what the command covers a conversion error.
TEST(GeoCommandTest, RefusesPositionsOnOneLineWithTheExitCode) {
  const ErrorCase cases[] = {
      {{"--utm", ""}, 2, "no coordinates given"},
      {{"--utm", "33 43 84 54"}, 2, "can be read more than one way"},
      {{"--utm", "33.5N 10.5N"}, 2, "both coordinates are marked as latitudes"},
      {{"--utm", "-33.5S 10E"}, 2, "a sign or a hemisphere letter, not both"},
      {{"--utm", "33,7,1"}, 2, "more than one comma"},
      {{"--utm", "33x 84"}, 2, "cannot read 'x'"},
      {{"--utm", "33\n84"}, 2, "cannot read '\\x0A'"},  // one line even so
      {{"--mgrs", "33.5.5 84"}, 2, "cannot read"},
      {{"--utm", "33 61 N 84 W"}, 1, "minutes must be below 60"},
      {{"--utm", "95N 10E"}, 1, "latitude must be between -90 and 90"},
      {{"--utm", "85N 10E"}, 1, "latitude 85 is outside -80 to 84"},
      {{"--utm", "-80.000000001 10"}, 1, "latitude -80.000000001 is outside"},
      {{"--mgrs", "10 190"}, 1, "longitude must be between -180 and 180"},
      {{"--mgrs", "84", "0"}, 1, "polar regions (UPS) are not supported"},
      {{"--latlong", "16S 694037"}, 2, "give the easting and northing"},
      {{"--latlong", "16 694037 3734420"}, 2, "band letter"},
      {{"--latlong", "16I 694037 3734420"}, 2, "'I' is no latitude band"},
      {{"--latlong", "16S -694037 3734420"}, 2, "give the easting and northing"},
      {{"--latlong", "16S 694037 3734420 9"}, 2, "cannot read '9' after the northing"},
      {{"--latlong", "61S 694037 3734420"}, 1, "zone must be between 1 and 60"},
      {{"--latlong", "16Z 694037 3734420"}, 1, "polar (UPS)"},
      {{"--latlong", "16S 1000001 3734420"}, 1, "easting must be between 0 and 1000000"},
      {{"--latlong", "16N 694037 3734420"},
       1,
       "the letter is the latitude band, not the hemisphere"},
      {{"--latlong", "16SFC940363441"}, 2, "the same number of digits"},
      {{"--latlong", "16SFC 94036"}, 2, "the same number of digits"},
      {{"--latlong", "16SFC9403634419x"}, 2, "cannot read 'x'"},
      {{"--latlong", "16SFZ9403634419"}, 1, "row letter Z is not used"},
      {{"--latlong", "16SSC9403634419"}, 1, "column letter S is not used in zone 16"},
      {{"--latlong", "32XNM1234512345"}, 1, "zone 32 has no band X"},
      {{"--latlong", "16YFC9403634419"}, 1, "polar"},
      // The band or the reference says it all: options that would change it
      // are refused, not ignored.
      {{"--latlong", "16S 694037 3734420", "--south"}, 2, "--south goes with NORTHING"},
      {{"--latlong", "16SFC9403634419", "--ellipsoid", "3"}, 2, "MGRS reference is on WGS84"},
      {{"--latlong", "16SFC9403634419", "--method", "classic"}, 2, "leave out --method classic"},
      // The options' own values, and where they belong.
      {{"--utm", "1", "2", "--exact", "--method", "classic"}, 2, "choose one"},
      {{"--latlong", "1", "2", "3", "--method=classic", "--exact"}, 2, "choose one"},
      {{"--utm", "1", "2", "--method", "fast"}, 2, "--method must be exact or classic, not 'fast'"},
      {{"--utm", "1", "2", "--method"}, 2, "--method needs exact or classic"},
      {{"--utm", "1", "2", "--zone", "61"}, 2, "--zone must be a zone from 1 to 60, not '61'"},
      {{"--utm", "1", "2", "--zone", "+5"}, 2, "--zone must be a zone from 1 to 60"},
      {{"--utm", "1", "2", "--zone", "1"}, 1, "179.00 degrees from the central meridian of zone 1"},
      {{"--utm", "1", "-167.99", "--zone", "1"}, 1, "9.01 degrees"},
      {{"--latlong", "1", "2", "3", "--zone", "3"}, 2, "unknown option '--zone' for --latlong"},
      {{"--mgrs", "1", "2", "--precision", "6"},
       2,
       "--precision must be a number from 0 to 5, not '6'"},
      {{"--mgrs", "1", "2", "--exact"}, 2, "unknown option '--exact' for --mgrs"},
      {{"--mgrs", "1", "2", "--ellipsoid", "0"}, 2, "unknown option '--ellipsoid' for --mgrs"},
      {{"--utm", "1", "2", "--precision", "3"}, 2, "unknown option '--precision' for --utm"},
      {{"--mgrs"}, 2, "--mgrs needs LAT and LON, or one written position"},
      {{"--mgrs", "1", "2", "3"}, 2, "--mgrs needs"},
      {{"--latlong", "16S", "694037"}, 2, "--latlong needs NORTHING, EASTING and ZONE, or one"},
      {{"--latlong", "16S", "694037", "3734420", "1"}, 2, "--latlong needs"},
  };
  for (const ErrorCase& c : cases) ExpectOneLineError(c);
}

}  // namespace
}  // namespace vantrel::cli
