#pragma once

#include <optional>
#include <vector>

#include "calc/evaluation.h"
#include "calc/tolerance_class.h"
#include "lang/text_id.h"
#include "mech/assembly_statistics.h"
#include "tables/abma7_seats.h"

namespace kalmo {

// The recommended seats of a rolling bearing's ring (tables/abma7_seats.h),
// each with its fit against the ring of ISO 492 Normal class.

// The load case of one ring.
struct SeatCase {
  BearingRing ring = BearingRing::Inner;
  RingLoad load = RingLoad::Rotating;
  LoadMagnitude magnitude = LoadMagnitude::Normal;
  RollingElement element = RollingElement::Ball;
  friend constexpr bool operator==(const SeatCase&, const SeatCase&) = default;
};

// One recommended class and its fit with the ring at the diameter.
struct SeatChoice {
  ToleranceClass seat;      // the shaft's class (inner ring) or the housing's (outer ring)
  FitClasses classes;       // bearing/k5 or H7/bearing: the ring is the other member
  SeatCondition condition;  // what the row asks of the application
  double overMm = 0;        // the row's diameter range, over overMm up to toMm
  double toMm = kAllDiametersMm;
  Evaluation evaluation;                         // ring, seat and fit, exact
  std::optional<AssemblyStatistics> statistics;  // normal model: mean and probable fit
};

// Why no seat is recommended.
enum class SeatError {
  None,
  RingUndefined,     // the diameter lies outside the ring's table in ISO 492 Normal
  NoRecommendation,  // the table has no row for the case (a ball bearing of 18 mm
                     // or less under heavy load)
  ClassesUndefined,  // every class the table recommends lacks values in ISO 286 at the
                     // diameter (j6 for a light load over 500 mm: j and J end at 500 mm)
};

struct SeatAnswer {
  std::vector<SeatChoice> choices;  // in the table's order
  // Classes the table recommends that ISO 286 gives no values at the diameter
  // (j6, J6, J7 over 500 mm): they form no fit, so they are not choices.
  std::vector<ToleranceClass> undefinedSeats;
  SeatError error = SeatError::None;
};

// The recommended seats at the ring's diameter (the bore for the inner ring,
// the outside diameter for the outer ring), mm, greater than 0.
SeatAnswer recommendSeats(double diameterMm, const SeatCase& seatCase);

// The member the ring is in a fit: the inner ring is the hole, the outer ring the shaft.
constexpr Side ringSide(BearingRing ring) {
  return ring == BearingRing::Inner ? Side::Hole : Side::Shaft;
}

// The ring's table in ISO 492 Normal, mm: over first up to and including last.
struct RingRangeMm {
  double overMm;
  double toMm;
};
RingRangeMm ringRangeMm(BearingRing ring);

// The text of a row's condition; the shaft rows' Diameter has none (None).
TextId seatConditionText(SeatCondition condition);

}  // namespace kalmo
