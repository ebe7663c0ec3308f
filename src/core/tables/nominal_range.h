#pragma once

namespace kalmo {

// The nominal sizes the tables cover, mm: from 0.001 mm up to 10000 mm
// (sizes below 1 mm take the first row of every table).
inline constexpr double kMinNominalMm = 0.001;
inline constexpr double kMaxNominalMm = 10000;

constexpr bool nominalInRange(double mm) {
  return mm >= kMinNominalMm && mm <= kMaxNominalMm;
}

}  // namespace kalmo
