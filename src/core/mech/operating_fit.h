#pragma once

#include <optional>

#include "calc/evaluation.h"
#include "calc/tolerance_class.h"

namespace kalmo {

// Limits and fits are stated at 20 °C (ISO 1).
inline constexpr double kReferenceTemperatureC = 20;
// 0 K in °C; a colder temperature is no temperature.
inline constexpr double kAbsoluteZeroC = -273.15;

// The temperature of one part and its linear expansion coefficient.
// The defaults leave the part as it is at 20 °C.
struct PartTemperature {
  double temperatureC = kReferenceTemperatureC;
  double alphaUmPerMK = 0;  // µm/(m·K); may be negative, must be finite
  friend constexpr bool operator==(const PartTemperature&, const PartTemperature&) = default;
};

struct OperatingConditions {
  PartTemperature hole;
  PartTemperature shaft;
  friend constexpr bool operator==(const OperatingConditions&,
                                   const OperatingConditions&) = default;
};

// Why an operating condition was rejected.
enum class ConditionError {
  None,
  TemperatureNotFinite,  // NaN or infinite temperature
  BelowAbsoluteZero,     // temperature below -273.15 °C
  AlphaNotFinite,        // NaN or infinite expansion coefficient
  ExpansionOutOfRange,   // α·1e-6·Δt outside (−1, 1]: a size would shrink to
                         // nothing or more than double (far beyond any material)
};

// The hole, the shaft and their fit at the operating temperatures.
struct OperatingFit {
  ZoneMm hole;  // deviations and tolerance of the zone at temperature
  ZoneMm shaft;
  FitMm fit;                 // fitOfZonesAtTemperature of the two zones
  bool kindChanged = false;  // fit.kind differs from the kind at 20 °C
  friend constexpr bool operator==(const OperatingFit&, const OperatingFit&) = default;
};

struct OperatingResult {
  std::optional<OperatingFit> value;
  ConditionError error = ConditionError::None;
  Side failedSide = Side::Hole;  // which part the error concerns
};

// Whether a part's temperature and α can be used. The factor limit keeps
// every deviation at temperature far below DeviationUndefined.
ConditionError checkPartTemperature(const PartTemperature& part);

// The factor 1 + α·1e-6·(t − 20) by which every size of the part grows.
double expansionFactor(const PartTemperature& part);

// The limits of a class at the part's temperature: each limit size
// L = N + deviation becomes L·factor, the deviation at temperature is
// L·factor − N, the tolerance IT·factor. A part at exactly 20 °C or with
// α = 0, and an undefined class, come back as the nearest doubles of the
// exact limits.
ZoneMm classAtTemperature(const ClassResult& cls, double sizeMm, const PartTemperature& part);

// Whether a part keeps its 20 °C limits bit for bit: at exactly 20 °C or
// with α = 0.
bool keepsReferenceLimits(const PartTemperature& part);
// Both parts at 20 °C: the conditions change nothing of the fit, whatever the α.
bool bothAtReferenceTemperature(const OperatingConditions& conditions);

// The fit of two zones at the operating temperatures. When neither part
// changes it is EvaluateFit, exact ties included. Otherwise the kind is
// decided on the limits themselves: zones at temperature are no multiples of
// 0.05 µm, and EvaluateFit's rounding to such steps would take a minimum
// clearance of −0.02 µm for 0 and the fit for a clearance fit. Undefined
// classes, and classes without tolerance, form no fit, as in EvaluateFit.
FitMm fitOfZonesAtTemperature(const ZoneMm& hole, const ZoneMm& shaft,
                              const OperatingConditions& conditions);
// The same for the exact classes at 20 °C, moved to their temperatures here.
// When neither part changes it is the exact EvaluateFit of the classes.
FitMm fitOfClassesAtTemperature(const ClassResult& hole, const ClassResult& shaft, double sizeMm,
                                const OperatingConditions& conditions);

// The 20 °C evaluation (Evaluate at sizeMm) moved to the operating
// temperatures. When neither part changes, the fit is the 20 °C fit itself,
// exact ties included, and kindChanged is false.
OperatingResult fitAtTemperature(const Evaluation& at20, double sizeMm,
                                 const OperatingConditions& conditions);

}  // namespace kalmo
