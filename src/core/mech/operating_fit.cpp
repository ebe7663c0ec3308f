#include "mech/operating_fit.h"

#include <cmath>

namespace kalmo {

bool keepsReferenceLimits(const PartTemperature& part) {
  return part.temperatureC == kReferenceTemperatureC || part.alphaUmPerMK == 0;
}

bool bothAtReferenceTemperature(const OperatingConditions& conditions) {
  return conditions.hole.temperatureC == kReferenceTemperatureC &&
         conditions.shaft.temperatureC == kReferenceTemperatureC;
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

ZoneMm classAtTemperature(const ClassResult& cls, double sizeMm, const PartTemperature& part) {
  // Scaling and subtracting N again would change the last bits of a
  // deviation even with a factor of exactly 1, and with them exact ties
  // such as EI = es: leave such a part alone.
  if (keepsReferenceLimits(part) || cls.undefined()) return cls;
  // L·f − N = deviation + L·(f − 1): the growth added to the deviation
  // rather than N subtracted from the grown size, which would cancel all
  // but the last few digits of a small deviation.
  const double growth = part.alphaUmPerMK * 1e-6 * (part.temperatureC - kReferenceTemperatureC);
  return {cls.toleranceMm() * (1 + growth), cls.upperMm() + cls.upperLimitMm(sizeMm) * growth,
          cls.lowerMm() + cls.lowerLimitMm(sizeMm) * growth};
}

FitMm fitOfZonesAtTemperature(const ZoneMm& hole, const ZoneMm& shaft,
                              const OperatingConditions& conditions) {
  if (keepsReferenceLimits(conditions.hole) && keepsReferenceLimits(conditions.shaft)) {
    // Both zones are exact classes in doubles: their kind and values are the
    // exact ones (a tie of the exact values is a tie of their doubles).
    const auto exact = [](const ZoneMm& z) {
      return z.undefined() ? kUndefinedClass
                           : ClassResult{TwentiethsUm{std::llround(z.tolerance * 20000)},
                                         TwentiethsUm{std::llround(z.upper * 20000)},
                                         TwentiethsUm{std::llround(z.lower * 20000)}};
    };
    return EvaluateFit(exact(hole), exact(shaft));
  }
  if (!hole.defined() || !shaft.defined()) return {};
  const double maxClearance = hole.upper - shaft.lower;  // ES_T − ei_T
  const double minClearance = hole.lower - shaft.upper;  // EI_T − es_T
  if (minClearance >= 0) {
    return {FitKind::Clearance, maxClearance, minClearance, std::fabs(maxClearance - minClearance)};
  }
  if (maxClearance < 0) {
    return {FitKind::Interference, minClearance, maxClearance,
            std::fabs(minClearance - maxClearance)};
  }
  return {FitKind::Transition, maxClearance, minClearance, std::fabs(maxClearance - minClearance)};
}

FitMm fitOfClassesAtTemperature(const ClassResult& hole, const ClassResult& shaft, double sizeMm,
                                const OperatingConditions& conditions) {
  if (keepsReferenceLimits(conditions.hole) && keepsReferenceLimits(conditions.shaft)) {
    return EvaluateFit(hole, shaft);
  }
  return fitOfZonesAtTemperature(classAtTemperature(hole, sizeMm, conditions.hole),
                                 classAtTemperature(shaft, sizeMm, conditions.shaft), conditions);
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
  op.fit = keepsReferenceLimits(conditions.hole) && keepsReferenceLimits(conditions.shaft)
               ? FitMm(at20.fit)
               : fitOfZonesAtTemperature(op.hole, op.shaft, conditions);
  op.kindChanged = op.fit.kind != at20.fit.kind;
  return {op, ConditionError::None, Side::Hole};
}

}  // namespace kalmo
