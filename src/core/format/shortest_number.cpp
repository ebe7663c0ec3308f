#include "format/shortest_number.h"

#include <array>
#include <charconv>
#include <cmath>

namespace kalmo {

void appendShortest(std::string& out, double value) {
  if (!std::isfinite(value)) return;
  if (value == 0) {  // also -0: a signed zero means nothing here
    out += '0';
    return;
  }
  // to_chars without a precision gives the shortest round-trip digits; the
  // fixed form keeps 100000 from turning into 1e+05.
  const double magnitude = std::fabs(value);
  const std::chars_format format =
      magnitude >= 1e-6 && magnitude < 1e15 ? std::chars_format::fixed : std::chars_format::general;
  std::array<char, 64> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format);
  out.append(buffer.data(), result.ptr);
}

std::string formatShortest(double value) {
  std::string out;
  appendShortest(out, value);
  return out;
}

}  // namespace kalmo
