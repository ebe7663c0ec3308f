#pragma once

#include <optional>

#include "calc/exact_length.h"
#include "calc/tolerance_class.h"
#include "tables/deviation_tables.h"

namespace kalmo {

// The evaluated limits of one tolerance class, exact (whole 0.05 µm). An
// undefined class (no table value, or a grade outside the letter's range)
// carries upper = kUndefinedDeviation, lower = 0, tolerance = 0. The ...Mm()
// accessors give the nearest double to the exact value in mm.
struct ClassResult {
  TwentiethsUm tolerance;  // IT; 0 also for a grade the size range lacks
  TwentiethsUm upper;      // ES or es
  TwentiethsUm lower;      // EI or ei
  friend constexpr bool operator==(const ClassResult&, const ClassResult&) = default;

  constexpr double toleranceMm() const { return tolerance.mm(); }
  constexpr double upperMm() const { return upper.mm(); }
  constexpr double lowerMm() const { return lower.mm(); }
  // The limit sizes at a nominal size: the nearest double to the exact sum.
  double upperLimitMm(double sizeMm) const { return limitSizeMm(sizeMm, upper); }
  double lowerLimitMm(double sizeMm) const { return limitSizeMm(sizeMm, lower); }

  // Marked undefined by the evaluation.
  constexpr bool undefined() const;
  // The views' test: a class is shown only with a real tolerance.
  constexpr bool defined() const { return !undefined() && tolerance.count() > 0; }
};

// The upper deviation that marks an undefined class: DeviationUndefined read
// as mm (100000 mm), as the program has always carried it.
inline constexpr TwentiethsUm kUndefinedDeviation{std::int64_t{DeviationUndefined} * 20000};

constexpr bool ClassResult::undefined() const {
  return upper >= kUndefinedDeviation;
}

inline constexpr ClassResult kUndefinedClass{TwentiethsUm{}, kUndefinedDeviation, TwentiethsUm{}};

enum class FitKind { Undefined, Clearance, Transition, Interference };

// The fixed English key of a fit kind wherever a program reads it (JSON, CSV,
// messages), in every language: "clearance", "transition", "interference";
// nullptr for an undefined fit, which each writer shows its own way (null, an
// empty field, "undefined").
constexpr const char* fitKindKey(FitKind kind) {
  switch (kind) {
    case FitKind::Clearance: return "clearance";
    case FitKind::Transition: return "transition";
    case FitKind::Interference: return "interference";
    case FitKind::Undefined: break;
  }
  return nullptr;
}

// Signed clearances, hole minus shaft, exact: positive is clearance, negative
// interference. value1 is the maximum clearance (clearance and transition) or
// the maximum interference (interference); value2 the minimum clearance, the
// maximum interference (transition) or the minimum interference.
struct FitResult {
  FitKind kind = FitKind::Undefined;
  TwentiethsUm value1;
  TwentiethsUm value2;
  TwentiethsUm tolerance;  // |value1 - value2|, never negative
  friend constexpr bool operator==(const FitResult&, const FitResult&) = default;

  constexpr double value1Mm() const { return value1.mm(); }
  constexpr double value2Mm() const { return value2.mm(); }
  constexpr double toleranceMm() const { return tolerance.mm(); }
};

// A tolerance zone in doubles of mm, where physics starts: a zone moved to
// an operating temperature, or an exact class (converted to the nearest
// doubles). The accessors match ClassResult's.
struct ZoneMm {
  double tolerance = 0;
  double upper = DeviationUndefined;
  double lower = 0;
  constexpr ZoneMm() = default;
  constexpr ZoneMm(double toleranceMm, double upperMm, double lowerMm)
      : tolerance(toleranceMm), upper(upperMm), lower(lowerMm) {}
  constexpr ZoneMm(const ClassResult& c)  // NOLINT: every exact class is a zone
      : tolerance(c.toleranceMm()), upper(c.upperMm()), lower(c.lowerMm()) {}
  friend constexpr bool operator==(const ZoneMm&, const ZoneMm&) = default;

  constexpr double toleranceMm() const { return tolerance; }
  constexpr double upperMm() const { return upper; }
  constexpr double lowerMm() const { return lower; }
  constexpr bool undefined() const { return upper >= DeviationUndefined; }
  constexpr bool defined() const { return !undefined() && tolerance > 0; }
};

// A fit in doubles of mm: the fit of zones at temperature, or an exact fit
// converted to the nearest doubles. The accessors match FitResult's.
struct FitMm {
  FitKind kind = FitKind::Undefined;
  double value1 = 0;
  double value2 = 0;
  double tolerance = 0;
  constexpr FitMm() = default;
  constexpr FitMm(FitKind k, double value1Mm, double value2Mm, double toleranceMm)
      : kind(k), value1(value1Mm), value2(value2Mm), tolerance(toleranceMm) {}
  constexpr FitMm(const FitResult& f)  // NOLINT: every exact fit is one
      : kind(f.kind), value1(f.value1Mm()), value2(f.value2Mm()), tolerance(f.toleranceMm()) {}
  friend constexpr bool operator==(const FitMm&, const FitMm&) = default;

  constexpr double value1Mm() const { return value1; }
  constexpr double value2Mm() const { return value2; }
  constexpr double toleranceMm() const { return tolerance; }
};

struct Evaluation {
  ClassResult hole = kUndefinedClass;
  ClassResult shaft = kUndefinedClass;
  FitResult fit;
  friend constexpr bool operator==(const Evaluation&, const Evaluation&) = default;
};

// The evaluation at one nominal size. Constructing it looks the size's table
// rows up once; evaluate() is the one evaluation every caller goes through.
// Evaluate() below builds one per call; the design search keeps one for all
// of its candidates, which share the size.
class SizeEvaluation {
 public:
  explicit SizeEvaluation(double sizeMm);

  // Sizes that are not greater than 0 (and NaN) are not evaluated.
  bool evaluable() const { return sizeMm_ > 0; }
  double sizeMm() const { return sizeMm_; }

  ClassResult hole(ToleranceClass cls) const;
  ClassResult shaft(ToleranceClass cls) const;  // shafts take no Δ
  // Hole, shaft and fit; a member without a class counts as undefined.
  // Only for an evaluable size.
  Evaluation evaluate(std::optional<ToleranceClass> hole,
                      std::optional<ToleranceClass> shaft) const;

 private:
  TwentiethsUm it(int grade) const;
  TwentiethsUm delta(Grade grade) const;
  TwentiethsUm holeDeviation(int column) const;
  TwentiethsUm shaftDeviation(int column) const;
  static bool empty(TwentiethsUm cell);  // a cell the standard leaves empty

  double sizeMm_;
  std::size_t deviationRow_;
  std::size_t itRow_;  // from deviationRow_
};

// Limits of a hole class at a nominal size in mm (size > 0).
ClassResult EvaluateHole(ToleranceClass cls, double sizeMm);
// Limits of a shaft class at a nominal size in mm (size > 0). Shafts take no Δ.
ClassResult EvaluateShaft(ToleranceClass cls, double sizeMm);
// Kind, limit values and tolerance of the fit of two evaluated classes, all
// exact: an exact tie such as EI = es is a tie, and its value is 0. Defined
// here so that Evaluate and the design search's candidate loop (32400 pairs
// at 30 mm) inline it.
constexpr FitResult EvaluateFit(const ClassResult& hole, const ClassResult& shaft) {
  // A class without tolerance (a grade the size range lacks, such as IT1 above
  // 3150 mm) forms no fit: it would otherwise pass as a fit of zero width.
  if (!hole.defined() || !shaft.defined()) return {};
  const TwentiethsUm maxClearance = hole.upper - shaft.lower;  // ES - ei
  const TwentiethsUm minClearance = hole.lower - shaft.upper;  // EI - es
  if (minClearance.count() >= 0) {  // EI = es (H7/h6) is still a clearance fit
    return {FitKind::Clearance, maxClearance, minClearance, maxClearance - minClearance};
  }
  if (maxClearance.count() < 0) {  // ES = ei counts as transition
    return {FitKind::Interference, minClearance, maxClearance, maxClearance - minClearance};
  }
  return {FitKind::Transition, maxClearance, minClearance, maxClearance - minClearance};
}

// Defined here, with EvaluateFit, so that Evaluate takes both in without a
// call of its own.
inline Evaluation SizeEvaluation::evaluate(std::optional<ToleranceClass> holeClass,
                                           std::optional<ToleranceClass> shaftClass) const {
  Evaluation e;
  if (holeClass) e.hole = hole(*holeClass);
  if (shaftClass) e.shaft = shaft(*shaftClass);
  e.fit = EvaluateFit(e.hole, e.shaft);
  return e;
}

// The one evaluation of the program: hole, shaft and fit at a nominal size.
// A member without a class (a picker without a selection) counts as undefined.
// Sizes that are not greater than 0 (and NaN) are not evaluated: nullopt.
std::optional<Evaluation> Evaluate(double sizeMm, std::optional<ToleranceClass> hole,
                                   std::optional<ToleranceClass> shaft);

}  // namespace kalmo

#include "calc/evaluation_inline.h"  // IWYU pragma: export
