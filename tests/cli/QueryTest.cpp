// One-line queries: what each kind of text answers, and the command line that
// takes one as its only argument.
#include <gtest/gtest.h>

#include <string>

#include "CliRun.h"
#include "cli/Query.h"
#include "cli/UsualTargets.h"
#include "platform/TextEncoding.h"
#include "units/NameLookup.h"

namespace vantrel::cli {
namespace {

using Status = QueryProblem;

struct QueryCase {
  const char* text;
  Status status;
  // kNone: the result; otherwise the whole error (empty for none).
  const char* resultOrError;
  const char* description = "";  // kNone only
  const char* value = "";        // kNone: the value in FROM, when it is not as typed
  const char* from = "";
};

TEST(QueryTest, AnswersEachKindOfQuery) {
  const QueryCase cases[] = {
      // Connectors, abbreviations, plurals, aliases and names with blanks.
      {"100 mi in km", Status::kNone, "160.9344 km", "100 mile = 160.9344 kilometer"},
      {"100 miles to kilometers", Status::kNone, "160.9344 km", "100 mile = 160.9344 kilometer"},
      {"100km as mi", Status::kNone, "62.137119 mi", "100 kilometer = 62.137119 mile"},
      {"60 mph -> km/h", Status::kNone, "96.56064 km/h", "60 mile/hour = 96.56064 kilometer/hour"},
      {"60 kph=mph", Status::kNone, "37.282272 mi/h", "60 kilometer/hour = 37.282272 mile/hour"},
      {"212 °F in °C", Status::kNone, "100 °C", "212 degree Fahrenheit = 100 degree Celsius"},
      {"-40 degC TO degF", Status::kNone, "-40 °F", "-40 degree Celsius = -40 degree Fahrenheit"},
      {"1 nautical mile in m", Status::kNone, "1852 m", "1 nautical mile = 1852 meter"},
      {"1 calorie (IT) in J", Status::kNone, "4.1868 J", "1 calorie (IT) = 4.1868 joule"},
      {"3 sq ft in m2", Status::kNone, "0.27870912 m²", "3 foot² = 0.27870912 meter²"},
      {"2 kcal in kJ", Status::kNone, "8.3736 kJ", "2 kilocalorie (IT) = 8.3736 kilojoule"},
      {"2 lbs in oz", Status::kNone, "32 oz", "2 pound = 32 ounce"},
      // "in" and "as" are units too.
      {"1 in in cm", Status::kNone, "2.54 cm", "1 inch = 2.54 centimeter"},
      {"100 as in fs", Status::kNone, "0.1 fs", "100 attosecond = 0.1 femtosecond"},
      // Values are expressions, kept as typed.
      {"1/3 ft in in", Status::kNone, "4 in", "1/3 foot = 4 inch"},
      {"2*pi m to ft", Status::kNone, "20.614125 ft", "2*pi meter = 20.614125 foot"},
      // A unit without an abbreviation is named in full.
      {"255 base-10 (decimal) in base-16 (hexadecimal)", Status::kNone, "ff base-16 (hexadecimal)",
       "255 base-10 (decimal) = ff base-16 (hexadecimal)"},
      // Compound values, summed in the first unit.
      {"5 ft 3 in to cm", Status::kNone, "160.02 cm", "5 foot 3 inch = 160.02 centimeter", "5.25",
       "foot"},
      {"2 h 30 min in s", Status::kNone, "9000 s", "2 hour 30 minute = 9000 second", "2.5", "hour"},
      {"1 lb 4 oz to g", Status::kNone, "566.99046 g", "1 pound 4 ounce = 566.99046 gram", "1.25",
       "pound"},
      // "ounce" is in three categories, "g" in Mass alone.
      {"1 ounce 2 ounce to g", Status::kNone, "85.048569 g", "1 ounce 2 ounce = 85.048569 gram",
       "3", "ounce"},
      // No target: the usual one, also for a connector not yet followed by one.
      {"100 mph", Status::kNone, "160.9344 km/h", "100 mile/hour = 160.9344 kilometer/hour"},
      {"10 in", Status::kNone, "25.4 cm", "10 inch = 25.4 centimeter"},
      {"5 ft 3 in", Status::kNone, "1.6002 m", "5 foot 3 inch = 1.6002 meter", "5.25"},
      {"100 mi in", Status::kNone, "160.9344 km", "100 mile = 160.9344 kilometer"},
      // "liter" is also in "Volume (Dry)", which has no usual target.
      {"1 liter", Status::kNone, "0.26417205 gal", "1 liter = 0.26417205 gallon"},
      // The category after a comma.
      {"1 t in kg, Mass", Status::kNone, "1000 kg", "1 ton(metric) = 1000 kilogram"},
      {"1 second in minute, time", Status::kNone, "0.016666667 min",
       "1 second = 0.016666667 minute"},
      {"1 second in minute", Status::kError,
       "units found in more than one category, end the query with a comma and one of them: "
       "'Angle', 'Time'"},
      {"1 ounce", Status::kError,
       "units found in more than one category, end the query with a comma and one of them: "
       "'Distance', 'Mass', 'Volume'"},
      {"1 t in kg, Masss", Status::kNotAQuery, "unknown category 'Masss' (see --categories)"},
      {"1 gr in gr, Angle", Status::kError,
       "'gr' stands for several units of 'Angle': 'gon', 'grade'"},
      // Attempts that fail.
      {"100 mi in kilometr", Status::kError,
       "unknown unit 'kilometr'; close names: 'kilometer', 'kilometer²'"},
      {"100 kilometr in mi", Status::kError,
       "unknown unit 'kilometr'; close names: 'kilometer', 'kilometer²'"},
      {"1 ft in kg", Status::kError, "'ft' ('Distance') and 'kg' ('Mass') share no category"},
      {"5 ft 3 kg to cm", Status::kError,
       "a compound value adds units of one category: 'ft' ('Distance') and 'kg' ('Mass') share "
       "no category"},
      {"1 °C 1 K in K", Status::kError, "values of 'Temperature' cannot be added up"},
      {"5 ft 3 to cm", Status::kError, "'3' has no unit"},
      {"5 km per h", Status::kError, "expected a value before 'per'"},
      {"1/0 mi in km", Status::kError, "divide by 0"},
      {"1e300 mi in nm", Status::kError, "the result (inf) is not a finite number"},
      {"1e308 mi 1e308 mi in km", Status::kError, "the values add up to no finite number"},
      // Not a conversion: nothing to answer.
      {"", Status::kNotAQuery, ""},
      {"hello", Status::kNotAQuery, ""},
      {"100", Status::kNotAQuery, ""},
      {"what is love", Status::kNotAQuery, ""},
      {"100 hello world", Status::kNotAQuery, ""},
      {"pi m in ft", Status::kNotAQuery, ""},
      {"5 fathom", Status::kNotAQuery,
       "'fathom' has no usual target; name one: \"5 fathom in UNIT\""},
  };
  expr::MathContext quiet(expr::MathSink{}, expr::MathSink{});
  Session session({}, quiet);
  for (const QueryCase& c : cases) {
    const auto found = AnswerQuery(session, c.text);
    const QueryAnswer& answer = found.value;
    EXPECT_EQ(found.error, c.status) << c.text << ": " << found.message;
    if (c.status == Status::kNone) {
      EXPECT_EQ(found.message, "") << c.text;
      EXPECT_EQ(answer.result, c.resultOrError) << c.text;
      EXPECT_EQ(answer.description, c.description) << c.text;
      if (*c.value) {
        EXPECT_EQ(answer.value, c.value) << c.text;
      }
      if (*c.from) {
        EXPECT_EQ(answer.from, c.from) << c.text;
      }
    } else {
      EXPECT_EQ(found.message, c.resultOrError) << c.text;
    }
  }
  // A text longer than any query is not read.
  const auto longer = AnswerQuery(session, "1 mi in km" + std::string(247, ' '));
  EXPECT_EQ(longer.error, Status::kNotAQuery);
  EXPECT_EQ(longer.message,
            "a query is at most 256 bytes long, not 257; give VALUE FROM TO as three arguments");
}

// Each row names units of its category, or the query would silently find
// no target.
TEST(QueryTest, UsualTargetsNameUnitsOfTheirCategory) {
  expr::MathContext quiet(expr::MathSink{}, expr::MathSink{});
  Session session({}, quiet);
  for (const UsualTargetRow& row : UsualTargets()) {
    const CCategory* category = session.Catalogue().FindCategory(row.category);
    ASSERT_NE(category, nullptr) << row.category;
    const CUnit* from = category->FindUnit(row.from);
    ASSERT_NE(from, nullptr) << row.from;
    EXPECT_NE(UsualTarget(*category, *from), nullptr) << row.to;
  }
}

// The query prints the very bytes of its three-argument form; its errors are
// the usual one line with the usual exit status.
TEST(QueryTest, CommandLinePrintsWhatTheThreeArgumentFormPrints) {
  const struct {
    Arguments query;
    Arguments threeArguments;
  } pairs[] = {
      {{"100 mi in km"}, {"100", "mile", "km"}},
      {{"5 ft 3 in to cm"}, {"5.25", "foot", "cm"}},
      {{"100 mph", "--format", "fixed", "--precision", "3"},
       {"100", "mph", "km/h", "--format", "fixed", "--precision", "3"}},
      {{"1 second in minute", "--category", "Time"},
       {"1", "second", "minute", "--category", "Time"}},
      {{"255 base-10 (decimal) in base-16 (hexadecimal)"},
       {"255", "base-10 (decimal)", "base-16 (hexadecimal)"}},
  };
  for (const auto& pair : pairs) {
    const Outcome query = RunCli(pair.query);
    const Outcome three = RunCli(pair.threeArguments);
    EXPECT_EQ(query.code, three.code) << pair.query[0] << ": " << query.err;
    EXPECT_EQ(query.out, three.out) << pair.query[0];
    EXPECT_EQ(query.err, three.err) << pair.query[0];
  }
  const ErrorCase errors[] = {
      {{"1 second in minute"}, 1, "end the query with a comma and one of them: 'Angle', 'Time'"},
      {{"1 second in minute, Time", "--category", "Angle"},
       2,
       "the query's category 'Time' is not 'Angle'"},
      // A category named wrong is a usage error either way.
      {{"1 m in ft, Nope"}, 2, "unknown category 'Nope' (see --categories)"},
      {{"100 mi in kilometr"}, 1, "unknown unit 'kilometr'"},
      {{"what is love"}, 2, "a query such as \"100 mi in km\", not 'what is love' (try --help)"},
      {{"5 fathom"}, 2, "'fathom' has no usual target"},
  };
  for (const ErrorCase& c : errors) ExpectOneLineError(c);
}

// Every unit's name and the symbol a result shows (and the search copies)
// read back as that unit: as FROM, and in a query. The one exception is the
// table's second "H12 ", equal to "H12" but for a trailing blank.
TEST(QueryTest, EveryUnitsNameAndSymbolReadBack) {
  expr::MathContext quiet(expr::MathSink{}, expr::MathSink{});
  Session session({}, quiet);
  for (const auto& [categoryName, category] : session.Catalogue().Categories()) {
    for (const auto& [key, unit] : category.Units()) {
      const std::string name(TrimTrailingBlanks(unit.name));
      const std::string suffix = " in " + name + ", " + categoryName;
      for (std::string text : {name, std::string(UnitSymbol(category, unit))}) {
        std::string result, error;
        EXPECT_TRUE(session.Convert("1", text, unit.name, &category, result, error)) << error;
        const auto read = AnswerQuery(session, "1 " + text + suffix);
        EXPECT_TRUE(read) << read.message;
        const std::string& shown = read.value.result;
        EXPECT_EQ(shown.substr(shown.find(' ') + 1), UnitSymbol(category, unit));
        EXPECT_EQ(TrimTrailingBlanks(read.value.from), name) << text << " in " << categoryName;
      }
    }
  }
}

}  // namespace
}  // namespace vantrel::cli
