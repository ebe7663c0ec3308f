#pragma once

#include <array>
#include <optional>

#include "tables/iso2768_bands.h"

namespace kalmo {

// ISO 2768-1:1989, Table 1: permissible deviations for linear dimensions
// except broken edges, ± mm, for the classes f, m, c, v (column order of
// LinearClass). The first range starts at 0.5 mm inclusive; below it and
// above 4000 mm the standard gives no general tolerance. Class v has no value
// from 0.5 up to 3 mm and class f none over 2000 mm (std::nullopt).
// Cross-checked against several public copies of the table, which agree on
// every value.
struct Iso2768LinearRow {
  Iso2768Band band;
  std::array<std::optional<double>, 4> deviationMm;
};

inline constexpr bool kIso2768LinearFirstInclusive = true;

inline constexpr std::array<Iso2768LinearRow, 8> kIso2768Linear = {{
    {{500, 3000}, {0.05, 0.1, 0.2, std::nullopt}},
    {{3000, 6000}, {0.05, 0.1, 0.3, 0.5}},
    {{6000, 30000}, {0.1, 0.2, 0.5, 1}},
    {{30000, 120000}, {0.15, 0.3, 0.8, 1.5}},
    {{120000, 400000}, {0.2, 0.5, 1.2, 2.5}},
    {{400000, 1000000}, {0.3, 0.8, 2, 4}},
    {{1000000, 2000000}, {0.5, 1.2, 3, 6}},
    {{2000000, 4000000}, {std::nullopt, 2, 4, 8}},
}};
static_assert(bandsContiguous(kIso2768Linear));
static_assert(columnsMonotonic(kIso2768Linear, &Iso2768LinearRow::deviationMm, true));

}  // namespace kalmo
