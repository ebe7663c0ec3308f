#include "design/design_search.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "calc/evaluation.h"
#include "design/deviation_sort.h"

namespace kalmo {

namespace {

// Millimetres per inch in extended precision: the score is formed in long
// double throughout, the factor included.
constexpr long double kMmPerInchExtended = 25.4L;

// A class as the evaluation takes it. The candidate lists hold this form
// ready-made: built afresh for each call, the optional's flag byte is stored
// just before the call reads it as part of a wider word, a store-forwarding
// stall that cost more than a third of the evaluation time per candidate.
using ClassArg = std::optional<ToleranceClass>;

std::vector<ClassArg> classesInRange(Side side, bool above500, GradeBounds grades) {
  std::vector<ClassArg> classes;
  for (const ClassListItem& item : classList(side, above500)) {
    if (grades.contains(item.cls)) classes.emplace_back(item.cls);
  }
  return classes;
}

// Grade indexes of the grade values from the lower to the upper bound. Values
// outside 0..18 name no grade and are left out.
std::vector<int> gradeIndexesInRange(GradeBounds grades) {
  std::vector<int> indexes;
  for (int value = std::max(grades.lower, 0); value <= std::min(grades.upper, 18); ++value) {
    indexes.push_back(*gradeIndexOfValue(value));
  }
  return indexes;
}

// Writes "H7/g6" into an empty string. This runs for every accepted
// candidate, so it goes character by character into the string's inline
// buffer (the longest text, "ZC11/zc11", has 9 characters) rather than
// through temporaries and library copies. For a catalogue fit it reproduces
// the entry's text, which is the canonical text of its two classes.
void writeFitText(FitClasses fit, std::string& text) {
  const auto put = [&text](std::string_view part) {
    for (char c : part) text.push_back(c);
  };
  put(letterText(Side::Hole, fit.hole.letter));
  put(gradeText(fit.hole.grade));
  put("/");
  put(letterText(Side::Shaft, fit.shaft.letter));
  put(gradeText(fit.shaft.grade));
}

// Evaluates candidates and ranks the accepted ones. An all-combinations
// search generates 40602 candidates and accepts thousands, so the accepted
// ones are kept in a compact form and the ranking permutes small keys; the
// result records, texts included, are built once in the final order.
class Collector {
 public:
  Collector(const DesignRequest& request, const CatalogueQuery& query, bool standardCheck)
      : request_(request),
        query_(query),
        standardCheck_(standardCheck),
        wanted_(fitKindOf(request.fitType)),
        at_(request.nominalSizeMm) {}

  // Room for the accepted candidates of up to `candidates` candidates.
  void reserve(std::size_t candidates) {
    keys_.reserve(candidates);
    accepted_.reserve(candidates);
  }

  void consider(const ClassArg& hole, const ClassArg& shaft) {
    const FitClasses fit{*hole, *shaft};
    if (standardCheck_ && !query_.isStandard(fit)) return;
    // The window's evaluation at the request's size (searchFits has already
    // passed over sizes that cannot be evaluated).
    const Evaluation e = at_.evaluate(hole, shaft);
    if (e.fit.kind != wanted_) return;
    const double deviation =
        designDeviation(e.fit.value1Mm, e.fit.value2Mm, request_.targets, request_.inchMode);
    keys_.push_back({deviation, static_cast<std::uint32_t>(accepted_.size())});
    accepted_.push_back({fit, e.fit});
  }

  // The accepted candidates ranked by the design results' quicksort.
  DesignResults ranked() {
    // The sort sees only the deviations, so ranking the keys yields the same
    // permutation as ranking the records themselves.
    detail::deviationQuickSort(std::span<Key>(keys_), [](const Key& k) { return k.deviation; });
    DesignResults results;
    results.reserve(keys_.size());
    for (const Key& key : keys_) {
      const Accepted& a = accepted_[key.index];
      TSglobka& record = results.emplace_back();
      record.Deviation = key.deviation;
      writeFitText(a.fit, record.Designation);
      record.FitValue1 = a.values.value1Mm;
      record.FitValue2 = a.values.value2Mm;
      record.FitTolerance = a.values.toleranceMm;
      record.Preferred = query_.isPreferred(a.fit);
      record.classes = a.fit;
    }
    return results;
  }

 private:
  struct Key {
    double deviation;
    std::uint32_t index;  // into accepted_
  };
  struct Accepted {
    FitClasses fit;
    FitResult values;
  };

  const DesignRequest& request_;
  const CatalogueQuery& query_;
  bool standardCheck_;
  FitKind wanted_;
  SizeEvaluation at_;
  std::vector<Key> keys_;
  std::vector<Accepted> accepted_;
};

// All combinations with only standard fits: the catalogue entries of the
// size band in catalogue order, each designation once. A hole-basis entry
// whose designation a shaft-basis section also holds (H7/h6 and twelve more)
// is passed over in favour of the shaft-basis entry.
void collectCatalogueFits(const FitCatalogue& catalogue, GradeBounds grades, Collector& collector) {
  const std::size_t shaftBasisFirst = catalogue.sections[3].first;
  const auto shaftBasis = catalogue.entries.subspan(shaftBasisFirst);
  const auto inShaftBasis = [&shaftBasis](const CatalogueEntry& entry) {
    return std::any_of(shaftBasis.begin(), shaftBasis.end(), [&entry](const CatalogueEntry& e) {
      return e.isFit() && e.designation == entry.designation;
    });
  };
  for (std::size_t k = 0; k < catalogue.entries.size(); ++k) {
    const CatalogueEntry& entry = catalogue.entries[k];
    if (!entry.isFit()) continue;
    if (k < shaftBasisFirst && inShaftBasis(entry)) continue;
    if (!grades.contains(entry.classes.hole) || !grades.contains(entry.classes.shaft)) continue;
    collector.consider(entry.classes.hole, entry.classes.shaft);
  }
}

}  // namespace

DesignTargets correctTargetSigns(FitType type, DesignTargets typed) {
  const auto nonNegative = [](double v) { return v < 0 ? -v : v; };
  const auto nonPositive = [](double v) { return v > 0 ? -v : v; };
  switch (type) {
    case FitType::Clearance: return {nonNegative(typed.max), nonNegative(typed.min)};
    case FitType::Transition: return {nonNegative(typed.max), nonPositive(typed.min)};
    case FitType::Interference: return {nonPositive(typed.max), nonPositive(typed.min)};
  }
  return typed;
}

DesignInputError checkTargets(FitType type, DesignTargets corrected) {
  if (!std::isfinite(corrected.max) || !std::isfinite(corrected.min)) {
    return DesignInputError::TargetNotFinite;
  }
  // For interference Max is the more negative value: the larger amount.
  const bool reversed =
      type == FitType::Interference ? corrected.max > corrected.min : corrected.min > corrected.max;
  return reversed ? DesignInputError::TargetsReversed : DesignInputError::None;
}

double designDeviation(double fitValue1Mm, double fitValue2Mm, DesignTargets targets,
                       bool inchMode) {
  const long double v1 = fitValue1Mm;
  const long double v2 = fitValue2Mm;
  if (!inchMode) {
    // f = 1: dividing and multiplying by 1 is exact, so leaving both out
    // gives the same bits at a fraction of the cost of x87 divisions.
    return static_cast<double>(std::fabs(v2 - targets.min) + std::fabs(v1 - targets.max));
  }
  const long double f = kMmPerInchExtended;
  return static_cast<double>(f *
                             (std::fabs(v2 / f - targets.min) + std::fabs(v1 / f - targets.max)));
}

DesignResults searchFits(const DesignRequest& request) {
  // The evaluation computes nothing for such a size, so no candidate can be
  // of any type. A fit type outside the enum would otherwise accept the
  // undefined fits.
  if (!(request.nominalSizeMm > 0) || fitKindOf(request.fitType) == FitKind::Undefined) {
    return {};
  }
  const bool above500 = isAbove500(request.nominalSizeMm);
  const int system = static_cast<int>(request.system);
  const CatalogueQuery query(system, static_cast<int>(request.fitType), request.nominalSizeMm);
  const bool standardCheck =
      request.onlyStandard && request.system != DesignSystem::AllCombinations;
  Collector collector(request, query, standardCheck);

  const GradeBounds grades = request.grades;
  switch (request.system) {
    case DesignSystem::HoleBasis: {
      const std::vector<ClassArg> shafts = classesInRange(Side::Shaft, above500, grades);
      for (int g : gradeIndexesInRange(grades)) {
        const ClassArg hole = ToleranceClass{letter::H, Grade::atIndex(g)};
        for (const ClassArg& shaft : shafts) collector.consider(hole, shaft);
      }
      break;
    }
    case DesignSystem::ShaftBasis: {
      const std::vector<ClassArg> holes = classesInRange(Side::Hole, above500, grades);
      for (int g : gradeIndexesInRange(grades)) {
        const ClassArg shaft = ToleranceClass{letter::H, Grade::atIndex(g)};
        for (const ClassArg& hole : holes) collector.consider(hole, shaft);
      }
      break;
    }
    case DesignSystem::HoleTolerance:
      if (request.fixedClass) {
        for (const ClassArg& shaft : classesInRange(Side::Shaft, above500, grades)) {
          collector.consider(request.fixedClass, shaft);
        }
      }
      break;
    case DesignSystem::ShaftTolerance:
      if (request.fixedClass) {
        for (const ClassArg& hole : classesInRange(Side::Hole, above500, grades)) {
          collector.consider(hole, request.fixedClass);
        }
      }
      break;
    case DesignSystem::AllCombinations:
      if (request.onlyStandard) {
        collectCatalogueFits(fitCatalogueFor(request.nominalSizeMm), grades, collector);
      } else {
        const std::vector<ClassArg> holes = classesInRange(Side::Hole, above500, grades);
        const std::vector<ClassArg> shafts = classesInRange(Side::Shaft, above500, grades);
        collector.reserve(holes.size() * shafts.size());
        for (const ClassArg& hole : holes) {
          for (const ClassArg& shaft : shafts) collector.consider(hole, shaft);
        }
      }
      break;
  }

  return collector.ranked();
}

DesignOutcome runDesignSearch(const DesignRequest& request) {
  DesignOutcome outcome;
  outcome.targets = correctTargetSigns(request.fitType, request.targets);
  outcome.error = checkTargets(request.fitType, outcome.targets);
  if (outcome.error == DesignInputError::None) {
    DesignRequest corrected = request;
    corrected.targets = outcome.targets;
    outcome.results = searchFits(corrected);
  }
  return outcome;
}

std::vector<ClassListItem> fixedClassChoices(DesignSystem system, double nominalSizeMm,
                                             GradeBounds grades) {
  std::vector<ClassListItem> choices;
  if (system != DesignSystem::HoleTolerance && system != DesignSystem::ShaftTolerance) {
    return choices;
  }
  const Side side = system == DesignSystem::HoleTolerance ? Side::Hole : Side::Shaft;
  for (const ClassListItem& item : classList(side, isAbove500(nominalSizeMm))) {
    if (grades.contains(item.cls)) choices.push_back(item);
  }
  return choices;
}

}  // namespace kalmo
