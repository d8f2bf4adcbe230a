// The one road from typed text to the result text, for both programs.
#include <gtest/gtest.h>

#include "expr/MathContext.h"
#include "units/BuiltinCatalogue.h"
#include "units/InputConversion.h"
#include "units/UnitCatalogue.h"

namespace vantrel {
namespace {

using Kind = InputProblem;

TEST(ConvertInputTest, GivesTheTextToShowOrWhyThereIsNone) {
  CUnitCatalogue catalogue;
  BuildBuiltinCatalogue(catalogue);
  catalogue.SelectCategory("Distance");
  catalogue.AddUnit("nothing", " ", 0, 0, 0, 1, 0);  // as a hand-edited file can define
  const struct {
    const char* category;
    const char* from;
    const char* to;
    const char* input;
    Kind kind;
    const char* text;
    const char* message;
  } cases[] = {
      {"Temperature", "degree Celsius", "degree Fahrenheit", "100", Kind::kNone, "212", ""},
      {"Distance", "foot", "inch", "2+3/4", Kind::kNone, "33", ""},
      {"Distance", "foot", "inch", "", Kind::kEmpty, "", "empty expression"},
      {"Distance", "foot", "inch", " \t\u00A0", Kind::kEmpty, "", "empty expression"},
      {"Distance", "foot", "inch", "1/0", Kind::kError, "Error", "divide by 0"},
      {"Distance", "foot", "inch", "2#3", Kind::kError, "Error", "wrong symbol"},
      {"Distance", "foot", "inch", "H e L p", Kind::kHelp, "0",
       "'H e L p' is a help keyword, not a value"},
      {"Distance", "kilometer", "meter", "1e308", Kind::kNotFinite, "inf",
       "the result (inf) is not a finite number"},
      {"Distance", "meter", "nothing", "1", Kind::kNotFinite, "inf",
       "the result (inf) is not a finite number"},
      {"Distance", "meter", "nothing", "0", Kind::kNotFinite, "nan",
       "the result (nan) is not a finite number"},
      // "Numbers" reads an integer of the input base; the text is not evaluated.
      {"Numbers", "base-16 (hexadecimal)", "base-10 (decimal)", "ff", Kind::kNone, "255", ""},
      {"Numbers", "base-10 (decimal)", "base-10 (decimal)", "1+1", Kind::kNone, "1", ""},
      {"Numbers", "base-10 (decimal)", "base-10 (decimal)", "help", Kind::kNone, "0", ""},
      {"Numbers", "base-10 (decimal)", "base-02 (binary)", "2147483648", Kind::kError, "Error",
       "'2147483648' does not fit a signed 32-bit integer, or a base is outside 2 to 36"},
      {"Numbers", "base-10 (decimal)", "base-02 (binary)", "  ", Kind::kEmpty, "",
       "empty expression"},
  };
  expr::MathContext quiet(expr::MathSink{}, expr::MathSink{});
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.input);
    const CCategory& category = *catalogue.FindCategory(c.category);
    const auto outcome = ConvertInput(quiet, c.input, category, *category.FindUnit(c.from),
                                      *category.FindUnit(c.to), catalogue.Format(), 0);
    EXPECT_EQ(outcome.error, c.kind);
    EXPECT_EQ(outcome.value, c.text);
    EXPECT_EQ(outcome.message, c.message);
  }
}

}  // namespace
}  // namespace vantrel
