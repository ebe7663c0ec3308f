#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace kalmo {

// ISO 492 (rolling bearings, radial bearings except tapered roller bearings),
// Normal tolerance class: the deviation of the mean bore diameter in a single
// plane (inner ring) and of the mean outside diameter (outer ring), µm. The
// upper deviation is 0 throughout; the lower deviation depends on the size.
// A row covers sizes over the previous bound up to and including its own;
// the table starts over 0.6 mm (bore) and over 6 mm (outside diameter) and
// ends at 2000 mm and 1000 mm: beyond them the ring has no tolerance here.
// Values as in several public copies of the standard's tables, which agree;
// the outside diameters over 400 mm rest on one copy given in inches, whose
// values convert to these. Tapered roller bearings have a table of their own
// and are not covered.

inline constexpr std::string_view kIso492NormalName = "ISO 492 Normal";

// Bounds of the rows, mm: the first entry is where the table starts ("over"),
// each further entry the upper bound of one row.
inline constexpr std::array<double, 19> kIso492InnerBoundsMm = {
    0.6, 2.5, 10, 18, 30, 50, 80, 120, 180, 250, 315, 400, 500, 630, 800, 1000, 1250, 1600, 2000};
inline constexpr std::array<int, 18> kIso492InnerLowerUm = {
    -8, -8, -8, -10, -12, -15, -20, -25, -30, -35, -40, -45, -50, -75, -100, -125, -160, -200};

inline constexpr std::array<double, 15> kIso492OuterBoundsMm = {
    6, 18, 30, 50, 80, 120, 150, 180, 250, 315, 400, 500, 630, 800, 1000};
inline constexpr std::array<int, 14> kIso492OuterLowerUm = {-8,  -9,  -11, -13, -15, -18, -25,
                                                            -30, -35, -40, -45, -50, -75, -100};

namespace iso492_checks {
template <std::size_t N>
constexpr bool ascending(const std::array<double, N>& bounds) {
  for (std::size_t i = 1; i < N; ++i) {
    if (!(bounds[i - 1] < bounds[i])) return false;
  }
  return true;
}
// A larger ring never has a narrower tolerance.
template <std::size_t N>
constexpr bool widening(const std::array<int, N>& lower) {
  for (std::size_t i = 0; i < N; ++i) {
    if (lower[i] >= 0 || (i > 0 && lower[i] > lower[i - 1])) return false;
  }
  return true;
}
}  // namespace iso492_checks

static_assert(iso492_checks::ascending(kIso492InnerBoundsMm) &&
              iso492_checks::ascending(kIso492OuterBoundsMm));
static_assert(iso492_checks::widening(kIso492InnerLowerUm) &&
              iso492_checks::widening(kIso492OuterLowerUm));

}  // namespace kalmo
