#include "design/press_design.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "design/design_results.h"
#include "design/design_search.h"

namespace kalmo {

namespace {

bool safetyHolds(double s) {
  return std::isfinite(s) && s >= 1 && s <= kPressMaxSafety;
}

PressDesignWindow windowOf(const PressDesignRequest& r) {
  const PressFitInput& in = r.joint;
  const double d = in.diameterMm;
  const double k = elasticityFactor(in);
  const double smoothingMm = smoothingFactor(in.smoothing) * (in.rzHubUm + in.rzShaftUm) / 1000;
  PressDesignWindow w;
  w.forceN = resultantForceN(*in.load, d);
  w.requiredMpa = r.slipSafety * w.forceN / (std::numbers::pi * d * in.lengthMm * in.friction);
  w.requiredMm = w.requiredMpa * d * k + smoothingMm;
  const EquivalentStresses perMpa = equivalentStresses(in, 1);
  w.permittedMpa = std::min(in.hubMaterial.yieldMpa / (r.yieldSafety * perMpa.hubMpa),
                            in.shaftMaterial.yieldMpa / (r.yieldSafety * perMpa.shaftMpa));
  w.permittedMm = w.permittedMpa * d * k + smoothingMm;
  return w;
}

// Ranks the fits in place; see PressDesignResult::fits.
void rank(std::vector<PressDesignFit>& fits, const PressDesignWindow& w) {
  const double windowMid = (w.requiredMm + w.permittedMm) / 2;
  const auto distance = [windowMid](const PressDesignFit& f) {
    return std::fabs((f.uMin + f.uMax).mm() / 2 - windowMid);
  };
  std::sort(fits.begin(), fits.end(), [&](const PressDesignFit& a, const PressDesignFit& b) {
    if (a.tolerance != b.tolerance) return a.tolerance > b.tolerance;
    if (a.preferred != b.preferred) return a.preferred;
    const double da = distance(a);
    const double db = distance(b);
    if (da != db) return da < db;
    return a.classes < b.classes;
  });
}

}  // namespace

bool carriesInOperation(const PressFitResult& press, double slipSafety, double yieldSafety) {
  if (!press.atOperating) return true;
  const PressAtTemperature& hot = *press.atOperating;
  const auto atLeast = [](const std::optional<double>& safety, double asked) {
    return !safety || *safety >= asked;  // no stress: nothing to yield
  };
  return !hot.looseAtMin && hot.slipSafety && *hot.slipSafety >= slipSafety &&
         atLeast(hot.hubSafety, yieldSafety) && atLeast(hot.shaftSafety, yieldSafety);
}

PressDesignOutcome designPressFit(const PressDesignRequest& request) {
  PressFitInput joint = request.joint;
  // The undefined fit of the empty hole and shaft is no input error here.
  std::vector<PressFitError> errors = pressFitErrors(joint);
  std::erase(errors, PressFitError::FitUndefined);
  if (!errors.empty()) return {std::nullopt, PressDesignError::Joint, errors.front()};
  if (!joint.load || !(resultantForceN(*joint.load, joint.diameterMm) > 0)) {
    return {std::nullopt, PressDesignError::NoLoad};
  }
  if (!safetyHolds(request.slipSafety)) return {std::nullopt, PressDesignError::SlipSafety};
  if (!safetyHolds(request.yieldSafety)) return {std::nullopt, PressDesignError::YieldSafety};
  if (request.system == DesignSystem::HoleTolerance ||
      request.system == DesignSystem::ShaftTolerance) {
    return {std::nullopt, PressDesignError::System};
  }

  PressDesignResult result;
  result.window = windowOf(request);
  if (result.window.empty()) {
    result.shortfallMm = result.window.requiredMm - result.window.permittedMm;
    result.loadFactor = result.window.requiredMpa / result.window.permittedMpa;
    return {result, PressDesignError::None};
  }

  // The design search's candidates of the system and grade range, of type
  // interference: every fit the window can hold, since U_req > 0.
  DesignRequest search;
  search.nominalSizeMm = joint.diameterMm;
  search.fitType = FitType::Interference;
  search.system = request.system;
  search.grades = request.grades;
  RankedFits candidates;
  searchFits(search, candidates);
  for (std::size_t i = 0; i < candidates.size(); ++i) {
    const RankedFits::Row& row = candidates.row(i);
    const RankedFits::EvaluatedClass& hole = candidates.holes()[row.hole];
    const RankedFits::EvaluatedClass& shaft = candidates.shafts()[row.shaft];
    const TwentiethsUm uMin = shaft.limits.lower - hole.limits.upper;
    const TwentiethsUm uMax = shaft.limits.upper - hole.limits.lower;
    if (!(uMin.mm() >= result.window.requiredMm && uMax.mm() <= result.window.permittedMm)) {
      continue;
    }
    joint.hole = hole.limits;
    joint.shaft = shaft.limits;
    const PressFitOutcome press = pressFit(joint);
    if (!press.value) continue;  // not reached: the inputs passed above
    if (request.carryInOperation &&
        !carriesInOperation(*press.value, request.slipSafety, request.yieldSafety)) {
      ++result.notInOperation;
      continue;
    }
    result.fits.push_back(
        {{hole.cls, shaft.cls}, candidates.preferred(i), uMin, uMax, uMax - uMin, *press.value});
  }
  rank(result.fits, result.window);
  return {result, PressDesignError::None};
}

}  // namespace kalmo
