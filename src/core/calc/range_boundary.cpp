#include "calc/range_boundary.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <span>

#include "tables/deviation_tables.h"
#include "tables/iso492_normal.h"

namespace kalmo {

namespace {

// The deviation tables' rows hold every bound of the other ISO 286 tables
// (the IT table's and the Δ table's; checked at compile time beside the
// evaluation, itBoundsAreDeviationBounds); a bearing ring's table adds its own.

// Nominal sizes a hair above a bound: 1 µm, the finest step a size field takes.
constexpr double kAcrossBoundMm = 0.001;

bool sameLimits(const ClassResult& a, const ClassResult& b) {
  return a.upper == b.upper && a.lower == b.lower;
}

// The bound among boundsMm within 1 % of the size; bounds are whole mm or
// tenths (a bearing ring's 0.6 and 2.5 mm).
std::optional<double> nearbyBoundMm(std::span<const double> boundsMm, double sizeMm) {
  // Decided on the size's decimal in whole 1e-7 mm, so 118.8 lies within
  // 1 % of 120 exactly as 79.2 of 80 (in doubles 120 - 118.8 exceeds 1.2).
  const std::optional<TenthsNm> size = TenthsNm::fromMm(sizeMm);
  if (!size) return std::nullopt;
  for (const double bound : boundsMm) {
    const std::int64_t boundCount = std::llround(bound * 1e7);  // exact for these bounds
    const std::int64_t distance = size->count() - boundCount;
    if ((distance < 0 ? -distance : distance) * 100 <= boundCount) return bound;
  }
  return std::nullopt;
}

// The bounds inside a bearing ring's table (tables/iso492_normal.h): not where
// it starts or ends, as the deviation tables' end is no bound either.
template <std::size_t N>
std::span<const double> innerBounds(const std::array<double, N>& boundsMm) {
  return std::span<const double>(boundsMm).subspan(1, N - 2);
}

}  // namespace

std::optional<double> nearbyRangeBoundMm(double sizeMm) {
  // The last bound, 10000 mm, ends the tables: nothing lies beyond it.
  return nearbyBoundMm(
      std::span<const double>(kDeviationBoundsMm).first(kDeviationBoundsMm.size() - 1), sizeMm);
}

std::optional<RangeNeighbour> rangeBoundaryNeighbour(double sizeMm,
                                                     std::optional<ToleranceClass> hole,
                                                     std::optional<ToleranceClass> shaft) {
  std::optional<double> bound = nearbyRangeBoundMm(sizeMm);
  // A bearing ring's rows have a bound of their own (the outside diameter's
  // 150 mm); the bounds lie more than 2 % apart from the others' too.
  if (!bound && hole && hole->isBearing()) {
    bound = nearbyBoundMm(innerBounds(kIso492InnerBoundsMm), sizeMm);
  }
  if (!bound && shaft && shaft->isBearing()) {
    bound = nearbyBoundMm(innerBounds(kIso492OuterBoundsMm), sizeMm);
  }
  if (!bound || (!hole && !shaft)) return std::nullopt;
  const std::optional<Evaluation> here = Evaluate(sizeMm, hole, shaft);
  if (!here) return std::nullopt;
  const double across = sizeMm <= *bound ? *bound + kAcrossBoundMm : *bound;
  const Evaluation there = *Evaluate(across, hole, shaft);
  const bool holeChanges = hole && !sameLimits(here->hole, there.hole);
  const bool shaftChanges = shaft && !sameLimits(here->shaft, there.shaft);
  if (!holeChanges && !shaftChanges) return std::nullopt;
  return RangeNeighbour{*bound, across, there};
}

}  // namespace kalmo
