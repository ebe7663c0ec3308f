#pragma once

#include <optional>

#include "calc/evaluation.h"
#include "mech/materials.h"

namespace kalmo {

// Liquid nitrogen boils at about −196 °C: a shaft needing colder cannot be
// cooled with it.
inline constexpr double kLiquidNitrogenC = -196;

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
};

// Why an input was rejected; each value names the input concerned.
enum class PressFitError {
  None,
  FitUndefined,      // hole, shaft or their fit undefined at the size
  Diameter,          // D not a finite number above 0
  HubOuterDiameter,  // D_aA <= D (also when D/D_aA rounds to 1), or not finite
  ShaftBore,         // D_iI < 0, D_iI >= D, or not finite
  Length,            // l <= 0 or not finite
  HubModulus,        // E_A <= 0 or not finite
  ShaftModulus,      // E_I <= 0 or not finite
  HubPoisson,        // ν_A outside (0, 0.5)
  ShaftPoisson,      // ν_I outside (0, 0.5)
  HubYield,          // Re_A <= 0 or not finite
  ShaftYield,        // Re_I <= 0 or not finite
  HubAlpha,          // α_A <= 0 or not finite
  ShaftAlpha,        // α_I <= 0 or not finite
  HubRoughness,      // Rz_A < 0 or not finite
  ShaftRoughness,    // Rz_I < 0 or not finite
  Friction,          // μ <= 0 or not finite
  PressFriction,     // μ_e <= 0 or not finite
  JoiningClearance,  // s < 0 or not finite
};

struct PressFitResult {
  double qHub = 0;                    // Q_A = D / D_aA
  double qShaft = 0;                  // Q_I = D_iI / D
  double smoothingMm = 0;             // ΔU = 0.8·(Rz_A + Rz_I)/1000
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
  double hubTemperatureC = 0;         // hub temperature for shrinking on
  double shaftTemperatureC = 0;       // shaft temperature for cooling in
  bool looseAtMin = false;            // U_min − ΔU <= 0: no guaranteed pressure
  bool hubYields = false;             // S_A < 1: the elastic method no longer holds
  bool shaftYields = false;           // S_I < 1
  bool shaftBelowLn2 = false;         // cooling needs below −196 °C
  friend bool operator==(const PressFitResult&, const PressFitResult&) = default;
};

struct PressFitOutcome {
  std::optional<PressFitResult> value;
  PressFitError error = PressFitError::None;
};

// The elastic thick-walled-cylinder method:
//   Q_A = D/D_aA, Q_I = D_iI/D
//   K = (1/E_A)((1 + Q_A²)/(1 − Q_A²) + ν_A) + (1/E_I)((1 + Q_I²)/(1 − Q_I²) − ν_I)
//   p = ((U − ΔU)/D)/K, 0 when U − ΔU <= 0
//   M = p_min·π·D²·l·μ/2/1000 (N·m), F_ax = p_min·π·D·l·μ, F_e = p_max·π·D·l·μ_e (N)
//   σ_A = 2p_max/(1 − Q_A²); σ_I = p_max (solid) or 2p_max/(1 − Q_I²) (hollow)
//   t_A = 20 + (U_max + s)/(α_A·1e-6·D), t_I = 20 − (U_max + s)/(α_I·1e-6·D)
PressFitOutcome pressFit(const PressFitInput& input);

}  // namespace kalmo
