#include "mech/press_fit.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "mech/operating_fit.h"

namespace kalmo {

namespace {

// Each input and its value, in PressFitError order; μ_e and s only when given.
struct Checked {
  PressFitError input;
  double value;
};

std::vector<Checked> checkedInputs(const PressFitInput& in) {
  std::vector<Checked> inputs{{PressFitError::HubOuterDiameter, in.hubOuterMm},
                              {PressFitError::ShaftBore, in.shaftBoreMm},
                              {PressFitError::Length, in.lengthMm},
                              {PressFitError::HubModulus, in.hubMaterial.elasticModulusMpa},
                              {PressFitError::ShaftModulus, in.shaftMaterial.elasticModulusMpa},
                              {PressFitError::HubPoisson, in.hubMaterial.poisson},
                              {PressFitError::ShaftPoisson, in.shaftMaterial.poisson},
                              {PressFitError::HubYield, in.hubMaterial.yieldMpa},
                              {PressFitError::ShaftYield, in.shaftMaterial.yieldMpa},
                              {PressFitError::HubAlpha, in.hubMaterial.alphaUmPerMK},
                              {PressFitError::ShaftAlpha, in.shaftMaterial.alphaUmPerMK},
                              {PressFitError::HubRoughness, in.rzHubUm},
                              {PressFitError::ShaftRoughness, in.rzShaftUm},
                              {PressFitError::Friction, in.friction}};
  if (in.pressFriction) inputs.push_back({PressFitError::PressFriction, *in.pressFriction});
  if (in.joiningClearanceMm) {
    inputs.push_back({PressFitError::JoiningClearance, *in.joiningClearanceMm});
  }
  if (in.load) {
    inputs.push_back({PressFitError::Torque, in.load->torqueNm});
    inputs.push_back({PressFitError::AxialForce, in.load->axialForceN});
  }
  if (in.operating) {
    inputs.push_back({PressFitError::HubTemperature, in.operating->hubC});
    inputs.push_back({PressFitError::ShaftTemperature, in.operating->shaftC});
  }
  return inputs;
}

// The operating conditions of the parts: each at its temperature with its
// material's α.
OperatingConditions conditionsOf(const PressFitInput& in, const JointTemperatures& t) {
  return {{t.hubC, in.hubMaterial.alphaUmPerMK}, {t.shaftC, in.shaftMaterial.alphaUmPerMK}};
}

bool holds(const PressFitInput& in, const Checked& c, double d) {
  if (!std::isfinite(c.value) || !pressFitRange(c.input, d).holds(c.value)) return false;
  // An α·Δt that shrinks a part to nothing or more than doubles it.
  if (c.input == PressFitError::HubTemperature) {
    return checkPartTemperature(conditionsOf(in, *in.operating).hole) == ConditionError::None;
  }
  if (c.input == PressFitError::ShaftTemperature) {
    return checkPartTemperature(conditionsOf(in, *in.operating).shaft) == ConditionError::None;
  }
  // 1 − Q_A² and 1 − Q_I² must not round to 0.
  if (c.input == PressFitError::HubOuterDiameter) return d / c.value < 1;
  if (c.input == PressFitError::ShaftBore) return c.value / d < 1;
  return true;
}

}  // namespace

PressFitRange pressFitRange(PressFitError input, double diameterMm) {
  switch (input) {
    case PressFitError::HubOuterDiameter: return {diameterMm, false, kPressMaxLengthMm, true};
    case PressFitError::ShaftBore: return {0, true, diameterMm, false};
    case PressFitError::Length: return {0, false, kPressMaxLengthMm, true};
    case PressFitError::JoiningClearance: return {0, true, diameterMm, true};
    case PressFitError::HubModulus:
    case PressFitError::ShaftModulus: return {kPressMinModulusMpa, true, kPressMaxModulusMpa, true};
    case PressFitError::HubPoisson:
    case PressFitError::ShaftPoisson: return {0, false, 0.5, false};
    case PressFitError::HubYield:
    case PressFitError::ShaftYield: return {0, false, kPressMaxYieldMpa, true};
    case PressFitError::HubAlpha:
    case PressFitError::ShaftAlpha:
      return {kPressMinAlphaUmPerMK, true, kPressMaxAlphaUmPerMK, true};
    case PressFitError::HubRoughness:
    case PressFitError::ShaftRoughness: return {0, true, kPressMaxRoughnessUm, true};
    case PressFitError::Friction:
    case PressFitError::PressFriction: return {0, false, kPressMaxFriction, true};
    case PressFitError::Torque:
    case PressFitError::AxialForce: return {0, true, kPressMaxLoad, true};
    // The upper bound is the α check's; this one only keeps Δt finite.
    case PressFitError::HubTemperature:
    case PressFitError::ShaftTemperature: return {kAbsoluteZeroC, true, 1e9, true};
    case PressFitError::FitUndefined:
    case PressFitError::Diameter:
    case PressFitError::None: break;
  }
  return {0, false, 0, false};
}

std::vector<PressFitError> pressFitErrors(const PressFitInput& in) {
  const double d = in.diameterMm;
  if (!(std::isfinite(d) && d > 0)) return {PressFitError::Diameter};
  std::vector<PressFitError> errors;
  for (const Checked& c : checkedInputs(in)) {
    if (!holds(in, c, d)) errors.push_back(c.input);
  }
  // Sorted by the enum, the order a form lists its fields in.
  std::sort(errors.begin(), errors.end());
  if (EvaluateFit(in.hole, in.shaft).kind == FitKind::Undefined) {
    errors.push_back(PressFitError::FitUndefined);
  }
  return errors;
}

std::vector<PressFitWarning> pressFitWarnings(const PressFitResult& r) {
  std::vector<PressFitWarning> warnings;
  if (r.noInterference) {
    warnings.push_back(PressFitWarning::NoInterference);
  } else if (r.looseAtMin) {
    warnings.push_back(PressFitWarning::LooseAtMinimum);
  } else if (r.slips) {
    warnings.push_back(PressFitWarning::Slips);
  }
  if (r.hubYields) warnings.push_back(PressFitWarning::HubYields);
  if (r.shaftYields) warnings.push_back(PressFitWarning::ShaftYields);
  if (r.shaftBelowAbsoluteZero) {
    warnings.push_back(PressFitWarning::CoolingCannotJoin);
  } else if (r.shaftBelowLn2) {
    warnings.push_back(PressFitWarning::BelowLiquidNitrogen);
  }
  if (!r.looseAtMin && r.atOperating && r.atOperating->looseAtMin) {
    warnings.push_back(PressFitWarning::LooseAtOperating);
  }
  return warnings;
}

TextId pressFitWarningText(PressFitWarning warning) {
  switch (warning) {
    case PressFitWarning::NoInterference: return TextId::NoInterference;
    case PressFitWarning::LooseAtMinimum: return TextId::LooseAtMinimum;
    case PressFitWarning::HubYields: return TextId::HubYields;
    case PressFitWarning::ShaftYields: return TextId::ShaftYields;
    case PressFitWarning::BelowLiquidNitrogen: return TextId::BelowLiquidNitrogen;
    case PressFitWarning::Slips: return TextId::PressSlips;
    case PressFitWarning::LooseAtOperating: return TextId::PressLooseAtOperating;
    case PressFitWarning::CoolingCannotJoin: break;
  }
  return TextId::CoolingCannotJoin;
}

double smoothingFactor(SmoothingRule rule) {
  return rule == SmoothingRule::Factor04 ? 0.4 : 0.8;
}

double resultantForceN(const PressLoad& load, double diameterMm) {
  return std::hypot(2000 * load.torqueNm / diameterMm, load.axialForceN);
}

double elasticityFactor(const PressFitInput& in) {
  const double qa = in.diameterMm / in.hubOuterMm;
  const double qi = in.shaftBoreMm / in.diameterMm;
  const double qa2 = qa * qa;
  const double qi2 = qi * qi;
  const MaterialProperties& a = in.hubMaterial;
  const MaterialProperties& i = in.shaftMaterial;
  return (1 / a.elasticModulusMpa) * ((1 + qa2) / (1 - qa2) + a.poisson) +
         (1 / i.elasticModulusMpa) * ((1 + qi2) / (1 - qi2) - i.poisson);
}

EquivalentStresses equivalentStresses(const PressFitInput& in, double pressureMpa) {
  const double qa = in.diameterMm / in.hubOuterMm;
  const double qi = in.shaftBoreMm / in.diameterMm;
  const double qa2 = qa * qa;
  const double qi2 = qi * qi;
  const double p = pressureMpa;
  const double hub = in.hubStress == StressHypothesis::VonMises
                         ? p * std::sqrt(3 + qa2 * qa2) / (1 - qa2)
                         : 2 * p / (1 - qa2);
  return {hub, in.shaftBoreMm == 0 ? p : 2 * p / (1 - qi2)};
}

namespace {

// What one pair of interferences gives: the pressures, the loads carried at
// the smallest, the safeties at the largest.
struct JointState {
  double pMaxMpa = 0;
  double pMinMpa = 0;
  double torqueNm = 0;
  double axialForceN = 0;
  double hubStressMpa = 0;
  double shaftStressMpa = 0;
  std::optional<double> hubSafety;
  std::optional<double> shaftSafety;
  std::optional<double> slipSafety;
};

JointState jointState(const PressFitInput& in, double k, double uMaxEffMm, double uMinEffMm) {
  constexpr double pi = std::numbers::pi;
  const double d = in.diameterMm;
  const double l = in.lengthMm;
  const double mu = in.friction;
  JointState j;
  j.pMaxMpa = uMaxEffMm > 0 ? (uMaxEffMm / d) / k : 0;
  j.pMinMpa = uMinEffMm > 0 ? (uMinEffMm / d) / k : 0;
  j.torqueNm = j.pMinMpa * pi * d * d * l * mu / 2 / 1000;
  j.axialForceN = j.pMinMpa * pi * d * l * mu;
  const EquivalentStresses stresses = equivalentStresses(in, j.pMaxMpa);
  j.hubStressMpa = stresses.hubMpa;
  j.shaftStressMpa = stresses.shaftMpa;
  if (j.hubStressMpa > 0) j.hubSafety = in.hubMaterial.yieldMpa / j.hubStressMpa;
  if (j.shaftStressMpa > 0) j.shaftSafety = in.shaftMaterial.yieldMpa / j.shaftStressMpa;
  if (in.load) {
    const double force = resultantForceN(*in.load, d);
    if (force > 0) j.slipSafety = j.axialForceN / force;
  }
  return j;
}

// The joint at the operating temperatures: the interferences as the fit at
// temperature gives them (value1/value2 by kind, negated: a clearance is a
// negative interference).
PressAtTemperature atTemperature(const PressFitInput& in, double k, double smoothingMm) {
  const FitMm fit =
      fitOfClassesAtTemperature(in.hole, in.shaft, in.diameterMm, conditionsOf(in, *in.operating));
  // Largest and smallest clearance of the fit: value1 and value2, swapped
  // for an interference fit, whose value1 is the largest interference.
  const bool interference = fit.kind == FitKind::Interference;
  const double maxClearance = interference ? fit.value2Mm() : fit.value1Mm();
  const double minClearance = interference ? fit.value1Mm() : fit.value2Mm();
  PressAtTemperature t;
  t.uMaxMm = -minClearance;
  t.uMinMm = -maxClearance;
  const JointState j = jointState(in, k, t.uMaxMm - smoothingMm, t.uMinMm - smoothingMm);
  t.pMaxMpa = j.pMaxMpa;
  t.pMinMpa = j.pMinMpa;
  t.torqueNm = j.torqueNm;
  t.axialForceN = j.axialForceN;
  t.slipSafety = j.slipSafety;
  t.hubSafety = j.hubSafety;
  t.shaftSafety = j.shaftSafety;
  t.looseAtMin = !(t.uMinMm - smoothingMm > 0);
  return t;
}

}  // namespace

PressFitOutcome pressFit(const PressFitInput& in) {
  if (const std::vector<PressFitError> errors = pressFitErrors(in); !errors.empty()) {
    // An input error comes before an undefined fit, which is listed last.
    return {std::nullopt, errors.front()};
  }
  const double d = in.diameterMm;
  const double l = in.lengthMm;
  const MaterialProperties& a = in.hubMaterial;
  const MaterialProperties& i = in.shaftMaterial;
  PressFitResult r;
  r.qHub = d / in.hubOuterMm;
  r.qShaft = in.shaftBoreMm / d;
  r.smoothingMm = smoothingFactor(in.smoothing) * (in.rzHubUm + in.rzShaftUm) / 1000;
  r.uMaxMm = (in.shaft.upper - in.hole.lower).mm();
  r.uMinMm = (in.shaft.lower - in.hole.upper).mm();
  r.uMaxEffMm = r.uMaxMm - r.smoothingMm;
  r.uMinEffMm = r.uMinMm - r.smoothingMm;
  r.k = elasticityFactor(in);
  const JointState j = jointState(in, r.k, r.uMaxEffMm, r.uMinEffMm);
  r.pMaxMpa = j.pMaxMpa;
  r.pMinMpa = j.pMinMpa;
  r.looseAtMin = !(r.uMinEffMm > 0);
  r.torqueNm = j.torqueNm;
  r.axialForceN = j.axialForceN;
  r.pressForceN = r.pMaxMpa * std::numbers::pi * d * l * in.pressFriction.value_or(in.friction);
  r.hubStressMpa = j.hubStressMpa;
  r.shaftStressMpa = j.shaftStressMpa;
  r.hubSafety = j.hubSafety;
  r.shaftSafety = j.shaftSafety;
  r.hubYields = r.hubSafety && *r.hubSafety < 1;
  r.shaftYields = r.shaftSafety && *r.shaftSafety < 1;
  if (in.load) r.resultantForceN = resultantForceN(*in.load, d);
  r.slipSafety = j.slipSafety;
  r.slips = r.slipSafety && *r.slipSafety < 1;
  if (in.operating) r.atOperating = atTemperature(in, r.k, r.smoothingMm);

  // A clearance fit (U_max <= 0) is joined without heating or cooling: a
  // temperature from the joining clearance alone would be no requirement.
  r.noInterference = !(r.uMaxMm > 0);
  if (!r.noInterference) {
    const double s = in.joiningClearanceMm.value_or(defaultJoiningClearanceMm(d));
    r.hubTemperatureC = kReferenceTemperatureC + (r.uMaxMm + s) / (a.alphaUmPerMK * 1e-6 * d);
    const double shaftC = kReferenceTemperatureC - (r.uMaxMm + s) / (i.alphaUmPerMK * 1e-6 * d);
    r.shaftBelowLn2 = shaftC < kLiquidNitrogenC;
    r.shaftBelowAbsoluteZero = shaftC < kAbsoluteZeroC;
    if (!r.shaftBelowAbsoluteZero) r.shaftTemperatureC = shaftC;
  }
  return {r, PressFitError::None};
}

}  // namespace kalmo
