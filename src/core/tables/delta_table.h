#pragma once

#include <array>

#include "tables/size_row.h"

namespace kalmo {

struct DeltaRow {
  double upperBoundMm;
  std::array<double, 6> deltaUm;  // IT3, IT4, IT5, IT6, IT7, IT8 (grade index 4..9)
};

// Δ values in µm, added to the fundamental deviation of holes K, M, N (up to
// IT8) and P..ZC (up to IT7). ISO 286-1:1988, table 3. The rows follow the
// bounds of the deviation tables, so the sub-ranges of one standard range
// repeat its row; the row up to 3 mm holds zeros. Above 500 mm no Δ applies.
// clang-format off
inline constexpr std::array<DeltaRow, 25> DeltaTable = {{
    DeltaRow{3, {0, 0, 0, 0, 0, 0}},
    DeltaRow{6, {1, 1.5, 1, 3, 4, 6}},
    DeltaRow{10, {1, 1.5, 2, 3, 6, 7}},
    DeltaRow{14, {1, 2, 3, 3, 7, 9}},
    DeltaRow{18, {1, 2, 3, 3, 7, 9}},
    DeltaRow{24, {1.5, 2, 3, 4, 8, 12}},
    DeltaRow{30, {1.5, 2, 3, 4, 8, 12}},
    DeltaRow{40, {1.5, 3, 4, 5, 9, 14}},
    DeltaRow{50, {1.5, 3, 4, 5, 9, 14}},
    DeltaRow{65, {2, 3, 5, 6, 11, 16}},
    DeltaRow{80, {2, 3, 5, 6, 11, 16}},
    DeltaRow{100, {2, 4, 5, 7, 13, 19}},
    DeltaRow{120, {2, 4, 5, 7, 13, 19}},
    DeltaRow{140, {3, 4, 6, 7, 15, 23}},
    DeltaRow{160, {3, 4, 6, 7, 15, 23}},
    DeltaRow{180, {3, 4, 6, 7, 15, 23}},
    DeltaRow{200, {3, 4, 6, 9, 17, 26}},
    DeltaRow{225, {3, 4, 6, 9, 17, 26}},
    DeltaRow{250, {3, 4, 6, 9, 17, 26}},
    DeltaRow{280, {4, 4, 7, 9, 20, 29}},
    DeltaRow{315, {4, 4, 7, 9, 20, 29}},
    DeltaRow{355, {4, 5, 7, 11, 21, 32}},
    DeltaRow{400, {4, 5, 7, 11, 21, 32}},
    DeltaRow{450, {5, 5, 7, 13, 23, 34}},
    DeltaRow{500, {5, 5, 7, 13, 23, 34}},
}};
// clang-format on

inline constexpr std::array<double, DeltaTable.size()> kDeltaBoundsMm = [] {
  std::array<double, DeltaTable.size()> bounds{};
  for (std::size_t i = 0; i < DeltaTable.size(); ++i) {
    bounds[i] = DeltaTable[i].upperBoundMm;
  }
  return bounds;
}();

static_assert(kDeltaBoundsMm.front() == 3 && kDeltaBoundsMm.back() == 500);

// Δ in µm for grade index 4..9 (IT3..IT8) at a nominal size in mm.
constexpr double DeltaValue(int gradeIndex, double sizeMm) {
  return DeltaTable[SizeRow(kDeltaBoundsMm, sizeMm)]
      .deltaUm[static_cast<std::size_t>(gradeIndex - 4)];
}

}  // namespace kalmo
