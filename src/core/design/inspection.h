#pragma once

#include <optional>
#include <vector>

#include "calc/evaluation.h"
#include "calc/tolerance_class.h"

namespace kalmo {

// Inspection of measured parts against their classes at one nominal size.
// Every length in mm.

// A measured size is a finite number above 0 and at most this: twice the
// largest nominal size of the tables (10000 mm), well above every limit of
// size they give, so that a reading beyond it is a slip of the keyboard,
// not a part.
inline constexpr double kMaxMeasuredMm = 20000;
constexpr bool measuredSizeInRange(double mm) {
  return mm > 0 && mm <= kMaxMeasuredMm;  // false for NaN
}

// One part's measurement: a single size (min == max) or the smallest and the
// largest size measured in a lot.
struct Measurement {
  double minMm = 0;
  double maxMm = 0;
  friend bool operator==(const Measurement&, const Measurement&) = default;
};

struct InspectionInput {
  double nominalMm = 0;
  std::optional<ToleranceClass> hole;
  std::optional<ToleranceClass> shaft;
  std::optional<Measurement> holeMeasured;
  std::optional<Measurement> shaftMeasured;
};

// Why an inspection did not run.
enum class InspectionError {
  None,
  SizeNotPositive,        // the nominal size is not greater than 0 (or NaN)
  NoClass,                // neither a hole nor a shaft class
  UndefinedClass,         // a given class has no limits at the size; see failedSide
  MeasuredWithoutClass,   // a part is measured but has no class; see failedSide
  MeasurementNotFinite,   // a measured size is NaN or infinite; see failedSide
  MeasurementOutOfRange,  // a measured size is not above 0 or above kMaxMeasuredMm; see failedSide
  MinAboveMax,            // a lot's smallest size exceeds its largest; see failedSide
};

enum class InspectionStatus {
  Ok,     // within both limits of size (inclusive, with kLimitSlackMm)
  Over,   // above the upper limit of size
  Under,  // below the lower limit of size
};

// One accepting class: it holds the whole measurement at the nominal size.
struct AcceptingClass {
  ToleranceClass cls;
  bool preferred = false;
  friend bool operator==(const AcceptingClass&, const AcceptingClass&) = default;
};

// Limits of size a gauge checks, by the Taylor principle: the GO gauge checks
// the maximum-material limit (a hole's lower, a shaft's upper limit of size),
// the NO-GO gauge the least-material limit. The sizes are the limits
// themselves: gauge-maker tolerances and wear allowances are not included.
struct GaugeSizes {
  double goMm = 0;
  double noGoMm = 0;
  friend bool operator==(const GaugeSizes&, const GaugeSizes&) = default;
};

struct PartInspection {
  ToleranceClass cls;
  ClassResult limits;       // the class's deviations
  double upperLimitMm = 0;  // nominal + upper deviation
  double lowerLimitMm = 0;
  GaugeSizes gauge;
  // The rest only for a measured part.
  std::optional<Measurement> measured;
  std::optional<InspectionStatus> status;
  // Distance to the nearer limit, positive inside, negative outside (for a
  // lot outside on both sides, the larger excess); rounded to 1e-9 mm, so
  // that a limit typed as a decimal gives 0, not a binary remainder.
  std::optional<double> marginMm;
  // The classes of the window's class list for the size (up to 500 mm or
  // above) that hold the measurement, ordered by grade, then by letter in
  // the pickers' order (... H, JS, J, K ...). Empty for an unmeasured part.
  std::vector<AcceptingClass> accepting;
};

// The fit of the two parts, when both classes are given.
struct ActualFit {
  FitKind kind = FitKind::Undefined;  // the nominal kind of the two classes
  // Hole minus shaft when both parts are measured: smallest = hole min -
  // shaft max, largest = hole max - shaft min (equal for single parts);
  // negative is interference; rounded to 1e-9 mm.
  std::optional<double> actualMinMm;
  std::optional<double> actualMaxMm;
  // Every pair of the measured parts still gives a fit of the nominal kind:
  // clearance needs actualMin >= 0, interference actualMax < 0, transition
  // holds always. nullopt without both measurements.
  std::optional<bool> sameKind;
};

struct InspectionReport {
  double nominalMm = 0;
  std::optional<PartInspection> hole;
  std::optional<PartInspection> shaft;
  std::optional<ActualFit> fit;
};

struct InspectionOutcome {
  std::optional<InspectionReport> report;
  InspectionError error = InspectionError::None;
  Side failedSide = Side::Hole;
};

InspectionOutcome inspect(const InspectionInput& input);

// A measurement against limits of size: status and margin as in
// PartInspection.
struct LimitCheck {
  InspectionStatus status = InspectionStatus::Ok;
  double marginMm = 0;
};
LimitCheck checkLimits(Measurement measured, double lowerLimitMm, double upperLimitMm);

}  // namespace kalmo
