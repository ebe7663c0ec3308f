#pragma once

#include <optional>
#include <string_view>

#include "calc/exact_length.h"

namespace kalmo {

// How a contributor's tolerance was given.
enum class ToleranceForm {
  PlusMinus,    // "±0.1", "+-0.1": symmetric
  Deviations,   // "+0.1/-0.05": upper, then lower deviation
  IsoClass,     // "H7", "g6": ISO 286 at the contributor's nominal size
  General,      // "ISO 2768-m": the linear general tolerance at the nominal size
  BearingBore,  // "bearing", "bearing bore": ISO 492 Normal, the inner ring's bore
  BearingOd,    // "bearing OD": ISO 492 Normal, the outer ring's outside diameter
};

// A contributor's tolerance zone: the deviations from its nominal, exact
// (every typed decimal with up to 7 decimals in mm, 6 in inches, and every
// table value is a whole number of 1e-7 mm).
struct StackZone {
  TenthsNm upper;
  TenthsNm lower;
  ToleranceForm form = ToleranceForm::PlusMinus;
  friend bool operator==(const StackZone&, const StackZone&) = default;
};

// Why a tolerance text gives no zone.
enum class StackToleranceError {
  None,
  Empty,             // nothing typed
  NotATolerance,     // none of the forms ("0.1", "abc", "H7/g6")
  BadNumber,         // a ± or deviation whose number cannot be read or is negative after ±
  LowerAboveUpper,   // "+a/-b" with the second deviation above the first
  ClassUndefined,    // an ISO 286 class without a value at the nominal (or nominal not
                     // within 0.001 .. 10000 mm)
  GeneralNoValue,    // ISO 2768 without a class of dimensions, or without a value at the
                     // nominal (below 0.5 mm, above 4000 mm, class v up to 3 mm ...)
  NotABearingRing,   // starts with "bearing" in any case but is none of the ring's forms
                     // ("Bearing", "bearing7", "bearing width")
  BearingUndefined,  // a bearing ring without a tolerance at the nominal (bore over 0.6 up
                     // to 2000 mm, outside diameter over 6 up to 1000 mm)
};

struct StackToleranceRead {
  std::optional<StackZone> zone;
  StackToleranceError error = StackToleranceError::None;
};

// A length typed in mm, or in inches with `inch` (25.4 mm exactly), as an
// exact count: mm to 7 decimals, inches to 6. nullopt for NaN, infinities and
// lengths beyond ±1e9 mm.
std::optional<TenthsNm> typedStackLength(double typed, bool inch);

// Reads a tolerance for a contributor of the given nominal (exact, mm):
//   "±t", "+-t"           symmetric, t >= 0
//   "+a/-b"               upper deviation a, lower -b; each with or without a
//                         sign ("+0.1/0", "-0.02/-0.05"), the second not above
//                         the first
//   "H7", "g6", "js6"     an ISO 286 class: upper case a hole, lower case a shaft
//   "ISO 2768-m", "2768-mK", "m" is not one (a class needs "2768"): the
//                         linear general tolerance
//   "bearing", "bearing bore"  the bore of a bearing's inner ring, ISO 492
//                         Normal, at the nominal (as "bearing" reads as the
//                         hole of a fit)
//   "bearing OD"          the outside diameter of its outer ring (as
//                         "bearing" reads as the shaft of a fit)
//                         "bearing" is written in lower case as in a fit;
//                         "bore" and "OD" in any case, after a blank.
// Numbers are in mm, or inches with `inch`; blanks between signs and numbers
// are ignored; the minus sign U+2212 reads as "-".
StackToleranceRead readStackTolerance(std::string_view text, TenthsNm nominal, bool inch);

}  // namespace kalmo
