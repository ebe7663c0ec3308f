#include "format/shortest_number.h"

#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace kalmo {
namespace {

// The text as to_chars gives it, the form the fast paths must match byte for
// byte: shortest round-trip digits, fixed from 1e-6 to below 1e15.
std::string toCharsText(double value) {
  if (!std::isfinite(value)) return {};
  if (value == 0) return "0";
  const double magnitude = std::fabs(value);
  const std::chars_format format =
      magnitude >= 1e-6 && magnitude < 1e15 ? std::chars_format::fixed : std::chars_format::general;
  std::array<char, 64> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format);
  return std::string(buffer.data(), result.ptr);
}

// Decimals of 0 to 9 places up to 10000 mm (micrometres in millimetres and
// finer), their sums and differences as fit values are formed, inches,
// doubles of any digits from 1e-7 to 1e16, powers of two with their
// neighbours (a quarter step below) and the bounds of the fixed form.
std::vector<double> sampleValues() {
  std::vector<double> values;
  std::mt19937_64 random(20261207);
  std::uniform_int_distribution<std::int64_t> anyMicrometre(-10'000'000, 10'000'000);
  for (int places = 0; places <= 9; ++places) {
    const double power = std::pow(10.0, places);
    for (std::int64_t k = 0; k <= 100'000; ++k) values.push_back(static_cast<double>(k) / power);
    std::uniform_int_distribution<std::int64_t> upTo10000(
        -10'000 * static_cast<std::int64_t>(power), 10'000 * static_cast<std::int64_t>(power));
    for (int i = 0; i < 50'000; ++i)
      values.push_back(static_cast<double>(upTo10000(random)) / power);
  }
  for (int i = 0; i < 300'000; ++i) {
    const double a = static_cast<double>(anyMicrometre(random)) / 1000;
    const double b = static_cast<double>(anyMicrometre(random) / 1000) / 1000;
    values.insert(values.end(),
                  {a - b, a + b, a * 0.001, a / 25.4, std::fabs(a - b) - std::fabs(b)});
  }
  std::uniform_real_distribution<double> decade(-7, 16);
  for (int i = 0; i < 500'000; ++i) values.push_back(std::pow(10.0, decade(random)));
  for (int e = -25; e <= 52; ++e) {
    double below = std::ldexp(1.0, e);
    double above = below;
    for (int i = 0; i < 40; ++i) {
      values.insert(values.end(), {below, above});
      below = std::nextafter(below, 0.0);
      above = std::nextafter(above, 1e300);
    }
  }
  for (const double edge :
       {1e-6, 1e-4, 0.1, 0.3, 1e15 - 1, 1e15, 999999999999999.9, 1e14 + 0.5, 9007199254740991.0,
        std::numeric_limits<double>::denorm_min(), std::numeric_limits<double>::min(),
        std::numeric_limits<double>::max()}) {
    values.insert(values.end(), {edge, std::nextafter(edge, 0.0), std::nextafter(edge, 1e300)});
  }
  return values;
}

TEST(ShortestNumber, SameTextAsToCharsForMillionsOfValues) {
  const std::vector<double> values = sampleValues();
  ASSERT_GT(values.size(), 3'000'000u);
  int mismatches = 0;
  std::string text;
  for (const double value : values) {
    for (const double signed_ : {value, -value}) {
      text.clear();
      appendShortest(text, signed_);
      if (text != toCharsText(signed_) && ++mismatches <= 10) {
        ADD_FAILURE() << "for " << toCharsText(signed_) << ": " << text;
      }
    }
  }
  EXPECT_EQ(mismatches, 0);
  for (const double special : {0.0, -0.0, std::numeric_limits<double>::infinity(),
                               std::numeric_limits<double>::quiet_NaN()}) {
    EXPECT_EQ(formatShortest(special), toCharsText(special));
  }
}

}  // namespace
}  // namespace kalmo
