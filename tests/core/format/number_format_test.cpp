#include "format/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace kalmo {
namespace {

struct FixedCase {
  double value;
  int decimals;
  const char* separator;
  const char* expected;
};

TEST(FormatFixed, RoundsHalvesAwayFromZeroOnTheExactBinaryValue) {
  const FixedCase cases[] = {
      {0.015, 4, ".", "0.0150"},
      {-0.005, 4, ".", "-0.0050"},
      {10.015, 4, ".", "10.0150"},
      {0, 4, ".", "0.0000"},
      {0.0105, 4, ".", "0.0105"},
      {1.03125, 4, ".", "1.0313"},  // an exact tie: away from zero, not to even
      {-1.03125, 4, ".", "-1.0313"},
      {0.125, 2, ".", "0.13"},
      {2.5, 0, ".", "3"},
      {2.00005, 4, ".", "2.0000"},  // stored just below the half; x * 1e4 would round up
      {-2.00005, 4, ".", "-2.0000"},
      {9.99995, 4, ".", "10.0000"},  // stored just above: carries into a new digit
      {0.00005, 4, ".", "0.0001"},
      {0.015 / 25.4, 5, ".", "0.00059"},
      {-0.032 / 25.4, 5, ".", "-0.00126"},
      {10000.015, 4, ".", "10000.0150"},
      {0.015, 4, ",", "0,0150"},
      {-1.5, 1, "\xD9\xAB",
       "-1\xD9\xAB"
       "5"},                     // a two-byte separator (U+066B)
      {0.015, 4, "", "0.0150"},  // an empty separator falls back to "."
  };
  for (const FixedCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.value << " to " << c.decimals);
    EXPECT_EQ(formatFixed(c.value, c.decimals, c.separator), c.expected);
  }
}

TEST(FormatFixed, NeverWritesANegativeZero) {
  for (const double v : {-0.0, -0.00004, -0.0000499, -1e-300, -4.9e-324}) {
    SCOPED_TRACE(v);
    EXPECT_EQ(formatFixed(v, 4), "0.0000");
    EXPECT_EQ(formatGrouped3(v), "0");
  }
  EXPECT_EQ(formatFixed(-0.00004, 5), "-0.00004");
}

TEST(FormatFixed, NonFiniteValuesDoNotFail) {
  EXPECT_EQ(formatFixed(std::numeric_limits<double>::quiet_NaN(), 4), "nan");
  EXPECT_EQ(formatFixed(-std::numeric_limits<double>::infinity(), 4), "-inf");
  EXPECT_EQ(formatPlain(std::numeric_limits<double>::infinity()), "inf");
  EXPECT_EQ(formatFixed(1e300, 4).size(), 301u + 5u);
}

TEST(FormatPlain, FifteenSignificantDigitsWithoutTrailingZeros) {
  const struct {
    double value;
    const char* separator;
    const char* expected;
  } cases[] = {
      {10, ".", "10"},
      {10.5, ".", "10.5"},
      {0.3937, ".", "0.3937"},
      {0.1 + 0.2, ".", "0.3"},
      {1.0 / 3, ".", "0.333333333333333"},
      {12345.678901234567, ".", "12345.6789012346"},
      {-2.5, ".", "-2.5"},
      {0, ".", "0"},
      {-0.0, ".", "0"},
      {0.00001, ".", "0.00001"},
      {10000, ".", "10000"},
      {123456789012345, ".", "123456789012345"},
      {1e15, ".", "1e15"},
      {1.5e-7, ".", "1.5e-7"},
      {0.12345 * 25.4, ".", "3.13563"},
      {10.5, ",", "10,5"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.expected);
    EXPECT_EQ(formatPlain(c.value, c.separator), c.expected);
  }
}

TEST(FormatPlain, ReadsBackAsTheSameDouble) {
  // Sizes with up to 15 significant digits survive the round trip exactly,
  // with either separator.
  for (int i = 1; i <= 100000; i += 7) {
    const double size = i / 1000.0;
    ASSERT_EQ(parseNumber(formatPlain(size)), size) << i;
    ASSERT_EQ(parseNumber(formatPlain(size, ","), ","), size) << i;
  }
}

TEST(FormatGrouped3, GroupsThousandsAndKeepsAtMostThreeDecimals) {
  const struct {
    double value;
    Separators separators;
    const char* expected;
  } cases[] = {
      {15, {}, "15"},
      {-6, {}, "-6"},
      {0.59, {}, "0.59"},
      {1234.5, {}, "1,234.5"},
      {1234567, {}, "1,234,567"},
      {-1234.5678, {}, "-1,234.568"},
      {123, {}, "123"},
      {0.0005, {}, "0.001"},
      {999.9996, {}, "1,000"},
      {1234.5, {",", "."}, "1.234,5"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.expected);
    EXPECT_EQ(formatGrouped3(c.value, c.separators), c.expected);
  }
}

TEST(RoundTo, TiesGoToEven) {
  const struct {
    double value;
    int decimals;
    double expected;
  } cases[] = {
      {2.5, 0, 2},
      {3.5, 0, 4},
      {-1.5, 0, -2},
      {10 / 25.4, 5, 0.3937},
      {0.0254 / 25.4, 5, 0.001},
      {1.23456789, 4, 1.2346},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.value << " to " << c.decimals);
    EXPECT_EQ(roundTo(c.value, c.decimals), c.expected);
  }
  EXPECT_TRUE(std::isnan(roundTo(std::numeric_limits<double>::quiet_NaN(), 2)));
}

TEST(ParseNumber, AcceptsPlainDecimalNumbers) {
  const struct {
    const char* text;
    const char* separator;
    double expected;
  } cases[] = {
      {"10", ".", 10},
      {" 10.5\t", ".", 10.5},
      {"+3", ".", 3},
      {"-0.5", ".", -0.5},
      {".5", ".", 0.5},
      {"5.", ".", 5},
      {"1e3", ".", 1000},
      {"1E-3", ".", 0.001},
      {"2.5e+1", ".", 25},
      {"10,5", ",", 10.5},
      {"10.5", ",", 10.5},
      {"1\xD9\xAB"
       "5",
       "\xD9\xAB", 1.5},
      {"0000012", ".", 12},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(parseNumber(c.text, c.separator), c.expected);
  }
}

TEST(ParseNumber, RejectsEverythingElse) {
  const struct {
    const char* text;
    const char* separator;
  } cases[] = {
      {"", "."},       {"  ", "."},    {"abc", "."},      {"nan", "."},   {"NaN", "."},
      {"inf", "."},    {"-inf", "."},  {"infinity", "."}, {"0x10", "."},  {"1e999", "."},
      {"-1e999", "."}, {"1e", "."},    {"1e+", "."},      {"--1", "."},   {"+-1", "."},
      {"1.2.3", "."},  {"1,000", "."}, {"10 5", "."},     {"1..2", "."},  {".", "."},
      {"-", "."},      {",", ","},     {"1,2,3", ","},    {"12abc", "."}, {"1e5.5", "."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(parseNumber(c.text, c.separator), std::nullopt);
  }
  EXPECT_EQ(parseNumber("1" + std::string(400, '0')), std::nullopt);  // beyond any double
  EXPECT_EQ(parseNumber(std::string("1\0", 2)), std::nullopt);
}

}  // namespace
}  // namespace kalmo
