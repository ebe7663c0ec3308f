#pragma once

#include <array>
#include <limits>
#include <string_view>

namespace kalmo {

// The ring of a rolling bearing whose seat is chosen: the inner ring sits on
// the shaft, the outer ring in the housing.
enum class BearingRing { Inner, Outer };

// How the ring moves relative to the direction of the radial load.
enum class RingLoad {
  Rotating,       // the ring turns relative to the load (a rotating shaft under a fixed load)
  Stationary,     // the ring stands still relative to the load
  Indeterminate,  // the load's direction changes (unbalance, shocks)
};

enum class LoadMagnitude { Light, Normal, Heavy };

// The rolling elements: the tables' ball column or cylindrical-roller column.
enum class RollingElement { Ball, Roller };

// What a row of the tables asks of the application beyond the load case.
enum class SeatCondition {
  Diameter,               // the shaft rows: chosen by diameter, load and bearing type alone
  InnerRingSlides,        // the inner ring must slide easily on the shaft (g6)
  InnerRingNeedNotSlide,  // h6
  HeatThroughShaft,       // heat flows in through the shaft (G7)
  SplitHousing,           // housing split axially, or wider than H6 permissible (H7)
  HousingNotSplit,        // H6
  ShockUnloading,         // shocks with temporary complete unloading (J6)
  OuterRingCanSlide,      // transitional: the outer ring may be tight or loose (J6)
  OuterRingNeedNotSlide,  // K6, N6
  HeavyShock,             // split housing not recommended (M6)
  LightRotating,          // a rotating outer ring under light load (M6)
  ThinWallHousing,        // thin-walled housing, not split (P6)
  WiderTolerance,         // grade 7 in place of the grade-6 class above it
};

// Which load magnitudes a row serves.
struct MagnitudeSet {
  bool light = false;
  bool normal = false;
  bool heavy = false;
  constexpr bool has(LoadMagnitude m) const {
    return m == LoadMagnitude::Light ? light : m == LoadMagnitude::Normal ? normal : heavy;
  }
};

// Which rolling elements a row serves.
enum class ElementSet { Ball, Roller, Both };

inline constexpr double kAllDiametersMm = std::numeric_limits<double>::infinity();

// One row: the seat's tolerance class for a load case, and for the shaft rows
// the diameter range over overMm up to and including toMm.
struct SeatRow {
  BearingRing ring;
  RingLoad load;  // Indeterminate rows of the inner ring are given as Rotating
  MagnitudeSet magnitudes;
  ElementSet elements;
  double overMm;
  double toMm;
  std::string_view seatClass;  // checked where it is read (mech/bearing_seat.cpp)
  SeatCondition condition;
};

inline constexpr std::string_view kAbma7Name = "ANSI/ABMA Standard 7";

namespace seat_rows {
inline constexpr MagnitudeSet kAll{true, true, true};
inline constexpr MagnitudeSet kLight{true, false, false};
inline constexpr MagnitudeSet kNormal{false, true, false};
inline constexpr MagnitudeSet kHeavy{false, false, true};
inline constexpr MagnitudeSet kLightNormal{true, true, false};
inline constexpr MagnitudeSet kNormalHeavy{false, true, true};
inline constexpr double kAny = kAllDiametersMm;
}  // namespace seat_rows

// ANSI/ABMA Standard 7, shaft and housing fits for metric radial ball and
// roller bearings (except tapered roller bearings) of Normal tolerance class
// (ABEC-1, RBEC-1), on solid steel shafts and in cast-iron or steel housings.
// Shaft table: the ball-bearing and the cylindrical-roller-bearing columns;
// the standard groups a rotating inner ring with an indeterminate load
// direction. Housing table: the grade-6 classes it prints, each followed by
// the grade-7 class its footnote names "where wider tolerances are
// permissible". Public copies of the shaft table differ in two cells (light
// load, ball bearing up to 18 mm: h5 or h6; normal load, roller bearing over
// 500 mm: r6 or r7); the first of each is taken.
// clang-format off
inline constexpr std::array<SeatRow, 42> kAbma7Seats = {{
    // Inner ring stationary relative to the load, all loads and diameters.
    {BearingRing::Inner, RingLoad::Stationary, seat_rows::kAll, ElementSet::Both, 0, seat_rows::kAny, "g6", SeatCondition::InnerRingSlides},
    {BearingRing::Inner, RingLoad::Stationary, seat_rows::kAll, ElementSet::Both, 0, seat_rows::kAny, "h6", SeatCondition::InnerRingNeedNotSlide},
    // Inner ring rotating relative to the load, or load direction indeterminate.
    {BearingRing::Inner, RingLoad::Rotating, seat_rows::kLight, ElementSet::Ball, 0, 18, "h5", SeatCondition::Diameter},
    {BearingRing::Inner, RingLoad::Rotating, seat_rows::kLight, ElementSet::Ball, 18, seat_rows::kAny, "j6", SeatCondition::Diameter},
    {BearingRing::Inner, RingLoad::Rotating, seat_rows::kNormal, ElementSet::Ball, 0, 18, "j5", SeatCondition::Diameter},
    {BearingRing::Inner, RingLoad::Rotating, seat_rows::kNormal, ElementSet::Ball, 18, seat_rows::kAny, "k5", SeatCondition::Diameter},
    {BearingRing::Inner, RingLoad::Rotating, seat_rows::kHeavy, ElementSet::Ball, 18, 100, "k5", SeatCondition::Diameter},
    {BearingRing::Inner, RingLoad::Rotating, seat_rows::kHeavy, ElementSet::Ball, 100, seat_rows::kAny, "m5", SeatCondition::Diameter},
    {BearingRing::Inner, RingLoad::Rotating, seat_rows::kLight, ElementSet::Roller, 0, 40, "j6", SeatCondition::Diameter},
    {BearingRing::Inner, RingLoad::Rotating, seat_rows::kLight, ElementSet::Roller, 40, 140, "k6", SeatCondition::Diameter},
    {BearingRing::Inner, RingLoad::Rotating, seat_rows::kLight, ElementSet::Roller, 140, 320, "m6", SeatCondition::Diameter},
    {BearingRing::Inner, RingLoad::Rotating, seat_rows::kLight, ElementSet::Roller, 320, 500, "n6", SeatCondition::Diameter},
    {BearingRing::Inner, RingLoad::Rotating, seat_rows::kLight, ElementSet::Roller, 500, seat_rows::kAny, "p6", SeatCondition::Diameter},
    {BearingRing::Inner, RingLoad::Rotating, seat_rows::kNormal, ElementSet::Roller, 0, 40, "k5", SeatCondition::Diameter},
    {BearingRing::Inner, RingLoad::Rotating, seat_rows::kNormal, ElementSet::Roller, 40, 100, "m5", SeatCondition::Diameter},
    {BearingRing::Inner, RingLoad::Rotating, seat_rows::kNormal, ElementSet::Roller, 100, 140, "m6", SeatCondition::Diameter},
    {BearingRing::Inner, RingLoad::Rotating, seat_rows::kNormal, ElementSet::Roller, 140, 320, "n6", SeatCondition::Diameter},
    {BearingRing::Inner, RingLoad::Rotating, seat_rows::kNormal, ElementSet::Roller, 320, 500, "p6", SeatCondition::Diameter},
    {BearingRing::Inner, RingLoad::Rotating, seat_rows::kNormal, ElementSet::Roller, 500, seat_rows::kAny, "r6", SeatCondition::Diameter},
    {BearingRing::Inner, RingLoad::Rotating, seat_rows::kHeavy, ElementSet::Roller, 0, 40, "m5", SeatCondition::Diameter},
    {BearingRing::Inner, RingLoad::Rotating, seat_rows::kHeavy, ElementSet::Roller, 40, 65, "m6", SeatCondition::Diameter},
    {BearingRing::Inner, RingLoad::Rotating, seat_rows::kHeavy, ElementSet::Roller, 65, 140, "n6", SeatCondition::Diameter},
    {BearingRing::Inner, RingLoad::Rotating, seat_rows::kHeavy, ElementSet::Roller, 140, 200, "p6", SeatCondition::Diameter},
    {BearingRing::Inner, RingLoad::Rotating, seat_rows::kHeavy, ElementSet::Roller, 200, 500, "r6", SeatCondition::Diameter},
    {BearingRing::Inner, RingLoad::Rotating, seat_rows::kHeavy, ElementSet::Roller, 500, seat_rows::kAny, "r7", SeatCondition::Diameter},
    // Outer ring stationary relative to the load, all loads.
    {BearingRing::Outer, RingLoad::Stationary, seat_rows::kAll, ElementSet::Both, 0, seat_rows::kAny, "G7", SeatCondition::HeatThroughShaft},
    {BearingRing::Outer, RingLoad::Stationary, seat_rows::kAll, ElementSet::Both, 0, seat_rows::kAny, "H6", SeatCondition::HousingNotSplit},
    {BearingRing::Outer, RingLoad::Stationary, seat_rows::kAll, ElementSet::Both, 0, seat_rows::kAny, "H7", SeatCondition::SplitHousing},
    {BearingRing::Outer, RingLoad::Stationary, seat_rows::kAll, ElementSet::Both, 0, seat_rows::kAny, "J6", SeatCondition::ShockUnloading},
    {BearingRing::Outer, RingLoad::Stationary, seat_rows::kAll, ElementSet::Both, 0, seat_rows::kAny, "J7", SeatCondition::WiderTolerance},
    // Load direction indeterminate.
    {BearingRing::Outer, RingLoad::Indeterminate, seat_rows::kLightNormal, ElementSet::Both, 0, seat_rows::kAny, "J6", SeatCondition::OuterRingCanSlide},
    {BearingRing::Outer, RingLoad::Indeterminate, seat_rows::kLightNormal, ElementSet::Both, 0, seat_rows::kAny, "J7", SeatCondition::WiderTolerance},
    {BearingRing::Outer, RingLoad::Indeterminate, seat_rows::kNormalHeavy, ElementSet::Both, 0, seat_rows::kAny, "K6", SeatCondition::OuterRingNeedNotSlide},
    {BearingRing::Outer, RingLoad::Indeterminate, seat_rows::kNormalHeavy, ElementSet::Both, 0, seat_rows::kAny, "K7", SeatCondition::WiderTolerance},
    {BearingRing::Outer, RingLoad::Indeterminate, seat_rows::kHeavy, ElementSet::Both, 0, seat_rows::kAny, "M6", SeatCondition::HeavyShock},
    {BearingRing::Outer, RingLoad::Indeterminate, seat_rows::kHeavy, ElementSet::Both, 0, seat_rows::kAny, "M7", SeatCondition::WiderTolerance},
    // Outer ring rotating relative to the load.
    {BearingRing::Outer, RingLoad::Rotating, seat_rows::kLight, ElementSet::Both, 0, seat_rows::kAny, "M6", SeatCondition::LightRotating},
    {BearingRing::Outer, RingLoad::Rotating, seat_rows::kLight, ElementSet::Both, 0, seat_rows::kAny, "M7", SeatCondition::WiderTolerance},
    {BearingRing::Outer, RingLoad::Rotating, seat_rows::kNormalHeavy, ElementSet::Both, 0, seat_rows::kAny, "N6", SeatCondition::OuterRingNeedNotSlide},
    {BearingRing::Outer, RingLoad::Rotating, seat_rows::kNormalHeavy, ElementSet::Both, 0, seat_rows::kAny, "N7", SeatCondition::WiderTolerance},
    {BearingRing::Outer, RingLoad::Rotating, seat_rows::kHeavy, ElementSet::Both, 0, seat_rows::kAny, "P6", SeatCondition::ThinWallHousing},
    {BearingRing::Outer, RingLoad::Rotating, seat_rows::kHeavy, ElementSet::Both, 0, seat_rows::kAny, "P7", SeatCondition::WiderTolerance},
}};
// clang-format on

}  // namespace kalmo
