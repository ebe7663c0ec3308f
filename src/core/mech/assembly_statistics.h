#pragma once

#include <optional>

#include "calc/evaluation.h"

namespace kalmo {

// How the actual sizes of a part spread over its tolerance zone. Hole and
// shaft sizes are independent.
enum class SizeDistribution {
  Normal,   // mean at the middle of the zone, σ = IT/6
  Uniform,  // every size of the zone equally likely
};

// The clearance C = hole − shaft over many assemblies.
struct AssemblyStatistics {
  SizeDistribution model = SizeDistribution::Normal;
  double meanMm = 0;         // (ES + EI)/2 − (es + ei)/2
  double sdMm = 0;           // standard deviation of C
  double pInterference = 0;  // P(C < 0)
  double pClearance = 0;     // P(C > 0); P(C = 0) is 0 for these models
  // The probable fit, as rolling-bearing makers print it beside the limits:
  // mean ± 3σ of the normal model (σ = IT/6 per part), whichever model the
  // rest uses, so min = mean − √(IT_h² + IT_s²)/2, max = mean + the same.
  // Clearances like the mean: negative is interference.
  double probableMinMm = 0;
  double probableMaxMm = 0;
  friend constexpr bool operator==(const AssemblyStatistics&, const AssemblyStatistics&) = default;
};

// The statistics of assembling the two zones (at 20 °C, or zones at
// temperature); nullopt when they form no fit (a zone undefined or without
// tolerance).
//   normal:  σ_C = √(IT_h² + IT_s²)/6, P(C < 0) = Φ(−μ/σ_C)
//   uniform: σ_C = √((IT_h² + IT_s²)/12), P(C < 0) from the trapezoidal
//            distribution of the difference of two uniform sizes
// Each probability is computed from its own tail, so a fit far inside one
// kind keeps the tiny probability of the other (H7/u6 at 50 mm: P(C > 0)
// about 2.6e-40, not 1 − 1 = 0).
std::optional<AssemblyStatistics> assemblyStatistics(const ZoneMm& hole, const ZoneMm& shaft,
                                                     SizeDistribution model);
// The same for exact classes at 20 °C: the mean is then the exact decimal
// (a multiple of 0.025 µm), as the nearest double.
std::optional<AssemblyStatistics> assemblyStatistics(const ClassResult& hole,
                                                     const ClassResult& shaft,
                                                     SizeDistribution model);

}  // namespace kalmo
