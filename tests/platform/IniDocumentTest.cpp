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
      {"a", "K", "5"}, {"A", "m", "3"}, {"A", "new", "1"}, {"B", "new", "2"}, {"a", "NEW", "9"},
      {"C", "z", "1"}, {"D", "q", "1"}, {"c", "Z", "2"},   {"C", "y", "3"},   {"B", "x", ""},
  };
  const struct {
    const char* text;
    std::vector<IniWrite> writes;
  } cases[] = {
      {"[A]\nk=1\n\n[B]\nx=1\n[A]\nm=2\n", mixed},
      {"; top\r\n[A]\r\nk=1\r\n\r\n; note\r\n\r\n[B]\r\nx=1", mixed},
      {"", mixed},
      {"[A]", {{"A", "k", "1"}, {"A", "j", "2"}}},
      {"[B]\nx=1", {{"B", "x", "2"}}},
      {"[A]\nk=1\n", {}},
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
