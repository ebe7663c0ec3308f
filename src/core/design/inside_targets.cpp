#include "design/inside_targets.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "calc/limit_slack.h"
#include "format/units.h"

namespace kalmo {

TargetWindow::TargetWindow(FitType type, DesignTargets targets, bool inchMode) {
  const DesignTargets corrected = correctTargetSigns(type, targets);
  const double a = inchMode ? inchToMm(corrected.max) : corrected.max;
  const double b = inchMode ? inchToMm(corrected.min) : corrected.min;
  low_ = std::min(a, b) - kLimitSlackMm;
  high_ = std::max(a, b) + kLimitSlackMm;
}

std::optional<TargetExcess> TargetWindow::excess(double fitValue1Mm, double fitValue2Mm) const {
  for (const auto& [slot, value] :
       {std::pair{FitValueSlot::First, fitValue1Mm}, {FitValueSlot::Second, fitValue2Mm}}) {
    if (value > high_) return TargetExcess{slot, value, value - (high_ - kLimitSlackMm), true};
    if (value < low_) return TargetExcess{slot, value, (low_ + kLimitSlackMm) - value, false};
  }
  return std::nullopt;
}

bool liesInsideTargets(double fitValue1Mm, double fitValue2Mm, FitType type, DesignTargets targets,
                       bool inchMode) {
  return TargetWindow(type, targets, inchMode).contains(fitValue1Mm, fitValue2Mm);
}

bool liesInsideTargets(const DesignResult& fit, FitType type, DesignTargets targets,
                       bool inchMode) {
  return liesInsideTargets(fit.FitValue1, fit.FitValue2, type, targets, inchMode);
}

std::size_t countInsideTargets(const DesignResults& results, FitType type, DesignTargets targets,
                               bool inchMode) {
  return static_cast<std::size_t>(std::count_if(
      results.begin(), results.end(),
      [&](const DesignResult& fit) { return liesInsideTargets(fit, type, targets, inchMode); }));
}

DesignResults insideTargetsOnly(const DesignResults& results, FitType type, DesignTargets targets,
                                bool inchMode) {
  DesignResults inside;
  std::copy_if(
      results.begin(), results.end(), std::back_inserter(inside),
      [&](const DesignResult& fit) { return liesInsideTargets(fit, type, targets, inchMode); });
  return inside;
}

}  // namespace kalmo
