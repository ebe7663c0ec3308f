#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "stack/stack_chain.h"

namespace kalmo {

// Monte Carlo of a chain: N assemblies, each contributor drawn from its
// distribution, the closing dimension summed.
//
// The draws are defined to the bit, so a seed gives the same numbers with
// every standard library: std::mt19937_64 (fully specified by the C++
// standard) seeded with the seed; a uniform u = (x >> 11) * 2^-53 of one draw
// x; a normal value from the inverse of the normal distribution function
// (Wichura's AS 241, good to about 1e-16) at (x >> 11 + 0.5) * 2^-53; a
// triangular one as the mean of two uniforms. The assemblies are drawn in
// blocks of kMonteCarloBlock, contributor by contributor within a block (the
// order of the draws; a closing dimension sums its terms in chain order).
//
// Memory does not grow with N: moments, extremes and a histogram of
// kMonteCarloBins fixed bins. The histogram spans the worst case and the
// mean +-6 sigma of the statistical result, whichever is wider; the
// percentiles are read from it with linear interpolation inside a bin, so
// each is within one bin width (the span / 65536, for a 0.5 mm span below
// 0.01 µm) of the sample's own percentile; values beyond the span (rare
// normal tails) count below or above it and their percentiles are taken as
// the sample's minimum or maximum.

inline constexpr std::size_t kMonteCarloBlock = 4096;
inline constexpr std::size_t kMonteCarloBins = 65536;
inline constexpr std::size_t kMonteCarloShownBins = 128;  // the histogram views get
inline constexpr std::uint64_t kMonteCarloDefaultSamples = 1'000'000;
inline constexpr std::uint64_t kMonteCarloDefaultSeed = 1;
inline constexpr std::uint64_t kMonteCarloMaxSamples = 1'000'000'000;

struct MonteCarloOptions {
  std::uint64_t samples = kMonteCarloDefaultSamples;  // 2 .. kMonteCarloMaxSamples
  std::uint64_t seed = kMonteCarloDefaultSeed;
};

// Assemblies outside the limits, with the 95 % confidence interval of the
// share by Wilson's score method (sound also at 0 counts).
struct MonteCarloOutside {
  std::uint64_t count = 0;
  double share = 0;
  double low = 0;
  double high = 0;
};

struct MonteCarloResult {
  std::uint64_t samples = 0;
  std::uint64_t seed = 0;
  double meanMm = 0;
  double sdMm = 0;  // sample standard deviation (N - 1)
  double minMm = 0;
  double maxMm = 0;
  double p0135Mm = 0;  // 0.135 %, 50 % and 99.865 % percentiles
  double p50Mm = 0;
  double p99865Mm = 0;
  std::optional<MonteCarloOutside> outside;  // with at least one limit
  // The histogram for the views: kMonteCarloShownBins equal bins from
  // histogramLowMm to histogramHighMm; samples beyond the span are left out.
  double histogramLowMm = 0;
  double histogramHighMm = 0;
  std::vector<std::uint64_t> histogram;
};

// Told the samples done after each block; returning false stops the run.
using MonteCarloProgress = std::function<bool(std::uint64_t done)>;

// The run; nullopt when stopped by `progress` or for samples outside
// 2 .. kMonteCarloMaxSamples.
std::optional<MonteCarloResult> runMonteCarlo(const std::vector<StackLink>& links,
                                              const SpecLimits& limits,
                                              const MonteCarloOptions& options,
                                              const MonteCarloProgress& progress = {});

// The inverse of the standard normal distribution function for 0 < p < 1.
double inverseNormal(double p);

// Wilson's 95 % score interval of `count` successes in `n` trials.
std::pair<double, double> wilsonInterval(std::uint64_t count, std::uint64_t n);

}  // namespace kalmo
