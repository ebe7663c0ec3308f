#pragma once

#include <optional>
#include <vector>

#include "calc/evaluation.h"
#include "lang/text_id.h"
#include "mech/materials.h"
#include "mech/operating_fit.h"  // kAbsoluteZeroC

namespace kalmo {

// Liquid nitrogen boils at about −196 °C: a shaft needing colder cannot be
// cooled with it.
inline constexpr double kLiquidNitrogenC = -196;

// The smoothing of the roughness peaks on joining, ΔU = factor·(Rz_A + Rz_I).
// The editions of DIN 7190 differ here: 0.8 is the factor of DIN 7190:2001
// (and of this program until the choice was offered); public sources give
// 0.4 for DIN 7190-1:2017, though sources disagree about that edition.
enum class SmoothingRule {
  Factor08,  // 0.8·(Rz_A + Rz_I), DIN 7190:2001; the default
  Factor04,  // 0.4·(Rz_A + Rz_I), DIN 7190-1:2017 as public sources give it
};
double smoothingFactor(SmoothingRule rule);

// The equivalent stress at the hub bore, where σ_t = p(1 + Q_A²)/(1 − Q_A²)
// and σ_r = −p (plane stress). The shaft's stress is the same under both:
// p for a solid shaft (σ_r = σ_t = −p), 2p/(1 − Q_I²) at a hollow shaft's
// bore (σ_r = 0).
enum class StressHypothesis {
  MaxShear,  // σ_t − σ_r = 2p/(1 − Q_A²) (Tresca); the default
  VonMises,  // √(σ_t² + σ_r² − σ_t·σ_r) = p·√(3 + Q_A⁴)/(1 − Q_A²)
};

// The load the joint is to transmit, both >= 0.
struct PressLoad {
  double torqueNm = 0;     // T
  double axialForceN = 0;  // F_a
  friend constexpr bool operator==(const PressLoad&, const PressLoad&) = default;
};

// The resultant friction force the load asks of the joint, N:
// F_res = √((2000·T/D)² + F_a²), D in mm.
double resultantForceN(const PressLoad& load, double diameterMm);

// The operating temperatures of hub and shaft, °C; each part grows with its
// material's α.
struct JointTemperatures {
  double hubC = kReferenceTemperatureC;
  double shaftC = kReferenceTemperatureC;
  friend constexpr bool operator==(const JointTemperatures&, const JointTemperatures&) = default;
};

// Everything the elastic press-fit calculation (DIN 7190-1, elastic case,
// plane stress, no centrifugal load) needs. The hub is the hole part.
struct PressFitInput {
  double diameterMm = 0;                     // joint diameter D, the nominal size
  ClassResult hole;                          // the hub bore's limits at 20 °C
  ClassResult shaft;                         // the shaft's limits at 20 °C
  double hubOuterMm = 0;                     // hub outer diameter D_aA > D
  double shaftBoreMm = 0;                    // shaft bore D_iI, 0 <= D_iI < D; 0 is a solid shaft
  double lengthMm = 0;                       // joint length l > 0
  MaterialProperties hubMaterial;            // E_A, ν_A, Re_A, α_A
  MaterialProperties shaftMaterial;          // E_I, ν_I, Re_I, α_I
  double rzHubUm = 0;                        // roughness Rz_A of the bore, µm, >= 0
  double rzShaftUm = 0;                      // roughness Rz_I of the shaft, µm, >= 0
  double friction = 0;                       // μ for the transmitted load, > 0
  std::optional<double> pressFriction;       // μ_e for pressing in; default μ
  std::optional<double> joiningClearanceMm;  // s for shrinking on, >= 0; default 0.001·D
  SmoothingRule smoothing = SmoothingRule::Factor08;
  StressHypothesis hubStress = StressHypothesis::MaxShear;
  std::optional<PressLoad> load;               // for the slip safety; none: no S_R
  std::optional<JointTemperatures> operating;  // for the joint at temperature
};

// The joining clearance s when none is given: a thousandth of the joint
// diameter, the usual allowance for sliding the heated hub or cooled shaft on.
inline constexpr double kJoiningClearancePerDiameter = 0.001;
constexpr double defaultJoiningClearanceMm(double diameterMm) {
  return kJoiningClearancePerDiameter * diameterMm;
}

// Why an input was rejected; each value names the input concerned, which is
// NaN, infinite or outside its range (pressFitRange).
enum class PressFitError {
  None,
  FitUndefined,      // hole, shaft or their fit undefined at the size
  Diameter,          // D not a finite number above 0
  HubOuterDiameter,  // D_aA, also when D/D_aA rounds to 1
  ShaftBore,         // D_iI, also when D_iI/D rounds to 1
  Length,            // l
  HubModulus,        // E_A
  ShaftModulus,      // E_I
  HubPoisson,        // ν_A
  ShaftPoisson,      // ν_I
  HubYield,          // Re_A
  ShaftYield,        // Re_I
  HubAlpha,          // α_A
  ShaftAlpha,        // α_I
  HubRoughness,      // Rz_A
  ShaftRoughness,    // Rz_I
  Friction,          // μ
  PressFriction,     // μ_e
  JoiningClearance,  // s
  Torque,            // T of the load
  AxialForce,        // F_a of the load
  HubTemperature,    // below absolute zero, or α_A·(t − 20) outside (−1, 1]
  ShaftTemperature,  // the same for the shaft
};

// The range an input must lie in (see pressFitRange). The upper bounds keep
// every result finite: with them the largest pressure, force and torque stay
// below 1e20 and no reciprocal of a modulus or an α overflows. They lie far
// beyond any real joint: E up to 10⁷ MPa (diamond has about 1.2·10⁶), Re up
// to 10⁵ MPa, α from 0.01 µm/(m·K) (fused silica has about 0.5), a
// friction coefficient up to 10, lengths up to 1 km, Rz up to 1 mm.
struct PressFitRange {
  double low = 0;
  bool lowIncluded = false;
  double high = 0;
  bool highIncluded = true;
  bool holds(double value) const {
    return (lowIncluded ? value >= low : value > low) &&
           (highIncluded ? value <= high : value < high);
  }
};
inline constexpr double kPressMaxLengthMm = 1e6;
inline constexpr double kPressMinModulusMpa = 1;
inline constexpr double kPressMaxModulusMpa = 1e7;
inline constexpr double kPressMaxYieldMpa = 1e5;
inline constexpr double kPressMinAlphaUmPerMK = 0.01;
inline constexpr double kPressMaxAlphaUmPerMK = 1000;
inline constexpr double kPressMaxRoughnessUm = 1000;
inline constexpr double kPressMaxFriction = 10;
inline constexpr double kPressMaxLoad = 1e12;  // N·m and N

// The range of the input an error names, at the joint diameter D (mm):
//   D_aA in (D, 1e6], D_iI in [0, D), l in (0, 1e6], s in [0, D],
//   E in [1, 1e7], ν in (0, 0.5), Re in (0, 1e5], α in [0.01, 1000],
//   Rz in [0, 1000], μ and μ_e in (0, 10], T and F_a in [0, 1e12],
//   temperatures from −273.15 °C (and checkPartTemperature with the α).
// FitUndefined, Diameter and None name no input: an empty range.
PressFitRange pressFitRange(PressFitError input, double diameterMm);

// The joint at its operating temperatures: the interferences of the fit at
// temperature (fitOfClassesAtTemperature, as the fit's operating values),
// with the same ΔU, K and D as at 20 °C; the other figures from them as at
// 20 °C.
struct PressAtTemperature {
  double uMaxMm = 0;  // largest interference at temperature; negative is clearance
  double uMinMm = 0;  // smallest interference at temperature
  double pMaxMpa = 0;
  double pMinMpa = 0;
  double torqueNm = 0;
  double axialForceN = 0;
  std::optional<double> slipSafety;  // with a load, as at 20 °C
  std::optional<double> hubSafety;
  std::optional<double> shaftSafety;
  bool looseAtMin = false;  // U_min − ΔU <= 0 at temperature
  friend bool operator==(const PressAtTemperature&, const PressAtTemperature&) = default;
};

struct PressFitResult {
  double qHub = 0;                    // Q_A = D / D_aA
  double qShaft = 0;                  // Q_I = D_iI / D
  double smoothingMm = 0;             // ΔU = factor·(Rz_A + Rz_I)/1000
  double uMaxMm = 0;                  // es − EI, positive is interference
  double uMinMm = 0;                  // ei − ES
  double uMaxEffMm = 0;               // U_max − ΔU
  double uMinEffMm = 0;               // U_min − ΔU
  double k = 0;                       // K, 1/MPa
  double pMaxMpa = 0;                 // joint pressure at U_max; 0 when loose
  double pMinMpa = 0;                 // joint pressure at U_min; 0 when loose
  double torqueNm = 0;                // transmissible torque at p_min
  double axialForceN = 0;             // transmissible axial load at p_min
  double pressForceN = 0;             // press-in force at p_max
  double hubStressMpa = 0;            // equivalent stress at the hub bore, at p_max
  double shaftStressMpa = 0;          // equivalent stress of the shaft, at p_max
  std::optional<double> hubSafety;    // Re_A/σ_A; nullopt when σ_A = 0
  std::optional<double> shaftSafety;  // Re_I/σ_I; nullopt when σ_I = 0
  // Joining temperatures, only where there is interference to join
  // (U_max > 0); the shaft's also not below absolute zero.
  std::optional<double> hubTemperatureC;    // hub temperature for shrinking on
  std::optional<double> shaftTemperatureC;  // shaft temperature for cooling in
  bool noInterference = false;              // U_max <= 0: a clearance fit, nothing to join
  bool looseAtMin = false;                  // U_min − ΔU <= 0: no guaranteed pressure
  bool hubYields = false;                   // S_A < 1: the elastic method no longer holds
  bool shaftYields = false;                 // S_I < 1
  bool shaftBelowLn2 = false;               // cooling needs below −196 °C
  bool shaftBelowAbsoluteZero = false;      // cooling would need below −273.15 °C
  // With a load: F_res, and S_R = p_min·π·D·l·μ/F_res (0 when loose at the
  // smallest interference; nullopt also when F_res = 0).
  std::optional<double> resultantForceN;
  std::optional<double> slipSafety;
  bool slips = false;  // S_R < 1: the load overcomes the friction
  // With operating temperatures: the joint at them.
  std::optional<PressAtTemperature> atOperating;
  friend bool operator==(const PressFitResult&, const PressFitResult&) = default;
};

// What the window and the command line warn of, in this order.
enum class PressFitWarning {
  NoInterference,       // a clearance fit transmits nothing by friction
  LooseAtMinimum,       // an interference that may vanish at the smallest one
  Slips,                // S_R < 1 with a pressure at the smallest interference
  HubYields,            // S_A < 1
  ShaftYields,          // S_I < 1
  BelowLiquidNitrogen,  // cooling needs between −273.15 and −196 °C
  CoolingCannotJoin,    // cooling would need below absolute zero
  LooseAtOperating,     // not loose at 20 °C, but at the operating temperatures
};
std::vector<PressFitWarning> pressFitWarnings(const PressFitResult& result);
TextId pressFitWarningText(PressFitWarning warning);

struct PressFitOutcome {
  std::optional<PressFitResult> value;
  PressFitError error = PressFitError::None;
};

// The elastic thick-walled-cylinder method:
//   Q_A = D/D_aA, Q_I = D_iI/D
//   K = (1/E_A)((1 + Q_A²)/(1 − Q_A²) + ν_A) + (1/E_I)((1 + Q_I²)/(1 − Q_I²) − ν_I)
//   p = ((U − ΔU)/D)/K, 0 when U − ΔU <= 0
//   M = p_min·π·D²·l·μ/2/1000 (N·m), F_ax = p_min·π·D·l·μ, F_e = p_max·π·D·l·μ_e (N)
//   σ_A = 2p_max/(1 − Q_A²) (or von Mises, see StressHypothesis);
//   σ_I = p_max (solid) or 2p_max/(1 − Q_I²) (hollow)
//   S_R = p_min·π·D·l·μ/F_res with a load
//   t_A = 20 + (U_max + s)/(α_A·1e-6·D), t_I = 20 − (U_max + s)/(α_I·1e-6·D)
// The error is the first of pressFitErrors.
PressFitOutcome pressFit(const PressFitInput& input);

// The equivalent stresses at a joint pressure p (MPa): the hub's at its bore
// under the input's hypothesis, the shaft's. Both grow in proportion to p,
// so Re/(S_F·σ(1 MPa)) is the pressure at which a part reaches Re/S_F.
struct EquivalentStresses {
  double hubMpa = 0;
  double shaftMpa = 0;
};
EquivalentStresses equivalentStresses(const PressFitInput& input, double pressureMpa);

// K of the input, 1/MPa (see pressFit).
double elasticityFactor(const PressFitInput& input);

// Every input outside its range, in PressFitError order (FitUndefined last),
// so that a form can mark them all at once.
std::vector<PressFitError> pressFitErrors(const PressFitInput& input);

}  // namespace kalmo
