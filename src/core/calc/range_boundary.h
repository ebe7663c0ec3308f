#pragma once

#include <optional>

#include "calc/evaluation.h"
#include "calc/tolerance_class.h"

namespace kalmo {

// A size near the bound of a size range: a hair across the bound the tables
// give other deviations, and with them another fit (H7/s6 at 120 mm gives
// 0.044 to 0.101 mm interference, at 120.001 mm 0.052 to 0.117 mm).

// The bound of a size range within 1 % of the size: b with |size - b| <= 0.01 b,
// among the upper bounds of the tables' rows (3, 6, 10, 14 ... 9000 mm) but
// not 10000 mm, the end of the tables. The bounds lie more than 2 % apart,
// so at most one qualifies. nullopt for other sizes (NaN included).
std::optional<double> nearbyRangeBoundMm(double sizeMm);

// The evaluation just across that bound: at b + 0.001 mm when the size is at
// or below b, else at b itself.
struct RangeNeighbour {
  double boundMm = 0;
  double sizeMm = 0;      // where the neighbour was evaluated
  Evaluation evaluation;  // with the same classes; a member without a class stays undefined
  friend bool operator==(const RangeNeighbour&, const RangeNeighbour&) = default;
};

// The neighbour when the size is near a bound and the limit deviations of a
// given class (upper or lower, hole or shaft) differ there; nullopt when no
// class changes, when no class is given, or for a size not near a bound.
// Only the members with a class are compared.
std::optional<RangeNeighbour> rangeBoundaryNeighbour(double sizeMm,
                                                     std::optional<ToleranceClass> hole,
                                                     std::optional<ToleranceClass> shaft);

}  // namespace kalmo
