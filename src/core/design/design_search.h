#pragma once

#include <optional>
#include <vector>

#include "calc/start_inputs.h"
#include "calc/tolerance_class.h"
#include "design/class_lists.h"
#include "design/design_results.h"
#include "design/fit_catalogue.h"
#include "design/grade_range.h"
#include "lang/text_id.h"
#include "mech/operating_fit.h"

namespace kalmo {

// The two target fit values in the unit the window shows (mm, or inches in
// inch mode). max is compared with FitValue1, min with FitValue2.
struct DesignTargets {
  double max = 0;
  double min = 0;
  friend constexpr bool operator==(const DesignTargets&, const DesignTargets&) = default;
};

struct DesignRequest {
  double nominalSizeMm = kStartSizeMm;
  bool inchMode = false;  // targets are in inches; results stay in mm
  FitType fitType = FitType::Clearance;
  DesignSystem system = DesignSystem::HoleBasis;
  // The fixed member of systems 2 (hole) and 3 (shaft); nullopt when the
  // fixed-class picker is empty, which gives no candidates. Other systems
  // ignore it. It is not checked against the grade range.
  std::optional<ToleranceClass> fixedClass;
  GradeBounds grades;         // grade values in range, "01" counting as 1
  bool onlyStandard = false;  // only fits of the standard catalogue
  DesignTargets targets;      // as typed
  // Rank by the fits at operating temperatures instead of 20 °C: each class
  // is moved to its part's temperature (classAtTemperature) and every
  // result's values and deviation are those at temperature. nullopt: 20 °C.
  std::optional<OperatingConditions> operating;
};

// Why a search did not run.
enum class DesignInputError {
  None,
  // Min exceeds Max (clearance, transition) or Max exceeds Min (interference,
  // where Max is the larger amount of interference). Shown as text 61.
  TargetsReversed,
  // A target is NaN or infinite. The page's numeric fields cannot produce
  // one; a script can.
  TargetNotFinite,
};

// Each target whose sign contradicts the fit type is negated: clearance wants
// Max >= 0 and Min >= 0, transition Max >= 0 and Min <= 0, interference both
// <= 0. Zero stays zero.
DesignTargets correctTargetSigns(FitType type, DesignTargets typed);

// The input check on sign-corrected targets; equal values pass.
DesignInputError checkTargets(FitType type, DesignTargets corrected);

// The ranking score of a fit in mm: f * (|value2 / f - min| + |value1 / f -
// max|) with f = 25.4 in inch mode and 1 otherwise, the terms and the sum in
// extended precision, rounded to double once at the end. For fits of zones
// at operating temperatures, whose values are no exact decimals.
// The targets as exact decimals in mm: typed in mm (up to 7 decimals) or in
// inches (up to 6 decimals, times 25.4 exactly); nullopt for a target that
// is no finite length.
struct ExactTargets {
  TenthsNm max;
  TenthsNm min;
};
std::optional<ExactTargets> exactTargets(DesignTargets targets, bool inchMode);

// The ranking score of an exact fit: |value2 - min| + |value1 - max|, exact,
// as the nearest double in mm. The score is the same in both units, so both
// rank the same fits in the same order, and equal scores are true ties.
double exactDesignDeviation(TwentiethsUm fitValue1, TwentiethsUm fitValue2,
                            const ExactTargets& targets);

double designDeviation(double fitValue1Mm, double fitValue2Mm, DesignTargets targets,
                       bool inchMode);

// Generates the candidates of the request's system in their fixed order,
// evaluates each with the evaluation's own functions (each class once, each
// pair with EvaluateFit), keeps those of the requested fit type and ranks them
// with the program's own quicksort (detail::deviationQuickSort). The targets are used as given
// (call correctTargetSigns and checkTargets first, or use runDesignSearch). A nominal size not
// greater than 0, or operating conditions that checkPartTemperature rejects, give no results.
// `results` is refilled in place, its memory reused.
void searchFits(const DesignRequest& request, RankedFits& results);

// The same search with the text record of every result.
DesignResults searchFits(const DesignRequest& request);

// The sign-corrected targets, in the request's unit, and the input check of
// a search. The page writes the targets back into its fields whether or not
// the check passed.
struct DesignCheck {
  DesignTargets targets;
  DesignInputError error = DesignInputError::None;
};

struct DesignOutcome {
  DesignTargets targets;  // as in DesignCheck
  DesignInputError error = DesignInputError::None;
  // The ranked results when the check passed. When it failed this is empty
  // and the caller keeps the results of its previous search.
  DesignResults results;
};

// Sign correction, input check and search in one call: what the search
// button does, apart from applying the best result. The first form refills
// `results` when the check passes and leaves it alone when it fails; the
// second gives the text record of every result.
DesignCheck runDesignSearch(const DesignRequest& request, RankedFits& results);
DesignOutcome runDesignSearch(const DesignRequest& request);

// The fixed-class picker of systems 2 and 3: the classes of the hole list
// (system 2) or the shaft list (system 3) of the size band whose grade value
// is in range, in list order, with their preferred marks. Empty for the
// other systems.
std::vector<ClassListItem> fixedClassChoices(DesignSystem system, double nominalSizeMm,
                                             GradeBounds grades);

// Interface texts of the captions of the Max and the Min target, which are
// also the headings of the result table's two value columns.
struct TargetCaptionIds {
  TextId max;
  TextId min;
  friend constexpr bool operator==(const TargetCaptionIds&, const TargetCaptionIds&) = default;
};

constexpr TargetCaptionIds targetCaptionIds(FitType type) {
  switch (type) {
    case FitType::Clearance: return {TextId::MaxClearanceShort, TextId::MinClearanceShort};
    case FitType::Transition: return {TextId::MaxClearanceShort, TextId::MaxInterferenceShort};
    case FitType::Interference: return {TextId::MaxInterferenceShort, TextId::MinInterferenceShort};
  }
  return {TextId::MaxClearanceShort, TextId::MinClearanceShort};
}

}  // namespace kalmo
