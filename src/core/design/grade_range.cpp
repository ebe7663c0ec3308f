#include "design/grade_range.h"

namespace kalmo {

std::optional<GradeBounds> gradeBoundsFromLabels(std::string_view lower, std::string_view upper) {
  const std::optional<int> lowerIndex = gradeIndex(lower);
  const std::optional<int> upperIndex = gradeIndex(upper);
  if (!lowerIndex || !upperIndex) {
    return std::nullopt;
  }
  return gradeBoundsFromIndexes(*lowerIndex, *upperIndex);
}

}  // namespace kalmo
