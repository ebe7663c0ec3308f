#include "design/design_results.h"

#include <algorithm>
#include <span>

#include "design/deviation_sort.h"

namespace kalmo {

void sortDesignResults(DesignResults& results) {
  detail::deviationQuickSort(std::span<TSglobka>(results),
                             [](const TSglobka& record) { return record.Deviation; });
}

std::size_t designRowsToShow(int resultCountIndex, std::size_t resultCount) {
  if (resultCountIndex == kResultCountAllIndex) {
    return resultCount;
  }
  const bool known = resultCountIndex >= 0 && resultCountIndex < kResultCountAllIndex;
  const std::size_t limit =
      kResultCountLimits[known ? static_cast<std::size_t>(resultCountIndex) : 0];
  return std::min(limit, resultCount);
}

}  // namespace kalmo
