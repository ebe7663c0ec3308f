#pragma once

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

}  // namespace kalmo
