#include "design/inspection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "design/class_lists.h"

namespace kalmo {
namespace {

constexpr ToleranceClass H7{letter::H, Grade::atIndex(8)};
constexpr ToleranceClass g6{letter::G, Grade::atIndex(7)};
constexpr ToleranceClass s6{18, Grade::atIndex(7)};

InspectionReport run(double size, std::optional<ToleranceClass> hole,
                     std::optional<ToleranceClass> shaft, std::optional<Measurement> holeMeasured,
                     std::optional<Measurement> shaftMeasured = std::nullopt) {
  const InspectionOutcome outcome = inspect({size, hole, shaft, holeMeasured, shaftMeasured});
  EXPECT_EQ(outcome.error, InspectionError::None);
  return outcome.report.value_or(InspectionReport{});
}

TEST(Inspection, StatusAndMarginWithInclusiveLimits) {
  const struct {
    double size;
    ToleranceClass cls;
    Side side;
    Measurement measured;
    InspectionStatus status;
    double margin;
  } cases[] = {
      {50, H7, Side::Hole, {50.018, 50.018}, InspectionStatus::Ok, 0.007},
      {50, H7, Side::Hole, {50.025, 50.025}, InspectionStatus::Ok, 0},
      {50, H7, Side::Hole, {50, 50}, InspectionStatus::Ok, 0},
      {50, H7, Side::Hole, {50.025001, 50.025001}, InspectionStatus::Over, -0.000001},
      {50, H7, Side::Hole, {49.999999, 49.999999}, InspectionStatus::Under, -0.000001},
      // S3 at 32.14 mm: ES = -43 + 1.5 um (delta), EI = ES - 4 um: limits 32.0945 .. 32.0985.
      {32.14, {18, Grade::atIndex(4)}, Side::Hole, {32.0945, 32.0985}, InspectionStatus::Ok, 0},
      {32.14,
       {18, Grade::atIndex(4)},
       Side::Hole,
       {32.094499, 32.0985},
       InspectionStatus::Under,
       -0.000001},
      {30,
       {letter::JS, Grade::atIndex(7)},
       Side::Shaft,
       {29.9935, 30.0065},
       InspectionStatus::Ok,
       0},
      {30,
       {letter::JS, Grade::atIndex(7)},
       Side::Shaft,
       {29.9935, 30.006501},
       InspectionStatus::Over,
       -0.000001},
      // Lots: straddling one limit, and outside on both sides (the larger excess counts).
      {50, H7, Side::Hole, {50.01, 50.03}, InspectionStatus::Over, -0.005},
      {50, H7, Side::Hole, {49.99, 50.03}, InspectionStatus::Under, -0.01},
      {50, g6, Side::Shaft, {49.98, 49.99}, InspectionStatus::Ok, 0.001},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.size << " " << Designation(c.side, c.cls) << " "
                                    << c.measured.minMm << ".." << c.measured.maxMm);
    const bool hole = c.side == Side::Hole;
    const InspectionReport r = run(c.size, hole ? std::optional(c.cls) : std::nullopt,
                                   hole ? std::nullopt : std::optional(c.cls),
                                   hole ? std::optional(c.measured) : std::nullopt,
                                   hole ? std::nullopt : std::optional(c.measured));
    const std::optional<PartInspection>& part = hole ? r.hole : r.shaft;
    ASSERT_TRUE(part && part->status && part->marginMm);
    EXPECT_EQ(*part->status, c.status);
    EXPECT_EQ(*part->marginMm, c.margin);
  }
}

TEST(Inspection, AcceptingClassesAreEveryListedClassThatHoldsTheLot) {
  const struct {
    double size;
    Side side;
    Measurement measured;
  } cases[] = {{50, Side::Hole, {50.018, 50.018}},
               {50, Side::Shaft, {49.98, 49.99}},
               {600, Side::Hole, {600.05, 600.08}},
               {12, Side::Shaft, {12.001, 12.001}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.size);
    const bool hole = c.side == Side::Hole;
    const InspectionReport r = run(c.size, hole ? std::optional(H7) : std::nullopt,
                                   hole ? std::nullopt : std::optional(g6),
                                   hole ? std::optional(c.measured) : std::nullopt,
                                   hole ? std::nullopt : std::optional(c.measured));
    const std::vector<AcceptingClass>& accepting = (hole ? r.hole : r.shaft)->accepting;
    std::size_t holding = 0;
    for (const ClassListItem& item : classList(c.side, isAbove500(c.size))) {
      const ClassResult e = hole ? EvaluateHole(item.cls, c.size) : EvaluateShaft(item.cls, c.size);
      const bool holds = e.defined() && c.measured.minMm >= e.lowerLimitMm(c.size) - 1e-9 &&
                         c.measured.maxMm <= e.upperLimitMm(c.size) + 1e-9;
      const bool listed = std::find(accepting.begin(), accepting.end(),
                                    AcceptingClass{item.cls, item.preferred}) != accepting.end();
      EXPECT_EQ(listed, holds) << Designation(c.side, item.cls);
      holding += holds ? 1 : 0;
    }
    EXPECT_EQ(accepting.size(), holding);
    EXPECT_TRUE(std::is_sorted(accepting.begin(), accepting.end(), [](auto& a, auto& b) {
      return std::pair(a.cls.grade, a.cls.letter) < std::pair(b.cls.grade, b.cls.letter);
    }));
  }
  const auto h = run(50, H7, std::nullopt, Measurement{50.018, 50.018}).hole->accepting;
  EXPECT_NE(std::find(h.begin(), h.end(), AcceptingClass{H7, true}), h.end());
}

TEST(Inspection, GaugesActualFitAndKind) {
  const InspectionReport r =
      run(50, H7, g6, Measurement{50.018, 50.018}, Measurement{49.98, 49.98});
  EXPECT_EQ(r.hole->gauge, (GaugeSizes{50, 50.025}));
  EXPECT_EQ(r.shaft->gauge, (GaugeSizes{50 - 0.009, 50 - 0.025}));
  EXPECT_EQ(r.fit->kind, FitKind::Clearance);
  EXPECT_EQ(r.fit->actualMinMm, 0.038);
  EXPECT_EQ(r.fit->actualMaxMm, 0.038);
  EXPECT_EQ(r.fit->sameKind, true);

  const struct {
    ToleranceClass shaft;
    Measurement hole;
    Measurement shaft_;
    double low;
    double high;
    bool same;
  } cases[] = {
      {g6, {50, 50.01}, {50, 50.005}, -0.005, 0.01, false},        // a pair with interference
      {s6, {50, 50.025}, {50.043, 50.059}, -0.059, -0.018, true},  // interference everywhere
      {s6, {50, 50.05}, {50.043, 50.059}, -0.059, 0.007, false},
      {{letter::K, Grade::atIndex(7)}, {50, 50.1}, {50.2, 50.3}, -0.3, -0.1, true},  // transition:
                                                                                     // always
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Designation(Side::Shaft, c.shaft));
    const InspectionReport lot = run(50, H7, c.shaft, c.hole, c.shaft_);
    EXPECT_EQ(lot.fit->actualMinMm, c.low);
    EXPECT_EQ(lot.fit->actualMaxMm, c.high);
    EXPECT_EQ(lot.fit->sameKind, c.same);
  }
  const InspectionReport unmeasured = run(50, H7, g6, std::nullopt);
  EXPECT_FALSE(unmeasured.hole->status || unmeasured.fit->actualMinMm || unmeasured.fit->sameKind);
  EXPECT_TRUE(unmeasured.hole->accepting.empty());
}

TEST(Inspection, RejectsWhatCannotBeJudged) {
  const struct {
    InspectionInput input;
    InspectionError error;
    Side side;
  } cases[] = {
      {{0, H7, g6, {}, {}}, InspectionError::SizeNotPositive, Side::Hole},
      {{50, {}, {}, {}, {}}, InspectionError::NoClass, Side::Hole},
      {{50, H7, {}, {}, Measurement{50, 50}}, InspectionError::MeasuredWithoutClass, Side::Shaft},
      {{30, ToleranceClass{letter::K, Grade::atIndex(10)}, {}, {}, {}},
       InspectionError::UndefinedClass,
       Side::Hole},
      {{50, H7, g6, Measurement{50.02, 50.01}, {}}, InspectionError::MinAboveMax, Side::Hole},
      {{50, H7, g6, {}, Measurement{NAN, 50}}, InspectionError::MeasurementNotFinite, Side::Shaft},
      {{50, H7, g6, Measurement{-5, -5}, {}}, InspectionError::MeasurementOutOfRange, Side::Hole},
      {{50, H7, g6, Measurement{0, 50}, {}}, InspectionError::MeasurementOutOfRange, Side::Hole},
      {{50, H7, g6, {}, Measurement{50, 1e308}},
       InspectionError::MeasurementOutOfRange,
       Side::Shaft},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.error));
    const InspectionOutcome outcome = inspect(c.input);
    EXPECT_FALSE(outcome.report);
    EXPECT_EQ(outcome.error, c.error);
    EXPECT_EQ(outcome.failedSide, c.side);
  }
}

}  // namespace
}  // namespace kalmo
