#include "mech/operating_fit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace kalmo {
namespace {

Evaluation at20(double size, const char* fit) {
  const FitParse parsed = parseFitDesignation(fit);
  EXPECT_TRUE(parsed.value) << fit;
  const FitClasses c = parsed.value.value_or(FitClasses{});
  return Evaluate(size, c.hole, c.shaft).value_or(Evaluation{});
}

// Deviations at temperature are differences of sizes near N: 1e-12 relative
// or 1e-12 mm, whichever is larger.
void expectNearMm(double actual, double expected) {
  EXPECT_NEAR(actual, expected, std::max(1e-12, 1e-12 * std::fabs(expected)));
}

TEST(FitAtTemperature, PartsThatDoNotChangeKeepEveryBit) {
  struct Case {
    double size;
    const char* fit;
    OperatingConditions conditions;
  };
  const Case cases[] = {
      {10, "H7/h6", {{20, 23}, {20, 12}}},  // EI = es stays a clearance fit
      {40, "H7/k4", {{20, 23}, {80, 0}}},   // k4: es one bit above 0.009
      {30, "H7/s6", {{-40, 0}, {150, 0}}},  // α = 0
      {30, "K9/g6", {{80, 23}, {60, 0}}},   // an undefined hole stays undefined
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.size << " " << c.fit);
    const Evaluation e = at20(c.size, c.fit);
    const OperatingResult r = fitAtTemperature(e, c.size, c.conditions);
    ASSERT_TRUE(r.value);
    EXPECT_EQ(*r.value, (OperatingFit{e.hole, e.shaft, e.fit, false}));
  }
}

TEST(FitAtTemperature, ScalesEachLimitSize) {
  struct Case {
    double size;
    const char* fit;
    OperatingConditions conditions;
    double upperH, lowerH, upperS, lowerS;  // hand-computed, mm
    FitKind kind;
    double value1, value2;
    bool kindChanged;
  };
  const Case cases[] = {
      // Aluminium housing at 80 °C on a steel shaft at 60 °C: H7/k6 opens up.
      {50,
       "H7/k6",
       {{80, 23}, {60, 12}},
       0.0940345,
       0.069,
       0.04200864,
       0.02600096,
       FitKind::Clearance,
       0.06803354,
       0.02699136,
       true},
      // Equal α and temperatures: both grow alike, EI = es still ties.
      {10,
       "H7/h6",
       {{100, 12}, {100, 12}},
       0.0246144,
       0.0096,
       0.0096,
       0.00059136,
       FitKind::Clearance,
       0.02402304,
       0,
       false},
      // Cold: the aluminium hub shrinks onto the shaft.
      {50,
       "H7/s6",
       {{-40, 23}, {-40, 12}},
       -0.0440345,
       -0.069,
       0.02295752,
       0.00696904,
       FitKind::Interference,
       -0.09195752,
       -0.05100354,
       false},
      // A hole 2 K cold closes H7/h6 by 0.02 µm: decided on the sizes, not
      // on steps of 0.05 µm, that is a transition fit.
      {10,
       "H7/h6",
       {{18, 1}, {20, 12}},
       0.01497997,
       -0.00002,
       0,
       -0.009,
       FitKind::Transition,
       0.02397997,
       -0.00002,
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.size << " " << c.fit);
    const OperatingResult r = fitAtTemperature(at20(c.size, c.fit), c.size, c.conditions);
    ASSERT_TRUE(r.value);
    const OperatingFit& op = *r.value;
    expectNearMm(op.hole.upperMm(), c.upperH);
    expectNearMm(op.hole.lowerMm(), c.lowerH);
    expectNearMm(op.shaft.upperMm(), c.upperS);
    expectNearMm(op.shaft.lowerMm(), c.lowerS);
    EXPECT_EQ(op.fit.kind, c.kind);
    expectNearMm(op.fit.value1Mm(), c.value1);
    expectNearMm(op.fit.value2Mm(), c.value2);
    expectNearMm(op.fit.toleranceMm(), std::fabs(c.value1 - c.value2));
    expectNearMm(op.hole.toleranceMm(), c.upperH - c.lowerH);
    EXPECT_EQ(op.kindChanged, c.kindChanged);
  }
}

TEST(FitAtTemperature, RejectsImpossibleConditionsNamingThePart) {
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    OperatingConditions conditions;
    ConditionError error;
    Side side;
  };
  const Case cases[] = {
      {{{-273.16, 12}, {}}, ConditionError::BelowAbsoluteZero, Side::Hole},
      {{{}, {std::nan(""), 0}}, ConditionError::TemperatureNotFinite, Side::Shaft},
      {{{inf, 12}, {}}, ConditionError::TemperatureNotFinite, Side::Hole},
      {{{}, {60, -inf}}, ConditionError::AlphaNotFinite, Side::Shaft},
      {{{}, {1000, 12}}, ConditionError::None, Side::Hole},
      {{{}, {1e9, 12}}, ConditionError::ExpansionOutOfRange, Side::Shaft},
      {{{-273.15, 1e5}, {}}, ConditionError::ExpansionOutOfRange, Side::Hole},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << c.conditions.hole.temperatureC << " " << c.conditions.shaft.temperatureC);
    const OperatingResult r = fitAtTemperature(at20(50, "H7/k6"), 50, c.conditions);
    EXPECT_EQ(r.error, c.error);
    EXPECT_EQ(r.value.has_value(), c.error == ConditionError::None);
    if (!r.value) {
      EXPECT_EQ(r.failedSide, c.side);
    }
  }
}

}  // namespace
}  // namespace kalmo
