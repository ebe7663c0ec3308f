#include "design/design_search.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <span>

#include "calc/evaluation.h"
#include "design/deviation_sort.h"
#include "format/number_format.h"

namespace kalmo {

namespace {

// Millimetres per inch in extended precision: the score is formed in long
// double throughout, the factor included.
constexpr long double kMmPerInchExtended = 25.4L;

// Grade indexes of the grade values from the lower to the upper bound. Values
// outside 0..18 name no grade and are left out.
std::vector<int> gradeIndexesInRange(GradeBounds grades) {
  std::vector<int> indexes;
  for (int value = std::max(grades.lower, 0); value <= std::min(grades.upper, 18); ++value) {
    indexes.push_back(*gradeIndexOfValue(value));
  }
  return indexes;
}

// How a search scores its candidates: exactly at 20 °C (the targets exact
// decimals), in doubles at 20 °C (a target beyond the exact sizes, some
// 1e11 mm), or by the fits of the zones at operating temperatures.
enum class Scoring { Exact, InDoubles, AtTemperature };

// Evaluates candidates and collects the accepted ones into the parts of a
// RankedFits. Each class is evaluated once per search, when it is added; a
// candidate is a pair of indexes, and its fit is formed by EvaluateFit from
// the two limits, as the evaluation forms it from the same limits. An
// all-combinations search pairs the classes of the lists that have limits at
// the size (180 x 180 = 32400 candidates at 30 mm, at most 201 x 202) and
// accepts up to some 14000, so nothing else happens per candidate: the text
// and the preferred mark are left to the rows shown or written.
class Collector {
 public:
  using Index = std::uint16_t;

  Collector(const DesignRequest& request, const CatalogueQuery& query, bool standardCheck,
            std::vector<RankedFits::EvaluatedClass>& holes,
            std::vector<RankedFits::EvaluatedClass>& shafts, std::vector<RankedFits::Row>& rows)
      : request_(request),
        query_(query),
        standardCheck_(standardCheck),
        wanted_(fitKindOf(request.fitType)),
        at_(request.nominalSizeMm),
        exactTargets_(exactTargets(request.targets, request.inchMode)),
        // Conditions that move neither part leave the exact 20 °C search.
        operating_(request.operating && !(keepsReferenceLimits(request.operating->hole) &&
                                          keepsReferenceLimits(request.operating->shaft))
                       ? &*request.operating
                       : nullptr),
        holes_(holes),
        shafts_(shafts),
        rows_(rows) {
    holes_.clear();
    shafts_.clear();
    rows_.clear();
  }

  // Evaluates a class and adds it to its side; the last one added has the
  // index count - 1.
  void addHole(ToleranceClass cls) { add(holes_, cls, at_.hole(cls), Side::Hole); }
  void addShaft(ToleranceClass cls) { add(shafts_, cls, at_.shaft(cls), Side::Shaft); }

  // Adds the classes of a side's list in the grade range. A class without
  // limits forms no fit of any type, so it is left out of the pair loops; the
  // other candidates keep their generation order, and with it the ranking of
  // equal deviations.
  void addListed(Side side, GradeBounds grades) {
    std::vector<RankedFits::EvaluatedClass>& classes = side == Side::Hole ? holes_ : shafts_;
    for (const ClassListItem& item : classList(side, isAbove500(request_.nominalSizeMm))) {
      if (!grades.contains(item.cls)) continue;
      const ClassResult limits = side == Side::Hole ? at_.hole(item.cls) : at_.shaft(item.cls);
      if (limits.defined()) add(classes, item.cls, limits, side);
    }
  }

  Index holeCount() const { return static_cast<Index>(holes_.size()); }
  Index shaftCount() const { return static_cast<Index>(shafts_.size()); }

  // Room for the accepted candidates of up to `candidates` candidates. The
  // capacity stays with the results for the next search.
  void reserve(std::size_t candidates) { rows_.reserve(candidates); }

  // One candidate. The scoring and the standard check, the same for every
  // candidate of a search, are template arguments, so the bulk of the work, a
  // search at 20 °C over all combinations (32400 candidates at 30 mm),
  // carries no test of either and its loop takes in the exact score alone:
  // collect() below is compiled once per pair of them.
  template <Scoring HowScored, bool StandardCheck>
  void consider(Index h, Index s) {
    const RankedFits::EvaluatedClass& hole = holes_[h];
    const RankedFits::EvaluatedClass& shaft = shafts_[s];
    if constexpr (StandardCheck) {
      if (!query_.isStandard({hole.cls, shaft.cls})) return;
    }
    if constexpr (HowScored == Scoring::AtTemperature) {
      const FitMm fit = fitOfZonesAtTemperature(hole.zone, shaft.zone, *operating_);
      if (fit.kind != wanted_) return;
      accept(h, s, fit.value1Mm(), fit.value2Mm());
    } else {
      // The 20 °C search keeps the exact EvaluateFit.
      const FitResult fit = EvaluateFit(hole.limits, shaft.limits);
      if (fit.kind != wanted_) return;
      if constexpr (HowScored == Scoring::Exact) {
        rows_.push_back({exactDesignDeviation(fit.value1, fit.value2, *exactTargets_), h, s});
      } else {
        accept(h, s, fit.value1Mm(), fit.value2Mm());
      }
    }
  }

  Scoring scoring() const {
    if (operating_) return Scoring::AtTemperature;
    return exactTargets_ ? Scoring::Exact : Scoring::InDoubles;
  }
  bool standardCheck() const { return standardCheck_; }

  // Ranks the accepted candidates by the design results' quicksort. It sees
  // only the deviations, so it leaves the rows in the order it would leave
  // the full records in.
  void rank() {
    detail::deviationQuickSort(std::span<RankedFits::Row>(rows_),
                               [](const RankedFits::Row& row) { return row.deviation; });
  }

 private:
  void accept(Index h, Index s, double value1Mm, double value2Mm) {
    const double deviation =
        designDeviation(value1Mm, value2Mm, request_.targets, request_.inchMode);
    rows_.push_back({deviation, h, s});
  }

  // Adds a class with its exact limits and, in a search at operating
  // temperatures, its zone at its part's temperature. Scaling by a positive
  // factor keeps a class defined or undefined.
  void add(std::vector<RankedFits::EvaluatedClass>& classes, ToleranceClass cls,
           const ClassResult& limits, Side side) const {
    const ZoneMm zone =
        operating_ ? classAtTemperature(limits, at_.sizeMm(),
                                        side == Side::Hole ? operating_->hole : operating_->shaft)
                   : ZoneMm(limits);
    classes.push_back({cls, limits, zone});
  }

  const DesignRequest& request_;
  const CatalogueQuery& query_;
  bool standardCheck_;
  FitKind wanted_;
  SizeEvaluation at_;
  std::optional<ExactTargets> exactTargets_;
  const OperatingConditions* operating_;  // null at 20 °C
  std::vector<RankedFits::EvaluatedClass>& holes_;
  std::vector<RankedFits::EvaluatedClass>& shafts_;
  std::vector<RankedFits::Row>& rows_;
};

// All combinations with only standard fits: the catalogue entries of the
// size band in catalogue order, each designation once. A hole-basis entry
// whose designation a shaft-basis section also holds (H7/h6 and twelve more)
// is passed over in favour of the shaft-basis entry. Each entry adds its two
// classes, so candidate k is the pair (k, k).
template <Scoring HowScored>
void collectCatalogueFits(const FitCatalogue& catalogue, GradeBounds grades, Collector& collector) {
  const std::size_t shaftBasisFirst =
      catalogue.sectionAt(FitBasis::Shaft, FitType::Clearance).first;
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
    collector.addHole(entry.classes.hole);
    collector.addShaft(entry.classes.shaft);
    collector.consider<HowScored, false>(static_cast<Collector::Index>(collector.holeCount() - 1),
                                         static_cast<Collector::Index>(collector.shaftCount() - 1));
  }
}

// Generates the candidates of the request's system in their fixed order.
template <Scoring HowScored, bool StandardCheck>
void collect(const DesignRequest& request, Collector& collector) {
  using Index = Collector::Index;
  const auto consider = [&collector](Index h, Index s) {
    collector.consider<HowScored, StandardCheck>(h, s);
  };
  const GradeBounds grades = request.grades;
  switch (request.system) {
    case DesignSystem::HoleBasis:
      for (int g : gradeIndexesInRange(grades)) collector.addHole({letter::H, Grade::atIndex(g)});
      collector.addListed(Side::Shaft, grades);
      for (Index h = 0; h < collector.holeCount(); ++h) {
        for (Index s = 0; s < collector.shaftCount(); ++s) consider(h, s);
      }
      break;
    case DesignSystem::ShaftBasis:
      for (int g : gradeIndexesInRange(grades)) collector.addShaft({letter::H, Grade::atIndex(g)});
      collector.addListed(Side::Hole, grades);
      for (Index s = 0; s < collector.shaftCount(); ++s) {
        for (Index h = 0; h < collector.holeCount(); ++h) consider(h, s);
      }
      break;
    case DesignSystem::HoleTolerance:
      if (request.fixedClass) {
        collector.addHole(*request.fixedClass);
        collector.addListed(Side::Shaft, grades);
        for (Index s = 0; s < collector.shaftCount(); ++s) consider(0, s);
      }
      break;
    case DesignSystem::ShaftTolerance:
      if (request.fixedClass) {
        collector.addShaft(*request.fixedClass);
        collector.addListed(Side::Hole, grades);
        for (Index h = 0; h < collector.holeCount(); ++h) consider(h, 0);
      }
      break;
    case DesignSystem::AllCombinations:
      if (request.onlyStandard) {
        collectCatalogueFits<HowScored>(fitCatalogueFor(request.nominalSizeMm), grades, collector);
      } else {
        collector.addListed(Side::Hole, grades);
        collector.addListed(Side::Shaft, grades);
        collector.reserve(std::size_t{collector.holeCount()} * collector.shaftCount());
        for (Index h = 0; h < collector.holeCount(); ++h) {
          for (Index s = 0; s < collector.shaftCount(); ++s) consider(h, s);
        }
      }
      break;
  }
}

template <Scoring HowScored>
void collectScored(const DesignRequest& request, Collector& collector) {
  if (collector.standardCheck()) {
    collect<HowScored, true>(request, collector);
  } else {
    collect<HowScored, false>(request, collector);
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

std::optional<ExactTargets> exactTargets(DesignTargets targets, bool inchMode) {
  const auto exact = [inchMode](double value) {
    return TenthsNm::fromMm(inchMode ? inchToMm(value) : value);
  };
  const std::optional<TenthsNm> max = exact(targets.max);
  const std::optional<TenthsNm> min = exact(targets.min);
  if (!max || !min) return std::nullopt;
  return ExactTargets{*max, *min};
}

double exactDesignDeviation(TwentiethsUm fitValue1, TwentiethsUm fitValue2,
                            const ExactTargets& targets) {
  const std::int64_t d2 = TenthsNm(fitValue2).count() - targets.min.count();
  const std::int64_t d1 = TenthsNm(fitValue1).count() - targets.max.count();
  return TenthsNm((d2 < 0 ? -d2 : d2) + (d1 < 0 ? -d1 : d1)).mm();
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

void searchFits(const DesignRequest& request, RankedFits& results) {
  results.operating_ = request.operating;
  const bool conditionsValid =
      !request.operating ||
      (checkPartTemperature(request.operating->hole) == ConditionError::None &&
       checkPartTemperature(request.operating->shaft) == ConditionError::None);
  // The evaluation computes nothing for a size not greater than 0, so no
  // candidate can be of any type. A fit type outside the enum would otherwise
  // accept the undefined fits.
  if (!(request.nominalSizeMm > 0) || fitKindOf(request.fitType) == FitKind::Undefined ||
      !conditionsValid) {
    results.holes_.clear();
    results.shafts_.clear();
    results.rows_.clear();
    return;
  }
  const RankedFits::CatalogueChoice choice{request.system, request.fitType,
                                           isAbove500(request.nominalSizeMm)};
  if (results.catalogueChoice_ != choice) {
    results.catalogue_.emplace(request.system, request.fitType, request.nominalSizeMm);
    results.catalogueChoice_ = choice;
  }
  const CatalogueQuery& query = *results.catalogue_;
  const bool standardCheck =
      request.onlyStandard && request.system != DesignSystem::AllCombinations;
  Collector collector(request, query, standardCheck, results.holes_, results.shafts_,
                      results.rows_);
  switch (collector.scoring()) {
    case Scoring::Exact: collectScored<Scoring::Exact>(request, collector); break;
    case Scoring::InDoubles: collectScored<Scoring::InDoubles>(request, collector); break;
    case Scoring::AtTemperature: collectScored<Scoring::AtTemperature>(request, collector); break;
  }
  collector.rank();
}

DesignResults searchFits(const DesignRequest& request) {
  RankedFits ranked;
  searchFits(request, ranked);
  return ranked.records(ranked.size());
}

DesignCheck runDesignSearch(const DesignRequest& request, RankedFits& results) {
  DesignCheck check;
  check.targets = correctTargetSigns(request.fitType, request.targets);
  check.error = checkTargets(request.fitType, check.targets);
  if (check.error == DesignInputError::None) {
    DesignRequest corrected = request;
    corrected.targets = check.targets;
    searchFits(corrected, results);
  }
  return check;
}

DesignOutcome runDesignSearch(const DesignRequest& request) {
  RankedFits ranked;
  const DesignCheck check = runDesignSearch(request, ranked);
  return {check.targets, check.error, ranked.records(ranked.size())};
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
