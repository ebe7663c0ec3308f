#pragma once

#include <array>

#include "tables/size_row.h"

namespace kalmo {

// Marker of a deviation the standard does not define ("N" in the printed
// tables), and of an undefined class's upper deviation in the calculation.
inline constexpr int DeviationUndefined = 100000;

inline constexpr int kDeviationRows = 51;
inline constexpr int kShaftDeviationColumns = 30;
inline constexpr int kHoleDeviationColumns = 32;

using ShaftDeviationRow = std::array<int, kShaftDeviationColumns>;
using HoleDeviationRow = std::array<int, kHoleDeviationColumns>;

namespace detail {
inline constexpr int N = DeviationUndefined;

// Shaft fundamental deviations in µm. Column 0: upper bound of the size range
// in mm. Columns 1..10: a, b, c, cd, d, e, ef, f, fg, g (upper deviation es);
// 11: j for IT5 and IT6; 12: j for IT7; 13: j for IT8; 14: k for IT4..IT7;
// 15: k for every other grade; 16..29: m, n, p, r, s, t, u, v, x, y, z, za,
// zb, zc (lower deviation ei).
// Up to 3150 mm: ISO 286-1:1988, tables 2 and 3. Above: DIN 7172:1991.
// clang-format off
inline constexpr std::array<ShaftDeviationRow, kDeviationRows> kShaftDeviations = {{
    {3, -270, -140, -60, -34, -20, -14, -10, -6, -4, -2, -2, -4, -6, 0, 0, 2, 4, 6, 10, 14, N, 18, N, 20, N, 26, 32, 40, 60},
    {6, -270, -140, -70, -46, -30, -20, -14, -10, -6, -4, -2, -4, N, 1, 0, 4, 8, 12, 15, 19, N, 23, N, 28, N, 35, 42, 50, 80},
    {10, -280, -150, -80, -56, -40, -25, -18, -13, -8, -5, -2, -5, N, 1, 0, 6, 10, 15, 19, 23, N, 28, N, 34, N, 42, 52, 67, 97},
    {14, -290, -150, -95, N, -50, -32, N, -16, N, -6, -3, -6, N, 1, 0, 7, 12, 18, 23, 28, N, 33, N, 40, N, 50, 64, 90, 130},
    {18, -290, -150, -95, N, -50, -32, N, -16, N, -6, -3, -6, N, 1, 0, 7, 12, 18, 23, 28, N, 33, 39, 45, N, 60, 77, 108, 150},
    {24, -300, -160, -110, N, -65, -40, N, -20, N, -7, -4, -8, N, 2, 0, 8, 15, 22, 28, 35, N, 41, 47, 54, 63, 73, 98, 136, 188},
    {30, -300, -160, -110, N, -65, -40, N, -20, N, -7, -4, -8, N, 2, 0, 8, 15, 22, 28, 35, 41, 48, 55, 64, 75, 88, 118, 160, 218},
    {40, -310, -170, -120, N, -80, -50, N, -25, N, -9, -5, -10, N, 2, 0, 9, 17, 26, 34, 43, 48, 60, 68, 80, 94, 112, 148, 200, 274},
    {50, -320, -180, -130, N, -80, -50, N, -25, N, -9, -5, -10, N, 2, 0, 9, 17, 26, 34, 43, 54, 70, 81, 97, 114, 136, 180, 242, 325},
    {65, -340, -190, -140, N, -100, -60, N, -30, N, -10, -7, -12, N, 2, 0, 11, 20, 32, 41, 53, 66, 87, 102, 122, 144, 172, 226, 300, 405},
    {80, -360, -200, -150, N, -100, -60, N, -30, N, -10, -7, -12, N, 2, 0, 11, 20, 32, 43, 59, 75, 102, 120, 146, 174, 210, 274, 360, 480},
    {100, -380, -220, -170, N, -120, -72, N, -36, N, -12, -9, -15, N, 3, 0, 13, 23, 37, 51, 71, 91, 124, 146, 178, 214, 258, 335, 445, 585},
    {120, -410, -240, -180, N, -120, -72, N, -36, N, -12, -9, -15, N, 3, 0, 13, 23, 37, 54, 79, 104, 144, 172, 210, 254, 310, 400, 525, 690},
    {140, -460, -260, -200, N, -145, -85, N, -43, N, -14, -11, -18, N, 3, 0, 15, 27, 43, 63, 92, 122, 170, 202, 248, 300, 365, 470, 620, 800},
    {160, -520, -280, -210, N, -145, -85, N, -43, N, -14, -11, -18, N, 3, 0, 15, 27, 43, 65, 100, 134, 190, 228, 280, 340, 415, 535, 700, 900},
    {180, -580, -310, -230, N, -145, -85, N, -43, N, -14, -11, -18, N, 3, 0, 15, 27, 43, 68, 108, 146, 210, 252, 310, 380, 465, 600, 780, 1000},
    {200, -660, -340, -240, N, -170, -100, N, -50, N, -15, -13, -21, N, 4, 0, 17, 31, 50, 77, 122, 166, 236, 284, 350, 425, 520, 670, 880, 1150},
    {225, -740, -380, -260, N, -170, -100, N, -50, N, -15, -13, -21, N, 4, 0, 17, 31, 50, 80, 130, 180, 258, 310, 385, 470, 575, 740, 960, 1250},
    {250, -820, -420, -280, N, -170, -100, N, -50, N, -15, -13, -21, N, 4, 0, 17, 31, 50, 84, 140, 196, 284, 340, 425, 520, 640, 820, 1050, 1350},
    {280, -920, -480, -300, N, -190, -110, N, -56, N, -17, -16, -26, N, 4, 0, 20, 34, 56, 94, 158, 218, 315, 385, 475, 580, 710, 920, 1200, 1550},
    {315, -1050, -540, -330, N, -190, -110, N, -56, N, -17, -16, -26, N, 4, 0, 20, 34, 56, 98, 170, 240, 350, 425, 525, 650, 790, 1000, 1300, 1700},
    {355, -1200, -600, -360, N, -210, -125, N, -62, N, -18, -18, -28, N, 4, 0, 21, 37, 62, 108, 190, 268, 390, 475, 590, 730, 900, 1150, 1500, 1900},
    {400, -1350, -680, -400, N, -210, -125, N, -62, N, -18, -18, -28, N, 4, 0, 21, 37, 62, 114, 208, 294, 435, 530, 660, 820, 1000, 1300, 1650, 2100},
    {450, -1500, -760, -440, N, -230, -135, N, -68, N, -20, -20, -32, N, 5, 0, 23, 40, 68, 126, 232, 330, 490, 595, 740, 920, 1100, 1450, 1850, 2400},
    {500, -1650, -840, -480, N, -230, -135, N, -68, N, -20, -20, -32, N, 5, 0, 23, 40, 68, 132, 252, 360, 540, 660, 820, 1000, 1250, 1600, 2100, 2600},
    {560, N, N, N, N, -260, -145, N, -76, N, -22, N, N, N, 0, 0, 26, 44, 78, 150, 280, 400, 600, N, N, N, N, N, N, N},
    {630, N, N, N, N, -260, -145, N, -76, N, -22, N, N, N, 0, 0, 26, 44, 78, 155, 310, 450, 660, N, N, N, N, N, N, N},
    {710, N, N, N, N, -290, -160, N, -80, N, -24, N, N, N, 0, 0, 30, 50, 88, 175, 340, 500, 740, N, N, N, N, N, N, N},
    {800, N, N, N, N, -290, -160, N, -80, N, -24, N, N, N, 0, 0, 30, 50, 88, 185, 380, 560, 840, N, N, N, N, N, N, N},
    {900, N, N, N, N, -320, -170, N, -86, N, -26, N, N, N, 0, 0, 34, 56, 100, 210, 430, 620, 940, N, N, N, N, N, N, N},
    {1000, N, N, N, N, -320, -170, N, -86, N, -26, N, N, N, 0, 0, 34, 56, 100, 220, 470, 680, 1050, N, N, N, N, N, N, N},
    {1120, N, N, N, N, -350, -195, N, -98, N, -28, N, N, N, 0, 0, 40, 66, 120, 250, 520, 780, 1150, N, N, N, N, N, N, N},
    {1250, N, N, N, N, -350, -195, N, -98, N, -28, N, N, N, 0, 0, 40, 66, 120, 260, 580, 840, 1300, N, N, N, N, N, N, N},
    {1400, N, N, N, N, -390, -220, N, -110, N, -30, N, N, N, 0, 0, 48, 78, 140, 300, 640, 960, 1450, N, N, N, N, N, N, N},
    {1600, N, N, N, N, -390, -220, N, -110, N, -30, N, N, N, 0, 0, 48, 78, 140, 330, 720, 1050, 1600, N, N, N, N, N, N, N},
    {1800, N, N, N, N, -430, -240, N, -120, N, -32, N, N, N, 0, 0, 58, 92, 170, 370, 820, 1200, 1850, N, N, N, N, N, N, N},
    {2000, N, N, N, N, -430, -240, N, -120, N, -32, N, N, N, 0, 0, 58, 92, 170, 400, 920, 1350, 2000, N, N, N, N, N, N, N},
    {2240, N, N, N, N, -480, -260, N, -130, N, -34, N, N, N, 0, 0, 68, 110, 195, 440, 1000, 1500, 2300, N, N, N, N, N, N, N},
    {2500, N, N, N, N, -480, -260, N, -130, N, -34, N, N, N, 0, 0, 68, 110, 195, 460, 1100, 1650, 2500, N, N, N, N, N, N, N},
    {2800, N, N, N, N, -520, -290, N, -145, N, -38, N, N, N, 0, 0, 76, 135, 240, 550, 1250, 1900, 2900, N, N, N, N, N, N, N},
    {3150, N, N, N, N, -520, -290, N, -145, N, -38, N, N, N, 0, 0, 76, 135, 240, 580, 1400, 2100, 3200, N, N, N, N, N, N, N},
    {3550, N, N, N, N, -580, -320, N, -160, N, -40, N, N, N, 0, 0, 98, 165, 290, 680, 1600, 2400, 3700, N, N, N, N, N, N, N},
    {4000, N, N, N, N, -580, -320, N, -160, N, -40, N, N, N, 0, 0, 98, 165, 290, 720, 1750, 2600, 4000, N, N, N, N, N, N, N},
    {4500, N, N, N, N, -640, -350, N, -175, N, -43, N, N, N, 0, 0, 120, 200, 360, 840, 2000, 2900, 4500, N, N, N, N, N, N, N},
    {5000, N, N, N, N, -640, -350, N, -175, N, -43, N, N, N, 0, 0, 120, 200, 360, 900, 2200, 3300, 5000, N, N, N, N, N, N, N},
    {5600, N, N, N, N, -720, -380, N, -190, N, -47, N, N, N, 0, 0, 145, 250, 440, 1050, 2500, 3700, 5600, N, N, N, N, N, N, N},
    {6300, N, N, N, N, -720, -380, N, -190, N, -47, N, N, N, 0, 0, 145, 250, 440, 1150, 2800, 4100, 6400, N, N, N, N, N, N, N},
    {7100, N, N, N, N, -800, -420, N, -210, N, -51, N, N, N, 0, 0, 185, 300, 540, 1300, 3100, 4700, 7200, N, N, N, N, N, N, N},
    {8000, N, N, N, N, -800, -420, N, -210, N, -51, N, N, N, 0, 0, 185, 300, 540, 1400, 3500, 5300, 8000, N, N, N, N, N, N, N},
    {9000, N, N, N, N, -880, -460, N, -230, N, -55, N, N, N, 0, 0, 230, 380, 680, 1600, 3900, 5900, 9000, N, N, N, N, N, N, N},
    {10000, N, N, N, N, -880, -460, N, -230, N, -55, N, N, N, 0, 0, 230, 380, 680, 1750, 4400, 6600, 10000, N, N, N, N, N, N, N},
}};
// clang-format on

// Upper deviation ES of hole J for IT6, IT7, IT8 in µm, rows up to 500 mm
// (ISO 286-2:1988). J is not defined above 500 mm.
// clang-format off
inline constexpr std::array<std::array<int, 3>, 25> kHoleJDeviations = {{
    {2, 4, 6},
    {5, 6, 10},
    {5, 8, 12},
    {6, 10, 15},
    {6, 10, 15},
    {8, 12, 20},
    {8, 12, 20},
    {10, 14, 24},
    {10, 14, 24},
    {13, 18, 28},
    {13, 18, 28},
    {16, 22, 34},
    {16, 22, 34},
    {18, 26, 41},
    {18, 26, 41},
    {18, 26, 41},
    {22, 30, 47},
    {22, 30, 47},
    {22, 30, 47},
    {25, 36, 55},
    {25, 36, 55},
    {29, 39, 60},
    {29, 39, 60},
    {33, 43, 66},
    {33, 43, 66},
}};
// clang-format on

constexpr int negated(int cell) {
  return cell == N ? N : -cell;
}

// Hole fundamental deviations follow the shaft ones by the sign rule of the
// standard (EI = -es for A..G, ES = -ei for K, M, N, P..ZC); J, K above IT8
// and N above IT8 carry their own values.
constexpr std::array<HoleDeviationRow, kDeviationRows> makeHoleDeviations() {
  std::array<HoleDeviationRow, kDeviationRows> holes{};
  constexpr int kRowsUpTo500 = 25;
  for (int r = 0; r < kDeviationRows; ++r) {
    const ShaftDeviationRow& s = kShaftDeviations[r];
    HoleDeviationRow& h = holes[r];
    h[0] = s[0];
    for (int c = 1; c <= 10; ++c) {
      h[c] = negated(s[c]);  // A..G from a..g
    }
    for (int g = 0; g < 3; ++g) {
      h[11 + g] = r < kRowsUpTo500 ? kHoleJDeviations[r][g] : N;  // J6, J7, J8
    }
    h[14] = negated(s[14]);                                       // K up to IT8 from k (IT4..IT7)
    h[15] = r == 0 ? 0 : N;                                       // K above IT8: only up to 3 mm
    h[16] = h[17] = negated(s[16]);                               // M, both grade groups
    h[18] = negated(s[17]);                                       // N up to IT8
    h[19] = r == 0 ? -4 : r < kRowsUpTo500 ? 0 : negated(s[17]);  // N above IT8
    for (int c = 20; c <= 31; ++c) {
      h[c] = negated(s[c - 2]);  // P..ZC from p..zc
    }
  }
  return holes;
}
}  // namespace detail

// Columns of HoleDeviationTable: 0 bound (mm); 1..10 A..G (EI); 11, 12, 13
// J for IT6, IT7, IT8 (ES); 14 K up to IT8; 15 K above IT8; 16 M up to IT8;
// 17 M above IT8; 18 N up to IT8; 19 N above IT8 (ES before Δ); 20..31
// P, R, S, T, U, V, X, Y, Z, ZA, ZB, ZC (ES for grades above IT7, before Δ).
inline constexpr std::array<HoleDeviationRow, kDeviationRows> HoleDeviationTable =
    detail::makeHoleDeviations();
inline constexpr const std::array<ShaftDeviationRow, kDeviationRows>& ShaftDeviationTable =
    detail::kShaftDeviations;

inline constexpr std::array<double, kDeviationRows> kDeviationBoundsMm = [] {
  std::array<double, kDeviationRows> bounds{};
  for (int i = 0; i < kDeviationRows; ++i) {
    bounds[i] = ShaftDeviationTable[i][0];
  }
  return bounds;
}();

static_assert(kDeviationBoundsMm.front() == 3 && kDeviationBoundsMm.back() == 10000);
static_assert(HoleDeviationTable[0][1] == 270 && HoleDeviationTable[0][31] == -60);
static_assert(HoleDeviationTable[50][0] == 10000 &&
              HoleDeviationTable[50][15] == DeviationUndefined);

// The cell's value in µm, or DeviationUndefined; column 0 gives the row's
// upper bound in mm. Row 0..50, column 0..31 (holes) or 0..29 (shafts).
constexpr int HoleDeviationCell(int row, int column) {
  return HoleDeviationTable[row][column];
}
constexpr int ShaftDeviationCell(int row, int column) {
  return ShaftDeviationTable[row][column];
}

// Named columns of the two tables, by letter index (0..27, picker order) and
// grade index (0..19: IT01, IT0, IT1 .. IT18).
namespace shaft_column {
// a..g (letter 0..9): es.
constexpr int upperDeviation(int letter) {
  return letter + 1;
}
inline constexpr int kJForIT5AndIT6 = 11;
inline constexpr int kJForIT7 = 12;
inline constexpr int kJForIT8 = 13;
inline constexpr int kKForIT4ToIT7 = 14;
inline constexpr int kKOtherGrades = 15;
// m..zc (letter 14..27): ei.
constexpr int lowerDeviation(int letter) {
  return letter + 2;
}
}  // namespace shaft_column

namespace hole_column {
// A..G (letter 0..9): EI.
constexpr int lowerDeviation(int letter) {
  return letter + 1;
}
// J for IT6, IT7, IT8 (grade 7..9): ES.
constexpr int jUpperDeviation(int grade) {
  return grade + 4;
}
// K, M, N (letter 13..15), up to IT8 and above it: ES before Δ.
constexpr int kmnUpToIT8(int letter) {
  return 14 + 2 * (letter - 13);
}
constexpr int kmnAboveIT8(int letter) {
  return kmnUpToIT8(letter) + 1;
}
// P..ZC (letter 16..27): ES for grades above IT7, before Δ.
constexpr int upperDeviation(int letter) {
  return letter + 4;
}
}  // namespace hole_column

// Row of the deviation tables for a nominal size in mm.
constexpr int DeviationRow(double sizeMm) {
  return static_cast<int>(SizeRow(kDeviationBoundsMm, sizeMm));
}

}  // namespace kalmo
