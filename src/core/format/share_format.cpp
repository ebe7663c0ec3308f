#include "format/share_format.h"

#include <array>
#include <cmath>

#include "format/number_format.h"

namespace kalmo {

namespace {

// The exponent in superscript digits: -20 -> "⁻²⁰".
std::string superscript(int exponent) {
  static constexpr std::array<std::string_view, 10> kDigits = {"⁰", "¹", "²", "³", "⁴",
                                                               "⁵", "⁶", "⁷", "⁸", "⁹"};
  std::string text = exponent < 0 ? "⁻" : "";
  for (char c : std::to_string(std::abs(exponent))) {
    text += kDigits[static_cast<std::size_t>(c - '0')];
  }
  return text;
}

}  // namespace

std::string formatShare(double p, std::string_view decimalSeparator) {
  constexpr std::string_view kNoBreak = "\u00a0";
  const std::string percentSign = std::string(kNoBreak) + "%";
  if (!(p >= 0 && p <= 1)) return "–";
  if (p == 0) return "0" + percentSign;
  if (p == 1) return "100" + percentSign;
  const double percent = p * 100;
  if (percent > 99.9) {
    return ">" + std::string(kNoBreak) + formatFixed(99.9, 1, decimalSeparator) + percentSign;
  }
  if (percent >= 0.1) return formatFixed(percent, 1, decimalSeparator) + percentSign;
  if (percent < 0.001) {
    return "<" + std::string(kNoBreak) + formatFixed(0.001, 3, decimalSeparator) + percentSign;
  }
  // Two significant digits: the mantissa in [1, 10) with one decimal. Rounding
  // can carry it to 10.0, which moves it one power up.
  int exponent = static_cast<int>(std::floor(std::log10(percent)));
  double mantissa = percent / std::pow(10.0, exponent);
  if (roundTo(mantissa, 1) >= 10) {
    ++exponent;
    mantissa /= 10;
  }
  return formatFixed(mantissa, 1, decimalSeparator) + "·10" + superscript(exponent) + percentSign;
}

}  // namespace kalmo
