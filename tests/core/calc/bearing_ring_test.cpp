#include <gtest/gtest.h>

#include <optional>

#include "calc/evaluation.h"

namespace kalmo {
namespace {

// ISO 492 Normal class at each bound of its tables and a hair above it:
// the inner ring's bore as the hole, the outer ring's outside diameter as the
// shaft. Lower deviations in µm as the standard prints them; nullopt where the
// table gives none (at and below its start, above its end).
TEST(BearingRing, LowerDeviationOnBothSidesOfEveryBound) {
  struct Case {
    Side side;
    double size;
    std::optional<int> lowerUm;
  };
  const Case cases[] = {
      {Side::Hole, 0.6, std::nullopt},
      {Side::Hole, 0.601, -8},
      {Side::Hole, 2.5, -8},
      {Side::Hole, 2.501, -8},
      {Side::Hole, 10, -8},
      {Side::Hole, 10.001, -8},
      {Side::Hole, 18, -8},
      {Side::Hole, 18.001, -10},
      {Side::Hole, 30, -10},
      {Side::Hole, 30.001, -12},
      {Side::Hole, 50, -12},
      {Side::Hole, 50.001, -15},
      {Side::Hole, 80, -15},
      {Side::Hole, 80.001, -20},
      {Side::Hole, 120, -20},
      {Side::Hole, 120.001, -25},
      {Side::Hole, 180, -25},
      {Side::Hole, 180.001, -30},
      {Side::Hole, 250, -30},
      {Side::Hole, 250.001, -35},
      {Side::Hole, 315, -35},
      {Side::Hole, 315.001, -40},
      {Side::Hole, 400, -40},
      {Side::Hole, 400.001, -45},
      {Side::Hole, 500, -45},
      {Side::Hole, 500.001, -50},
      {Side::Hole, 630, -50},
      {Side::Hole, 630.001, -75},
      {Side::Hole, 800, -75},
      {Side::Hole, 800.001, -100},
      {Side::Hole, 1000, -100},
      {Side::Hole, 1000.001, -125},
      {Side::Hole, 1250, -125},
      {Side::Hole, 1250.001, -160},
      {Side::Hole, 1600, -160},
      {Side::Hole, 1600.001, -200},
      {Side::Hole, 2000, -200},
      {Side::Hole, 2000.001, std::nullopt},
      {Side::Shaft, 6, std::nullopt},
      {Side::Shaft, 6.001, -8},
      {Side::Shaft, 18, -8},
      {Side::Shaft, 18.001, -9},
      {Side::Shaft, 30, -9},
      {Side::Shaft, 30.001, -11},
      {Side::Shaft, 50, -11},
      {Side::Shaft, 50.001, -13},
      {Side::Shaft, 80, -13},
      {Side::Shaft, 80.001, -15},
      {Side::Shaft, 120, -15},
      {Side::Shaft, 120.001, -18},
      {Side::Shaft, 150, -18},
      {Side::Shaft, 150.001, -25},
      {Side::Shaft, 180, -25},
      {Side::Shaft, 180.001, -30},
      {Side::Shaft, 250, -30},
      {Side::Shaft, 250.001, -35},
      {Side::Shaft, 315, -35},
      {Side::Shaft, 315.001, -40},
      {Side::Shaft, 400, -40},
      {Side::Shaft, 400.001, -45},
      {Side::Shaft, 500, -45},
      {Side::Shaft, 500.001, -50},
      {Side::Shaft, 630, -50},
      {Side::Shaft, 630.001, -75},
      {Side::Shaft, 800, -75},
      {Side::Shaft, 800.001, -100},
      {Side::Shaft, 1000, -100},
      {Side::Shaft, 1000.001, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << (c.side == Side::Hole ? "inner " : "outer ") << c.size);
    const ClassResult r = c.side == Side::Hole ? EvaluateHole(kBearingClass, c.size)
                                               : EvaluateShaft(kBearingClass, c.size);
    if (!c.lowerUm) {
      EXPECT_FALSE(r.defined());
      EXPECT_TRUE(r.undefined());
      continue;
    }
    ASSERT_TRUE(r.defined());
    EXPECT_EQ(r.upper, TwentiethsUm{});
    EXPECT_EQ(r.lower, TwentiethsUm{*c.lowerUm * 20});
    EXPECT_EQ(r.tolerance, -r.lower);
  }
}

// Fits worked by hand from the ring's table and ISO 286.
TEST(BearingRing, FitsAgainstTheRing) {
  struct Case {
    double size;
    const char* fit;
    FitKind kind;
    double value1Mm, value2Mm;
  };
  const Case cases[] = {
      // Bore 0/-10, k5 +11/+2: interference 2 to 21 µm.
      {30, "bearing/k5", FitKind::Interference, -0.021, -0.002},
      // N7 -9/-39 around the outside diameter 0/-13.
      {62, "N7/bearing", FitKind::Transition, 0.004, -0.039},
      // H7 +30/0: the ring slides, clearance 0 to 43 µm.
      {62, "H7/bearing", FitKind::Clearance, 0.043, 0},
      // Bore 0/-20, m5 +28/+13.
      {100, "bearing/m5", FitKind::Interference, -0.048, -0.013},
      // Bore 0/-8, g6 -5/-14: the loose g6 of ISO 286 may grip a bearing's bore.
      {10, "bearing/g6", FitKind::Transition, 0.014, -0.003},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.size << " " << c.fit);
    const FitClasses classes = *parseFitDesignation(c.fit).value;
    const Evaluation e = *Evaluate(c.size, classes.hole, classes.shaft);
    EXPECT_EQ(e.fit.kind, c.kind);
    EXPECT_EQ(e.fit.value1Mm(), c.value1Mm);
    EXPECT_EQ(e.fit.value2Mm(), c.value2Mm);
  }
}

}  // namespace
}  // namespace kalmo
