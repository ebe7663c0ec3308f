#pragma once

#include <optional>

#include "calc/tolerance_class.h"
#include "general/general_designation.h"

namespace kalmo {

// What a tool window may hand to the main window: a fit to show there, at
// the size on screen or at a size of its own (mm), and the title block's
// general-tolerance class to compare the fit with under the results grid.
class ToolTarget {
 public:
  virtual ~ToolTarget() = default;
  // Takes the fit as if the user had picked the classes (and the size) there.
  virtual void takeFit(std::optional<double> sizeMm, const FitClasses& fit) = 0;
  // The class compared under the grid; nullopt shows no comparison line.
  virtual std::optional<GeneralDesignation> comparedGeneralClass() const = 0;
  virtual void compareGeneralClass(std::optional<GeneralDesignation> designation) = 0;
};

}  // namespace kalmo
