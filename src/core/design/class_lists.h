#pragma once

#include <span>

#include "calc/tolerance_class.h"

namespace kalmo {

// Above this nominal size (strictly) the reduced class lists and the reduced
// fit catalogue serve; exactly 500 mm belongs to the lower band. The test is
// made on the stored millimetre value in either unit mode.
inline constexpr double kSizeBandLimitMm = 500;

constexpr bool isAbove500(double nominalSizeMm) {
  return nominalSizeMm > kSizeBandLimitMm;
}

// One entry of a class list: the class and whether it is a preferred class
// (drawn bold).
struct ClassListItem {
  ToleranceClass cls;
  bool preferred = false;
  friend constexpr bool operator==(const ClassListItem&, const ClassListItem&) = default;
};

// The tolerance classes of ISO 286-2 offered for one-step picking and used as
// design candidates, ordered by letter (picker order) and ascending grade:
// holes 201 up to 500 mm (holeClassesUpTo500) and 82 above (holeClassesAbove500), shafts 202 up
// to 500 mm (shaftClassesUpTo500) and 87 above (shaftClassesAbove500). The spans refer to static
// constant data.
std::span<const ClassListItem> classList(Side side, bool above500);

}  // namespace kalmo
