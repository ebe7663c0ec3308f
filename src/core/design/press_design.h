#pragma once

#include <optional>
#include <vector>

#include "calc/tolerance_class.h"
#include "design/fit_catalogue.h"
#include "design/grade_range.h"
#include "mech/press_fit.h"

namespace kalmo {

// The press fits that carry a load: the interference window the load and the
// yield strengths allow, and the ISO fits that lie inside it.
struct PressDesignRequest {
  // The joint: D, hub, shaft bore, length, materials, roughness, μ,
  // conventions and the load (required). Its hole and shaft are ignored; each
  // candidate brings its own. The window and the fits in it are found at
  // 20 °C; with operating temperatures each fit's press result also holds
  // the joint at them (atOperating), for the user to judge.
  PressFitInput joint;
  double slipSafety = 1.5;   // S_R the load must be carried with, >= 1
  double yieldSafety = 1.1;  // S_F against yielding at the largest interference, >= 1
  // The candidates: those of the design search with this system (HoleBasis,
  // ShaftBasis or AllCombinations) and grade range, of type interference.
  DesignSystem system = DesignSystem::HoleBasis;
  GradeBounds grades;
  // With operating temperatures in the joint: list only the fits that also
  // carry the load there with S_R and keep hub and shaft below Re/S_F there.
  // Without them there is nothing more to check.
  bool carryInOperation = false;
};

inline constexpr double kPressMaxSafety = 100;

// Why a design did not run; Joint carries the input's own error.
enum class PressDesignError {
  None,
  Joint,        // an input of the joint, see jointError
  NoLoad,       // no load, or T = F_a = 0: there is nothing to carry
  SlipSafety,   // S_R not in [1, 100]
  YieldSafety,  // S_F not in [1, 100]
  System,       // a system with a fixed class: the design takes none
};

// The window of interferences:
//   F_res = √((2000·T/D)² + F_a²)
//   p_req = S_R·F_res/(π·D·l·μ),       U_req = p_req·D·K + ΔU
//   p_perm = min(Re_A/(S_F·σ_A(1)), Re_I/(S_F·σ_I(1))),  U_perm = p_perm·D·K + ΔU
// with σ(1) the equivalent stress at 1 MPa (equivalentStresses).
struct PressDesignWindow {
  double forceN = 0;        // F_res
  double requiredMpa = 0;   // p_req
  double requiredMm = 0;    // U_req
  double permittedMpa = 0;  // p_perm
  double permittedMm = 0;   // U_perm
  friend constexpr bool operator==(const PressDesignWindow&, const PressDesignWindow&) = default;
  // U_req > U_perm: no fit can carry the load elastically.
  constexpr bool empty() const { return requiredMm > permittedMm; }
};

// A fit inside the window, U_min >= U_req and U_max <= U_perm.
struct PressDesignFit {
  FitClasses classes;
  bool preferred = false;  // a preferred fit of the catalogue
  TwentiethsUm uMin;       // ei − ES, exact
  TwentiethsUm uMax;       // es − EI, exact
  TwentiethsUm tolerance;  // fit tolerance U_max − U_min
  PressFitResult press;    // the method at this fit: p, safeties, S_R
  friend bool operator==(const PressDesignFit&, const PressDesignFit&) = default;
};

struct PressDesignResult {
  PressDesignWindow window;
  // Ranked: the larger fit tolerance first (the cheaper to make), then the
  // preferred fits, then the closer (U_min + U_max)/2 to (U_req + U_perm)/2,
  // then by hole and shaft class. Empty when the window is.
  std::vector<PressDesignFit> fits;
  // With an empty window: U_req − U_perm (mm), and p_req/p_perm, the factor
  // by which the load exceeds what the joint carries elastically with S_R.
  std::optional<double> shortfallMm;
  std::optional<double> loadFactor;
  // With carryInOperation: the fits of the window left out because they do
  // not carry the load in operation.
  std::size_t notInOperation = 0;
};

// The fit carries the load in operation: not loose there, S_R and both
// safeties against yielding at the operating temperatures at least those
// asked. True without operating temperatures.
bool carriesInOperation(const PressFitResult& press, double slipSafety, double yieldSafety);

struct PressDesignOutcome {
  std::optional<PressDesignResult> value;
  PressDesignError error = PressDesignError::None;
  PressFitError jointError = PressFitError::None;  // with PressDesignError::Joint
};

PressDesignOutcome designPressFit(const PressDesignRequest& request);

}  // namespace kalmo
