#pragma once

#include <cstddef>
#include <optional>

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

// Which of a fit's two values (FitValue1, FitValue2) a statement is about.
enum class FitValueSlot { First, Second };

// How a fit misses the targets: the first of its values outside them, that
// value, and its distance from the nearer target (mm, without the slack),
// above the greater target or below the smaller one.
struct TargetExcess {
  FitValueSlot slot = FitValueSlot::First;
  double valueMm = 0;
  double excessMm = 0;
  bool above = false;
  friend bool operator==(const TargetExcess&, const TargetExcess&) = default;
};

// liesInsideTargets with the sign correction and the unit applied once, for
// the many fits of one search.
class TargetWindow {
 public:
  TargetWindow(FitType type, DesignTargets targets, bool inchMode);
  bool contains(double fitValue1Mm, double fitValue2Mm) const {
    return low_ <= fitValue1Mm && fitValue1Mm <= high_ && low_ <= fitValue2Mm &&
           fitValue2Mm <= high_;
  }
  // nullopt exactly when contains() is true.
  std::optional<TargetExcess> excess(double fitValue1Mm, double fitValue2Mm) const;

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
