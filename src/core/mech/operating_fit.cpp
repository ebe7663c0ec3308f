#include "mech/operating_fit.h"

#include <cmath>

namespace kalmo {

bool keepsReferenceLimits(const PartTemperature& part) {
  return part.temperatureC == kReferenceTemperatureC || part.alphaUmPerMK == 0;
}

ConditionError checkPartTemperature(const PartTemperature& part) {
  if (!std::isfinite(part.temperatureC)) return ConditionError::TemperatureNotFinite;
  if (part.temperatureC < kAbsoluteZeroC) return ConditionError::BelowAbsoluteZero;
  if (!std::isfinite(part.alphaUmPerMK)) return ConditionError::AlphaNotFinite;
  const double f = expansionFactor(part);
  if (!(f > 0 && f <= 2)) return ConditionError::ExpansionOutOfRange;
  return ConditionError::None;
}

double expansionFactor(const PartTemperature& part) {
  return 1 + part.alphaUmPerMK * 1e-6 * (part.temperatureC - kReferenceTemperatureC);
}

ClassResult classAtTemperature(const ClassResult& cls, double sizeMm, const PartTemperature& part) {
  // Scaling and subtracting N again would change the last bits of a
  // deviation even with a factor of exactly 1, and with them exact ties
  // such as EI = es: leave such a part alone.
  if (keepsReferenceLimits(part) || cls.undefined()) return cls;
  const double f = expansionFactor(part);
  return {cls.toleranceMm * f, (sizeMm + cls.upperMm) * f - sizeMm,
          (sizeMm + cls.lowerMm) * f - sizeMm};
}

FitResult fitOfZonesAtTemperature(const ClassResult& hole, const ClassResult& shaft,
                                  const OperatingConditions& conditions) {
  if (keepsReferenceLimits(conditions.hole) && keepsReferenceLimits(conditions.shaft)) {
    return EvaluateFit(hole, shaft);
  }
  if (hole.undefined() || shaft.undefined() || hole.toleranceMm <= 0 || shaft.toleranceMm <= 0) {
    return {};
  }
  const double maxClearance = hole.upperMm - shaft.lowerMm;  // ES_T − ei_T
  const double minClearance = hole.lowerMm - shaft.upperMm;  // EI_T − es_T
  if (minClearance >= 0) {
    return {FitKind::Clearance, maxClearance, minClearance, std::fabs(maxClearance - minClearance)};
  }
  if (maxClearance < 0) {
    return {FitKind::Interference, minClearance, maxClearance,
            std::fabs(minClearance - maxClearance)};
  }
  return {FitKind::Transition, maxClearance, minClearance, std::fabs(maxClearance - minClearance)};
}

OperatingResult fitAtTemperature(const Evaluation& at20, double sizeMm,
                                 const OperatingConditions& conditions) {
  if (const ConditionError e = checkPartTemperature(conditions.hole); e != ConditionError::None) {
    return {std::nullopt, e, Side::Hole};
  }
  if (const ConditionError e = checkPartTemperature(conditions.shaft); e != ConditionError::None) {
    return {std::nullopt, e, Side::Shaft};
  }
  OperatingFit op;
  op.hole = classAtTemperature(at20.hole, sizeMm, conditions.hole);
  op.shaft = classAtTemperature(at20.shaft, sizeMm, conditions.shaft);
  op.fit = fitOfZonesAtTemperature(op.hole, op.shaft, conditions);
  op.kindChanged = op.fit.kind != at20.fit.kind;
  return {op, ConditionError::None, Side::Hole};
}

}  // namespace kalmo
