// The close names offered for a unit name that names no unit.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "cli/CloseNameSearch.h"
#include "units/BuiltinCatalogue.h"

namespace vantrel::cli {
namespace {

// The whole table, as the reference the bounded one must agree with.
std::size_t FullEditDistance(std::wstring_view a, std::wstring_view b) {
  std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
  for (std::size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
  for (std::size_t j = 0; j <= b.size(); ++j) d[0][j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i)
    for (std::size_t j = 1; j <= b.size(); ++j)
      d[i][j] = std::min(
          {d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1)});
  return d[a.size()][b.size()];
}

TEST(BoundedEditDistanceTest, AgreesWithTheWholeTableUpToItsLimit) {
  const std::wstring_view words[] = {L"",      L"a",         L"ab",       L"ba",        L"second",
                                     L"secnd", L"seconds",   L"kitten",   L"sitting",   L"meter",
                                     L"metre", L"kilometer", L"kilometr", L"xxxxxxxxxx"};
  for (const auto a : words)
    for (const auto b : words)
      for (std::size_t limit = 0; limit <= 5; ++limit)
        EXPECT_EQ(BoundedEditDistance(a, b, limit), std::min(FullEditDistance(a, b), limit + 1))
            << std::wstring(a) << L" / " << std::wstring(b) << L" within " << limit;
}

class CloseNameSearchTest : public ::testing::Test {
 protected:
  CloseNameSearchTest() { BuildBuiltinCatalogue(catalogue_); }
  std::vector<std::wstring> Find(std::wstring_view text, const wchar_t* category = nullptr) {
    const CloseNameSearch search(catalogue_);
    return search.Find(text, category ? catalogue_.FindCategory(category) : nullptr);
  }
  bool Offers(std::wstring_view text, const std::wstring& name) {
    const auto names = Find(text);
    return std::find(names.begin(), names.end(), name) != names.end();
  }
  CUnitCatalogue catalogue_;
};

TEST_F(CloseNameSearchTest, ContainingNamesFirstThenTheFewestEdits) {
  EXPECT_EQ(Find(L"celsius").front(), L"degree Celsius");
  EXPECT_EQ(Find(L"secnd").front(), L"second");
  for (const std::wstring& name : Find(L"secnd", L"Angle"))
    EXPECT_NE(catalogue_.FindCategory(L"Angle")->FindUnit(name), nullptr) << name;
}

TEST_F(CloseNameSearchTest, NothingPastTheDistanceOrTheLongestName) {
  // "kilometer/hour" with four letters changed, then five.
  EXPECT_TRUE(Offers(L"kXlXmXtXr/hour", L"kilometer/hour"));
  EXPECT_FALSE(Offers(L"kXlXmXtXr/hXur", L"kilometer/hour"));
  EXPECT_TRUE(Find(std::wstring(1 << 20, L'a')).empty());
  EXPECT_TRUE(Find(L"second" + std::wstring(200, L' ') + L"x").empty());
}

}  // namespace
}  // namespace vantrel::cli
