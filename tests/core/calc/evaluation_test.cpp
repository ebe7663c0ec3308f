#include "calc/evaluation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace kalmo {
namespace {

ToleranceClass cls(std::string_view text, Side side) {
  const ClassParse parsed = parseToleranceClass(text, side);
  EXPECT_TRUE(parsed.value) << text;
  return parsed.value.value_or(ToleranceClass{});
}

ClassResult hole(std::string_view text, double size) {
  return EvaluateHole(cls(text, Side::Hole), size);
}
ClassResult shaft(std::string_view text, double size) {
  return EvaluateShaft(cls(text, Side::Shaft), size);
}

// Expected limits in mm. The tolerances are compared exactly against the
// decimal values: the evaluation stores table values divided by 1000, so
// the usual cases reproduce the nearest double of the printed value.
struct ClassCase {
  const char* cls;
  double size;
  double upper;
  double lower;
};

TEST(ClassEvaluation, HoleLimitDeviations) {
  const ClassCase cases[] = {
      {"H7", 10, 0.015, 0},
      {"K7", 30, 0.006, -0.015},
      {"K9", 3, 0, -0.025},
      {"M6", 300, -0.009, -0.041},
      {"M6", 250, -0.008, -0.037},
      {"N7", 70, -0.009, -0.039},
      {"N9", 30, 0, -0.052},
      {"P7", 50, -0.017, -0.042},
      {"P8", 50, -0.026, -0.065},
      {"U6", 190, -0.227, -0.256},
      {"D9", 60, 0.174, 0.100},
      {"JS7", 25, 0.0105, -0.0105},
      {"J6", 10, 0.005, -0.004},
      {"H7", 4000, 0.26, 0},
      {"H1", 4000, 0, 0},
      {"T7", 24.001, -0.033, -0.054},
      {"G7", 40, 0.034, 0.009},
      {"D5", 6, 0.035, 0.030},
      // K, M, N take Δ up to IT8 (Δ of IT8 at 30 mm: 12 µm, at 100 mm: 19 µm).
      {"K8", 30, 0.010, -0.023},
      {"M8", 30, 0.004, -0.029},
      {"N8", 30, -0.003, -0.036},
      {"K8", 100, 0.016, -0.038},
      {"M8", 100, 0.006, -0.048},
      {"N8", 100, -0.004, -0.058},
      // M6 over 250 up to and including 315 mm: -9 µm without Δ; above, the rule.
      {"M6", 315, -0.009, -0.041},
      {"M6", 315.001, -0.010, -0.046},
  };
  for (const ClassCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.cls << " at " << c.size);
    const ClassResult r = hole(c.cls, c.size);
    EXPECT_NEAR(r.upperMm(), c.upper, 1e-15);
    EXPECT_NEAR(r.lowerMm(), c.lower, 1e-15);
    EXPECT_FALSE(r.undefined());
  }
}

TEST(ClassEvaluation, ShaftLimitDeviations) {
  const ClassCase cases[] = {
      {"g6", 10, -0.005, -0.014}, {"js7", 25, 0.0105, -0.0105}, {"j5", 10, 0.004, -0.002},
      {"k6", 30, 0.015, 0.002},   {"k8", 30, 0.033, 0},         {"s6", 30, 0.048, 0.035},
      {"r6", 3, 0.016, 0.010},    {"t6", 24.001, 0.054, 0.041}, {"h6", 10, 0, -0.009},
      {"d9", 3200, -0.58, -1.24}, {"k4", 40, 0.009, 0.002},     {"z6", 6, 0.043, 0.035},
  };
  for (const ClassCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.cls << " at " << c.size);
    const ClassResult r = shaft(c.cls, c.size);
    EXPECT_NEAR(r.upperMm(), c.upper, 1e-15);
    EXPECT_NEAR(r.lowerMm(), c.lower, 1e-15);
    EXPECT_FALSE(r.undefined());
  }
}

TEST(ClassEvaluation, UndefinedClassesCarryTheMarker) {
  struct Case {
    const char* cls;
    Side side;
    double size;
  };
  const Case cases[] = {
      {"K9", Side::Hole, 30},      {"J9", Side::Hole, 10},       {"J5", Side::Hole, 10},
      {"T7", Side::Hole, 24},      {"t6", Side::Shaft, 24},      {"zc9", Side::Shaft, 600},
      {"j4", Side::Shaft, 10},     {"j9", Side::Shaft, 10},      {"j8", Side::Shaft, 3.001},
      {"CD7", Side::Hole, 10.001}, {"a11", Side::Shaft, 500.001}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.cls << " at " << c.size);
    const ToleranceClass tc = cls(c.cls, c.side);
    const ClassResult r =
        c.side == Side::Hole ? EvaluateHole(tc, c.size) : EvaluateShaft(tc, c.size);
    EXPECT_EQ(r, kUndefinedClass);
  }
}

// The limits are exact sums of table values; the doubles the accessors give
// are the nearest ones to the decimal, where sums of doubles lie one bit off
// (0.002 + 0.007 lies above 0.009, 0.030 + 0.005 below 0.035).
TEST(ClassEvaluation, LimitsAreTheNearestDoublesOfTheExactDecimals) {
  EXPECT_EQ(shaft("k4", 40).upperMm(), 0.009);
  EXPECT_EQ(hole("D5", 6).upperMm(), 0.035);
  EXPECT_EQ(hole("K7", 30).upperMm(), 0.006);
  EXPECT_EQ(shaft("k4", 40).upper.count(), 180);
}

struct FitCase {
  const char* fit;
  double size;
  FitKind kind;
  double value1;
  double value2;
  double tolerance;
};

TEST(FitEvaluation, KindValuesAndTolerance) {
  const FitCase cases[] = {
      {"H7/g6", 10, FitKind::Clearance, 0.029, 0.005, 0.024},
      {"H7/h6", 10, FitKind::Clearance, 0.024, 0, 0.024},
      {"H7/k6", 30, FitKind::Transition, 0.019, -0.015, 0.034},
      {"H7/r6", 3, FitKind::Transition, 0, -0.016, 0.016},
      {"H7/s6", 30, FitKind::Interference, -0.048, -0.014, 0.034},
      {"H7/s6", 10, FitKind::Interference, -0.032, -0.008, 0.024},
      // Exact ties, decided on the exact values whatever the binary rounding.
      {"G7/k4", 40, FitKind::Clearance, 0.032, 0, 0.032},
      {"F6/k7", 140, FitKind::Clearance, 0.065, 0, 0.065},
      {"D5/z6", 6, FitKind::Transition, 0, -0.013, 0.013},
      {"JS2/k4", 6, FitKind::Interference, -0.00575, -0.00025, 0.0055},
  };
  for (const FitCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.fit << " at " << c.size);
    const FitParse fit = parseFitDesignation(c.fit);
    ASSERT_TRUE(fit.value);
    const std::optional<Evaluation> e = Evaluate(c.size, fit.value->hole, fit.value->shaft);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->fit.kind, c.kind);
    EXPECT_NEAR(e->fit.value1Mm(), c.value1, 1e-15);
    EXPECT_NEAR(e->fit.value2Mm(), c.value2, 1e-15);
    EXPECT_NEAR(e->fit.toleranceMm(), c.tolerance, 1e-15);
    EXPECT_EQ(e->fit.toleranceMm(), std::fabs(e->fit.value1Mm() - e->fit.value2Mm()));
  }
}

TEST(FitEvaluation, UndefinedMembersGiveNoFit) {
  const struct {
    const char* fit;
    double size;
  } cases[] = {{"T7/h6", 24}, {"H7/j9", 10}, {"H7/j9", 400}, {"H1/h1", 4000}, {"H7/h1", 4000}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.fit);
    const FitParse fit = parseFitDesignation(c.fit);
    ASSERT_TRUE(fit.value);
    const std::optional<Evaluation> e = Evaluate(c.size, fit.value->hole, fit.value->shaft);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->fit, FitResult{});
  }
  const std::optional<Evaluation> noShaft =
      Evaluate(10, ToleranceClass{letter::H, Grade::it(7)}, std::nullopt);
  ASSERT_TRUE(noShaft);
  EXPECT_TRUE(noShaft->shaft.undefined());
  EXPECT_EQ(noShaft->fit.kind, FitKind::Undefined);
}

TEST(FitEvaluation, SizesNotAboveZeroAreNotEvaluated) {
  for (double size : {0.0, -1.0, std::nan("")}) {
    EXPECT_FALSE(Evaluate(size, ToleranceClass{letter::H, Grade::it(7)},
                          ToleranceClass{letter::H, Grade::it(6)}));
  }
  EXPECT_TRUE(Evaluate(0.0001, ToleranceClass{letter::H, Grade::it(7)},
                       ToleranceClass{letter::H, Grade::it(6)}));
}

}  // namespace
}  // namespace kalmo
