#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kalmo {

// Millimetres per inch, exact by definition.
inline constexpr double kMmPerInch = 25.4;

// mm / 25.4. A length that is the nearest double to a decimal of at most
// 7 decimals in mm (every size, deviation, limit and fit value of the
// program) converts from that decimal: the result is the nearest double to
// the exact quotient. Other values divide their double.
double mmToInch(double mm);
// inch × 25.4. An inch value that is the nearest double to a decimal of at
// most 6 decimals converts from that decimal, exactly (the product has at
// most 7 decimals in mm), to the nearest double. Other values multiply their
// double.
double inchToMm(double inch);

// The fraction numerator / denominator (denominator > 0) as fixed-point text
// with exactly `decimals` digits (0..9), the last digit rounded half away from
// zero on the exact fraction; the format of formatFixed otherwise.
// denominator up to 1e9.
std::string formatFixedFraction(std::int64_t numerator, std::int64_t denominator, int decimals,
                                std::string_view decimalSeparator = ".");

// Separators of the user's locale; UTF-8 text, usually one character.
struct Separators {
  std::string decimal = ".";
  std::string group = ",";
};

// Fixed-point text with exactly `decimals` digits after the separator, at
// least one before it, "-" for negative values (never "+", never "-0.0000"),
// no grouping. Halves of the last digit round away from zero on the exact
// binary value. fixed-4 = formatFixed(v, 4), fixed-5 = formatFixed(v, 5).
// decimals: 0..20 (clamped). Never fails: NaN and infinities print as "nan",
// "inf", "-inf". Locale-independent; only the given separator is used.
std::string formatFixed(double value, int decimals, std::string_view decimalSeparator = ".");

// The value rounded to 15 significant digits, without trailing zeros and,
// for magnitudes from 1e-5 up to below 1e15, without exponent:
// 10 -> "10", 10.5 -> "10.5", 0.3937 -> "0.3937". Outside that range a short
// exponent form ("1.5e-7", "2e15"); 0 and -0 print as "0".
std::string formatPlain(double value, std::string_view decimalSeparator = ".");

// The diagram's "#,##0.###": digit grouping, at most three decimals, no
// trailing zeros, halves away from zero: 15 -> "15", -6 -> "-6", 0.59 -> "0.59",
// 1234.5 -> "1,234.5". A value that rounds to zero prints "0", never "-0".
std::string formatGrouped3(double value, const Separators& separators = {});

// The value rounded to k decimals: times 10^k, to the nearest integer with
// ties to even, divided by 10^k again. NaN and infinities pass through.
double roundTo(double value, int decimals);

// Reads a number typed by a user: optional sign, digits with at most one
// decimal separator (the given one; "." is accepted too), optional exponent.
// Surrounding blanks are ignored. nullopt for anything else, NaN and infinity
// ("nan", "inf", "0x10", "1e999", "1,000" with "." as separator, "").
// Locale-independent.
std::optional<double> parseNumber(std::string_view text, std::string_view decimalSeparator = ".");

}  // namespace kalmo
