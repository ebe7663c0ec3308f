#include "design/design_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "design/deviation_sort.h"

namespace kalmo {
namespace {

DesignRequest request(double size, DesignSystem system, FitType type, GradeBounds grades) {
  DesignRequest r;
  r.nominalSizeMm = size;
  r.system = system;
  r.fitType = type;
  r.grades = grades;
  return r;
}

std::vector<std::string> names(const DesignResults& results) {
  std::vector<std::string> out;
  for (const DesignResult& r : results) out.push_back(r.Designation);
  return out;
}

const DesignResult* find(const DesignResults& results, std::string_view designation) {
  const auto it = std::find_if(results.begin(), results.end(),
                               [&](const DesignResult& r) { return r.Designation == designation; });
  return it == results.end() ? nullptr : &*it;
}

TEST(DesignTargets, SignCorrectionAndCheck) {
  struct Case {
    FitType type;
    DesignTargets typed;
    DesignTargets corrected;
    DesignInputError error;
  };
  const Case cases[] = {
      {FitType::Interference, {0.05, 0.01}, {-0.05, -0.01}, DesignInputError::None},
      {FitType::Interference, {-0.01, -0.05}, {-0.01, -0.05}, DesignInputError::TargetsReversed},
      {FitType::Clearance, {0.02, 0.05}, {0.02, 0.05}, DesignInputError::TargetsReversed},
      {FitType::Clearance, {-0.05, -0.02}, {0.05, 0.02}, DesignInputError::None},
      {FitType::Clearance, {0.03, 0.03}, {0.03, 0.03}, DesignInputError::None},
      {FitType::Transition, {-0.02, 0.01}, {0.02, -0.01}, DesignInputError::None},
      {FitType::Transition, {0, 0}, {0, 0}, DesignInputError::None},
      {FitType::Clearance, {NAN, 0}, {NAN, 0}, DesignInputError::TargetNotFinite},
      {FitType::Interference, {0, -INFINITY}, {0, -INFINITY}, DesignInputError::TargetNotFinite},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << static_cast<int>(c.type) << ": " << c.typed.max << ", " << c.typed.min);
    const DesignTargets corrected = correctTargetSigns(c.type, c.typed);
    for (auto [got, want] :
         {std::pair{corrected.max, c.corrected.max}, std::pair{corrected.min, c.corrected.min}}) {
      EXPECT_TRUE(got == want || (std::isnan(got) && std::isnan(want))) << got;
      EXPECT_FALSE(got == 0 && std::signbit(got));  // 0 stays 0, never -0
    }
    EXPECT_EQ(checkTargets(c.type, corrected), c.error);
  }
}

// A failed check leaves the caller's previous results alone: no records, but
// the corrected targets to write back.
TEST(DesignTargets, FailedCheckRunsNoSearch) {
  DesignRequest r = request(10, DesignSystem::HoleBasis, FitType::Clearance, {5, 12});
  r.targets = {-0.02, 0.05};
  const DesignOutcome outcome = runDesignSearch(r);
  EXPECT_EQ(outcome.error, DesignInputError::TargetsReversed);
  EXPECT_EQ(outcome.targets, (DesignTargets{0.02, 0.05}));
  EXPECT_TRUE(outcome.results.empty());

  r.targets = {0.05, -0.02};
  const DesignOutcome passed = runDesignSearch(r);
  EXPECT_EQ(passed.error, DesignInputError::None);
  EXPECT_EQ(passed.targets, (DesignTargets{0.05, 0.02}));
  EXPECT_FALSE(passed.results.empty());
}

// "Structures" (16..18), shaft basis, clearance at 50 mm: H16..H18 and
// JS16..JS18 meet h16..h18; the H fits are clearance fits, the JS fits
// transition fits. With targets 0 the score is the maximum clearance, so
// H17/h16 and H16/h17 tie (and two more pairs): their order is the one the
// quicksort leaves for the generation order, which a stable sort reverses.
TEST(DesignSearch, StructuresShaftBasisAt50Mm) {
  const DesignRequest r = request(50, DesignSystem::ShaftBasis, FitType::Clearance, {16, 18});
  const DesignResults results = searchFits(r);
  EXPECT_EQ(names(results),
            (std::vector<std::string>{"H16/h16", "H16/h17", "H17/h16", "H17/h17", "H16/h18",
                                      "H18/h16", "H17/h18", "H18/h17", "H18/h18"}));
  EXPECT_EQ(results[1].Deviation, results[2].Deviation);
  EXPECT_NEAR(results[0].FitValue1, 3.2, 1e-12);

  DesignRequest transition = r;
  transition.fitType = FitType::Transition;
  const std::vector<std::string> js = names(searchFits(transition));
  EXPECT_EQ(js.size(), 9u);
  EXPECT_TRUE(
      std::all_of(js.begin(), js.end(), [](const std::string& d) { return d.starts_with("JS"); }));
}

TEST(DesignSearch, GradeRangeLimitsBothMembers) {
  struct Case {
    const char* name;
    DesignSystem system;
    FitType type;
    GradeBounds grades;
    std::vector<std::string> mustHold;
    std::size_t exactCount;  // 0: not checked
  };
  const Case cases[] = {
      // Gauges: H1..H6 with shafts of grades 1..6; 01 and 0 never occur.
      {"gauges", DesignSystem::HoleBasis, FitType::Clearance, {1, 6}, {"H1/h1", "H6/g5"}, 0},
      // "0".."0": H0 exists, but no listed shaft has grade 0.
      {"0..0", DesignSystem::HoleBasis, FitType::Clearance, {0, 0}, {}, 0},
      {"01..01", DesignSystem::HoleBasis, FitType::Clearance, {1, 1}, {"H1/h1"}, 1},
      {"01..01 transition", DesignSystem::HoleBasis, FitType::Transition, {1, 1}, {"H1/js1"}, 1},
      // The fixed member takes grade 0 although no list holds H0.
      {"0..6", DesignSystem::HoleBasis, FitType::Clearance, {0, 6}, {"H0/g5", "H0/h1"}, 0},
      {"reversed", DesignSystem::AllCombinations, FitType::Clearance, {12, 5}, {}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const DesignResults results = searchFits(request(10, c.system, c.type, c.grades));
    for (const std::string& d : c.mustHold) EXPECT_TRUE(find(results, d)) << d;
    if (c.exactCount != 0 || c.mustHold.empty()) {
      EXPECT_EQ(results.size(), c.exactCount);
    }
    for (const DesignResult& r : results) {
      EXPECT_GE(r.classes.hole.grade.index(), 1) << r.Designation;   // no IT01
      EXPECT_GE(r.classes.shaft.grade.index(), 2) << r.Designation;  // shafts come from the lists
      EXPECT_TRUE(c.grades.contains(r.classes.hole)) << r.Designation;
      EXPECT_TRUE(c.grades.contains(r.classes.shaft)) << r.Designation;
    }
  }
}

// Records carry what the one evaluation gives for their classes, and their
// texts name those classes; with targets 0 the ranking is by the sum of the
// amounts of the two fit values.
TEST(DesignSearch, RecordsCarryTheirEvaluation) {
  const DesignRequest r = request(10, DesignSystem::HoleBasis, FitType::Clearance, {5, 12});
  const DesignResults results = searchFits(r);
  ASSERT_FALSE(results.empty());
  EXPECT_EQ(results.front().Designation, "H5/h5");
  for (const DesignResult& rec : results) {
    SCOPED_TRACE(rec.Designation);
    EXPECT_EQ(FitDesignation(rec.classes), rec.Designation);
    const std::optional<Evaluation> e = Evaluate(10, rec.classes.hole, rec.classes.shaft);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->fit.kind, FitKind::Clearance);
    EXPECT_EQ(rec.FitValue1, e->fit.value1Mm());
    EXPECT_EQ(rec.FitValue2, e->fit.value2Mm());
    EXPECT_EQ(rec.FitTolerance, e->fit.toleranceMm());
    EXPECT_NEAR(rec.Deviation, std::fabs(rec.FitValue1) + std::fabs(rec.FitValue2), 1e-15);
  }
  const DesignResult* h7h6 = find(results, "H7/h6");
  const DesignResult* h8h9 = find(results, "H8/h9");
  ASSERT_TRUE(h7h6 && h8h9);
  EXPECT_TRUE(h7h6->Preferred);
  EXPECT_FALSE(h8h9->Preferred);  // marked only in the shaft-basis section
}

TEST(DesignSearch, FixedClassSystems) {
  DesignRequest r = request(30, DesignSystem::HoleTolerance, FitType::Clearance, {1, 18});
  r.fixedClass = parseToleranceClass("F8", Side::Hole).value;
  const DesignResults all = searchFits(r);
  ASSERT_FALSE(all.empty());
  for (const DesignResult& rec : all) {
    EXPECT_TRUE(rec.Designation.starts_with("F8/")) << rec.Designation;
  }

  // Only the hole-basis section is consulted, and no entry there begins with F8.
  r.onlyStandard = true;
  EXPECT_TRUE(searchFits(r).empty());

  // Shaft tolerance h7, standard only: the shaft-basis clearance entries on h7.
  r.system = DesignSystem::ShaftTolerance;
  r.fixedClass = parseToleranceClass("h7", Side::Shaft).value;
  EXPECT_EQ(names(searchFits(r)), (std::vector<std::string>{"H8/h7", "F8/h7", "E8/h7", "D8/h7"}));

  r.fixedClass.reset();  // an empty fixed-class picker
  r.onlyStandard = false;
  EXPECT_TRUE(searchFits(r).empty());
}

// All combinations with only standard fits at 30 mm: every catalogue fit is a
// candidate once (the 13 designations of both systems included), and the
// preferred mark comes from any entry of the whole list.
TEST(DesignSearch, AllCombinationsStandardOnlyAt30Mm) {
  DesignRequest r = request(30, DesignSystem::AllCombinations, FitType::Clearance, {1, 18});
  r.onlyStandard = true;
  const DesignResults results = searchFits(r);
  const std::vector<std::string> found = names(results);
  const std::set<std::string> unique(found.begin(), found.end());
  EXPECT_EQ(unique.size(), found.size());

  std::set<std::string> expected;
  for (const CatalogueEntry& e : fitsUpTo500.entries) {
    if (!e.isFit()) continue;
    const std::optional<Evaluation> ev = Evaluate(30, e.classes.hole, e.classes.shaft);
    if (ev->fit.kind == FitKind::Clearance) expected.insert(std::string(e.designation));
  }
  EXPECT_EQ(unique, expected);
  EXPECT_EQ(std::count(found.begin(), found.end(), "H7/h6"), 1);
  const DesignResult* h8h9 = find(results, "H8/h9");
  ASSERT_TRUE(h8h9);
  EXPECT_TRUE(h8h9->Preferred);

  // The grade range applies to both members of a catalogue fit.
  r.grades = {7, 8};
  const DesignResults narrow = searchFits(r);
  EXPECT_TRUE(find(narrow, "H8/h7"));
  for (const DesignResult& rec : narrow) {
    EXPECT_TRUE(r.grades.contains(rec.classes.hole) && r.grades.contains(rec.classes.shaft))
        << rec.Designation;
  }
}

TEST(DesignSearch, SizeBandChoosesListsAndCatalogue) {
  const DesignRequest at500 = request(500, DesignSystem::HoleBasis, FitType::Clearance, {8, 8});
  DesignRequest above = at500;
  above.nominalSizeMm = 500.001;
  EXPECT_TRUE(find(searchFits(at500), "H8/g8"));
  EXPECT_FALSE(find(searchFits(above), "H8/g8"));  // no g8 above 500 mm
  EXPECT_TRUE(find(searchFits(above), "H8/f8"));

  EXPECT_EQ(fixedClassChoices(DesignSystem::HoleTolerance, 500, {1, 18}).size(), 201u);
  EXPECT_EQ(fixedClassChoices(DesignSystem::ShaftTolerance, 500.001, {1, 18}).size(), 87u);
  EXPECT_TRUE(fixedClassChoices(DesignSystem::AllCombinations, 30, {1, 18}).empty());
  EXPECT_EQ(fixedClassChoices(DesignSystem::HoleTolerance, 30, {16, 18}).size(), 6u);  // H, JS
}

TEST(DesignSearch, NoResultsWithoutASize) {
  for (double size : {0.0, -1.0, std::nan("")}) {
    EXPECT_TRUE(searchFits(request(size, DesignSystem::HoleBasis, FitType::Clearance, {})).empty());
  }
}

// Inch mode compares the fit values converted to inches with targets in
// inches and keeps the scores in millimetres. Scores equal to the micrometre
// differ in their last bits differently in the two modes, so such ties may
// come out in another order; beyond them the ranking is the same.
TEST(DesignSearch, InchModeRanksAsMillimetres) {
  DesignRequest mm = request(30, DesignSystem::HoleBasis, FitType::Transition, {5, 9});
  mm.targets = {0.01, -0.02};
  DesignRequest inch = mm;
  inch.inchMode = true;
  inch.targets = {0.01 / 25.4, -0.02 / 25.4};
  const DesignResults a = searchFits(mm);
  const DesignResults b = searchFits(inch);
  ASSERT_FALSE(a.empty());
  ASSERT_EQ(a.size(), b.size());
  for (std::size_t i = 0; i < a.size(); ++i) {
    SCOPED_TRACE(b[i].Designation);
    EXPECT_NEAR(a[i].Deviation, b[i].Deviation, 1e-12);  // the same score at each rank
    const DesignResult* same = find(a, b[i].Designation);
    ASSERT_TRUE(same);
    EXPECT_NEAR(same->Deviation, b[i].Deviation, 1e-12);
  }
}

// One results object refilled by searches of every kind in turn, larger and
// smaller, with and without classes that lack limits (IT1 above 3150 mm), one
// that finds nothing: each time it holds what a fresh search gives, with the
// evaluation's own values; a failed check leaves it alone.
TEST(DesignSearch, RefilledResultsHoldOnlyTheLatestSearch) {
  struct Case {
    double size;
    DesignSystem system;
    FitType type;
    bool onlyStandard;
    const char* fixedClass;  // nullptr: none
  };
  const Case cases[] = {
      {30, DesignSystem::AllCombinations, FitType::Interference, false, nullptr},
      {10, DesignSystem::HoleBasis, FitType::Clearance, false, nullptr},
      {0, DesignSystem::AllCombinations, FitType::Clearance, false, nullptr},
      {4000, DesignSystem::ShaftBasis, FitType::Transition, false, nullptr},
      {300, DesignSystem::HoleTolerance, FitType::Transition, false, "M7"},
      {600, DesignSystem::ShaftTolerance, FitType::Interference, false, "h6"},
      {40, DesignSystem::AllCombinations, FitType::Clearance, true, nullptr},
      {9000, DesignSystem::HoleBasis, FitType::Clearance, true, nullptr},
  };
  RankedFits refilled;
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.size << " mm, system " << static_cast<int>(c.system)
                                    << ", type " << static_cast<int>(c.type));
    DesignRequest r = request(c.size, c.system, c.type, {1, 18});
    r.onlyStandard = c.onlyStandard;
    r.targets = {0.02, -0.01};  // the signs as the transition type wants them
    if (c.fixedClass) {
      const Side side = c.system == DesignSystem::HoleTolerance ? Side::Hole : Side::Shaft;
      r.fixedClass = parseToleranceClass(c.fixedClass, side).value;
    }
    searchFits(r, refilled);
    const DesignResults fresh = searchFits(r);
    EXPECT_EQ(refilled.size(), fresh.size());
    EXPECT_EQ(refilled.records(fresh.size() + 1), fresh);
    for (const DesignResult& rec : fresh) {
      const std::optional<Evaluation> e = Evaluate(c.size, rec.classes.hole, rec.classes.shaft);
      ASSERT_TRUE(e);
      EXPECT_EQ(rec.FitValue1, e->fit.value1Mm()) << rec.Designation;
      EXPECT_EQ(rec.FitValue2, e->fit.value2Mm()) << rec.Designation;
      EXPECT_EQ(rec.FitTolerance, e->fit.toleranceMm()) << rec.Designation;
    }
  }
  DesignRequest reversed = request(30, DesignSystem::HoleBasis, FitType::Clearance, {5, 12});
  reversed.targets = {0.01, 0.05};
  const std::size_t before = refilled.size();
  EXPECT_EQ(runDesignSearch(reversed, refilled).error, DesignInputError::TargetsReversed);
  EXPECT_EQ(refilled.size(), before);
}

// At operating temperatures every candidate of the 20 °C search is moved to
// temperature and kept when its fit there is of the requested type; the
// values, the deviation and the quicksort order (ties included) are those of
// the candidates evaluated one by one with fitAtTemperature.
TEST(DesignSearch, AtOperatingTemperaturesRanksTheFitsAtTemperature) {
  const OperatingConditions aluminiumOnSteel{{80, 23}, {60, 12}};
  struct Case {
    double size;
    DesignSystem system;
    const char* fixedClass;  // systems 2 and 3
    FitType type;
    GradeBounds grades;
    DesignTargets targets;
    bool inch;
    OperatingConditions conditions;
  };
  const Case cases[] = {
      {50,
       DesignSystem::HoleBasis,
       "",
       FitType::Transition,
       {5, 12},
       {0.02, -0.01},
       false,
       aluminiumOnSteel},
      {50,
       DesignSystem::HoleBasis,
       "",
       FitType::Clearance,
       {5, 12},
       {0.06, 0.02},
       false,
       aluminiumOnSteel},
      {120,
       DesignSystem::HoleTolerance,
       "H7",
       FitType::Interference,
       {5, 12},
       {-0.1, -0.05},
       false,
       {{-40, 23}, {-40, 12}}},
      {30,
       DesignSystem::ShaftTolerance,
       "h6",
       FitType::Clearance,
       {1, 18},
       {0, 0},
       false,
       {{20, 23}, {150, 16}}},
      {630,
       DesignSystem::HoleBasis,
       "",
       FitType::Interference,
       {6, 9},
       {-0.004, -0.002},
       true,
       {{-10, 11.7}, {90, 8.6}}},
      // Nothing moves: the 20 °C ranking, every bit and tie.
      {50,
       DesignSystem::HoleBasis,
       "",
       FitType::Transition,
       {5, 12},
       {0, 0},
       false,
       {{20, 23}, {35, 0}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.size << " system " << static_cast<int>(c.system)
                                    << " type " << static_cast<int>(c.type));
    DesignRequest r = request(c.size, c.system, c.type, c.grades);
    r.targets = c.targets;
    r.inchMode = c.inch;
    r.operating = c.conditions;
    const Side fixedSide = c.system == DesignSystem::ShaftTolerance ? Side::Shaft : Side::Hole;
    if (*c.fixedClass) r.fixedClass = parseToleranceClass(c.fixedClass, fixedSide).value;

    // The candidates in generation order: the basis (or fixed) classes in the
    // outer loop, the listed classes of the other side in list order.
    std::vector<ToleranceClass> fixed;
    if (r.fixedClass) {
      fixed.push_back(*r.fixedClass);
    } else {
      for (int g = c.grades.lower; g <= c.grades.upper; ++g) {
        fixed.push_back({letter::H, Grade::atIndex(*gradeIndexOfValue(g))});
      }
    }
    const Side listed = fixedSide == Side::Hole ? Side::Shaft : Side::Hole;
    DesignResults expected;
    for (const ToleranceClass f : fixed) {
      for (const ClassListItem& item : classList(listed, isAbove500(c.size))) {
        if (!c.grades.contains(item.cls)) continue;
        const FitClasses classes =
            listed == Side::Shaft ? FitClasses{f, item.cls} : FitClasses{item.cls, f};
        const Evaluation e = *Evaluate(c.size, classes.hole, classes.shaft);
        const FitMm fit = fitAtTemperature(e, c.size, c.conditions).value->fit;
        if (fit.kind != fitKindOf(c.type)) continue;
        const bool moves =
            !keepsReferenceLimits(c.conditions.hole) || !keepsReferenceLimits(c.conditions.shaft);
        expected.push_back({moves
                                ? designDeviation(fit.value1Mm(), fit.value2Mm(), c.targets, c.inch)
                                : exactDesignDeviation(e.fit.value1, e.fit.value2,
                                                       *exactTargets(c.targets, c.inch)),
                            FitDesignation(classes), fit.value1Mm(), fit.value2Mm(),
                            fit.toleranceMm(), false, classes});
      }
    }
    detail::deviationQuickSort(std::span<DesignResult>(expected),
                               [](const DesignResult& record) { return record.Deviation; });

    const DesignResults got = searchFits(r);
    ASSERT_FALSE(got.empty());
    ASSERT_EQ(got.size(), expected.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
      expected[i].Preferred = got[i].Preferred;  // the catalogue's mark, not checked here
      EXPECT_EQ(got[i], expected[i]) << i << ": " << got[i].Designation;
    }
    if (c.conditions == OperatingConditions{{20, 23}, {35, 0}}) {
      r.operating.reset();
      EXPECT_EQ(got, searchFits(r));
    }
  }

  // Conditions no part can have give no results.
  DesignRequest r = request(50, DesignSystem::HoleBasis, FitType::Clearance, {5, 12});
  r.operating = OperatingConditions{{-300, 23}, {}};
  EXPECT_TRUE(searchFits(r).empty());
}

}  // namespace
}  // namespace kalmo
