#include "format/number_format.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "calc/exact_length.h"

namespace kalmo {

namespace {

// Largest number of decimals the fixed formats accept. 20 keeps 10^decimals
// exact in a double and leaves the tiny-value shortcut below valid.
constexpr int kMaxDecimals = 20;

// Room for the exact expansion of any double: up to 309 integer digits and,
// for subnormals, up to 1074 (capped at 1100) fraction digits.
constexpr std::size_t kExpansionBuffer = 1500;

// Text for values that no length of this program takes; kept readable rather
// than failing, because formatting never fails.
std::string nonFiniteText(double value) {
  if (std::isnan(value)) return "nan";
  return value < 0 ? "-inf" : "inf";
}

// A finite value rounded to a fixed number of decimals, as digit strings.
struct FixedDigits {
  bool negative = false;  // false whenever every digit is zero: no "-0"
  std::string integer;    // at least one digit, no leading zeros except "0"
  std::string fraction;   // exactly the requested number of digits
};

// Rounds |value| to `decimals` digits, halves away from zero, decided on the
// exact decimal expansion of the binary value. Printing exactly 53 - exponent
// fraction digits reproduces the double without any rounding, so the digit
// after the last kept one alone decides: 5..9 rounds up, 0..4 down.
FixedDigits roundFixed(double value, int decimals) {
  assert(std::isfinite(value));
  decimals = std::clamp(decimals, 0, kMaxDecimals);
  FixedDigits out;
  const double magnitude = std::fabs(value);

  std::string intPart = "0";
  std::string fracPart;
  // Below 1e-30 nothing survives rounding to at most 20 decimals.
  if (magnitude >= 1e-30) {
    int exponent = 0;
    std::frexp(magnitude, &exponent);
    const int exactDigits = std::clamp(53 - exponent, 0, 1100);
    std::array<char, kExpansionBuffer> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                      std::chars_format::fixed, exactDigits);
    assert(result.ec == std::errc{});
    const std::string_view text(buffer.data(),
                                static_cast<std::size_t>(result.ptr - buffer.data()));
    const std::size_t point = text.find('.');
    intPart = std::string(text.substr(0, point));
    if (point != std::string_view::npos) fracPart = std::string(text.substr(point + 1));
  }

  const bool roundUp =
      static_cast<std::size_t>(decimals) < fracPart.size() && fracPart[decimals] >= '5';
  fracPart.resize(static_cast<std::size_t>(decimals), '0');
  std::string digits = intPart + fracPart;
  if (roundUp) {
    std::size_t i = digits.size();
    for (;;) {
      if (i == 0) {  // carried out of the first digit: 9.99995 -> 10.0000
        digits.insert(digits.begin(), '1');
        break;
      }
      --i;
      if (digits[i] != '9') {
        ++digits[i];
        break;
      }
      digits[i] = '0';
    }
  }
  const std::size_t intLength = digits.size() - static_cast<std::size_t>(decimals);
  out.integer = digits.substr(0, intLength);
  out.fraction = digits.substr(intLength);
  const bool allZero = digits.find_first_not_of('0') == std::string::npos;
  out.negative = value < 0 && !allZero;
  return out;
}

std::string_view separatorOrPoint(std::string_view separator) {
  return separator.empty() ? std::string_view(".") : separator;
}

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}
bool isBlank(char c) {
  return c == ' ' || c == '\t';
}

}  // namespace

double mmToInch(double mm) {
  if (const std::optional<TenthsNm> exact = TenthsNm::fromMm(mm); exact && exact->mm() == mm) {
    return exact->inch();
  }
  return mm / kMmPerInch;
}

double inchToMm(double inch) {
  constexpr double kMicroinchesPerInch = 1e6;
  if (std::fabs(inch) <= 1e7) {
    const double microinches = std::nearbyint(inch * kMicroinchesPerInch);
    if (microinches / kMicroinchesPerInch == inch) {
      // 1 µin = 0.0000254 mm = 254 units of 1e-7 mm.
      return TenthsNm(static_cast<std::int64_t>(microinches) * 254).mm();
    }
  }
  return inch * kMmPerInch;
}

std::string formatFixedFraction(std::int64_t numerator, std::int64_t denominator, int decimals,
                                std::string_view decimalSeparator) {
  assert(denominator > 0 && denominator <= 1'000'000'000 && decimals >= 0 && decimals <= 9);
  std::int64_t scale = 1;
  for (int i = 0; i < decimals; ++i) scale *= 10;
  const bool negative = numerator < 0;
  const std::int64_t magnitude = negative ? -numerator : numerator;
  // Only the remainder is scaled: below 1e9 · 1e9, within 64 bits.
  const std::int64_t whole = magnitude / denominator;
  const std::int64_t scaledRest = magnitude % denominator * scale;
  std::int64_t units = scaledRest / denominator;
  if (2 * (scaledRest % denominator) >= denominator) ++units;  // halves away from zero
  std::int64_t integer = whole;
  if (units >= scale) {
    integer += 1;
    units -= scale;
  }
  std::string text;
  if (negative && (integer != 0 || units != 0)) text += '-';
  text += std::to_string(integer);
  if (decimals > 0) {
    std::string fraction = std::to_string(units);
    text += separatorOrPoint(decimalSeparator);
    text.append(static_cast<std::size_t>(decimals) - fraction.size(), '0');
    text += fraction;
  }
  return text;
}

std::string formatFixed(double value, int decimals, std::string_view decimalSeparator) {
  if (!std::isfinite(value)) return nonFiniteText(value);
  const FixedDigits d = roundFixed(value, decimals);
  std::string text;
  if (d.negative) text += '-';
  text += d.integer;
  if (!d.fraction.empty()) {
    text += separatorOrPoint(decimalSeparator);
    text += d.fraction;
  }
  return text;
}

std::string formatPlain(double value, std::string_view decimalSeparator) {
  if (!std::isfinite(value)) return nonFiniteText(value);
  if (value == 0) return "0";  // also -0

  // 15 significant digits, correctly rounded: "d.dddddddddddddde+XX".
  std::array<char, 64> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::scientific, 14);
  assert(result.ec == std::errc{});
  const std::string_view text(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
  const bool negative = text.front() == '-';
  const std::size_t e = text.find('e');
  std::string digits;
  for (char c : text.substr(negative ? 1 : 0, e - (negative ? 1 : 0))) {
    if (isDigit(c)) digits += c;
  }
  int exponent = std::atoi(std::string(text.substr(e + 1)).c_str());
  digits.erase(digits.find_last_not_of('0') + 1);  // the first digit is never 0

  const std::string_view separator = separatorOrPoint(decimalSeparator);
  std::string out = negative ? "-" : "";
  if (exponent >= 15 || exponent < -5) {
    // Beyond the magnitudes of this program: keep it short and exact.
    out += digits.substr(0, 1);
    if (digits.size() > 1) {
      out += separator;
      out += digits.substr(1);
    }
    out += 'e';
    out += std::to_string(exponent);
    return out;
  }
  if (exponent < 0) {
    out += '0';
    out += separator;
    out.append(static_cast<std::size_t>(-exponent - 1), '0');
    out += digits;
    return out;
  }
  const std::size_t intLength = static_cast<std::size_t>(exponent) + 1;
  if (digits.size() <= intLength) {
    out += digits;
    out.append(intLength - digits.size(), '0');
  } else {
    out += digits.substr(0, intLength);
    out += separator;
    out += digits.substr(intLength);
  }
  return out;
}

std::string formatGrouped3(double value, const Separators& separators) {
  if (!std::isfinite(value)) return nonFiniteText(value);
  const FixedDigits d = roundFixed(value, 3);
  std::string text;
  if (d.negative) text += '-';
  // Groups of three integer digits counted from the decimal point.
  const std::size_t n = d.integer.size();
  for (std::size_t i = 0; i < n; ++i) {
    if (i > 0 && (n - i) % 3 == 0) text += separators.group;
    text += d.integer[i];
  }
  const std::size_t kept = d.fraction.find_last_not_of('0');
  if (kept != std::string::npos) {
    text += separatorOrPoint(separators.decimal);
    text += d.fraction.substr(0, kept + 1);
  }
  return text;
}

double roundTo(double value, int decimals) {
  if (!std::isfinite(value)) return value;
  const double scale = std::pow(10.0, decimals);
  return std::nearbyint(value * scale) / scale;
}

std::optional<double> parseNumber(std::string_view text, std::string_view decimalSeparator) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);

  // Rebuild the number in the one syntax from_chars reads, which also keeps
  // out hexadecimal, "nan" and "inf" spellings.
  std::string ascii;
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    if (text[i] == '-') ascii += '-';
    ++i;
  }
  int mantissaDigits = 0;
  bool seenPoint = false;
  while (i < text.size()) {
    if (isDigit(text[i])) {
      ascii += text[i++];
      ++mantissaDigits;
    } else if (!seenPoint && !decimalSeparator.empty() &&
               text.substr(i).starts_with(decimalSeparator)) {
      ascii += '.';
      i += decimalSeparator.size();
      seenPoint = true;
    } else if (!seenPoint && text[i] == '.') {
      ascii += '.';
      ++i;
      seenPoint = true;
    } else {
      break;
    }
  }
  if (mantissaDigits == 0) return std::nullopt;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ascii += 'e';
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ascii += text[i++];
    int exponentDigits = 0;
    while (i < text.size() && isDigit(text[i])) {
      ascii += text[i++];
      ++exponentDigits;
    }
    if (exponentDigits == 0) return std::nullopt;
  }
  if (i != text.size()) return std::nullopt;

  double value = 0;
  const auto result = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
  // Out of range covers overflow to infinity and underflow below the
  // smallest double; neither is a length anyone means.
  if (result.ec != std::errc{} || result.ptr != ascii.data() + ascii.size() ||
      !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

}  // namespace kalmo
