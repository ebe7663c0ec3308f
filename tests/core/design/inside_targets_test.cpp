#include "design/inside_targets.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kalmo {
namespace {

TEST(InsideTargets, BothValuesWithinTheSignCorrectedTargets) {
  const struct {
    double value1;
    double value2;
    FitType type;
    DesignTargets targets;
    bool inch;
    bool inside;
  } cases[] = {
      {0.05, 0.02, FitType::Clearance, {0.05, 0.02}, false, true},
      {0.05 + 0.9e-9, 0.02 - 0.9e-9, FitType::Clearance, {0.05, 0.02}, false, true},
      {0.05 + 1.1e-9, 0.03, FitType::Clearance, {0.05, 0.02}, false, false},
      {0.04, 0.02 - 1.1e-9, FitType::Clearance, {0.05, 0.02}, false, false},
      {0.052, 0.025, FitType::Clearance, {0.05, 0.02}, false, false},
      {0.04, 0.03, FitType::Clearance, {-0.05, -0.02}, false, true},  // signs corrected
      {-0.04, -0.02, FitType::Interference, {0.05, 0.01}, false, true},
      {-0.06, -0.02, FitType::Interference, {0.05, 0.01}, false, false},
      {0.01, -0.01, FitType::Transition, {0.02, 0.015}, false, true},     // min becomes -0.015
      {0.0254, 0.0127, FitType::Clearance, {0.001, 0.0005}, true, true},  // inches -> mm
      {0.0255, 0.0127, FitType::Clearance, {0.001, 0.0005}, true, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.value1 << " / " << c.value2);
    EXPECT_EQ(liesInsideTargets(c.value1, c.value2, c.type, c.targets, c.inch), c.inside);
    EXPECT_EQ(TargetWindow(c.type, c.targets, c.inch).excess(c.value1, c.value2).has_value(),
              !c.inside);
  }
}

// The first value outside and its distance from the nearer target, without
// the slack: what the design page says of an applied fit outside.
TEST(InsideTargets, NamesTheFirstValueOutsideAndItsDistance) {
  const struct {
    double value1;
    double value2;
    FitType type;
    DesignTargets targets;
    TargetExcess excess;
  } cases[] = {
      {0.052, 0.025, FitType::Clearance, {0.05, 0.02}, {FitValueSlot::First, 0.052, 0.002, true}},
      {0.04, 0.015, FitType::Clearance, {0.05, 0.02}, {FitValueSlot::Second, 0.015, 0.005, false}},
      {-0.06,
       -0.02,
       FitType::Interference,
       {0.05, 0.01},
       {FitValueSlot::First, -0.06, 0.01, false}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.value1 << " / " << c.value2);
    const std::optional<TargetExcess> e =
        TargetWindow(c.type, c.targets, false).excess(c.value1, c.value2);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->slot, c.excess.slot);
    EXPECT_EQ(e->valueMm, c.excess.valueMm);
    EXPECT_NEAR(e->excessMm, c.excess.excessMm, 1e-15);
    EXPECT_EQ(e->above, c.excess.above);
  }
}

TEST(InsideTargets, FilterKeepsTheRankedOrder) {
  DesignRequest r;
  r.nominalSizeMm = 42;
  r.grades = {5, 12};
  r.targets = {0.05, 0.02};
  const DesignOutcome outcome = runDesignSearch(r);
  const DesignResults inside = insideTargetsOnly(outcome.results, r.fitType, r.targets, r.inchMode);
  ASSERT_FALSE(inside.empty());
  EXPECT_EQ(inside.size(), countInsideTargets(outcome.results, r.fitType, r.targets, false));
  EXPECT_NE(outcome.results.front().Designation, "H5/f5");  // ranked best, but outside
  EXPECT_FALSE(liesInsideTargets(outcome.results.front(), r.fitType, r.targets, false));
  EXPECT_TRUE(std::any_of(inside.begin(), inside.end(),
                          [](const DesignResult& fit) { return fit.Designation == "H5/f5"; }));
  auto previous = outcome.results.begin();
  for (const DesignResult& fit : inside) {
    EXPECT_GE(fit.FitValue2, 0.02 - 1e-9);
    EXPECT_LE(fit.FitValue1, 0.05 + 1e-9);
    const auto at = std::find(previous, outcome.results.end(), fit);
    ASSERT_NE(at, outcome.results.end());
    previous = at;
  }
}

}  // namespace
}  // namespace kalmo
