#include <gtest/gtest.h>

#include <vector>

#include "platform/IniDocument.h"

namespace vantrel {
namespace {

// Many writes in one pass leave the text that the same writes one by one do:
// values changed in place (the first of a key, in any section of that name),
// new keys after the first section's last non-blank line, in the order given,
// new sections at the end, line ends as the file has them.
TEST(IniDocument, SetEachEndsAsSetOneByOne) {
  const std::vector<IniWrite> mixed = {
      {L"a", L"K", L"5"},   {L"A", L"m", L"3"}, {L"A", L"new", L"1"}, {L"B", L"new", L"2"},
      {L"a", L"NEW", L"9"}, {L"C", L"z", L"1"}, {L"D", L"q", L"1"},   {L"c", L"Z", L"2"},
      {L"C", L"y", L"3"},   {L"B", L"x", L""},
  };
  const struct {
    const wchar_t* text;
    std::vector<IniWrite> writes;
  } cases[] = {
      {L"[A]\nk=1\n\n[B]\nx=1\n[A]\nm=2\n", mixed},
      {L"; top\r\n[A]\r\nk=1\r\n\r\n; note\r\n\r\n[B]\r\nx=1", mixed},
      {L"", mixed},
      {L"[A]", {{L"A", L"k", L"1"}, {L"A", L"j", L"2"}}},
      {L"[B]\nx=1", {{L"B", L"x", L"2"}}},
      {L"[A]\nk=1\n", {}},
  };
  for (const auto& test : cases) {
    IniDocument one = IniDocument::Parse(test.text);
    for (const IniWrite& write : test.writes) one.Set(write.section, write.key, write.value);
    IniDocument all = IniDocument::Parse(test.text);
    all.SetEach(test.writes);
    EXPECT_EQ(all.Text(), one.Text()) << "document: " << testing::PrintToString(test.text);
  }
}

}  // namespace
}  // namespace vantrel
