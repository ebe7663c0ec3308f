#pragma once

#include <array>

#include "tables/iso2768_bands.h"

namespace kalmo {

// ISO 2768-1:1989, Table 2: permissible deviations for broken edges
// (external radii and chamfer heights), ± mm, for the classes f, m, c, v.
// The first range starts at 0.5 mm inclusive (below it the deviation is
// given next to the dimension); the last range, "over 6 mm", is open. One
// public table splits it at 30 mm; the standard and the other copies do not.
struct Iso2768EdgeRow {
  Iso2768Band band;
  std::array<double, 4> deviationMm;
};

inline constexpr bool kIso2768EdgeFirstInclusive = true;

inline constexpr std::array<Iso2768EdgeRow, 3> kIso2768Edges = {{
    {{500, 3000}, {0.2, 0.2, 0.4, 0.4}},
    {{3000, 6000}, {0.5, 0.5, 1, 1}},
    {{6000, std::nullopt}, {1, 1, 2, 2}},
}};
static_assert(bandsContiguous(kIso2768Edges));
static_assert(columnsMonotonic(kIso2768Edges, &Iso2768EdgeRow::deviationMm, true));

}  // namespace kalmo
