#pragma once

#include <array>

#include "tables/iso2768_bands.h"

namespace kalmo {

// ISO 2768-2:1989 (replaced by ISO 22081:2021), Table 1: general tolerances
// on straightness and flatness, mm, for the classes H, K, L (column order of
// GeometricClass), by the length of the line or the longer side of the
// surface: "up to 10 mm", then up to 3000 mm. Two independent public copies
// agree on every value.
//
// The other tables of ISO 2768-2 (perpendicularity, symmetry, circular
// run-out) are deliberately absent: no two independent public copies were
// found that agree on their values, so the program says they are not
// available rather than offer a value that may be wrong.
struct Iso2768StraightnessRow {
  Iso2768Band band;
  std::array<double, 3> toleranceMm;
};

inline constexpr bool kIso2768StraightnessFirstInclusive = false;

inline constexpr std::array<Iso2768StraightnessRow, 6> kIso2768Straightness = {{
    {{0, 10000}, {0.02, 0.05, 0.1}},
    {{10000, 30000}, {0.05, 0.1, 0.2}},
    {{30000, 100000}, {0.1, 0.2, 0.4}},
    {{100000, 300000}, {0.2, 0.4, 0.8}},
    {{300000, 1000000}, {0.3, 0.6, 1.2}},
    {{1000000, 3000000}, {0.4, 0.8, 1.6}},
}};
static_assert(bandsContiguous(kIso2768Straightness));
static_assert(columnsMonotonic(kIso2768Straightness, &Iso2768StraightnessRow::toleranceMm, true));

}  // namespace kalmo
