#pragma once

#include <cstddef>
#include <span>
#include <utility>

namespace kalmo::detail {

// The ranking sort of the design results: a quicksort with Hoare's partition
// around the middle element, comparing only deviation(record), with no second
// key. Elements with equal deviations end up in the order this procedure
// leaves them in, so the procedure is part of the result and must not be
// replaced by another sort.
//
// Sorts positions l..r (inclusive). Each pass partitions around the deviation
// of the element at (l + r) / 2 as it stood when the pass began, then sorts
// the left part l..j and the right part i..r on their own. The parts are
// disjoint, so the order in which they are done does not change the result:
// the smaller one is done by recursion and the larger by the loop, which
// bounds the stack depth by log2 of the count whatever the data.
template <typename Record, typename Deviation>
void deviationQuickSort(std::span<Record> records, std::ptrdiff_t l, std::ptrdiff_t r,
                        const Deviation& deviation) {
  Record* const at = records.data();
  while (true) {
    std::ptrdiff_t i = l;
    std::ptrdiff_t j = r;
    const double pivot = deviation(at[l + (r - l) / 2]);
    do {
      // The scans as pointer loops of their own: written on indexes, the
      // compiler merged them into one loop that reloads both ends per step.
      const Record* up = at + i;
      while (deviation(*up) < pivot) ++up;
      i = up - at;
      const Record* down = at + j;
      while (deviation(*down) > pivot) --down;
      j = down - at;
      if (i <= j) {
        if (i != j) {  // no self-swap: a moved-from record need not survive it
          using std::swap;
          swap(at[i], at[j]);
        }
        ++i;
        --j;
      }
    } while (i <= j);

    if (j - l < r - i) {
      if (l < j) deviationQuickSort(records, l, j, deviation);
      if (i >= r) return;
      l = i;
    } else {
      if (i < r) deviationQuickSort(records, i, r, deviation);
      if (l >= j) return;
      r = j;
    }
  }
}

// Sorts a whole sequence by ascending deviation; an empty or one-element
// sequence is left alone.
template <typename Record, typename Deviation>
void deviationQuickSort(std::span<Record> records, const Deviation& deviation) {
  if (records.size() > 1) {
    deviationQuickSort(records, 0, static_cast<std::ptrdiff_t>(records.size()) - 1, deviation);
  }
}

}  // namespace kalmo::detail
