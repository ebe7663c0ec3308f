#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "calc/exact_length.h"
#include "stack/stack_tolerance.h"

namespace kalmo {

// A one-dimensional tolerance chain: the closing dimension (an axial play, a
// gap) is the sum of its contributors, each counted with its direction.

// Whether a contributor adds to the closing dimension (+1) or takes from it (-1).
enum class StackDirection { Plus, Minus };

constexpr int directionSign(StackDirection d) {
  return d == StackDirection::Plus ? 1 : -1;
}

// How a contributor's actual size spreads over its zone, centred on the
// zone's middle. Normal takes sigma = tolerance / 6 (the zone is +-3 sigma),
// uniform sigma = tolerance / sqrt(12), triangular (symmetric, the zone its
// base) sigma = tolerance / sqrt(24).
enum class StackDistribution { Normal, Uniform, Triangular };

// The fixed English key of a distribution in the CSV and the JSON: "normal",
// "uniform", "triangular".
const char* distributionKey(StackDistribution d);
// The distribution of a key (any letter case); nullopt for anything else.
std::optional<StackDistribution> distributionOfKey(std::string_view key);

// One contributor as entered.
struct StackContributor {
  std::string name;
  double nominal = 0;  // in the chain's unit (mm, or inches)
  StackDirection direction = StackDirection::Plus;
  std::string tolerance;  // as typed: "±0.1", "+0.1/-0.05", "H7", "ISO 2768-m"
  StackDistribution distribution = StackDistribution::Normal;
  friend bool operator==(const StackContributor&, const StackContributor&) = default;
};

// A number that is a whole count of 0.05 nm: the middle of a zone of 1e-7 mm
// steps. Means of the chain are exact sums of these.
struct HalfTenthsNm {
  std::int64_t count = 0;
  double mm() const { return static_cast<double>(count) / 2e7; }
  double inch() const { return static_cast<double>(count) / 5.08e8; }
  friend bool operator==(const HalfTenthsNm&, const HalfTenthsNm&) = default;
};

// A contributor with its zone resolved.
struct StackLink {
  TenthsNm nominal;
  StackDirection direction = StackDirection::Plus;
  StackZone zone;
  StackDistribution distribution = StackDistribution::Normal;
  // The middle of the zone (nominal + (upper + lower) / 2), exact.
  HalfTenthsNm mean() const;
  // sigma of the contributor in mm by its distribution.
  double sdMm() const;
};

// Which field of a contributor is wrong.
enum class StackField { Name, Nominal, Direction, Tolerance, Distribution };

// The fixed English name of a field as the CSV header writes it.
const char* stackFieldKey(StackField field);

// Why a contributor could not be resolved.
struct StackLinkError {
  StackField field = StackField::Nominal;
  StackToleranceError tolerance = StackToleranceError::None;  // field Tolerance: why
};

struct StackLinkRead {
  std::optional<StackLink> link;
  StackLinkError error;
};

// Nominal lengths of a contributor: 0 up to this (mm). A chain holds parts,
// not a building site; 0 admits a pure offset such as a position tolerance.
inline constexpr double kMaxStackNominalMm = 100000;

// Resolves a contributor: the nominal (finite, 0 .. kMaxStackNominalMm after
// conversion) and the tolerance at it. Lengths in inches with `inch`.
StackLinkRead resolveLink(const StackContributor& contributor, bool inch);

// The lower and upper limits (LSL, USL) of the closing dimension, in mm; either may be missing.
struct SpecLimits {
  std::optional<double> lsl;
  std::optional<double> usl;
  bool any() const { return lsl || usl; }
};

struct ContributorResult {
  TenthsNm nominal;
  TenthsNm upper;  // the contributor's own deviations, not turned by its direction
  TenthsNm lower;
  HalfTenthsNm mean;  // its mean size, nominal + middle of the zone
  double sdMm = 0;
  double share = 0;  // its part of the closing variance, 0..1; 0 for a chain without spread
};

// Against the limits, by the normal model of the statistical result.
struct SpecResult {
  SpecLimits limits;
  std::optional<double> below;  // share below LSL, 0..1; without an LSL none
  std::optional<double> above;  // share above USL
  std::optional<double> cp;     // (USL - LSL) / 6 sigma: both limits and sigma > 0
  std::optional<double> cpk;    // min(USL - mean, mean - LSL) / 3 sigma over the limits given
};

// The analytic answer of a chain (all lengths of the closing dimension).
struct StackResult {
  TenthsNm nominal;   // sum of direction * nominal
  TenthsNm worstMin;  // every contributor at its limit that makes the closing smallest
  TenthsNm worstMax;
  HalfTenthsNm mean;  // sum of direction * zone middle: asymmetric zones shift it
  double sdMm = 0;    // sqrt of the sum of the contributors' variances
  double statMinMm() const { return mean.mm() - 3 * sdMm; }
  double statMaxMm() const { return mean.mm() + 3 * sdMm; }
  std::vector<ContributorResult> contributors;
  std::optional<SpecResult> limitShares;  // with at least one limit
};

// Worst case, statistics, shares and the limits' answer of resolved links.
StackResult analyseStack(const std::vector<StackLink>& links, const SpecLimits& limits);

// The share of a normal distribution below x: Phi((x - mean) / sd); for
// sd = 0 a step at the mean (1 when x > mean, 0 otherwise).
double normalShareBelow(double x, double mean, double sd);

}  // namespace kalmo
