#include "design/inspection.h"

#include <algorithm>
#include <cmath>

#include "calc/limit_slack.h"
#include "design/class_lists.h"
#include "format/number_format.h"

namespace kalmo {

namespace {

// Differences of typed sizes carry binary remainders (50.025 - 50.018 is
// 0.007000000000000561); 1e-9 mm, the slack of the limit tests, is the
// resolution they are given in.
double roundToSlack(double mm) {
  return roundTo(mm, 9);
}

bool holds(Measurement m, double lowerMm, double upperMm) {
  return m.minMm >= lowerMm - kLimitSlackMm && m.maxMm <= upperMm + kLimitSlackMm;
}

std::vector<AcceptingClass> acceptingClasses(Side side, double nominalMm, Measurement m) {
  const SizeEvaluation evaluation(nominalMm);
  std::vector<AcceptingClass> accepting;
  for (const ClassListItem& item : classList(side, isAbove500(nominalMm))) {
    const ClassResult r =
        side == Side::Hole ? evaluation.hole(item.cls) : evaluation.shaft(item.cls);
    if (r.defined() && holds(m, r.lowerLimitMm(nominalMm), r.upperLimitMm(nominalMm))) {
      accepting.push_back({item.cls, item.preferred});
    }
  }
  std::stable_sort(accepting.begin(), accepting.end(),
                   [](const AcceptingClass& a, const AcceptingClass& b) {
                     if (a.cls.grade != b.cls.grade) return a.cls.grade < b.cls.grade;
                     return a.cls.letter < b.cls.letter;
                   });
  return accepting;
}

InspectionError checkSide(const std::optional<ToleranceClass>& cls,
                          const std::optional<Measurement>& m, const ClassResult& limits) {
  if (m && !cls) return InspectionError::MeasuredWithoutClass;
  if (cls && !limits.defined()) return InspectionError::UndefinedClass;
  if (m && (!std::isfinite(m->minMm) || !std::isfinite(m->maxMm))) {
    return InspectionError::MeasurementNotFinite;
  }
  if (m && (!measuredSizeInRange(m->minMm) || !measuredSizeInRange(m->maxMm))) {
    return InspectionError::MeasurementOutOfRange;
  }
  if (m && m->minMm > m->maxMm) return InspectionError::MinAboveMax;
  return InspectionError::None;
}

PartInspection inspectPart(Side side, ToleranceClass cls, const ClassResult& limits,
                           double nominalMm, const std::optional<Measurement>& measured) {
  PartInspection part;
  part.cls = cls;
  part.limits = limits;
  part.upperLimitMm = limits.upperLimitMm(nominalMm);
  part.lowerLimitMm = limits.lowerLimitMm(nominalMm);
  part.gauge = side == Side::Hole ? GaugeSizes{part.lowerLimitMm, part.upperLimitMm}
                                  : GaugeSizes{part.upperLimitMm, part.lowerLimitMm};
  if (measured) {
    const LimitCheck check = checkLimits(*measured, part.lowerLimitMm, part.upperLimitMm);
    part.measured = measured;
    part.status = check.status;
    part.marginMm = check.marginMm;
    part.accepting = acceptingClasses(side, nominalMm, *measured);
  }
  return part;
}

}  // namespace

LimitCheck checkLimits(Measurement measured, double lowerLimitMm, double upperLimitMm) {
  const double aboveRoom = upperLimitMm - measured.maxMm;  // negative: over
  const double belowRoom = measured.minMm - lowerLimitMm;  // negative: under
  LimitCheck check;
  check.marginMm = roundToSlack(std::min(aboveRoom, belowRoom));
  if (aboveRoom < -kLimitSlackMm || belowRoom < -kLimitSlackMm) {
    check.status = aboveRoom <= belowRoom ? InspectionStatus::Over : InspectionStatus::Under;
  }
  return check;
}

InspectionOutcome inspect(const InspectionInput& input) {
  InspectionOutcome outcome;
  if (!(input.nominalMm > 0)) {
    outcome.error = InspectionError::SizeNotPositive;
    return outcome;
  }
  if (!input.hole && !input.shaft) {
    outcome.error = InspectionError::NoClass;
    return outcome;
  }
  const Evaluation evaluation = *Evaluate(input.nominalMm, input.hole, input.shaft);
  for (Side side : {Side::Hole, Side::Shaft}) {
    const bool hole = side == Side::Hole;
    const InspectionError error =
        checkSide(hole ? input.hole : input.shaft, hole ? input.holeMeasured : input.shaftMeasured,
                  hole ? evaluation.hole : evaluation.shaft);
    if (error != InspectionError::None) {
      outcome.error = error;
      outcome.failedSide = side;
      return outcome;
    }
  }

  InspectionReport report;
  report.nominalMm = input.nominalMm;
  if (input.hole) {
    report.hole =
        inspectPart(Side::Hole, *input.hole, evaluation.hole, input.nominalMm, input.holeMeasured);
  }
  if (input.shaft) {
    report.shaft = inspectPart(Side::Shaft, *input.shaft, evaluation.shaft, input.nominalMm,
                               input.shaftMeasured);
  }
  if (input.hole && input.shaft) {
    ActualFit fit;
    fit.kind = evaluation.fit.kind;
    if (input.holeMeasured && input.shaftMeasured) {
      const double low = roundToSlack(input.holeMeasured->minMm - input.shaftMeasured->maxMm);
      const double high = roundToSlack(input.holeMeasured->maxMm - input.shaftMeasured->minMm);
      fit.actualMinMm = low;
      fit.actualMaxMm = high;
      fit.sameKind = fit.kind == FitKind::Clearance      ? low >= 0
                     : fit.kind == FitKind::Interference ? high < 0
                                                         : true;
    }
    report.fit = fit;
  }
  outcome.report = report;
  return outcome;
}

}  // namespace kalmo
