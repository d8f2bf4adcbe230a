// vantrel-convert's unit commands run in process: what they print and their
// exit codes.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "CliRun.h"

namespace vantrel::cli {
namespace {

struct LineCase {
  Arguments args;
  const char* out;
};

TEST(UnitCommandsTest, PrintsWhatTheWindowShows) {
  const LineCase cases[] = {
      {{"100", "degree Celsius", "degree Fahrenheit"}, "212\n"},
      {{"100", "degree Celsius", "degree Fahrenheit", "--format", "fixed", "--precision", "8"},
       "212.00000000\n"},
      {{"--format=scientific", "--precision=0", "212", "°C", "°C"}, "2e+002\n"},
      {{"1", "yotta", "unity"}, "1e+024\n"},
      {{"5", "liter/100-kilometer", "kilometer/liter"}, "20\n"},
      {{"-1", "base-10 (decimal)", "base-16 (hexadecimal)"}, "ffffffff\n"},
      {{"ff", "base-16 (hexadecimal)", "base-10 (decimal)"}, "255\n"},
      // Exact factors: the four examples a new user tries first.
      {{"100", "mile", "km"}, "160.9344\n"},
      {{"1", "megabyte", "byte"}, "1048576\n"},
      {{"45", "degree", "radian"}, "0.78539816\n"},
      {{"1", "pound", "kilogram"}, "0.45359237\n"},
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
    const Outcome outcome = RunCli(c.args);
    EXPECT_EQ(outcome.code, 0) << c.args[1] << ": " << outcome.err;
    EXPECT_EQ(outcome.out, c.out) << c.args[1];
  }
}

TEST(UnitCommandsTest, ReportsErrorsOnOneLineWithTheirExitCode) {
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
      // An expression that leaves an error code is an error, never a number.
      {{"abc", "foot", "inch"}, 1, "vantrel-convert: wrong symbol\n"},
      {{"1/0", "foot", "inch"}, 1, "vantrel-convert: divide by 0\n"},
      {{"", "foot", "inch"}, 1, "vantrel-convert: empty expression\n"},
      {{"sqrt(-4)", "foot", "inch"}, 1, "negative argument: a < 0 in function sqrt(a)"},
      {{"1/0+1", "foot", "inch"}, 1, "expression result is INF"},
      {{"2#3", "foot", "inch"}, 1, "wrong symbol"},
      {{"2)+(3", "foot", "inch"}, 1, "vantrel-convert: too much rigth brackets\n"},
      {{"2147483648", "base-10 (decimal)", "base-02 (binary)"}, 1, "signed 32-bit"},
      {{"--info", "second"}, 1, "more than one category, choose one with --category"},
      {{"--info", "frobnicate"}, 1, "unknown unit 'frobnicate'"},
      {{"abc", "foot", "--all"}, 1, "wrong symbol"},
      {{"1", "frob", "--all"}, 1, "unknown unit 'frob'; close names: 'foot'"},
      {{"1", "foot"}, 2, "expected VALUE FROM TO, got 2 arguments"},
      {{"1", "foot", "inch", "--precision", "9"}, 2, "--precision must be a number from 0 to 8"},
      {{"1", "foot", "inch", "--format", "pretty"},
       2,
       "--format must be auto, scientific or fixed"},
      {{"1", "foot", "inch", "--frobnicate"}, 2, "unknown option '--frobnicate'"},
      // One rule for every option: digits alone, and once.
      {{"--utm", "1", "2", "--zone", " 32"}, 2, "--zone must be a zone from 1 to 60, not ' 32'"},
      {{"--utm", "1", "2", "--ellipsoid", "+3"}, 2, "unknown ellipsoid '+3'"},
      {{"--utm", "1", "2", "--zone", "31", "--zone", "32"}, 2, "--zone is given more than once"},
      {{"--batch", "--batch"}, 2, "--batch is given more than once"},
      // Every option is checked before --help or --version is answered.
      {{"--version", "--bogus"}, 2, "unknown option '--bogus'"},
      {{"-h", "--precision", "9"}, 2, "--precision must be a number"},
      {{"1", "foot", "--all", "--list"},
       2,
       ": choose only one of --batch, --list, --categories, --info and --all\n"},
      {{"--categories", "extra"}, 2, "unexpected argument 'extra'"},
      {{"1", "foot", "inch", "--category"}, 2, "--category needs a value"},
      {{"--info"}, 2, "--info takes one UNIT"},
      {{"--info", "foot", "inch"}, 2, "--info takes one UNIT"},
      {{"1", "foot", "inch", "--all"}, 2, "expected VALUE FROM --all"},
  };
  for (const ErrorCase& c : cases) ExpectOneLineError(c);
}

// "--" ends the options on every command's line, and leading zeros read as
// decimal in every option's number.
TEST(UnitCommandsTest, OptionsFollowOneRuleOnEveryLine) {
  const std::pair<Arguments, Arguments> same[] = {
      {{"--utm", "1", "2", "--zone", "031", "--ellipsoid", "00"},
       {"--utm", "1", "2", "--zone", "31"}},
      {{"--utm", "--", "-1", "2"}, {"--utm", "-1", "2"}},
  };
  for (const auto& [given, meant] : same) EXPECT_EQ(RunCli(given).out, RunCli(meant).out);
}

// A message quotes at most 200 characters of what it was given, with the
// length: an input of megabytes is not written back whole.
TEST(UnitCommandsTest, MessagesQuoteTheStartOfALongInputAndItsLength) {
  const std::string huge(1'000'000, 'x');
  const struct {
    Arguments args;
    std::string input;
    const char* length;
  } cases[] = {
      {{"1", huge, "cm"}, "", "1000000"},
      {{"1", "m", "cm", "--category", huge}, "", "1000000"},
      {{"1", "m", "cm", "--format", huge}, "", "1000000"},
      {{"1", "m", "cm", "--precision", huge}, "", "1000000"},
      {{"1", "m", "cm", "--" + huge}, "", "1000002"},
      {{"--categories", huge}, "", "1000000"},
      {{"--info", huge}, "", "1000000"},
      {{"--utm", huge, "0"}, "", "1000000"},
      {{"--utm", "0", "0", "--ellipsoid", huge}, "", "1000000"},
      {{"--batch"}, "1\t" + huge + "\tcm\n", "1000000"},
      {{"--batch"},
       std::string(1'000'000, '9') + "\tbase-10 (decimal)\tbase-02 (binary)\n",
       "1000000"},
      {{"--eval", "--diagnostics", huge}, "", "1000000"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args[0] + " " + c.args.back().substr(0, 12));
    const Outcome outcome = RunCli(c.args, c.input);
    const std::string said = outcome.out + outcome.err;
    EXPECT_NE(said.find("...' (" + std::string(c.length) + " characters)"), std::string::npos)
        << said.substr(0, 300);
    EXPECT_LT(said.size(), 1500u);
  }
}

// The same status whatever the command.
TEST(UnitCommandsTest, AnUnknownCategoryIsAUsageError) {
  for (Arguments args : {Arguments{"1", "foot", "gram"}, Arguments{"--batch"}, Arguments{"--list"},
                         Arguments{"--info", "foot"}, Arguments{"1", "foot", "--all"}}) {
    args.insert(args.end(), {"--category", "Nowhere"});
    ExpectOneLineError({args, 2, ": unknown category 'Nowhere' (see --categories)\n"});
  }
}

// What has no meaning is an error, never a number with exit 0.
TEST(UnitCommandsTest, RefusesNonsenseThatWouldPrintANumber) {
  const testing::TempDir dir;
  testing::WriteBytes(dir / "Mensura.ini", "[CustomUnits]\ninverse=@Distance?val=1?i=1\n");
  const ErrorCase cases[] = {
      {{"1e308", "km", "meter"}, 1, "the result (inf) is not a finite number"},
      {{"0", "meter", "inverse"}, 1, "the result (inf) is not a finite number"},
      {{"help", "m", "cm"}, 1, "'help' is a help keyword, not a value"},
  };
  for (const ErrorCase& c : cases) ExpectOneLineError(c, dir / "Mensura.ini");
}

// Standard input that is no text is an error of its line: cut at a NUL, or
// read byte by byte, it would give another value as a success.
TEST(UnitCommandsTest, InputThatIsNoTextIsAnErrorOfItsLine) {
  using namespace std::string_literals;
  const struct {
    Arguments args;
    std::string input;
    const char* out;
  } cases[] = {
      {{"--batch"},
       "1\0+5\tm\tkm\n1\tm\tcm\n"s,
       "error: the VALUE field holds a NUL byte, which UTF-8 text has not (UTF-16 text?)\n"
       "100\n"},
      {{"--batch"},
       "2\0garbage!!(\tft\tin\n"s,
       "error: the VALUE field holds a NUL byte, which UTF-8 text has not (UTF-16 text?)\n"},
      {{"--batch"}, "1\tm\x07\tkm\n", "error: the FROM field holds a control character (U+0007)\n"},
      {{"--batch"},
       "1\tm\tk\xC2\x85m\n",
       "error: the TO field holds a control character (U+0085)\n"},
      {{"--batch"}, "1\tm\tkm\tDist\xFF\n", "error: the CATEGORY field is not UTF-8 text\n"},
      {{"--eval", "-"},
       "\xFF\xFE"
       "1\0+\0"
       "5\0"s,
       "error: the expression is not UTF-8 text\n"},
      {{"--eval", "-"},
       "1\0+\0"
       "5\0"s,
       "error: the expression holds a NUL byte, which UTF-8 text has not (UTF-16 text?)\n"},
      {{"--eval", "-"},
       "1+5\x1B\n1+5\n",
       "error: the expression holds a control character (U+001B)\n6\t0\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.out);
    const Outcome outcome = RunCli(c.args, c.input);
    EXPECT_EQ(outcome.out, c.out);
    EXPECT_EQ(outcome.code, 1);
  }
}

// A help keyword in a batch is no value but keeps the batch's format (the
// help text goes nowhere).
TEST(UnitCommandsTest, BatchAnswersEveryLineInOrder) {
  const std::string input =
      "100\tdegree Celsius\tdegree Fahrenheit\n"
      "1\tsecond\tminute\n"
      "1\tsecond\tminute\tTime\r\n"
      "junk\n"
      "\n"
      "1/0\tfoot\tinch\n"
      "help\tfoot\tinch\n"
      "2+3/4\tfoot\tinch\n"
      "ff\tbase-16 (hexadecimal)\tbase-10 (decimal)\n"
      "1\tft\tcm\t\n";
  const Outcome outcome = RunCli({"--batch"}, input);
  EXPECT_EQ(outcome.out,
            "212\n"
            "error: units found in more than one category, choose one with --category: "
            "'Angle', 'Time'\n"
            "0.016666667\n"
            "error: expected VALUE<TAB>FROM<TAB>TO[<TAB>CATEGORY]\n"
            "error: expected VALUE<TAB>FROM<TAB>TO[<TAB>CATEGORY]\n"
            "error: divide by 0\n"
            "error: 'help' is a help keyword, not a value\n"
            "33\n"
            "255\n"
            "30.48\n");
  EXPECT_EQ(outcome.code, 1);
  EXPECT_EQ(outcome.err, "vantrel-convert: 5 of 10 lines failed\n");

  const Outcome clean =
      RunCli({"--batch", "--category", "Angle", "--format", "fixed", "--precision", "2"},
             "1\tsecond\tminute\n");
  EXPECT_EQ(clean.code, 0);
  EXPECT_EQ(clean.out, "0.02\n");
}

// Failed look-ups are remembered per pair and category; a name longer than
// any unit's gets its answer without a search.
TEST(UnitCommandsTest, BatchAnswersUnknownUnitsAlikeEachTime) {
  const std::string huge(1 << 20, 'a');
  const Outcome outcome =
      RunCli({"--batch"}, "1\tsecnd\tminute\n1\tsecnd\tminute\tTime\n1\tsecnd\tminute\n1\t" + huge +
                              "\tm\n1\t" + huge + "\tm\n");
  const std::string secnd = "error: unknown unit 'secnd'; close names: 'second'\n";
  // The name quoted in part, with its length.
  const std::string unknown =
      "error: unknown unit '" + std::string(200, 'a') + "...' (1048576 characters)\n";
  EXPECT_EQ(outcome.out, secnd + "error: unknown unit 'secnd' in 'Time'; close names: 'second'\n" +
                             secnd + unknown + unknown);
  EXPECT_EQ(outcome.err, "vantrel-convert: 5 of 5 lines failed\n");
}

TEST(UnitCommandsTest, ListsUnitsAndCategoriesInTheirFixedFormat) {
  const Outcome list = RunCli({"--list", "Temperature"});
  EXPECT_EQ(list.code, 0);
  EXPECT_EQ(list.out,
            "Temperature\tKelvin\tK\t1\t-273.14999999999998\t0\n"
            "Temperature\tdegree Celsius\t°C\t1\t0\t0\n"
            "Temperature\tdegree Fahrenheit\t°F\t0.55555555555555558\t-17.777777777777001\t0\n"
            "Temperature\tdegree Rankine\t°R\t0.55555555555555558\t-273.14999999999998\t0\n"
            "Temperature\tdegree Reaumur\t°r\t1.25\t0\t0\n");

  const Outcome all = RunCli({"--list"});
  EXPECT_EQ(std::count(all.out.begin(), all.out.end(), '\n'), 1005);

  const Outcome categories = RunCli({"--categories"});
  EXPECT_EQ(std::count(categories.out.begin(), categories.out.end(), '\n'), 45);
  EXPECT_NE(categories.out.find("Data Transfer\t1\t169\n"), std::string::npos);
  EXPECT_NE(categories.out.find("Radiation\t0\t19\n"), std::string::npos);
}

// One key<TAB>value line each; aliases and --category pick the unit.
TEST(UnitCommandsTest, InfoTellsWhatIsKnownOfAUnit) {
  EXPECT_EQ(RunCli({"--info", "feet"}).out,
            "category\tDistance\nname\tfoot\nabbreviation\tft\ncoefficient\t30.48\noffset\t0\n"
            "inverted\t0\nprovenance\texact\nsource\tinternational yard and pound (1959): 1 yd = "
            "0.9144 m, 1 lb = 0.45359237 kg\n");
  EXPECT_EQ(RunCli({"--info", "degF"}).out,
            "category\tTemperature\nname\tdegree Fahrenheit\nabbreviation\t°F\ncoefficient\t"
            "0.55555555555555558\noffset\t-17.777777777777001\ninverted\t0\nprovenance\texact\n"
            "source\tdegree Fahrenheit: 5/9 kelvin\n");
  const LineCase provenances[] = {{{"--info", "light year"}, "derived"},
                                  {{"--info", "CD-ROM 1X"}, "chosen"},
                                  {{"--info", "base-07"}, "none"},
                                  {{"--info", "second", "--category", "Time"}, "exact"}};
  for (const LineCase& c : provenances)
    EXPECT_NE(RunCli(c.args).out.find(std::string("\nprovenance\t") + c.out + "\n"),
              std::string::npos)
        << c.args[1];
}

// Every unit of the category in the table's order, in the result format.
TEST(UnitCommandsTest, AllConvertsIntoEveryUnitOfTheCategory) {
  EXPECT_EQ(RunCli({"100", "degC", "--all", "--format", "fixed", "--precision", "2"}).out,
            "degree Celsius\t100.00\ndegree Fahrenheit\t212.00\nKelvin\t373.15\n"
            "degree Rankine\t671.67\ndegree Reaumur\t80.00\n");
  const std::string all = RunCli({"1", "foot", "--all"}).out;
  EXPECT_EQ(std::count(all.begin(), all.end(), '\n'), 100);
  EXPECT_EQ(all.rfind("agate line\t168\n", 0), 0u) << all.substr(0, 40);
  EXPECT_TRUE(all.ends_with("\nyard\t0.33333333\n"));
  EXPECT_NE(all.find("\ninch\t12\n"), std::string::npos);
}

}  // namespace
}  // namespace vantrel::cli
