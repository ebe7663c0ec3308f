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
  return inputs;
}

bool holds(const Checked& c, double d) {
  if (!std::isfinite(c.value) || !pressFitRange(c.input, d).holds(c.value)) return false;
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
    if (!holds(c, d)) errors.push_back(c.input);
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
  }
  if (r.hubYields) warnings.push_back(PressFitWarning::HubYields);
  if (r.shaftYields) warnings.push_back(PressFitWarning::ShaftYields);
  if (r.shaftBelowAbsoluteZero) {
    warnings.push_back(PressFitWarning::CoolingCannotJoin);
  } else if (r.shaftBelowLn2) {
    warnings.push_back(PressFitWarning::BelowLiquidNitrogen);
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
    case PressFitWarning::CoolingCannotJoin: break;
  }
  return TextId::CoolingCannotJoin;
}

PressFitOutcome pressFit(const PressFitInput& in) {
  if (const std::vector<PressFitError> errors = pressFitErrors(in); !errors.empty()) {
    // An input error comes before an undefined fit, which is listed last.
    return {std::nullopt, errors.front()};
  }
  constexpr double pi = std::numbers::pi;
  const double d = in.diameterMm;
  const double l = in.lengthMm;
  const MaterialProperties& a = in.hubMaterial;
  const MaterialProperties& i = in.shaftMaterial;
  PressFitResult r;
  r.qHub = d / in.hubOuterMm;
  r.qShaft = in.shaftBoreMm / d;
  const double qa2 = r.qHub * r.qHub;
  const double qi2 = r.qShaft * r.qShaft;
  r.smoothingMm = 0.8 * (in.rzHubUm + in.rzShaftUm) / 1000;
  r.uMaxMm = (in.shaft.upper - in.hole.lower).mm();
  r.uMinMm = (in.shaft.lower - in.hole.upper).mm();
  r.uMaxEffMm = r.uMaxMm - r.smoothingMm;
  r.uMinEffMm = r.uMinMm - r.smoothingMm;
  r.k = (1 / a.elasticModulusMpa) * ((1 + qa2) / (1 - qa2) + a.poisson) +
        (1 / i.elasticModulusMpa) * ((1 + qi2) / (1 - qi2) - i.poisson);
  r.pMaxMpa = r.uMaxEffMm > 0 ? (r.uMaxEffMm / d) / r.k : 0;
  r.pMinMpa = r.uMinEffMm > 0 ? (r.uMinEffMm / d) / r.k : 0;
  r.looseAtMin = !(r.uMinEffMm > 0);

  const double mu = in.friction;
  const double muE = in.pressFriction.value_or(mu);
  r.torqueNm = r.pMinMpa * pi * d * d * l * mu / 2 / 1000;
  r.axialForceN = r.pMinMpa * pi * d * l * mu;
  r.pressForceN = r.pMaxMpa * pi * d * l * muE;

  r.hubStressMpa = 2 * r.pMaxMpa / (1 - qa2);
  r.shaftStressMpa = in.shaftBoreMm == 0 ? r.pMaxMpa : 2 * r.pMaxMpa / (1 - qi2);
  if (r.hubStressMpa > 0) r.hubSafety = a.yieldMpa / r.hubStressMpa;
  if (r.shaftStressMpa > 0) r.shaftSafety = i.yieldMpa / r.shaftStressMpa;
  r.hubYields = r.hubSafety && *r.hubSafety < 1;
  r.shaftYields = r.shaftSafety && *r.shaftSafety < 1;

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
