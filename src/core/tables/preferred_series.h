#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace kalmo {

// Preferred numbers of ISO 3:1973: the basic series R5, R10, R20, R40, the
// rounded series R'10, R'20, R'40 and the more strongly rounded R"5, R"10,
// R"20 (the rounded values of ISO 497), one decade from 10 to 100. The window and the command line
// show each value in six decades (× 0.001 … × 100), so the offered sizes run from 0.01 to 10000 mm,
// all inside the nominal-size range.

inline constexpr std::array<double, 6> kSeriesR5 = {10, 16, 25, 40, 63, 100};
inline constexpr std::array<double, 11> kSeriesR10 = {10, 12.5, 16, 20, 25, 31.5,
                                                      40, 50,   63, 80, 100};
inline constexpr std::array<double, 21> kSeriesR20 = {
    10, 11.2, 12.5, 14, 16, 18, 20, 22.4, 25, 28, 31.5, 35.5, 40, 45, 50, 56, 63, 71, 80, 90, 100};
inline constexpr std::array<double, 41> kSeriesR40 = {
    10,   10.6, 11.2, 11.8, 12.5, 13.2, 14,   15,   16,   17,   18, 19,   20, 21.2,
    22.4, 23.6, 25,   26.5, 28,   30,   31.5, 33.5, 35.5, 37.5, 40, 42.5, 45, 47.5,
    50,   53,   56,   60,   63,   67,   71,   75,   80,   85,   90, 95,   100};
inline constexpr std::array<double, 11> kSeriesR10Rounded = {10, 12.5, 16, 20, 25, 32,
                                                             40, 50,   63, 80, 100};
inline constexpr std::array<double, 21> kSeriesR20Rounded = {
    10, 11, 12.5, 14, 16, 18, 20, 22, 25, 28, 32, 36, 40, 45, 50, 56, 63, 71, 80, 90, 100};
inline constexpr std::array<double, 41> kSeriesR40Rounded = {
    10, 10.5, 11, 12, 12.5, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 24, 25, 26, 28, 30, 32,
    34, 36,   38, 40, 42,   45, 48, 50, 53, 56, 60, 63, 67, 71, 75, 80, 85, 90, 95, 100};
inline constexpr std::array<double, 6> kSeriesR5MoreRounded = {10, 15, 25, 40, 60, 100};
inline constexpr std::array<double, 11> kSeriesR10MoreRounded = {10, 12, 15, 20, 25, 30,
                                                                 40, 50, 60, 80, 100};
inline constexpr std::array<double, 21> kSeriesR20MoreRounded = {
    10, 11, 12, 14, 16, 18, 20, 22, 25, 28, 30, 35, 40, 45, 50, 55, 60, 70, 80, 90, 100};

namespace preferred_detail {

inline constexpr std::array<std::span<const double>, 10> kNamedLists = {kSeriesR5,
                                                                        kSeriesR10,
                                                                        kSeriesR20,
                                                                        kSeriesR40,
                                                                        kSeriesR10Rounded,
                                                                        kSeriesR20Rounded,
                                                                        kSeriesR40Rounded,
                                                                        kSeriesR5MoreRounded,
                                                                        kSeriesR10MoreRounded,
                                                                        kSeriesR20MoreRounded};

inline constexpr std::size_t kTotalCount = [] {
  std::size_t n = 0;
  for (auto list : kNamedLists) n += list.size();
  return n;
}();

// All values of the ten lists, ascending, with repeats.
inline constexpr std::array<double, kTotalCount> kPooled = [] {
  std::array<double, kTotalCount> pool{};
  std::size_t n = 0;
  for (auto list : kNamedLists) {
    for (double v : list) pool[n++] = v;
  }
  std::sort(pool.begin(), pool.end());
  return pool;
}();

inline constexpr std::size_t kUnionCount = [] {
  std::size_t n = 0;
  for (std::size_t i = 0; i < kPooled.size(); ++i) {
    if (i == 0 || kPooled[i] != kPooled[i - 1]) ++n;
  }
  return n;
}();

}  // namespace preferred_detail

// Every value of the ten lists once, ascending: what the series list's first
// entry, "(all)", shows.
inline constexpr std::array<double, preferred_detail::kUnionCount> kSeriesAll = [] {
  std::array<double, preferred_detail::kUnionCount> all{};
  std::size_t n = 0;
  for (double v : preferred_detail::kPooled) {
    if (n == 0 || all[n - 1] != v) all[n++] = v;
  }
  return all;
}();
static_assert(kSeriesAll.size() == 58);

struct PreferredSeriesList {
  // As the series list shows it; empty for the union, whose entry text is
  // language string 91 ("(all)").
  std::string_view name;
  std::span<const double> values;  // ascending, without repeats, 10 … 100
};

// The eleven lists in the order of the window's series list.
inline constexpr std::array<PreferredSeriesList, 11> PreferredSeries = {{
    {"", kSeriesAll},
    {"R5", kSeriesR5},
    {"R10", kSeriesR10},
    {"R20", kSeriesR20},
    {"R40", kSeriesR40},
    {"R'10", kSeriesR10Rounded},
    {"R'20", kSeriesR20Rounded},
    {"R'40", kSeriesR40Rounded},
    {"R\"5", kSeriesR5MoreRounded},
    {"R\"10", kSeriesR10MoreRounded},
    {"R\"20", kSeriesR20MoreRounded},
}};

static_assert(std::ranges::all_of(PreferredSeries, [](const PreferredSeriesList& list) {
  return list.values.front() == 10 && list.values.back() == 100 &&
         std::ranges::adjacent_find(list.values, std::ranges::greater_equal{}) == list.values.end();
}));

// Index of the series list's "(all)" entry.
inline constexpr int kAllSeriesIndex = 0;

// Six decades of one value, from × 0.001 to × 100.
inline constexpr std::size_t kPreferredColumnCount = 6;
using PreferredRow = std::array<double, kPreferredColumnCount>;

// Column titles; fixed texts with the decimal comma in every language.
inline constexpr std::array<std::string_view, kPreferredColumnCount> kPreferredColumnTitles = {
    "x0,001", "x0,01", "x0,1", "x1", "x10", "x100"};

// Every value has at most two decimals, so a product is a whole number of
// hundredths divided (or multiplied) by a power of ten: one correctly rounded
// division of two exact doubles gives the nearest double to the exact
// decimal. Sizes on a range bound come out exact (30 × 0.1 is 3, where double
// arithmetic gives 3.0000000000000004 and would put 3 mm into the range
// above), and 11.2 × 0.01 prints as 0.112.
constexpr PreferredRow preferredRow(double value) {
  const auto hundredths = static_cast<long long>(value * 100 + 0.5);
  PreferredRow row{};
  // Column i is value × 10^(i − 3) = hundredths / 10^(5 − i).
  double divisor = 1;
  for (std::size_t i = kPreferredColumnCount; i-- > 0;) {
    row[i] = static_cast<double>(hundredths) / divisor;
    divisor *= 10;
  }
  return row;
}

// The rows of the series at the given index of the series list, in the list's
// order; empty for an index outside 0..10 (no entry selected).
std::vector<PreferredRow> preferredRows(int seriesIndex);

// Index of a series by the name a user types: "R5" … "R\"20" (letter case of
// the R ignored) or "all" for the union. nullopt for any other text.
std::optional<int> findPreferredSeries(std::string_view name);

}  // namespace kalmo
