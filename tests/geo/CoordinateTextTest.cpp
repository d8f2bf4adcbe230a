#include <gtest/gtest.h>

#include <string>

#include "Refusals.h"
#include "geo/CoordinateText.h"

namespace vantrel {
namespace {

using testing::Refusal;

struct Written {
  const char* text;
  double latitude, longitude;
};

// 33°43'30"N 84°54'18"W is 33.725 -84.905; 33°54'S 18°24'E is -33.9 18.4.
const Written kWritten[] = {
    {"33.725 -84.905", 33.725, -84.905},
    {"33.725,-84.905", 33.725, -84.905},
    {"+33.725, -84.905", 33.725, -84.905},
    {"33.725N 84.905W", 33.725, -84.905},
    {"N33.725 W84.905", 33.725, -84.905},
    {"33.725° N, 84.905° W", 33.725, -84.905},
    {"33.725n 84.905w", 33.725, -84.905},
    {"N 33° 43.5' W 84° 54.3'", 33.725, -84.905},
    {"N 33° 43.500 W 084° 54.300", 33.725, -84.905},
    {"33°43.5'N 84°54.3'W", 33.725, -84.905},
    {"33 43.5 N 84 54.3 W", 33.725, -84.905},
    {"33°43'30\"N 84°54'18\"W", 33.725, -84.905},
    {"33°43′30″N 84°54′18″W", 33.725, -84.905},
    {"33º43'30''N 84º54'18''W", 33.725, -84.905},
    {"33° 43′ 30″ N,\u00a084° 54′ 18″ W", 33.725, -84.905},
    {"33 43 30 N 84 54 18 W", 33.725, -84.905},
    {"33 43 30 -84 54 18", 33.725, -84.905},
    {"33 43 30, −84 54 18", 33.725, -84.905},
    {"84°54'18\"W 33°43'30\"N", 33.725, -84.905},
    {"W 84 54 18, N 33 43 30", 33.725, -84.905},
    {"84.905 W, 33.725", 33.725, -84.905},
    {"-33.9 18.4", -33.9, 18.4},
    {"S 33 54 E 18 24", -33.9, 18.4},
    {"33°54′S 18°24′E", -33.9, 18.4},
    {"-33 54, 18 24", -33.9, 18.4},
    {"-0 30, 0 30", -0.5, 0.5},  // the sign of a zero degree counts
    {"90 S 180 W", -90, -180},
    {"33d43m30sN 84d54m18sW", 33.725, -84.905},
    {"33d43m30s; -84d54m18s", 33.725, -84.905},
    {"33:43:30N 84:54:18W", 33.725, -84.905},
    {"33.725N -84.905", 33.725, -84.905},  // -84.905 cannot take the N: one reading
    {"33d54mS 18d24mE", -33.9, 18.4},
};

TEST(ParseLatLongText, WrittenFormsOfTheSamePoints) {
  for (const Written& w : kWritten) {
    SCOPED_TRACE(w.text);
    const GeoResult<LatLong> r = ParseLatLongText(w.text);
    ASSERT_TRUE(r.ok()) << r.message;
    EXPECT_NEAR(r.value.latitude, w.latitude, 1e-12);
    EXPECT_NEAR(r.value.longitude, w.longitude, 1e-12);
  }
}

const Refusal kRefused[] = {
    {"", GeoError::kMalformed, "no coordinates given"},
    {"   ", GeoError::kMalformed, "no coordinates given"},
    {"33.725", GeoError::kMalformed, "give both latitude and longitude"},
    {"33.725,", GeoError::kMalformed, "give both latitude and longitude"},
    {"33 43 84 54", GeoError::kMalformed, "more than one way (33 | 43 84 54; 33 43 | 84 54;"},
    {"33 43 55 84 54", GeoError::kMalformed, "more than one way"},
    {"33 43 N 84 54", GeoError::kMalformed, "more than one way"},
    {"33.725 x -84.905", GeoError::kMalformed, "cannot read 'x'"},
    {"33.725 ✓ -84.905", GeoError::kMalformed, "cannot read '✓'"},
    {"33.725 \xff -84.905", GeoError::kMalformed, "cannot read '\\xFF'"},
    {"33 N", GeoError::kMalformed, "give both latitude and longitude"},
    {"33.7.2 84", GeoError::kMalformed, "cannot read the number"},
    {"33°° 84", GeoError::kMalformed, "the mark ° must follow a number"},
    {"° 33 84", GeoError::kMalformed, "must follow a number"},
    {"33 - 84", GeoError::kMalformed, "a sign must stand right before a number"},
    {"33.5 43, 84", GeoError::kMalformed, "only the last number of a coordinate may have decimals"},
    {"33 -43, 84", GeoError::kMalformed, "only the degrees may carry a sign"},
    {"33' 84", GeoError::kMalformed, "out of the order degrees, minutes, seconds"},
    {"33 43 30 12 N, 84 W", GeoError::kMalformed, "more than three numbers"},
    {"1 2 3 4 5 6 7", GeoError::kMalformed, "more than six numbers"},
    {"N 33 N 84 W", GeoError::kMalformed, "more than two hemisphere letters"},
    {"N 33 S, 84", GeoError::kMalformed, "two hemisphere letters"},
    {"33 N 84 N", GeoError::kMalformed, "both coordinates are marked as latitudes"},
    {"33 E 84 W", GeoError::kMalformed, "both coordinates are marked as longitudes"},
    {"-33.9 S, 18.4 E", GeoError::kMalformed, "a sign or a hemisphere letter, not both"},
    {"33,5, 18,4", GeoError::kMalformed, "more than one comma"},
    {"33: N 84", GeoError::kMalformed, "a colon must stand between two numbers"},
    {"33:43:55:1, 84", GeoError::kMalformed, "more than three numbers"},
    {"33 65 N 84 W", GeoError::kOutOfRange, "minutes must be below 60"},
    {"33 43 60 N 84 W", GeoError::kOutOfRange, "seconds must be below 60"},
    {"95 N 84 W", GeoError::kOutOfRange, "latitude must be between -90 and 90"},
    {"-90.000001 0", GeoError::kOutOfRange, "latitude must be between -90 and 90"},
    {"33 N 180 1 W", GeoError::kOutOfRange, "longitude must be between -180 and 180"},
};

TEST(ParseLatLongText, RefusesWithOneLineReasons) {
  testing::ExpectRefusals(kRefused, ParseLatLongText);
}

struct MapForm {
  const char* text;
  int zone;
  char band;
  int southern;
  double easting, northing;
};

const MapForm kMapForms[] = {
    {"16S 694037 3734420", 16, 'S', 0, 694037, 3734420},
    {"  16 S 694037mE 3734420mN ", 16, 'S', 0, 694037, 3734420},
    {"16s 694037.5, 3734420.25", 16, 'S', 0, 694037.5, 3734420.25},
    {"34H 259583 6245888", 34, 'H', 1, 259583, 6245888},
    {"1M 500000 9999999", 1, 'M', 1, 500000, 9999999},
    {"60N 500000 0", 60, 'N', 0, 500000, 0},
    {"56 H 334000E 6267000N", 56, 'H', 1, 334000, 6267000},
    {"56H 6267000N 334000 e", 56, 'H', 1, 334000, 6267000},
};

TEST(ParseUtmText, MapForms) {
  for (const MapForm& m : kMapForms) {
    SCOPED_TRACE(m.text);
    const GeoResult<UtmText> r = ParseUtmText(m.text);
    ASSERT_TRUE(r.ok()) << r.message;
    EXPECT_EQ(r.value.zone, m.zone);
    EXPECT_EQ(r.value.band, m.band);
    EXPECT_EQ(r.value.southern, m.southern);
    EXPECT_EQ(r.value.easting, m.easting);
    EXPECT_EQ(r.value.northing, m.northing);
  }
}

const Refusal kBadMapForms[] = {
    {"", GeoError::kMalformed, "starts with its zone"},
    {"S 694037 3734420", GeoError::kMalformed, "starts with its zone"},
    {"16 694037 3734420", GeoError::kMalformed, "needs its latitude band letter"},
    {"16I 694037 3734420", GeoError::kMalformed, "'I' is no latitude band"},
    {"16S 694037", GeoError::kMalformed, "give the easting and northing"},
    {"16S -694037 3734420", GeoError::kMalformed, "give the easting and northing"},
    {"16S 694037 3734420 12", GeoError::kMalformed, "cannot read '12' after the northing"},
    {"16S 694037 3734420.1.2", GeoError::kMalformed, "give the easting and northing"},
    {"16S 694037E 3734420mE", GeoError::kMalformed, "both numbers are marked E"},
    {"61S 694037 3734420", GeoError::kOutOfRange, "zone must be between 1 and 60"},
    {"0S 694037 3734420", GeoError::kOutOfRange, "zone must be between 1 and 60"},
    {"16Z 694037 3734420", GeoError::kOutOfRange, "polar (UPS)"},
    {"16S 1694037 3734420", GeoError::kOutOfRange, "easting must be between 0 and 1000000"},
    {"16S 694037 13734420", GeoError::kOutOfRange, "northing must be between 0 and 10000000"},
};

TEST(ParseUtmText, RefusesWithOneLineReasons) {
  testing::ExpectRefusals(kBadMapForms, ParseUtmText);
}

TEST(UtmTextToLatLong, ThePointMustLieInItsBand) {
  for (UtmMethod method : {UtmMethod::kClassic, UtmMethod::kExact}) {
    const GeoResult<LatLong> atlanta =
        UtmTextToLatLong(ParseUtmText("16S 694037 3734420").value, Ellipsoids()[0], method);
    ASSERT_TRUE(atlanta.ok()) << atlanta.message;
    EXPECT_NEAR(atlanta.value.latitude, 33.7321, 1e-4);
    EXPECT_NEAR(atlanta.value.longitude, -84.9056, 1e-4);
    EXPECT_TRUE(
        UtmTextToLatLong(ParseUtmText("34H 259583 6245888").value, Ellipsoids()[0], method).ok());
    // S written for the southern hemisphere: band S is 32 to 40 north.
    const GeoResult<LatLong> capeTown =
        UtmTextToLatLong(ParseUtmText("34S 259583 6245888").value, Ellipsoids()[0], method);
    EXPECT_EQ(capeTown.error, GeoError::kOutOfRange);
    EXPECT_NE(capeTown.message.find("outside band S (32 to 40)"), std::string::npos);
  }
  // The top band reaches 84, the bottom one -80; figures rounded to the
  // metre from those edges still count as inside.
  for (const char* edge : {"31X 465005 9329005", "1C 451550 1117373"}) {
    SCOPED_TRACE(edge);
    EXPECT_TRUE(UtmTextToLatLong(ParseUtmText(edge).value, Ellipsoids()[0], UtmMethod::kExact));
  }
}

}  // namespace
}  // namespace vantrel
