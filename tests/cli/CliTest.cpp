// vantrel-convert run in process: what it prints, its exit codes, and that it
// reads the settings file without ever writing it.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>

#include "cli/Run.h"
#include "settings/SettingsLocation.h"
#include "support/TempDir.h"

namespace vantrel::cli {
namespace {

using vantrel::testing::ReadBytes;
using vantrel::testing::TempDir;
using vantrel::testing::WriteBytes;

struct Outcome {
  int code;
  std::string out;
  std::string err;
};

struct ErrorCase {
  Arguments args;
  int code;
  const char* message;  // a part of the one line on standard error
};

class CliTest : public ::testing::Test {
 protected:
  void ExpectOneLineError(const ErrorCase& c) {
    const Outcome outcome = RunWith(c.args);
    EXPECT_EQ(outcome.code, c.code) << outcome.err;
    EXPECT_EQ(outcome.out, "");
    EXPECT_NE(outcome.err.find(c.message), std::string::npos) << outcome.err;
    EXPECT_EQ(outcome.err.rfind("vantrel-convert: ", 0), 0u) << outcome.err;
    EXPECT_EQ(outcome.err.find('\n'), outcome.err.size() - 1) << outcome.err;
  }

  Outcome RunWith(const Arguments& args, const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int code = cli::Run(args, settings_, in, out, err);
    return {code, out.str(), err.str()};
  }

  TempDir dir_;
  std::filesystem::path settings_ = dir_ / "Mensura.ini";
};

struct LineCase {
  Arguments args;
  const char* out;
};

TEST_F(CliTest, PrintsWhatTheWindowShows) {
  const LineCase cases[] = {
      {{"100", "degree Celsius", "degree Fahrenheit"}, "212\n"},
      {{"100", "degree Celsius", "degree Fahrenheit", "--format", "fixed", "--precision", "8"},
       "212.00000000\n"},
      {{"--format=scientific", "--precision=0", "212", "°C", "°C"}, "2e+002\n"},
      {{"1", "yotta", "unity"}, "1e+024\n"},
      {{"5", "liter/100-kilometer", "kilometer/liter"}, "20\n"},
      {{"-1", "base-10 (decimal)", "base-16 (hexadecimal)"}, "ffffffff\n"},
      {{"ff", "base-16 (hexadecimal)", "base-10 (decimal)"}, "255\n"},
      // Abbreviations, and names without the trailing blank they are stored with.
      {{"1", "ft", "cm"}, "30.48\n"},
      {{"1", "gigabit/second (SI)", "megabit/second (SI)"}, "1000\n"},
      {{"1", "mN", "N"}, "0.001\n"},
      // "gr" is an abbreviation in Angle and Mass; "g" settles it.
      {{"1", "gr", "g"}, "0.06479891\n"},
      {{"1", "second", "minute", "--category", "Time"}, "0.016666667\n"},
      {{"1", "second", "minute", "--category", "angle"}, "0.016666667\n"},
      // VALUE is an expression, as in the input box.
      {{"2+3/4", "foot", "inch"}, "33\n"},
      {{"1 1/2", "foot", "inch"}, "66\n"},
      {{"sqrt(16)*PI/pi", "meter", "centimeter"}, "400\n"},
      {{"2*-3", "meter", "meter"}, "-3\n"},
      // Plurals and the spellings GNU units users type.
      {{"1", "miles", "feet"}, "5280\n"},
      {{"2", "inches", "cm"}, "5.08\n"},
      {{"60", "mph", "km/h"}, "96.56064\n"},
      {{"212", "degF", "degC"}, "100\n"},
      {{"1", "lbs", "oz"}, "16\n"},
      {{"1", "floz", "ml"}, "29.57353\n"},
  };
  for (const LineCase& c : cases) {
    const Outcome outcome = RunWith(c.args);
    EXPECT_EQ(outcome.code, 0) << c.args[1] << ": " << outcome.err;
    EXPECT_EQ(outcome.out, c.out) << c.args[1];
  }
}

TEST_F(CliTest, ReportsErrorsOnOneLineWithTheirExitCode) {
  const ErrorCase cases[] = {
      {{"1", "second", "minute"},
       1,
       "more than one category, choose one with --category: 'Angle', 'Time'"},
      {{"1", "secnd", "minute"}, 1, "unknown unit 'secnd'; close names: 'second'"},
      {{"1", "celsiu", "K"}, 1, "close names: 'degree Celsius'"},
      // A plural names units of several categories.
      {{"1", "ounces", "ounces"}, 1, "choose one with --category: 'Distance', 'Mass', 'Volume'"},
      {{"1", "foot", "gram"}, 1, "'foot' ('Distance') and 'gram' ('Mass') share no category"},
      {{"1", "gr", "gr", "--category", "Angle"},
       1,
       "'gr' stands for several units of 'Angle': 'gon', 'grade'"},
      {{"1", "foot", "gram", "--category", "Nowhere"}, 1, "unknown category 'Nowhere'"},
      // An expression that leaves an error code is an error, never a number.
      {{"abc", "foot", "inch"}, 1, "vantrel-convert: wrong symbol\n"},
      {{"1/0", "foot", "inch"}, 1, "vantrel-convert: divide by 0\n"},
      {{"", "foot", "inch"}, 1, "vantrel-convert: empty expression\n"},
      {{"sqrt(-4)", "foot", "inch"}, 1, "negative argument: a < 0 in function sqrt(a)"},
      {{"1/0+1", "foot", "inch"}, 1, "expression result is INF"},
      {{"2#3", "foot", "inch"}, 1, "wrong symbol"},
      {{"2)+(3", "foot", "inch"}, 1, "vantrel-convert: too much rigth brackets\n"},
      {{"2147483648", "base-10 (decimal)", "base-02 (binary)"}, 1, "signed 32-bit"},
      {{"1", "foot"}, 2, "expected VALUE FROM TO, got 2 arguments"},
      {{"1", "foot", "inch", "--precision", "9"}, 2, "--precision must be a digit from 0 to 8"},
      {{"1", "foot", "inch", "--format", "pretty"},
       2,
       "--format must be auto, scientific or fixed"},
      {{"1", "foot", "inch", "--frobnicate"}, 2, "unknown option '--frobnicate'"},
      {{"--batch", "--list"}, 2, "choose only one of"},
      {{"--categories", "extra"}, 2, "unexpected argument 'extra'"},
      {{"1", "foot", "inch", "--category"}, 2, "--category needs a value"},
  };
  for (const ErrorCase& c : cases) ExpectOneLineError(c);
}

// Hand-edited sizes that define no unit are left out, said on one line.
TEST_F(CliTest, UnitsWhoseCoefficientIsNoSizeAreLeftOutWithOneWarning) {
  const std::string units =
      "[CustomUnits]\nzero=@Distance?val=0?i=0\nfine=@Distance?val=2?i=0\nhuge=@Mass?val=1e999?i="
      "0\n";
  WriteBytes(settings_, units);
  const Outcome outcome = RunWith({"1", "fine", "cm"});
  EXPECT_EQ(outcome.code, 0);
  EXPECT_EQ(outcome.out, "2\n");
  EXPECT_EQ(outcome.err, "vantrel-convert: warning: the settings file \"" + settings_.string() +
                             "\" gives custom units a coefficient that defines no unit, left "
                             "out: [zero] in [Distance] (coefficient 0), [huge] in [Mass] "
                             "(coefficient 1e999)\n");
  EXPECT_EQ(RunWith({"1", "zero", "cm"}).code, 1);
  EXPECT_EQ(ReadBytes(settings_), units);
}

// What has no meaning is an error, never a number with exit 0.
TEST_F(CliTest, RefusesNonsenseThatWouldPrintANumber) {
  WriteBytes(settings_, "[CustomUnits]\ninverse=@Distance?val=1?i=1\n");
  const ErrorCase cases[] = {
      {{"1e308", "km", "meter"}, 1, "the result (inf) is not a finite number"},
      {{"0", "meter", "inverse"}, 1, "the result (inf) is not a finite number"},
      {{"help", "m", "cm"}, 1, "'help' is a help keyword, not a value"},
      {{"--latlong", "0", "500000", "2147483647"}, 1, "zone '2147483647' is outside 1 to 60"},
      {{"--latlong", "0", "500000", "0"}, 1, "zone '0' is outside 1 to 60"},
      {{"--latlong", "-1", "500000", "5"}, 1, "northing '-1' is outside 0 to 10000000"},
      {{"--latlong", "10000000.5", "500000", "5"}, 1, "northing '10000000.5' is outside"},
      {{"--latlong", "0", "1000001", "5", "--south"},
       1,
       "easting '1000001' is outside 0 to 1000000"},
      {{"--utm", "84.0001", "0"}, 1, "latitude '84.0001' is outside -80 to 84"},
      {{"--utm", "-80.5", "0"}, 1, "latitude '-80.5' is outside -80 to 84"},
      {{"--utm", "0", "-190"}, 1, "longitude '-190' is outside -180 to 180"},
      {{"--utm", "0", "180.01"}, 1, "longitude '180.01' is outside -180 to 180"},
  };
  for (const ErrorCase& c : cases) ExpectOneLineError(c);
  // The edges themselves are in range.
  for (const Arguments& args : {Arguments{"--utm", "84", "-180"}, Arguments{"--utm", "-80", "180"},
                                Arguments{"--latlong", "10000000", "1000000", "60"},
                                Arguments{"--latlong", "0", "0", "1", "--south"}})
    EXPECT_EQ(RunWith(args).code, 0) << args[1];
}

TEST_F(CliTest, BatchAnswersEveryLineInOrder) {
  const std::string input =
      "100\tdegree Celsius\tdegree Fahrenheit\n"
      "1\tsecond\tminute\n"
      "1\tsecond\tminute\tTime\r\n"
      "junk\n"
      "\n"
      "1/0\tfoot\tinch\n"
      "2+3/4\tfoot\tinch\n"
      "ff\tbase-16 (hexadecimal)\tbase-10 (decimal)\n"
      "1\tft\tcm\t\n";
  const Outcome outcome = RunWith({"--batch"}, input);
  EXPECT_EQ(outcome.out,
            "212\n"
            "error: units found in more than one category, choose one with --category: "
            "'Angle', 'Time'\n"
            "0.016666667\n"
            "error: expected VALUE<TAB>FROM<TAB>TO[<TAB>CATEGORY]\n"
            "error: expected VALUE<TAB>FROM<TAB>TO[<TAB>CATEGORY]\n"
            "error: divide by 0\n"
            "33\n"
            "255\n"
            "30.48\n");
  EXPECT_EQ(outcome.code, 1);
  EXPECT_EQ(outcome.err, "vantrel-convert: 4 of 9 lines failed\n");

  const Outcome clean =
      RunWith({"--batch", "--category", "Angle", "--format", "fixed", "--precision", "2"},
              "1\tsecond\tminute\n");
  EXPECT_EQ(clean.code, 0);
  EXPECT_EQ(clean.out, "0.02\n");
}

// Failed look-ups are remembered per pair and category; a name longer than
// any unit's gets its answer without a search.
TEST_F(CliTest, BatchAnswersUnknownUnitsAlikeEachTime) {
  const std::string huge(1 << 20, 'a');
  const Outcome outcome =
      RunWith({"--batch"}, "1\tsecnd\tminute\n1\tsecnd\tminute\tTime\n1\tsecnd\tminute\n1\t" +
                               huge + "\tm\n1\t" + huge + "\tm\n");
  const std::string secnd = "error: unknown unit 'secnd'; close names: 'second'\n";
  const std::string unknown = "error: unknown unit '" + huge + "'\n";
  EXPECT_EQ(outcome.out, secnd + "error: unknown unit 'secnd' in 'Time'; close names: 'second'\n" +
                             secnd + unknown + unknown);
  EXPECT_EQ(outcome.err, "vantrel-convert: 5 of 5 lines failed\n");
}

TEST_F(CliTest, ListsUnitsAndCategoriesInTheirFixedFormat) {
  const Outcome list = RunWith({"--list", "Temperature"});
  EXPECT_EQ(list.code, 0);
  EXPECT_EQ(list.out,
            "Temperature\tKelvin\tK\t1\t-273.14999999999998\t0\n"
            "Temperature\tdegree Celsius\t°C\t1\t0\t0\n"
            "Temperature\tdegree Fahrenheit\t°F\t0.55555555555555558\t-17.777777777777001\t0\n"
            "Temperature\tdegree Rankine\t°R\t0.55555555555555558\t-273.14999999999998\t0\n"
            "Temperature\tdegree Reaumur\t°r\t1.25\t0\t0\n");

  const Outcome all = RunWith({"--list"});
  EXPECT_EQ(std::count(all.out.begin(), all.out.end(), '\n'), 1005);

  const Outcome categories = RunWith({"--categories"});
  EXPECT_EQ(std::count(categories.out.begin(), categories.out.end(), '\n'), 45);
  EXPECT_NE(categories.out.find("Data Transfer\t1\t169\n"), std::string::npos);
  EXPECT_NE(categories.out.find("Radiation\t0\t19\n"), std::string::npos);
}

TEST_F(CliTest, ReadsCustomDefinitionsVisibilityAndFormatButNeverWrites) {
  const std::string file =
      "[Settings]\nFormat=2\nPrecision=3\n"
      "[Visibility]\nRadiation=1\nData=0\n"
      "[CustomCategories]\nGadgets=\n"
      "[CustomUnits]\nsmoot=@Distance?val=170.18?i=0\nwidget=@Gadgets?val=1?i=0\n"
      "gizmo=@Gadgets?val=4?i=0\n";
  WriteBytes(settings_, file);

  EXPECT_EQ(RunWith({"1", "smoot", "cm"}).out, "170.180\n");
  EXPECT_EQ(RunWith({"1", "gizmo", "widget", "--format", "auto"}).out, "4\n");
  const Outcome categories = RunWith({"--categories"});
  EXPECT_NE(categories.out.find("Gadgets\t1\t2\n"), std::string::npos);
  EXPECT_NE(categories.out.find("Radiation\t1\t19\n"), std::string::npos);
  EXPECT_NE(categories.out.find("Data\t0\t31\n"), std::string::npos);
  EXPECT_NE(RunWith({"--list", "Gadgets"}).out.find("Gadgets\tgizmo\t \t4\t0\t0\n"),
            std::string::npos);
  EXPECT_EQ(ReadBytes(settings_), file);
}

// Finding the settings file for reading creates no folder and copies nothing.
TEST(SettingsForReadingTest, FindsTheFileWithoutCreatingAnything) {
  TempDir home;
  LocalFileSystem fileSystem;
  const SettingsLocationInputs inputs{home / "bin" / "vantrel-convert", home / "config"};
  EXPECT_EQ(SettingsFileForReading(inputs, fileSystem),
            home / "config" / "Mensura" / "Mensura.ini");
  EXPECT_FALSE(std::filesystem::exists(home / "config"));
}

}  // namespace
}  // namespace vantrel::cli
