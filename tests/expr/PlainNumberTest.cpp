// The short road for plain decimal numbers: what takes it, and that it gives
// the evaluator's double bit for bit over a large corpus of literals.
// VANTREL_DECIMAL_SAMPLES sets the corpus size (default 60000); after a change
// to either road run it once with a few million.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "CapturingContext.h"
#include "expr/Evaluation.h"
#include "expr/InputExpression.h"
#include "expr/PlainNumber.h"

namespace vantrel::expr {
namespace {

using testing::CapturingContext;

struct PlainCase {
  std::string text;
  bool plain;
  double value;
};

TEST(PlainDecimal, TakesOnlyWhatTheEvaluatorReadsAsThatNumber) {
  const PlainCase cases[] = {
      {"12.5", true, 12.5},
      {"-3", true, -3},
      {"+.5", true, 0.5},
      {"5.", true, 5},
      {"0010.0100", true, 10.01},
      {"1.5E-3", true, 0.0015},
      {"1e+5", true, 1e5},
      {"4.9406564584124654e-324", true, 4.9406564584124654e-324},
      {"-0", true, 0},       // 0 - 0 is +0
      {"5.e-3", false, 0},   // 5 - 3 to the evaluator
      {"5.e3", false, 0},    // an exponent only after a digit
      {"2e", false, 0},      // an e without digits is no exponent
      {"1e5e3", false, 0},   // code 26
      {"1.2.3", false, 0},   // code 27
      {"1e999", false, 0},   // infinite: code 13
      {"1e-999", false, 0},  // rounded to 0
      {"1 000", false, 0},   // spaces are the evaluator's to drop
      {" 5", false, 0},
      {"--5", false, 0},
      {"0x10", false, 0},
      {"inf", false, 0},
      {".", false, 0},
      {"", false, 0},
      {std::string(1024, '1'), false, 0},  // code 3
  };
  for (const PlainCase& c : cases) {
    double value = 7;
    EXPECT_EQ(read_plain_decimal(c.text, value), c.plain) << c.text;
    if (c.plain) {
      EXPECT_EQ(std::bit_cast<std::uint64_t>(value), std::bit_cast<std::uint64_t>(c.value))
          << c.text;
    }
  }
}

// A decimal literal of some shape: random digits around a point, signs and
// exponents; up to 17 digits with a small exponent (read by one exact
// operation); the shortest and the 17-digit text of random doubles; and the
// exact decimal of the midpoint between two neighbouring doubles (a tie that
// rounds to even), also one unit up or down in its last digit.
std::string Literal(std::mt19937_64& random, std::uint64_t i) {
  auto digits = [&](int n) {
    std::string text;
    for (int k = 0; k < n; ++k) text += static_cast<char>('0' + random() % 10);
    return text;
  };
  const std::string signs[] = {"", "", "-", "+"};
  std::string text = signs[random() % 4];
  // A positive double, every tenth one subnormal.
  const double some = std::bit_cast<double>(
      random() & (i % 10 == 3 ? 0x000FFFFFFFFFFFFFULL : 0x7FFFFFFFFFFFFFFFULL));
  char buffer[1100];
  switch (i % 6) {
    case 0: {
      text += digits(static_cast<int>(random() % 25));
      if (random() % 2) text += "." + digits(static_cast<int>(random() % 25));
      if (random() % 2) {
        text += random() % 2 ? "e" : "E";
        text += signs[random() % 4];
        text += std::to_string(random() % 700);
      }
      return text;
    }
    case 5: {
      const std::string all = digits(static_cast<int>(random() % 17) + 1);
      const std::size_t point = random() % (all.size() + 1);
      text += all.substr(0, point) + "." + all.substr(point);
      if (random() % 2) text += "e" + std::to_string(static_cast<int>(random() % 51) - 25);
      return text == "." ? "0" : text;
    }
    case 1:
      std::snprintf(buffer, sizeof buffer, "%.17g", some);
      return text + buffer;
    case 2:
      std::snprintf(buffer, sizeof buffer, "%.*g", static_cast<int>(random() % 17) + 1, some);
      return text + buffer;
    default: {
      // A long double holds the midpoint exactly; the largest double has none.
      if (!std::isfinite(some) || some == 0 || some > 0x1p1000) return text + "1";
      const long double middle =
          (static_cast<long double>(some) + std::nextafter(some, HUGE_VAL)) / 2;
      std::snprintf(buffer, sizeof buffer, "%.760Le", middle);
      std::string exact = buffer;
      const std::size_t e = exact.find('e');
      std::size_t last = e - 1;
      while (exact[last] == '0') --last;
      exact.erase(last + 1, e - last - 1);
      if (i % 6 == 4 && exact.find('e') < 1000) {
        last = exact.find('e') - 1;
        exact[last] = static_cast<char>(exact[last] == '9' ? '8' : exact[last] + 1);
      }
      return text + exact;
    }
  }
}

TEST(PlainDecimal, GivesTheEvaluatorsDoubleOverALargeCorpus) {
  const char* const count = std::getenv("VANTREL_DECIMAL_SAMPLES");
  const std::uint64_t samples = count ? std::strtoull(count, nullptr, 10) : 60000;
  CapturingContext context;
  std::mt19937_64 random(31337);
  std::uint64_t taken = 0;
  int failures = 0;
  for (std::uint64_t i = 0; i < samples && failures < 10; ++i) {
    const std::string text = Literal(random, i);
    double plain = 0;
    if (!read_plain_decimal(text, plain)) continue;
    ++taken;
    ErrorCode code{-1};
    const double evaluated = eval_math_expression(context.math, text.c_str(), code, 0);
    if (code != kNoError ||
        std::bit_cast<std::uint64_t>(plain) != std::bit_cast<std::uint64_t>(evaluated)) {
      ++failures;
      ADD_FAILURE() << text << ": " << plain << " against " << evaluated << " with code "
                    << static_cast<int>(code);
    }
  }
  // Most of the corpus is plain; the rest (too large, too small) proves nothing here.
  EXPECT_GT(taken, samples * 3 / 4);
}

TEST(PlainDecimal, IsTheInputValuesFirstRoad) {
  CapturingContext context;
  const InputValue plain = evaluate_input_value(context.math, "-0", 1);
  EXPECT_EQ(std::bit_cast<std::uint64_t>(plain.value), 0u);
  EXPECT_EQ(static_cast<int>(plain.error_code), 0);
  EXPECT_EQ(static_cast<int>(evaluate_input_value(context.math, "1e999", 1).error_code), 13);
  EXPECT_EQ(evaluate_input_value(context.math, "5.e-3", 1).value, 2);
}

}  // namespace
}  // namespace vantrel::expr
