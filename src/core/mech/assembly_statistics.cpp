#include "mech/assembly_statistics.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kalmo {

namespace {

// P(X < x) for X = U1 + U2, U1 uniform on [0, a], U2 on [0, b], a, b > 0.
// The density is a trapezoid (a triangle when a = b).
double sumOfUniformsCdf(double x, double a, double b) {
  const double lo = std::min(a, b);
  const double hi = std::max(a, b);
  if (x <= 0) return 0;
  if (x >= a + b) return 1;
  if (x <= lo) return x * x / (2 * a * b);
  if (x <= hi) return (x - lo / 2) / hi;
  const double rest = a + b - x;
  return 1 - rest * rest / (2 * a * b);
}

// The statistics from the mean clearance, the two tolerances and es − EI,
// all in mm.
AssemblyStatistics statistics(double meanMm, double itH, double itS, double tieMm,
                              SizeDistribution model) {
  AssemblyStatistics s;
  s.model = model;
  s.meanMm = meanMm;
  const double probableHalfWidth = std::sqrt(itH * itH + itS * itS) / 2;  // 3σ of the normal model
  s.probableMinMm = meanMm - probableHalfWidth;
  s.probableMaxMm = meanMm + probableHalfWidth;
  if (model == SizeDistribution::Normal) {
    s.sdMm = std::sqrt(itH * itH + itS * itS) / 6;
    // Φ(−z) = erfc(z/√2)/2 keeps its relative accuracy far out in the tail,
    // where 1 − Φ(z) would cancel to 0.
    const double z = s.meanMm / (s.sdMm * std::numbers::sqrt2);
    s.pInterference = std::erfc(z) / 2;
    s.pClearance = std::erfc(-z) / 2;
  } else {
    s.sdMm = std::sqrt((itH * itH + itS * itS) / 12);
    // C < 0 when (H − EI) + (es − S) < es − EI, both terms uniform from 0;
    // C > 0 is the same event for the mirrored terms.
    s.pInterference = sumOfUniformsCdf(tieMm, itH, itS);
    s.pClearance = sumOfUniformsCdf(itH + itS - tieMm, itH, itS);
  }
  return s;
}

}  // namespace

std::optional<AssemblyStatistics> assemblyStatistics(const ZoneMm& hole, const ZoneMm& shaft,
                                                     SizeDistribution model) {
  if (!hole.defined() || !shaft.defined()) return std::nullopt;
  return statistics((hole.upperMm() + hole.lowerMm()) / 2 - (shaft.upperMm() + shaft.lowerMm()) / 2,
                    hole.toleranceMm(), shaft.toleranceMm(), shaft.upperMm() - hole.lowerMm(),
                    model);
}

std::optional<AssemblyStatistics> assemblyStatistics(const ClassResult& hole,
                                                     const ClassResult& shaft,
                                                     SizeDistribution model) {
  if (!hole.defined() || !shaft.defined()) return std::nullopt;
  const TwentiethsUm twiceMean = hole.upper + hole.lower - shaft.upper - shaft.lower;
  return statistics(static_cast<double>(twiceMean.count()) / 40000.0, hole.toleranceMm(),
                    shaft.toleranceMm(), (shaft.upper - hole.lower).mm(), model);
}

}  // namespace kalmo
