#include "general/typed_length.h"

#include <algorithm>
#include <charconv>

#include "format/number_format.h"

namespace kalmo {

namespace {

// The exponent is limited to what a double could hold; sizes beyond it are
// refused by the size limits anyway.
constexpr int kMaxExponent = 400;

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

// Digits without leading zeros.
std::string stripped(std::string digits) {
  const std::size_t first = digits.find_first_not_of('0');
  return first == std::string::npos ? std::string() : digits.substr(first);
}

// The decimal digits times a small factor.
std::string times(const std::string& digits, unsigned factor) {
  std::string out(digits.size(), '0');
  unsigned long long carry = 0;
  for (std::size_t i = digits.size(); i-- > 0;) {
    const unsigned long long v = static_cast<unsigned long long>(digits[i] - '0') * factor + carry;
    out[i] = static_cast<char>('0' + v % 10);
    carry = v / 10;
  }
  return stripped(std::to_string(carry) + out);
}

std::strong_ordering compareDigits(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return a.size() <=> b.size();
  const int c = a.compare(b);
  return c < 0 ? std::strong_ordering::less
               : (c > 0 ? std::strong_ordering::greater : std::strong_ordering::equal);
}

}  // namespace

std::optional<TypedLength> readTypedLength(std::string_view text, bool inch) {
  text = trimmed(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  std::string digits;
  int scale = 0;
  bool point = false;
  bool anyDigit = false;
  std::size_t i = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (isDigit(c)) {
      digits += c;
      anyDigit = true;
      if (point) ++scale;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  if (!anyDigit) return std::nullopt;
  int exponent = 0;
  if (i < text.size()) {
    if (text[i] != 'e' && text[i] != 'E') return std::nullopt;
    std::string_view rest = text.substr(i + 1);
    bool negative = false;
    if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
      negative = rest.front() == '-';
      rest.remove_prefix(1);
    }
    if (rest.empty() || !std::all_of(rest.begin(), rest.end(), isDigit)) return std::nullopt;
    const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), exponent);
    if (error != std::errc() || end != rest.data() + rest.size() || exponent > kMaxExponent) {
      return std::nullopt;
    }
    if (negative) exponent = -exponent;
  }
  // digits x 10^(exponent - scale), with a scale of 0 or more.
  scale -= exponent;
  if (scale < 0) {
    digits.append(static_cast<std::size_t>(-scale), '0');
    scale = 0;
  }
  digits = stripped(std::move(digits));
  // Trailing zeros after the point say nothing about the value.
  while (scale > 0 && !digits.empty() && digits.back() == '0') {
    digits.pop_back();
    --scale;
  }
  if (digits.empty()) scale = 0;
  return TypedLength{std::move(digits), scale, inch};
}

std::strong_ordering compareWithMicrometres(const TypedLength& length, std::int64_t boundUm) {
  // Both sides times 10^(scale + 3), in whole numbers:
  //   mm:   digits x 10^-scale mm        -> digits x 1000   against bound x 10^scale
  //   inch: digits x 10^-scale x 25.4 mm -> digits x 25400  against bound x 10^scale
  const std::string left = times(length.digits, length.inch ? 25400u : 1000u);
  std::string right = stripped(std::to_string(boundUm));
  if (!right.empty()) right.append(static_cast<std::size_t>(length.scale), '0');
  return compareDigits(left, right);
}

std::string typedLengthText(const TypedLength& length, std::string_view decimalSeparator) {
  if (length.digits.empty()) return "0";
  const auto scale = static_cast<std::size_t>(length.scale);
  std::string digits = length.digits;
  if (digits.size() <= scale) digits.insert(0, scale + 1 - digits.size(), '0');
  if (scale == 0) return digits;
  return digits.substr(0, digits.size() - scale) + std::string(decimalSeparator) +
         digits.substr(digits.size() - scale);
}

double typedLengthMm(const TypedLength& length) {
  std::string text = length.digits.empty() ? std::string("0") : length.digits;
  text += "e-" + std::to_string(length.scale);
  double value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return length.inch ? inchToMm(value) : value;
}

}  // namespace kalmo
