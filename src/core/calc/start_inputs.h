#pragma once

#include "calc/tolerance_class.h"

namespace kalmo {

// The inputs the window starts with, and what a record or request holds
// before anything is given: 10 mm, H7/g6.
inline constexpr double kStartSizeMm = 10;
inline constexpr FitClasses kStartFit{{letter::H, Grade::it(7)}, {letter::G, Grade::it(6)}};
static_assert(letterText(Side::Hole, kStartFit.hole.letter) == "H" &&
              kStartFit.hole.grade.label() == "7" &&
              letterText(Side::Shaft, kStartFit.shaft.letter) == "g" &&
              kStartFit.shaft.grade.label() == "6");

}  // namespace kalmo
