#pragma once

#include <array>

#include "tables/iso2768_bands.h"

namespace kalmo {

// ISO 2768-1:1989, Table 3: permissible deviations of angular dimensions,
// ± minutes of arc (60 = 1°), for the classes f, m, c, v, by the length of
// the shorter leg of the angle. The first range is "up to 10 mm" (the table
// has no lower bound), the last, "over 400 mm", is open.
struct Iso2768AngularRow {
  Iso2768Band band;
  std::array<int, 4> deviationArcMinutes;
};

inline constexpr bool kIso2768AngularFirstInclusive = false;

inline constexpr std::array<Iso2768AngularRow, 5> kIso2768Angular = {{
    {{0, 10000}, {60, 60, 90, 180}},
    {{10000, 50000}, {30, 30, 60, 120}},
    {{50000, 120000}, {20, 20, 30, 60}},
    {{120000, 400000}, {10, 10, 15, 30}},
    {{400000, std::nullopt}, {5, 5, 10, 20}},
}};
static_assert(bandsContiguous(kIso2768Angular));
static_assert(columnsMonotonic(kIso2768Angular, &Iso2768AngularRow::deviationArcMinutes, false));

}  // namespace kalmo
