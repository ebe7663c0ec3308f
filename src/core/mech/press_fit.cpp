#include "mech/press_fit.h"

#include <cmath>
#include <numbers>

#include "mech/operating_fit.h"

namespace kalmo {

namespace {

bool positive(double v) {
  return std::isfinite(v) && v > 0;
}

PressFitError checkMaterial(const MaterialProperties& m, bool hub) {
  if (!positive(m.elasticModulusMpa)) {
    return hub ? PressFitError::HubModulus : PressFitError::ShaftModulus;
  }
  if (!(m.poisson > 0 && m.poisson < 0.5)) {
    return hub ? PressFitError::HubPoisson : PressFitError::ShaftPoisson;
  }
  if (!positive(m.yieldMpa)) return hub ? PressFitError::HubYield : PressFitError::ShaftYield;
  if (!positive(m.alphaUmPerMK)) return hub ? PressFitError::HubAlpha : PressFitError::ShaftAlpha;
  return PressFitError::None;
}

PressFitError check(const PressFitInput& in) {
  const double d = in.diameterMm;
  if (!positive(d)) return PressFitError::Diameter;
  // D/D_aA must stay below 1 after rounding, or 1 − Q_A² would be 0.
  if (!std::isfinite(in.hubOuterMm) || !(in.hubOuterMm > d) || !(d / in.hubOuterMm < 1)) {
    return PressFitError::HubOuterDiameter;
  }
  if (!std::isfinite(in.shaftBoreMm) || in.shaftBoreMm < 0 || !(in.shaftBoreMm < d) ||
      !(in.shaftBoreMm / d < 1)) {
    return PressFitError::ShaftBore;
  }
  if (!positive(in.lengthMm)) return PressFitError::Length;
  if (const PressFitError e = checkMaterial(in.hubMaterial, true); e != PressFitError::None) {
    return e;
  }
  if (const PressFitError e = checkMaterial(in.shaftMaterial, false); e != PressFitError::None) {
    return e;
  }
  if (!std::isfinite(in.rzHubUm) || in.rzHubUm < 0) return PressFitError::HubRoughness;
  if (!std::isfinite(in.rzShaftUm) || in.rzShaftUm < 0) return PressFitError::ShaftRoughness;
  if (!positive(in.friction)) return PressFitError::Friction;
  if (in.pressFriction && !positive(*in.pressFriction)) return PressFitError::PressFriction;
  if (in.joiningClearanceMm &&
      (!std::isfinite(*in.joiningClearanceMm) || *in.joiningClearanceMm < 0)) {
    return PressFitError::JoiningClearance;
  }
  if (EvaluateFit(in.hole, in.shaft).kind == FitKind::Undefined) {
    return PressFitError::FitUndefined;
  }
  return PressFitError::None;
}

}  // namespace

PressFitOutcome pressFit(const PressFitInput& in) {
  if (const PressFitError e = check(in); e != PressFitError::None) return {std::nullopt, e};
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

  const double s = in.joiningClearanceMm.value_or(0.001 * d);
  r.hubTemperatureC = kReferenceTemperatureC + (r.uMaxMm + s) / (a.alphaUmPerMK * 1e-6 * d);
  r.shaftTemperatureC = kReferenceTemperatureC - (r.uMaxMm + s) / (i.alphaUmPerMK * 1e-6 * d);
  r.shaftBelowLn2 = r.shaftTemperatureC < kLiquidNitrogenC;
  return {r, PressFitError::None};
}

}  // namespace kalmo
