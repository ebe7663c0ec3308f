#pragma once

#include <optional>

#include "calc/tolerance_class.h"
#include "tables/deviation_tables.h"

namespace kalmo {

// The evaluated limits of one tolerance class, in mm, exactly as the record
// stores them. An undefined class (no table value, or a grade outside the
// letter's range) carries upper = DeviationUndefined, lower = 0, tolerance = 0.
struct ClassResult {
  double toleranceMm = 0;  // IT; 0 also for a grade the size range lacks
  double upperMm = 0;      // ES or es
  double lowerMm = 0;      // EI or ei
  friend constexpr bool operator==(const ClassResult&, const ClassResult&) = default;

  // Marked undefined by the evaluation.
  constexpr bool undefined() const { return upperMm >= DeviationUndefined; }
  // The views' test: a class is shown only with a real tolerance.
  constexpr bool defined() const { return !undefined() && toleranceMm > 0; }
};

inline constexpr ClassResult kUndefinedClass{0, DeviationUndefined, 0};

enum class FitKind { Undefined, Clearance, Transition, Interference };

// Signed clearances, hole minus shaft: positive is clearance, negative
// interference. value1 is the maximum clearance (clearance and transition) or
// the maximum interference (interference); value2 the minimum clearance, the
// maximum interference (transition) or the minimum interference.
struct FitResult {
  FitKind kind = FitKind::Undefined;
  double value1Mm = 0;
  double value2Mm = 0;
  double toleranceMm = 0;  // |value1 - value2|, never negative
  friend constexpr bool operator==(const FitResult&, const FitResult&) = default;
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
  double itMm(int grade) const;
  double deltaMm(int grade) const;
  std::optional<double> holeDeviationMm(int column) const;
  std::optional<double> shaftDeviationMm(int column) const;

  double sizeMm_;
  std::size_t itRow_;
  std::size_t deviationRow_;
};

// Limits of a hole class at a nominal size in mm (size > 0).
ClassResult EvaluateHole(ToleranceClass cls, double sizeMm);
// Limits of a shaft class at a nominal size in mm (size > 0). Shafts take no Δ.
ClassResult EvaluateShaft(ToleranceClass cls, double sizeMm);
// Kind, limit values and tolerance of the fit of two evaluated classes. The
// kind is decided on the exact limits (multiples of 0.05 µm), so an exact tie
// such as EI = es is a tie whatever the binary rounding, and its value is 0.
FitResult EvaluateFit(const ClassResult& hole, const ClassResult& shaft);

// The one evaluation of the program: hole, shaft and fit at a nominal size.
// A member without a class (a picker without a selection) counts as undefined.
// Sizes that are not greater than 0 (and NaN) are not evaluated: nullopt.
std::optional<Evaluation> Evaluate(double sizeMm, std::optional<ToleranceClass> hole,
                                   std::optional<ToleranceClass> shaft);

}  // namespace kalmo
