#pragma once

#include <algorithm>
#include <cstddef>
#include <span>

namespace kalmo {

// The size-range rule shared by every standard table: a row covers nominal
// sizes over the previous row's upper bound up to and including its own.
// Sizes at or below the first bound take row 0 (so sizes below 1 mm use the
// "up to 3 mm" row) and sizes at or above the last bound take the last row.
// The comparisons are made on the size as a double against the bound as stored,
// so 3 mm belongs to the first row and 3.0001 mm to the second.
//
// The first bound not below the size is exactly the row with
// b(i-1) < size <= b(i); a binary search finds it in a few comparisons, which
// the design search, evaluating tens of thousands of classes, relies on.
// A NaN size compares false everywhere and so takes row 0.
constexpr std::size_t SizeRow(std::span<const double> upperBoundsMm, double sizeMm) {
  const std::size_t last = upperBoundsMm.size() - 1;
  if (sizeMm >= upperBoundsMm[last]) {
    return last;
  }
  const auto it = std::lower_bound(upperBoundsMm.begin(), upperBoundsMm.end(), sizeMm);
  return static_cast<std::size_t>(it - upperBoundsMm.begin());
}

}  // namespace kalmo
