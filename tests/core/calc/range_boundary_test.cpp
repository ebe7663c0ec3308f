#include "calc/range_boundary.h"

#include <gtest/gtest.h>

namespace kalmo {
namespace {

constexpr ToleranceClass H7{letter::H, Grade::atIndex(8)};
constexpr ToleranceClass h6{letter::H, Grade::atIndex(7)};
constexpr ToleranceClass s6{18, Grade::atIndex(7)};

TEST(RangeBoundary, WarnsWithinOnePercentOfABound) {
  const struct {
    double size;
    std::optional<double> bound;  // nullopt: no warning
    double neighbour;
  } cases[] = {
      {3, 3, 3.001},
      {3 * 0.995, 3, 3.001},
      {3 * 1.005, 3, 3},
      {30 * 0.995, 30, 30.001},
      {30.15, 30, 30},
      {120, 120, 120.001},
      {120.6, 120, 120},
      {500 * 0.995, 500, 500.001},
      {502.5, 500, 500},
      {3150, 3150, 3150.001},
      {3150 * 1.005, 3150, 3150},
      {505, 500, 500},
      {121.2, 120, 120},  // exactly 1 %, decided on the decimal, not on binary doubles
      {118.8, 120, 120.001},
      {29.7, 30, 30.001},
      {79.2, 80, 80.001},
      {49.5, 50, 50.001},
      {120 * 0.98, std::nullopt, 0},
      {120 * 1.02, std::nullopt, 0},
      {3 * 0.98, std::nullopt, 0},
      {3150 * 1.02, std::nullopt, 0},
      {60, std::nullopt, 0},
      {10000, std::nullopt, 0},
      {9950, std::nullopt, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.size << " mm");
    const auto neighbour = rangeBoundaryNeighbour(c.size, H7, s6);
    ASSERT_EQ(neighbour.has_value(), c.bound.has_value());
    if (!neighbour) continue;
    EXPECT_EQ(neighbour->boundMm, *c.bound);
    EXPECT_EQ(neighbour->sizeMm, c.neighbour);
    EXPECT_EQ(neighbour->evaluation, *Evaluate(c.neighbour, H7, s6));
    EXPECT_NE(neighbour->evaluation.shaft, EvaluateShaft(s6, c.size));
  }
}

// A bearing ring's own bounds count where it is a member: the outside
// diameter's 150 mm lies between the deviation tables' 140 and 160 mm.
TEST(RangeBoundary, KnowsTheBoundsOfABearingRing) {
  constexpr ToleranceClass N7{letter::N, Grade::atIndex(8)};
  const auto outer = rangeBoundaryNeighbour(150, N7, kBearingClass);
  ASSERT_TRUE(outer);
  EXPECT_EQ(outer->boundMm, 150);
  EXPECT_EQ(outer->evaluation.shaft.lower, TwentiethsUm{-25 * 20});
  EXPECT_FALSE(rangeBoundaryNeighbour(150, N7, h6));
  // As the hole it is the inner ring, whose rows have no bound at 150 mm.
  EXPECT_FALSE(rangeBoundaryNeighbour(150, kBearingClass, h6));
}

TEST(RangeBoundary, ComparesOnlyTheMembersGiven) {
  // 14 mm divides the deviation rows but not the IT row: H7 and h6 stay.
  EXPECT_EQ(nearbyRangeBoundMm(14), 14);
  EXPECT_FALSE(rangeBoundaryNeighbour(14, H7, h6));
  EXPECT_FALSE(rangeBoundaryNeighbour(14, std::nullopt, std::nullopt));
  // At 18 mm the IT row changes too; s6 alone is compared, the hole stays undefined.
  const auto shaftOnly = rangeBoundaryNeighbour(18, std::nullopt, s6);
  ASSERT_TRUE(shaftOnly);
  EXPECT_EQ(shaftOnly->evaluation.hole, kUndefinedClass);
  EXPECT_EQ(shaftOnly->evaluation.fit.kind, FitKind::Undefined);
  EXPECT_FALSE(nearbyRangeBoundMm(0.5));
}

}  // namespace
}  // namespace kalmo
