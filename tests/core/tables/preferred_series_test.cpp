#include "tables/preferred_series.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace kalmo {
namespace {

std::string significant15(double v) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.15g", v);
  return buffer;
}

// The double nearest to value × 10^exponent, read from its decimal text.
double decimalProduct(double value, int exponent) {
  const std::string text = significant15(value) + "e" + std::to_string(exponent);
  return std::strtod(text.c_str(), nullptr);
}

TEST(PreferredSeries, ListsHaveTheirStandardLengths) {
  struct Case {
    int index;
    std::string_view name;
    std::size_t count;
  };
  const Case cases[] = {{0, "", 58},    {1, "R5", 6},     {2, "R10", 11},   {3, "R20", 21},
                        {4, "R40", 41}, {5, "R'10", 11},  {6, "R'20", 21},  {7, "R'40", 41},
                        {8, "R\"5", 6}, {9, "R\"10", 11}, {10, "R\"20", 21}};
  ASSERT_EQ(PreferredSeries.size(), std::size(cases));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.index);
    EXPECT_EQ(PreferredSeries[c.index].name, c.name);
    EXPECT_EQ(PreferredSeries[c.index].values.size(), c.count);
    EXPECT_EQ(preferredRows(c.index).size(), c.count);
  }
  // No entry selected in the window's series list.
  EXPECT_TRUE(preferredRows(-1).empty());
  EXPECT_TRUE(preferredRows(11).empty());
}

TEST(PreferredSeries, RowsSpanSixDecades) {
  const auto r5 = preferredRows(1);
  ASSERT_EQ(r5.size(), 6u);
  EXPECT_EQ(r5.front(), (PreferredRow{0.01, 0.1, 1, 10, 100, 1000}));
  EXPECT_EQ(r5.back(), (PreferredRow{0.1, 1, 10, 100, 1000, 10000}));

  const auto all = preferredRows(kAllSeriesIndex);
  ASSERT_EQ(all.size(), 58u);
  EXPECT_EQ(all.front()[3], 10);
  EXPECT_EQ(all.back()[3], 100);
}

TEST(PreferredSeries, ProductsOnRangeBoundsAreExact) {
  struct Case {
    double value;
    std::size_t column;
    double mm;
  };
  // 3 mm closes the first size range; a product one ulp above it would
  // evaluate in the range over 3 mm.
  const Case cases[] = {{30, 2, 3},  {31.5, 5, 3150}, {10, 0, 0.01},  {60, 2, 6},
                        {18, 3, 18}, {100, 5, 10000}, {31.5, 4, 315}, {50, 1, 0.5},
                        {40, 2, 4},  {45, 4, 450},    {22.4, 5, 2240}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.value << " column " << c.column);
    EXPECT_EQ(preferredRow(c.value)[c.column], c.mm);
  }
}

TEST(PreferredSeries, EveryCellReadsAsItsDecimalProduct) {
  const int exponents[kPreferredColumnCount] = {-3, -2, -1, 0, 1, 2};
  for (double v : kSeriesAll) {
    const PreferredRow row = preferredRow(v);
    for (std::size_t c = 0; c < kPreferredColumnCount; ++c) {
      SCOPED_TRACE(testing::Message() << v << " column " << c);
      const double expected = decimalProduct(v, exponents[c]);
      // What the window shows: 15 significant digits.
      EXPECT_EQ(significant15(row[c]), significant15(expected));
      // Every cell is the double nearest to the decimal product, so its
      // shortest text is that decimal (11.2 × 0.01 prints as 0.112).
      EXPECT_EQ(row[c], expected);
    }
  }
}

TEST(PreferredSeries, FindsSeriesByTypedName) {
  struct Case {
    std::string_view name;
    std::optional<int> index;
  };
  const Case cases[] = {{"all", 0},    {"r5", 1},     {"r'40", 7}, {"R\"5", 8},
                        {"(all)", {}}, {"ALL", {}},   {"", {}},    {"R7", {}},
                        {"R'5", {}},   {"R\"40", {}}, {"R5 ", {}}, {"R''10", {}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(findPreferredSeries(c.name), c.index);
  }
  for (std::size_t i = 1; i < PreferredSeries.size(); ++i) {
    EXPECT_EQ(findPreferredSeries(PreferredSeries[i].name), static_cast<int>(i));
  }
}

}  // namespace
}  // namespace kalmo
