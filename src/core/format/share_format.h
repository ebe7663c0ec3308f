#pragma once

#include <string>
#include <string_view>

namespace kalmo {

// A share of assemblies p (0..1, such as P(interference)) as a percentage:
//   p = 0 and p = 1 exactly:      "0 %", "100 %"
//   0.1 % to 99.9 %:              one decimal, "30.7 %"
//   above 0 and below 0.1 %:      two significant digits in a power of ten,
//                                 "4.2·10⁻²⁰ %", so a tiny tail is not shown as 0
//   above 99.9 % and below 100 %: "> 99.9 %", as one decimal would round it to
//                                 a 100 % the share is not
// Halves round away from zero on the exact binary value (formatFixed). A value
// outside 0..1 or NaN is no share and prints as "–".
std::string formatShare(double p, std::string_view decimalSeparator = ".");

}  // namespace kalmo
