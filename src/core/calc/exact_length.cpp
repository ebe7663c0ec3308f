#include "calc/exact_length.h"

#include <cmath>

namespace kalmo {

std::optional<TenthsNm> TenthsNm::fromMm(double mm) {
  // Below 1e11 mm the product lies within 1e-4 of the integer a decimal of
  // 7 decimals gives, far below the 0.5 that would pick another one.
  if (!(std::fabs(mm) <= 1e11)) return std::nullopt;
  return TenthsNm(static_cast<std::int64_t>(std::nearbyint(mm * 1e7)));
}

double limitSizeMm(double sizeMm, TwentiethsUm deviation) {
  const std::optional<TenthsNm> size = TenthsNm::fromMm(sizeMm);
  if (!size) return sizeMm + deviation.mm();
  return (*size + TenthsNm(deviation)).mm();
}

}  // namespace kalmo
