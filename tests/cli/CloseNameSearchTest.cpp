// The close names offered for a unit name that names no unit.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "cli/CloseNameSearch.h"
#include "platform/TextEncoding.h"
#include "units/BuiltinCatalogue.h"

namespace vantrel::cli {
namespace {

// The whole table, as the reference the bounded one must agree with.
std::size_t FullEditDistance(std::string_view a, std::string_view b) {
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
  const std::string_view words[] = {"",      "a",         "ab",       "ba",        "second",
                                    "secnd", "seconds",   "kitten",   "sitting",   "meter",
                                    "metre", "kilometer", "kilometr", "xxxxxxxxxx"};
  for (const auto a : words)
    for (const auto b : words)
      for (std::size_t limit = 0; limit <= 5; ++limit)
        EXPECT_EQ(BoundedEditDistance(CodePoints(a), CodePoints(b), limit),
                  std::min(FullEditDistance(a, b), limit + 1))
            << std::string(a) << " / " << std::string(b) << " within " << limit;
}

class CloseNameSearchTest : public ::testing::Test {
 protected:
  CloseNameSearchTest() { BuildBuiltinCatalogue(catalogue_); }
  std::vector<std::string> Find(std::string_view text, const char* category = nullptr) {
    const CloseNameSearch search(catalogue_);
    return search.Find(text, category ? catalogue_.FindCategory(category) : nullptr);
  }
  bool Offers(std::string_view text, const std::string& name) {
    const auto names = Find(text);
    return std::find(names.begin(), names.end(), name) != names.end();
  }
  CUnitCatalogue catalogue_;
};

TEST_F(CloseNameSearchTest, ContainingNamesFirstThenTheFewestEdits) {
  EXPECT_EQ(Find("celsius").front(), "degree Celsius");
  EXPECT_EQ(Find("secnd").front(), "second");
  for (const std::string& name : Find("secnd", "Angle"))
    EXPECT_NE(catalogue_.FindCategory("Angle")->FindUnit(name), nullptr) << name;
}

TEST_F(CloseNameSearchTest, NothingPastTheDistanceOrTheLongestName) {
  // "kilometer/hour" with four letters changed, then five.
  EXPECT_TRUE(Offers("kXlXmXtXr/hour", "kilometer/hour"));
  EXPECT_FALSE(Offers("kXlXmXtXr/hXur", "kilometer/hour"));
  EXPECT_TRUE(Find(std::string(1 << 20, 'a')).empty());
  EXPECT_TRUE(Find("second" + std::string(200, ' ') + "x").empty());
}

}  // namespace
}  // namespace vantrel::cli
