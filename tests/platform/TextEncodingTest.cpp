#include <gtest/gtest.h>

#include "platform/TextCase.h"
#include "platform/TextEncoding.h"

namespace vantrel {
namespace {

TEST(TextEncoding, Utf8RoundTripsAndSurvivesBadBytes) {
  const std::wstring names = L"centimeter/second² µmol °C pferdesta\u0308rke 𝄞";
  EXPECT_EQ(Utf8ToWide(WideToUtf8(names)), names);
  EXPECT_EQ(Utf8ToWide("a\xFF"
                       "b"),
            L"a\uFFFDb");
  EXPECT_EQ(Utf8ToWide("\xC0\xAF"), L"\uFFFD\uFFFD") << "overlong forms are refused";
  EXPECT_EQ(Utf8ToWide("\xE2\x82"), L"\uFFFD\uFFFD") << "a cut sequence";
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
  EXPECT_EQ(WideToAnsi(L"1.5e-3 ¾ € µ"), "1.5e-3 \xBE \x80 \xB5");
  EXPECT_EQ(WideToAnsi(L"Ω 𝄞"), "? ?") << "what the code page lacks becomes '?'";
  EXPECT_EQ(Cp1252ToWide("\x80\x81\x9F\xE9"), L"€\u0081Ÿé");
  EXPECT_EQ(WideToAnsi(Cp1252ToWide("\x80\x8A\x9C")), "\x80\x8A\x9C");
}

TEST(TextEncoding, TextFilesDecodeByTheirMarkOrLineByLine) {
  EXPECT_EQ(DecodeTextFile(std::string("\xFF\xFE"
                                       "a\0\xE9\0",
                                       6)),
            L"aé");
  EXPECT_EQ(DecodeTextFile(std::string("\xFE\xFF\0a\xD8\x34\xDD\x1E", 8)), L"a𝄞");
  EXPECT_EQ(DecodeTextFile("\xEF\xBB\xBFx=\xC2\xB5\n"), L"x=µ\n");
  EXPECT_EQ(DecodeTextFile("utf8=\xC2\xB5\r\nansi=\xB5\n"), L"utf8=µ\r\nansi=µ\n");
  EXPECT_EQ(DecodeTextFile(std::string("\xFF\xFE"
                                       "a",
                                       3)),
            L"")
      << "an odd byte is dropped";
}

TEST(TextCase, FoldsTheLettersOurNamesUse) {
  EXPECT_TRUE(EqualsIgnoreCase(L"LastCategory", L"lastcategory"));
  EXPECT_TRUE(EqualsIgnoreCase(L"ÄRGER Ωμ", L"ärger ωμ"));
  EXPECT_TRUE(EqualsIgnoreCase(L"ПРИВЕТ Ё", L"привет ё"));
  EXPECT_FALSE(EqualsIgnoreCase(L"mile", L"mile "));
  EXPECT_FALSE(EqualsIgnoreCase(L"µ", L"m"));
}

}  // namespace
}  // namespace vantrel
