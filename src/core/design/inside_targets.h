#pragma once

#include <cstddef>

#include "design/design_results.h"
#include "design/design_search.h"

namespace kalmo {

// Whether a fit lies inside the targets of a design search: both of its limit
// values lie between the two targets after sign correction, inclusive with
// kLimitSlackMm: min(MAX, MIN) - slack <= value <= max(MAX, MIN) + slack for
// value1 and value2. The ranking leaves this aside: the best-ranked fit may
// miss the window on one side while a lower one lies inside.
//
// The targets are given as typed, in the request's unit (inches when
// inchMode, converted to mm first); the sign correction of the fit type is
// applied here, and applying it to already corrected targets changes nothing.
bool liesInsideTargets(double fitValue1Mm, double fitValue2Mm, FitType type, DesignTargets targets,
                       bool inchMode);

// The same for a design result.
bool liesInsideTargets(const DesignResult& fit, FitType type, DesignTargets targets, bool inchMode);

// liesInsideTargets with the sign correction and the unit applied once, for
// the many fits of one search.
class TargetWindow {
 public:
  TargetWindow(FitType type, DesignTargets targets, bool inchMode);
  bool contains(double fitValue1Mm, double fitValue2Mm) const {
    return low_ <= fitValue1Mm && fitValue1Mm <= high_ && low_ <= fitValue2Mm &&
           fitValue2Mm <= high_;
  }

 private:
  double low_;   // mm, slack included
  double high_;  // mm, slack included
};

// The number of results inside the targets.
std::size_t countInsideTargets(const DesignResults& results, FitType type, DesignTargets targets,
                               bool inchMode);

// The results inside the targets, in their ranked order.
DesignResults insideTargetsOnly(const DesignResults& results, FitType type, DesignTargets targets,
                                bool inchMode);

}  // namespace kalmo
