#include "mech/bearing_seat.h"

#include <gtest/gtest.h>

#include <string>

namespace kalmo {
namespace {

std::string classesOf(const SeatAnswer& answer) {
  std::string text;
  for (const SeatChoice& c : answer.choices) {
    if (!text.empty()) text += ' ';
    text += Designation(c.classes.hole.isBearing() ? Side::Shaft : Side::Hole, c.seat);
  }
  return text;
}

// The rows of ANSI/ABMA Standard 7 a case picks, at and beside the shaft
// table's breakpoints.
TEST(BearingSeat, PicksTheRowsOfTheCase) {
  using enum BearingRing;
  using enum RingLoad;
  using enum LoadMagnitude;
  using enum RollingElement;
  const struct {
    double size;
    SeatCase seatCase;
    const char* classes;  // empty: no recommendation
    SeatError error;
  } cases[] = {
      {30, {Inner, Rotating, Normal, Ball}, "k5", SeatError::None},
      {30, {Inner, Indeterminate, Normal, Ball}, "k5", SeatError::None},
      {18, {Inner, Rotating, Normal, Ball}, "j5", SeatError::None},
      {18.001, {Inner, Rotating, Normal, Ball}, "k5", SeatError::None},
      {18, {Inner, Rotating, Light, Ball}, "h5", SeatError::None},
      {100, {Inner, Rotating, Heavy, Ball}, "k5", SeatError::None},
      {100.001, {Inner, Rotating, Heavy, Ball}, "m5", SeatError::None},
      {18, {Inner, Rotating, Heavy, Ball}, "", SeatError::NoRecommendation},
      {65, {Inner, Rotating, Heavy, Roller}, "m6", SeatError::None},
      {120, {Inner, Indeterminate, Heavy, Roller}, "n6", SeatError::None},
      {600, {Inner, Rotating, Normal, Roller}, "r6", SeatError::None},
      {30, {Inner, Stationary, Heavy, Roller}, "g6 h6", SeatError::None},
      {62, {Outer, Stationary, Normal, Ball}, "G7 H6 H7 J6 J7", SeatError::None},
      {62, {Outer, Indeterminate, Normal, Ball}, "J6 J7 K6 K7", SeatError::None},
      {62, {Outer, Indeterminate, Heavy, Roller}, "K6 K7 M6 M7", SeatError::None},
      {62, {Outer, Rotating, Light, Ball}, "M6 M7", SeatError::None},
      {62, {Outer, Rotating, Heavy, Ball}, "N6 N7 P6 P7", SeatError::None},
      {2000.001, {Inner, Stationary, Light, Ball}, "", SeatError::RingUndefined},
      {6, {Outer, Stationary, Light, Ball}, "", SeatError::RingUndefined},
      // j and J end at 500 mm in ISO 286: recommended there, they form no fit.
      {500, {Inner, Rotating, Light, Ball}, "j6", SeatError::None},
      {500.001, {Inner, Rotating, Light, Ball}, "", SeatError::ClassesUndefined},
      {630, {Outer, Stationary, Normal, Ball}, "G7 H6 H7", SeatError::None},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.size << " mm, " << c.classes);
    const SeatAnswer answer = recommendSeats(c.size, c.seatCase);
    EXPECT_EQ(answer.error, c.error);
    EXPECT_EQ(classesOf(answer), c.classes);
  }
}

// Each choice is the fit of the ring with its seat: the inner ring is the
// hole, the outer ring the shaft, with the probable fit of the pair.
TEST(BearingSeat, EachChoiceIsTheFitWithTheRing) {
  const SeatAnswer inner = recommendSeats(30, {});
  ASSERT_EQ(inner.choices.size(), 1u);
  const SeatChoice& k5 = inner.choices[0];
  EXPECT_EQ(FitDesignation(k5.classes), "bearing/k5");
  EXPECT_EQ(k5.evaluation, *Evaluate(30, kBearingClass, k5.seat));
  ASSERT_TRUE(k5.statistics);
  EXPECT_NEAR(k5.statistics->probableMinMm, -0.018226812, 1e-9);

  const SeatAnswer outer =
      recommendSeats(62, {BearingRing::Outer, RingLoad::Rotating, LoadMagnitude::Normal});
  ASSERT_EQ(outer.choices.size(), 2u);
  EXPECT_EQ(FitDesignation(outer.choices[1].classes), "N7/bearing");
  EXPECT_EQ(outer.choices[1].evaluation.fit.value2Mm(), -0.039);
}

}  // namespace
}  // namespace kalmo
