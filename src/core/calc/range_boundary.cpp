#include "calc/range_boundary.h"

#include <cstdint>

#include "tables/deviation_tables.h"

namespace kalmo {

namespace {

// The deviation tables' rows hold every bound of the other tables (the IT
// table's and the Δ table's; checked at compile time beside the evaluation,
// itBoundsAreDeviationBounds), so their bounds are all the bounds there are.

// Nominal sizes a hair above a bound: 1 µm, the finest step a size field takes.
constexpr double kAcrossBoundMm = 0.001;

bool sameLimits(const ClassResult& a, const ClassResult& b) {
  return a.upper == b.upper && a.lower == b.lower;
}

}  // namespace

std::optional<double> nearbyRangeBoundMm(double sizeMm) {
  // Decided on the size's decimal in whole 1e-7 mm, so 118.8 lies within
  // 1 % of 120 exactly as 79.2 of 80 (in doubles 120 - 118.8 exceeds 1.2).
  const std::optional<TenthsNm> size = TenthsNm::fromMm(sizeMm);
  if (!size) return std::nullopt;
  // The last bound, 10000 mm, ends the tables: nothing lies beyond it.
  for (std::size_t i = 0; i + 1 < kDeviationBoundsMm.size(); ++i) {
    const double bound = kDeviationBoundsMm[i];
    const auto boundCount = static_cast<std::int64_t>(bound) * 10'000'000;  // whole mm
    const std::int64_t distance = size->count() - boundCount;
    if ((distance < 0 ? -distance : distance) * 100 <= boundCount) return bound;
  }
  return std::nullopt;
}

std::optional<RangeNeighbour> rangeBoundaryNeighbour(double sizeMm,
                                                     std::optional<ToleranceClass> hole,
                                                     std::optional<ToleranceClass> shaft) {
  const std::optional<double> bound = nearbyRangeBoundMm(sizeMm);
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
