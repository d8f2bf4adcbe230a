#include <gtest/gtest.h>

#include "settings/Preferences.h"
#include "settings/SettingsKeys.h"
#include "support/TempDir.h"

namespace vantrel {
namespace {

using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

TEST(Preferences, AbsentFileGivesEveryDefault) {
  TempDir dir;
  const Profile profile(dir / "Mensura.ini");
  const Preferences p = ReadPreferences(profile);
  EXPECT_EQ(p.format, ResultMode::kAutomatic);
  EXPECT_EQ(p.precision, 5);
  EXPECT_EQ(p.showAbbreviation, 1);
  EXPECT_EQ(p.onTop, 1);
  EXPECT_EQ(p.rememberLast, 1);
  EXPECT_EQ(p.lastCategory, 0);
  const DialogFont font = ReadDialogFont(profile);
  EXPECT_EQ(font.customFont, 0);
  EXPECT_EQ(font.name, "Verdana");
  EXPECT_EQ(font.size, 8);
  EXPECT_FALSE(std::filesystem::exists(dir / "Mensura.ini")) << "reading never creates the file";
}

TEST(Preferences, RememberedSelectionOnlyWhenRememberLastIsOn) {
  TempDir dir;
  WriteBytes(dir / "Mensura.ini",
             "[Settings]\nLastCategory=7\nLastUnitTo=3\nLastUnitFrom=-1\nRememberLast=1\n");
  Profile profile(dir / "Mensura.ini");
  Preferences p = ReadPreferences(profile);
  EXPECT_EQ(p.lastCategory, 7);
  EXPECT_EQ(p.lastUnitTo, 3);
  EXPECT_EQ(p.lastUnitFrom, -1);
  profile.WriteInt("Settings", "RememberLast", 0);
  p = ReadPreferences(profile);
  EXPECT_EQ(p.rememberLast, 0);
  EXPECT_EQ(p.lastCategory, 0);
  EXPECT_EQ(p.lastUnitTo, 0);
  EXPECT_EQ(p.lastUnitFrom, 0);
}

TEST(Preferences, HandEditedValuesComeBackSafe) {
  TempDir dir;
  WriteBytes(dir / "Mensura.ini",
             "[settings]\nprecision=99\nformat=7\nCustomFont=1\nFontName=\nFontSize=5000\n");
  const Profile profile(dir / "Mensura.ini");
  const Preferences p = ReadPreferences(profile);
  EXPECT_EQ(p.precision, 8);
  EXPECT_EQ(p.format, ResultMode::kAutomatic);
  const DialogFont font = ReadDialogFont(profile, {0, "Sans", 10});
  EXPECT_EQ(font.customFont, 1);
  EXPECT_EQ(font.name, "Sans");
  EXPECT_EQ(font.size, 10);

  WriteBytes(dir / "Mensura.ini", "[Settings]\nPrecision=-3\n");
  EXPECT_EQ(ReadPreferences(profile).precision, 0);
}

// Each ranged key at both ends of its range and just past them.
TEST(Preferences, RangedKeysKeepTheirEnds) {
  struct Case {
    const char* stored;
    ResultMode format;
    int precision;
    int fontSize;
  };
  const Case cases[] = {
      {"Format=0\nPrecision=0\nFontSize=4\n", ResultMode::kAutomatic, 0, 4},
      {"Format=2\nPrecision=8\nFontSize=72\n", ResultMode::kFixed, 8, 72},
      {"Format=-1\nPrecision=-1\nFontSize=3\n", ResultMode::kAutomatic, 0, 10},
      {"Format=3\nPrecision=9\nFontSize=73\n", ResultMode::kAutomatic, 8, 10},
  };
  TempDir dir;
  const Profile profile(dir / "Mensura.ini");
  for (const Case& c : cases) {
    WriteBytes(dir / "Mensura.ini", std::string("[Settings]\nCustomFont=1\n") + c.stored);
    const Preferences p = ReadPreferences(profile);
    EXPECT_EQ(p.format, c.format) << c.stored;
    EXPECT_EQ(p.precision, c.precision) << c.stored;
    EXPECT_EQ(ReadDialogFont(profile, {0, "Sans", 10}).size, c.fontSize) << c.stored;
  }
}

TEST(Preferences, CustomFontOffKeepsThePresentFont) {
  TempDir dir;
  WriteBytes(dir / "Mensura.ini", "[Settings]\nCustomFont=0\nFontName=Courier\nFontSize=12\n");
  const DialogFont font = ReadDialogFont(Profile(dir / "Mensura.ini"), {1, "Arial", 9});
  EXPECT_EQ(font.customFont, 0);
  EXPECT_EQ(font.name, "Arial");
  EXPECT_EQ(font.size, 9);
}

TEST(Preferences, WritesKeepTheirOrder) {
  TempDir dir;
  Profile profile(dir / "Mensura.ini");
  WriteLastSelection(profile, 4, 2, 1);
  Preferences p;
  p.showAbbreviation = 0;
  p.onTop = 0;
  p.rememberLast = 1;
  WriteGeneralSettings(profile, p, {1, "DejaVu Sans", 11});
  WriteResultFormat(profile, ResultMode::kFixed, 8);
  EXPECT_EQ(ReadBytes(dir / "Mensura.ini"),
            "[Settings]\nLastCategory=4\nLastUnitTo=2\nLastUnitFrom=1\n"
            "ShowAbbreviation=0\nOnTop=0\nRememberLast=1\nCustomFont=1\n"
            "FontName=DejaVu Sans\nFontSize=11\nFormat=2\nPrecision=8\n");
}

TEST(Preferences, AutomaticFormatKeepsTheStoredPrecision) {
  TempDir dir;
  Profile profile(dir / "Mensura.ini");
  WriteResultFormat(profile, ResultMode::kScientific, 3);
  WriteResultFormat(profile, ResultMode::kAutomatic, 7);
  EXPECT_EQ(profile.GetInt("Settings", "Format", -1), 0);
  EXPECT_EQ(profile.GetInt("Settings", "Precision", -1), 3);
}

}  // namespace
}  // namespace vantrel
