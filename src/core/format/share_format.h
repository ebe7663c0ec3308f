#pragma once

#include <string>
#include <string_view>

namespace kalmo {

// A share of assemblies p (0..1, such as P(interference)) as a percentage
// for the screen (the JSON keeps the number):
//   p = 0 and p = 1 exactly:      "0 %", "100 %"
//   0.1 % to 99.9 %:              one decimal, "30.7 %"
//   0.001 % up to 0.1 %:          two significant digits in a power of ten,
//                                 "4.2·10⁻³ %", so a small tail is not shown as 0
//   above 0 and below 0.001 %:    "< 0.001 %": a share that small is no
//                                 quantity to read digits from
//   above 99.9 % and below 100 %: "> 99.9 %", as one decimal would round it to
//                                 a 100 % the share is not
// The blank before "%" (and after "<" or ">") is a no-break space (U+00A0),
// so that a wrapped line never separates the number from its sign.
// Halves round away from zero on the exact binary value (formatFixed). A value
// outside 0..1 or NaN is no share and prints as "–".
std::string formatShare(double p, std::string_view decimalSeparator = ".");

}  // namespace kalmo
