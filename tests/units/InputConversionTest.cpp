// The one road from typed text to the result text, for both programs.
#include <gtest/gtest.h>

#include "expr/MathContext.h"
#include "units/BuiltinCatalogue.h"
#include "units/InputConversion.h"
#include "units/UnitCatalogue.h"

namespace vantrel {
namespace {

using Kind = ConversionOutcome::Kind;

TEST(ConvertInputTest, GivesTheTextToShowOrWhyThereIsNone) {
  CUnitCatalogue catalogue;
  BuildBuiltinCatalogue(catalogue);
  catalogue.SelectCategory(L"Distance");
  catalogue.AddUnit(L"nothing", L" ", 0, 0, 0, 1, 0);  // as a hand-edited file can define
  const struct {
    const wchar_t* category;
    const wchar_t* from;
    const wchar_t* to;
    const wchar_t* input;
    Kind kind;
    const wchar_t* text;
    const char* message;
  } cases[] = {
      {L"Temperature", L"degree Celsius", L"degree Fahrenheit", L"100", Kind::kResult, L"212", ""},
      {L"Distance", L"foot", L"inch", L"2+3/4", Kind::kResult, L"33", ""},
      {L"Distance", L"foot", L"inch", L"", Kind::kEmpty, L"", "empty expression"},
      {L"Distance", L"foot", L"inch", L" \t\u00A0", Kind::kEmpty, L"", "empty expression"},
      {L"Distance", L"foot", L"inch", L"1/0", Kind::kError, L"Error", "divide by 0"},
      {L"Distance", L"foot", L"inch", L"2#3", Kind::kError, L"Error", "wrong symbol"},
      {L"Distance", L"foot", L"inch", L"H e L p", Kind::kHelp, L"0",
       "'H e L p' is a help keyword, not a value"},
      {L"Distance", L"kilometer", L"meter", L"1e308", Kind::kNotFinite, L"inf",
       "the result (inf) is not a finite number"},
      {L"Distance", L"meter", L"nothing", L"1", Kind::kNotFinite, L"inf",
       "the result (inf) is not a finite number"},
      {L"Distance", L"meter", L"nothing", L"0", Kind::kNotFinite, L"nan",
       "the result (nan) is not a finite number"},
      // "Numbers" reads an integer of the input base; the text is not evaluated.
      {L"Numbers", L"base-16 (hexadecimal)", L"base-10 (decimal)", L"ff", Kind::kResult, L"255",
       ""},
      {L"Numbers", L"base-10 (decimal)", L"base-10 (decimal)", L"1+1", Kind::kResult, L"1", ""},
      {L"Numbers", L"base-10 (decimal)", L"base-10 (decimal)", L"help", Kind::kResult, L"0", ""},
      {L"Numbers", L"base-10 (decimal)", L"base-02 (binary)", L"2147483648", Kind::kError, L"Error",
       "'2147483648' does not fit a signed 32-bit integer, or a base is outside 2 to 36"},
      {L"Numbers", L"base-10 (decimal)", L"base-02 (binary)", L"  ", Kind::kEmpty, L"",
       "empty expression"},
  };
  expr::MathContext quiet(expr::MathSink{}, expr::MathSink{});
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.input);
    const CCategory& category = *catalogue.FindCategory(c.category);
    const ConversionOutcome outcome =
        ConvertInput(quiet, c.input, category, *category.FindUnit(c.from), *category.FindUnit(c.to),
                     catalogue.Format(), 0);
    EXPECT_EQ(outcome.kind, c.kind);
    EXPECT_EQ(outcome.text, c.text);
    EXPECT_EQ(outcome.message, c.message);
  }
}

}  // namespace
}  // namespace vantrel
