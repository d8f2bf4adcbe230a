#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ReferenceTable.h"
#include "Refusals.h"
#include "geo/Mgrs.h"
#include "geo/UtmExact.h"

namespace vantrel {
namespace {

struct Reference {
  double latitude, longitude;
  int digits;
  std::string text;
};

std::vector<Reference> References() {
  std::vector<Reference> out;
  for (const auto& row : testing::ReferenceRows("mgrs-reference.txt")) {
    out.push_back({std::stod(row.at(0)), std::stod(row.at(1)), std::stoi(row.at(2)), row.at(3)});
  }
  return out;
}

TEST(Mgrs, AgreesWithTheReferenceTable) {
  const std::vector<Reference> references = References();
  EXPECT_GE(references.size(), 500u);
  for (const Reference& r : references) {
    const GeoResult<std::string> written = LatLongToMgrs(r.latitude, r.longitude, r.digits);
    EXPECT_EQ(written.value, r.text) << r.latitude << " " << r.longitude << " " << written.message;
  }
}

TEST(Mgrs, ReadsBackTheSquareThatHoldsThePoint) {
  for (const Reference& r : References()) {
    SCOPED_TRACE(r.text);
    const GeoResult<MgrsSquare> read = ReadMgrs(r.text);
    ASSERT_TRUE(read.ok()) << read.message;
    const MgrsSquare& s = read.value;
    EXPECT_EQ(s.digits, r.digits);
    const UTMResult point =
        LatLongToUTMExactInZone(r.latitude, r.longitude, s.zone, MgrsEllipsoid());
    EXPECT_EQ(point.zoneLetter, s.band);
    EXPECT_EQ(point.southern, s.southern);
    EXPECT_TRUE(point.easting >= s.easting && point.easting < s.easting + s.size);
    EXPECT_TRUE(point.northing >= s.northing && point.northing < s.northing + s.size);
    const UTMResult centre =
        LatLongToUTMExactInZone(s.centre.latitude, s.centre.longitude, s.zone, MgrsEllipsoid());
    EXPECT_NEAR(centre.easting, s.easting + s.size / 2, 1e-6);
    EXPECT_NEAR(centre.northing, s.northing + s.size / 2, 1e-6);
    EXPECT_TRUE(s.centre.longitude >= -180 && s.centre.longitude < 180) << s.centre.longitude;
  }
}

TEST(Mgrs, ReadsBlanksAndSmallLetters) {
  for (const char* text : {"16S FC 94036 34419", "16sfc9403634419", " 16S FC 9403634419 "}) {
    SCOPED_TRACE(text);
    const GeoResult<MgrsSquare> read = ReadMgrs(text);
    ASSERT_TRUE(read.ok()) << read.message;
    EXPECT_EQ(read.value.easting, 694036);
    EXPECT_EQ(read.value.northing, 3734419);
    EXPECT_EQ(read.value.size, 1);
  }
  const GeoResult<MgrsSquare> square = ReadMgrs("16SFC");
  ASSERT_TRUE(square.ok());
  EXPECT_EQ(square.value.easting, 600000);
  EXPECT_EQ(square.value.northing, 3700000);
  EXPECT_EQ(square.value.size, 100000);
}

const testing::Refusal kRefused[] = {
    {"", GeoError::kMalformed, "starts with its zone"},
    {"SFC9403634419", GeoError::kMalformed, "starts with its zone"},
    {"16", GeoError::kMalformed, "needs its latitude band letter"},
    {"16S9403634419", GeoError::kMalformed, "two letters of the 100 km square"},
    {"16SF", GeoError::kMalformed, "two letters of the 100 km square"},
    {"16SFC940363441", GeoError::kMalformed, "same number of digits"},
    {"16SFC 9403 634419", GeoError::kMalformed, "same number of digits"},
    {"16SFC940363441912", GeoError::kMalformed, "same number of digits"},
    {"16SFC94036 34419 1", GeoError::kMalformed, "cannot read '1'"},
    {"16SFC94036-34419", GeoError::kMalformed, "cannot read '-34419'"},
    {"16IFC9403634419", GeoError::kMalformed, "'I' is no latitude band"},
    {"61SFC9403634419", GeoError::kOutOfRange, "zone must be between 1 and 60"},
    {"16ZFC9403634419", GeoError::kOutOfRange, "polar MGRS references"},
    {"32XNH", GeoError::kOutOfRange, "zone 32 has no band X"},
    {"16SSC", GeoError::kOutOfRange, "column letter S is not used in zone 16 (A to H are)"},
    {"16SFW", GeoError::kOutOfRange, "row letter W is not used"},
    {"16SFL", GeoError::kOutOfRange, "the point of this reference lies at latitude 41.0874, outsi"},
};

TEST(Mgrs, RefusesWithOneLineReasons) { testing::ExpectRefusals(kRefused, ReadMgrs); }

TEST(Mgrs, RefusesPolarPointsAndOtherPrecisions) {
  for (const auto& [latitude, longitude, digits] : {std::tuple{84.0, 0.0, 5},
                                                    {-80.000001, 0.0, 5},
                                                    {0.0, 180.5, 5},
                                                    {0.0, 0.0, 6},
                                                    {0.0, 0.0, -1}}) {
    const GeoResult<std::string> r = LatLongToMgrs(latitude, longitude, digits);
    EXPECT_EQ(r.error, GeoError::kOutOfRange) << latitude << " " << longitude << " " << digits;
  }
  EXPECT_EQ(LatLongToMgrs(-80, 0).value.substr(0, 3), "31C");
  EXPECT_EQ(LatLongToMgrs(33.732075, -84.90558, 0).value, "16SFC");
}

}  // namespace
}  // namespace vantrel
