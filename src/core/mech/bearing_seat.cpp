#include "mech/bearing_seat.h"

#include "design/designation_literal.h"
#include "tables/iso492_normal.h"

namespace kalmo {

namespace {

// The seat classes of the table, read at compile time: a class that is no
// designation of its member stops the build.
constexpr auto kSeatClasses = []() consteval {
  std::array<ToleranceClass, kAbma7Seats.size()> classes{};
  for (std::size_t i = 0; i < classes.size(); ++i) {
    const SeatRow& row = kAbma7Seats[i];
    const Side seatSide = row.ring == BearingRing::Inner ? Side::Shaft : Side::Hole;
    classes[i] = detail::classLiteral(seatSide, row.seatClass);
  }
  return classes;
}
();

bool serves(const SeatRow& row, double diameterMm, const SeatCase& c) {
  // The shaft table groups an indeterminate load direction with a rotating inner ring.
  const RingLoad load = c.ring == BearingRing::Inner && c.load == RingLoad::Indeterminate
                            ? RingLoad::Rotating
                            : c.load;
  const bool element = row.elements == ElementSet::Both ||
                       (row.elements == ElementSet::Ball) == (c.element == RollingElement::Ball);
  return row.ring == c.ring && row.load == load && row.magnitudes.has(c.magnitude) && element &&
         diameterMm > row.overMm && diameterMm <= row.toMm;
}

}  // namespace

RingRangeMm ringRangeMm(BearingRing ring) {
  return ring == BearingRing::Inner
             ? RingRangeMm{kIso492InnerBoundsMm.front(), kIso492InnerBoundsMm.back()}
             : RingRangeMm{kIso492OuterBoundsMm.front(), kIso492OuterBoundsMm.back()};
}

SeatAnswer recommendSeats(double diameterMm, const SeatCase& seatCase) {
  SeatAnswer answer;
  const SizeEvaluation at(diameterMm);
  const Side ring = ringSide(seatCase.ring);
  const ClassResult ringLimits =
      ring == Side::Hole ? at.hole(kBearingClass) : at.shaft(kBearingClass);
  if (!ringLimits.defined()) {
    answer.error = SeatError::RingUndefined;
    return answer;
  }
  for (std::size_t i = 0; i < kAbma7Seats.size(); ++i) {
    const SeatRow& row = kAbma7Seats[i];
    if (!serves(row, diameterMm, seatCase)) continue;
    SeatChoice choice;
    choice.seat = kSeatClasses[i];
    choice.classes = ring == Side::Hole ? FitClasses{kBearingClass, choice.seat}
                                        : FitClasses{choice.seat, kBearingClass};
    choice.condition = row.condition;
    choice.overMm = row.overMm;
    choice.toMm = row.toMm;
    choice.evaluation = at.evaluate(choice.classes.hole, choice.classes.shaft);
    const ClassResult& seatLimits =
        ring == Side::Hole ? choice.evaluation.shaft : choice.evaluation.hole;
    if (!seatLimits.defined()) {
      answer.undefinedSeats.push_back(choice.seat);
      continue;
    }
    choice.statistics = assemblyStatistics(choice.evaluation.hole, choice.evaluation.shaft,
                                           SizeDistribution::Normal);
    answer.choices.push_back(choice);
  }
  if (answer.choices.empty()) {
    answer.error =
        answer.undefinedSeats.empty() ? SeatError::NoRecommendation : SeatError::ClassesUndefined;
  }
  return answer;
}

TextId seatConditionText(SeatCondition condition) {
  switch (condition) {
    case SeatCondition::Diameter: return TextId::None;
    case SeatCondition::InnerRingSlides: return TextId::SeatInnerRingSlides;
    case SeatCondition::InnerRingNeedNotSlide: return TextId::SeatInnerRingNeedNotSlide;
    case SeatCondition::HeatThroughShaft: return TextId::SeatHeatThroughShaft;
    case SeatCondition::SplitHousing: return TextId::SeatSplitHousing;
    case SeatCondition::HousingNotSplit: return TextId::SeatHousingNotSplit;
    case SeatCondition::ShockUnloading: return TextId::SeatShockUnloading;
    case SeatCondition::OuterRingCanSlide: return TextId::SeatOuterRingCanSlide;
    case SeatCondition::OuterRingNeedNotSlide: return TextId::SeatOuterRingNeedNotSlide;
    case SeatCondition::HeavyShock: return TextId::SeatHeavyShock;
    case SeatCondition::LightRotating: return TextId::SeatLightRotating;
    case SeatCondition::ThinWallHousing: return TextId::SeatThinWallHousing;
    case SeatCondition::WiderTolerance: return TextId::SeatWiderTolerance;
  }
  return TextId::None;
}

}  // namespace kalmo
