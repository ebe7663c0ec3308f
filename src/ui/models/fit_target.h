#pragma once

#include <optional>

#include "calc/tolerance_class.h"

namespace kalmo {

// What a tool window may hand to the main window: a fit to show there,
// at the size on screen or at a size of its own (mm). The main window takes
// it as if the user had picked the classes (and the size) there.
class FitTarget {
 public:
  virtual ~FitTarget() = default;
  virtual void takeFit(std::optional<double> sizeMm, const FitClasses& fit) = 0;
};

}  // namespace kalmo
