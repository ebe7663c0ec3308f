#include "format/shortest_number.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cassert>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace kalmo {

namespace {

// 10^0 .. 10^22, each exact in a double.
constexpr std::array<double, 23> kPowersOfTen = {1,    1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                 1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr int kLargestPower = static_cast<int>(kPowersOfTen.size()) - 1;

// Integers up to 10^15 have at most 15 significant digits once trailing zeros
// go, and two different decimals of at most 15 significant digits never read
// as the same double.
constexpr double kFifteenDigits = 1e15;

struct ZeroStep {
  int zeros;
  std::uint64_t power;
};
constexpr std::array<ZeroStep, 4> kZeroSteps = {{{8, 100000000}, {4, 10000}, {2, 100}, {1, 10}}};

// "00" "01" ... "99".
constexpr std::array<char, 200> kDigitPairs = [] {
  std::array<char, 200> pairs{};
  for (std::size_t i = 0; i < 100; ++i) {
    pairs[2 * i] = static_cast<char>('0' + i / 10);
    pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
  }
  return pairs;
}();

// Writes the decimal n / 10^k in fixed form, without trailing zeros; returns
// the end.
char* writeDecimal(char* at, bool negative, std::uint64_t n, int k) {
  // n < 10^15: at most 14 trailing zeros, taken 8, 4, 2 and 1 at a time.
  for (const auto [zeros, power] : kZeroSteps) {
    if (k >= zeros && n % power == 0) {
      n /= power;
      k -= zeros;
    }
  }
  // Right-aligned in a block: at most 17 digits, 22 after the point.
  std::array<char, 32> digits{};
  char* const end = digits.data() + digits.size();
  char* first = end;
  for (; n >= 100; n /= 100) {
    first -= 2;
    std::memcpy(first, &kDigitPairs[2 * (n % 100)], 2);
  }
  if (n >= 10) {
    first -= 2;
    std::memcpy(first, &kDigitPairs[2 * n], 2);
  } else {
    *--first = static_cast<char>('0' + n);
  }
  while (end - first <= k) *--first = '0';  // 0.000123
  if (negative) *at++ = '-';
  const auto whole = static_cast<std::size_t>(end - first - k);
  std::memcpy(at, first, whole);
  at += whole;
  if (k > 0) {
    *at++ = '.';
    std::memcpy(at, end - k, static_cast<std::size_t>(k));
    at += k;
  }
  return at;
}

// Writes the fixed form of a magnitude (1e-6 <= magnitude < 1e15) and
// returns the end, or nullptr if it is not a decimal of at most 15 digits. Most numbers of this
// program are micrometres in millimetres, decimals of at most 15 significant digits: with k the
// most digits after the point that keep magnitude * 10^k below 10^15, such a decimal is n / 10^k
// for n the nearest integer to magnitude * 10^k (the product's rounding stays far below one half
// there). Both n and 10^k are exact doubles, so the correctly rounded quotient n / 10^k equals the
// magnitude exactly when the decimal reads back as it, and as no other decimal of at most 15 digits
// reads as the same double, n without its trailing zeros is the shortest text. Otherwise (16 or 17
// digits) the standard library's routine finds it.
char* writeFixed(char* at, bool negative, double magnitude) {
  const auto bits = std::bit_cast<std::uint64_t>(magnitude);
  // magnitude lies in [2^e, 2^(e+1)): start near 14 - floor(log10(magnitude)).
  const int e = static_cast<int>(bits >> 52) - 1023;
  int k = std::clamp(14 - (e * 1233 >> 12), 0, kLargestPower);  // 1233 / 4096 ~ log10(2)
  while (k > 0 && magnitude * kPowersOfTen[static_cast<std::size_t>(k)] >= kFifteenDigits) --k;
  while (k < kLargestPower &&
         magnitude * kPowersOfTen[static_cast<std::size_t>(k) + 1] < kFifteenDigits) {
    ++k;
  }
  const double power = kPowersOfTen[static_cast<std::size_t>(k)];
  const double scaled = magnitude * power;
  if (scaled >= kFifteenDigits) return nullptr;
  // scaled < 2^50, so adding one half is exact and the cut rounds to nearest.
  const auto n = static_cast<std::uint64_t>(scaled + 0.5);
  if (static_cast<double>(n) / power == magnitude) return writeDecimal(at, negative, n, k);
  return nullptr;
}

}  // namespace

char* writeShortest(char* at, double value) {
  if (!std::isfinite(value)) return at;
  if (value == 0) {  // also -0: a signed zero means nothing here
    *at = '0';
    return at + 1;
  }
  // The shortest round-trip digits, as to_chars without a precision gives
  // them; the fixed form keeps 100000 from turning into 1e+05.
  const double magnitude = std::fabs(value);
  const bool fixed = magnitude >= 1e-6 && magnitude < 1e15;
  if (fixed) {
    if (char* const end = writeFixed(at, value < 0, magnitude)) return end;
  }
  const auto result = std::to_chars(at, at + kShortestMaxChars, value,
                                    fixed ? std::chars_format::fixed : std::chars_format::general);
  assert(result.ec == std::errc());
  return result.ptr;
}

void appendShortest(std::string& out, double value) {
  std::array<char, kShortestMaxChars> buffer;
  out.append(buffer.data(), writeShortest(buffer.data(), value));
}

std::string formatShortest(double value) {
  std::string out;
  appendShortest(out, value);
  return out;
}

}  // namespace kalmo
