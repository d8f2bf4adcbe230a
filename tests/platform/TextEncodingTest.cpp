#include <gtest/gtest.h>

#include "platform/Blanks.h"
#include "platform/TextCase.h"
#include "platform/TextEncoding.h"

namespace vantrel {
namespace {

TEST(TextEncoding, CharactersAreCountedAndBadBytesSurvive) {
  const std::string names = "centimeter/second² µmol °C pferdesta\u0308rke 𝄞";
  EXPECT_EQ(CharacterCount(names), 42u);
  EXPECT_EQ(FirstCharacters(names, 18), "centimeter/second²");
  EXPECT_EQ(CodePoints("a\xFF"
                       "b"),
            U"a\uFFFDb");
  EXPECT_EQ(CodePoints("\xC0\xAF"), U"\uFFFD\uFFFD") << "overlong forms are refused";
  EXPECT_EQ(CodePoints("\xE2\x82"), U"\uFFFD\uFFFD") << "a cut sequence";
  EXPECT_EQ(CharacterCount("\xE2\x82"), 2u);
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80")) << "surrogates are not UTF-8";
  EXPECT_TRUE(IsValidUtf8("plain \xC2\xB5"));
}

TEST(TextEncoding, QuotableKeepsMessagesOnOneLine) {
  EXPECT_EQ(QuotableUtf8("33°43′ N"), "33°43′ N");
  EXPECT_EQ(QuotableUtf8("a\nb\tc\x7F\xC2\x85"), "a\\x0Ab\\x09c\\x7F\\xC2\\x85");
  EXPECT_EQ(QuotableUtf8("\xFF\xE2\x82"), "\\xFF\\xE2\\x82") << "no UTF-8";
  EXPECT_EQ(QuotableUtf8("µµµµ", 3), "µµµ...");
  EXPECT_EQ(QuotableUtf8("µµµ", 3), "µµµ");
}

TEST(TextEncoding, AnsiCodePageIsWindows1252) {
  EXPECT_EQ(Utf8ToAnsi("1.5e-3 ¾ € µ"), "1.5e-3 \xBE \x80 \xB5");
  EXPECT_EQ(Utf8ToAnsi("Ω 𝄞 \xFF"), "? ? ?") << "what the code page lacks becomes '?'";
  EXPECT_EQ(DecodeTextFile("\x80\x81\x9F\xE9"), "€\u0081Ÿé");
  EXPECT_EQ(Utf8ToAnsi(DecodeTextFile("\x80\x8A\x9C")), "\x80\x8A\x9C");
}

TEST(TextEncoding, TextFilesDecodeByTheirMarkOrLineByLine) {
  EXPECT_EQ(DecodeTextFile(std::string("\xFF\xFE"
                                       "a\0\xE9\0",
                                       6)),
            "aé");
  EXPECT_EQ(DecodeTextFile(std::string("\xFE\xFF\0a\xD8\x34\xDD\x1E\xDC\x00", 10)), "a𝄞\uFFFD")
      << "a lone surrogate";
  EXPECT_EQ(DecodeTextFile("\xEF\xBB\xBFx=\xC2\xB5\n"), "x=µ\n");
  EXPECT_EQ(DecodeTextFile("utf8=\xC2\xB5\r\nansi=\xB5\n"), "utf8=µ\r\nansi=µ\n");
  EXPECT_EQ(DecodeTextFile(std::string("\xFF\xFE"
                                       "a",
                                       3)),
            "")
      << "an odd byte is dropped";
}

TEST(TextCase, FoldsTheLettersOurNamesUse) {
  EXPECT_TRUE(EqualsIgnoreCase("LastCategory", "lastcategory"));
  EXPECT_TRUE(EqualsIgnoreCase("ÄRGER Ωμ", "ärger ωμ"));
  EXPECT_TRUE(EqualsIgnoreCase("ПРИВЕТ Ё", "привет ё"));
  EXPECT_EQ(FoldCase("ŸÄRGER Ω\xFF"), "ÿärger ω\xFF");
  EXPECT_FALSE(EqualsIgnoreCase("mile", "mile "));
  EXPECT_FALSE(EqualsIgnoreCase("µ", "m"));
}

TEST(Blanks, UnicodeBlanksTrimAndSplit) {
  EXPECT_TRUE(IsBlank(" \t\u00A0\u3000"));
  EXPECT_FALSE(IsBlank(" \xC2"));
  EXPECT_EQ(TrimBlanks("\u2003 mile\u00A0\u202F"), "mile");
  EXPECT_EQ(TrimBlanks("°\u00A0"), "°");
  EXPECT_EQ(BlankAt("a\u2028", 1), 3u);
}

}  // namespace
}  // namespace vantrel
