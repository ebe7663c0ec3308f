#pragma once

#include <cstddef>
#include <string>

namespace kalmo {

// The shortest text that reads back as the same double, in plain decimal
// notation for the magnitudes of this program (30, 0.021, -0.048, 100000);
// an exponent only below 1e-6 or from 1e15 on. -0 prints as 0; NaN and
// infinities print as the empty text.
std::string formatShortest(double value);
// The same, appended to `out` without a string of its own (nothing for NaN
// and infinities).
void appendShortest(std::string& out, double value);

// Room enough for any text above: the longest take 25 characters, such as
// -0.0000012345678901234567 and -1.2345678901234567e-308.
inline constexpr std::size_t kShortestMaxChars = 32;
// The same text written at `at`, which has room for kShortestMaxChars
// characters; returns its end (`at` itself for NaN and infinities).
char* writeShortest(char* at, double value);

}  // namespace kalmo
