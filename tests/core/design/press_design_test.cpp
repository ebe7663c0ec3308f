#include "design/press_design.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace kalmo {
namespace {

void expectRelative(double actual, double expected) {
  EXPECT_NEAR(actual, expected, 1e-12 * std::fabs(expected));
}

// D = 50 mm, l = 40 mm, μ = 0.12 (π·D·l·μ = 240π), steel preset unless named.
PressDesignRequest request(double hubOuter, double bore, MaterialId hub, PressLoad load) {
  PressDesignRequest r;
  PressFitInput& in = r.joint;
  in.diameterMm = 50;
  in.hubOuterMm = hubOuter;
  in.shaftBoreMm = bore;
  in.lengthMm = 40;
  in.hubMaterial = materialProperties(hub);
  in.shaftMaterial = materialProperties(MaterialId::Steel);
  in.friction = 0.12;
  in.load = load;
  r.grades = kItApplicationRanges[0].bounds();  // precision, 5..12
  return r;
}

std::vector<std::string> designations(const std::vector<PressDesignFit>& fits, std::size_t n) {
  std::vector<std::string> names;
  for (std::size_t i = 0; i < n && i < fits.size(); ++i) {
    names.push_back(Designation(Side::Hole, fits[i].classes.hole) + "/" +
                    Designation(Side::Shaft, fits[i].classes.shaft));
  }
  return names;
}

// The window, by hand:
//  1 The worked example: hub 80 (Q_A² = 0.390625), solid shaft, steel,
//    K = 3.2820513/210000 = 1.5628816e-5. T = 400 N·m: F_res = 16000 N,
//    p_req = 1.5·16000/(240π) = 100/π = 31.830989, U_req = p_req·50·K =
//    0.024874033; p_perm = hub 355/1.1·0.609375/2 = 98.330966 (the shaft's
//    322.7 is larger), U_perm = 0.076839827.
//  2 Aluminium hub 100 (Q_A = 0.5) on a steel shaft with a 25 mm bore
//    (Q_I = 0.5), Rz 4 + 4 with 0.4 (ΔU = 0.0032), von Mises; T = 300 N·m and
//    F_a = 9000 N: F_res = √(12000² + 9000²) = 15000, p_req = 93.75/π =
//    29.841552, K = 1.9666667/70000 + 1.3666667/210000 = 3.4603175e-5,
//    U_req = p_req·50·K + 0.0032 = 0.054830621; p_perm = min(hub
//    250/1.1·0.75/√3.0625 = 97.402597, shaft 355/1.1·0.75/2 = 121.02273),
//    U_perm = 0.17172195.
//  3 A thin hollow shaft governs: steel hub 80, bore 40 (Q_I² = 0.64),
//    S_R = 2, S_F = 1.25, T = 100 N·m: F_res = 4000, p_req = 33.333/π =
//    10.610330, K = (2.5820513 + 4.2555556)/210000, U_req = 0.017273634;
//    p_perm = min(hub 284·0.3046875 = 86.53125, shaft 284·0.36/2 = 51.12),
//    U_perm = 0.083223443.
TEST(PressDesign, WindowAsComputedByHand) {
  struct Case {
    const char* name;
    PressDesignRequest request;
    double force, pReq, uReq, pPerm, uPerm;
  };
  PressDesignRequest hollow = request(100, 25, MaterialId::Aluminium, {300, 9000});
  hollow.joint.rzHubUm = hollow.joint.rzShaftUm = 4;
  hollow.joint.smoothing = SmoothingRule::Factor04;
  hollow.joint.hubStress = StressHypothesis::VonMises;
  PressDesignRequest thin = request(80, 40, MaterialId::Steel, {100, 0});
  thin.slipSafety = 2;
  thin.yieldSafety = 1.25;
  const Case cases[] = {
      {"worked example", request(80, 0, MaterialId::Steel, {400, 0}), 16000, 31.830988618379067,
       0.024874032619978758, 98.330965909090909, 0.07683982683982684},
      {"aluminium hub, hollow shaft", hollow, 15000, 29.841551829730375, 0.054830621419692237,
       97.402597402597403, 0.17172195423623995},
      {"thin hollow shaft", thin, 4000, 10.610329539459689, 0.017273633763874138, 51.12,
       0.083223443223443223},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const PressDesignOutcome out = designPressFit(c.request);
    ASSERT_TRUE(out.value);
    const PressDesignWindow& w = out.value->window;
    expectRelative(w.forceN, c.force);
    expectRelative(w.requiredMpa, c.pReq);
    expectRelative(w.requiredMm, c.uReq);
    expectRelative(w.permittedMpa, c.pPerm);
    expectRelative(w.permittedMm, c.uPerm);
    // Every fit listed lies inside and carries the load with S_R and S_F.
    for (const PressDesignFit& f : out.value->fits) {
      EXPECT_GE(f.uMin.mm(), w.requiredMm);
      EXPECT_LE(f.uMax.mm(), w.permittedMm);
      EXPECT_GE(*f.press.slipSafety, c.request.slipSafety * (1 - 1e-12));
      EXPECT_GE(*f.press.hubSafety, c.request.yieldSafety * (1 - 1e-12));
    }
  }
}

// The worked example at T = 2000 N·m needs five times the pressure:
// U_req = 5·0.024874033 = 0.12437016 > U_perm = 0.076839827, short by
// 0.047530336 mm; p_req/p_perm = (500/π)/98.330966 = 1.6185638.
TEST(PressDesign, LoadNoFitCarriesSaysByHowMuch) {
  const PressDesignOutcome out = designPressFit(request(80, 0, MaterialId::Steel, {2000, 0}));
  ASSERT_TRUE(out.value);
  EXPECT_TRUE(out.value->window.empty());
  EXPECT_TRUE(out.value->fits.empty());
  expectRelative(*out.value->shortfallMm, 0.047530336260066951);
  expectRelative(*out.value->loadFactor, 1.6185638127366460);
}

// Ranking in the worked example (window 0.024874..0.076840, middle 0.050857):
//  400 N·m, hole basis: fit tolerance 41 µm first: H7/t6 (0.029..0.070,
//  middle 0.0495) before H6/s7 (0.027..0.068, 0.0475), being closer; then
//  36 µm: H5/s7 (0.032..0.068, 0.050) before H7/t5 (0.029..0.065, 0.047).
//  250 N·m (U_req = 0.015546, middle 0.046193): H6/r8 (0.018..0.073, 55 µm);
//  50 µm: H5/r8 (middle 0.048) before H7/s7 (0.043); 41 µm: the preferred
//  H7/s6 (0.018..0.059, middle 0.0385) before H6/s7 (0.0475) and H7/t6
//  (0.0495), which lie closer, and before H6/r7 with the same interferences.
TEST(PressDesign, RanksByToleranceThenPreferredThenCloseness) {
  struct Case {
    double torque;
    std::vector<std::string> first;
  };
  const Case cases[] = {
      {400, {"H7/t6", "H6/s7", "H5/s7", "H7/t5"}},
      {250, {"H6/r8", "H5/r8", "H7/s7", "H7/s6", "H6/s7", "H7/t6", "H6/r7"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.torque);
    const PressDesignOutcome out = designPressFit(request(80, 0, MaterialId::Steel, {c.torque, 0}));
    ASSERT_TRUE(out.value);
    EXPECT_EQ(designations(out.value->fits, c.first.size()), c.first);
  }
}

// In operation, by hand on the worked example at 400 N·m (steel, α 12):
// a hub at 40 °C grows by 50·12e-6·20 = 0.012 mm, so a fit carries the load
// there when U_min − 0.012 >= U_req = 0.024874; a shaft at 40 °C adds
// 0.012 mm, so it stays below Re/S_F when U_max + 0.012 <= U_perm =
// 0.076840. The fits of the 20 °C window that fail are counted.
TEST(PressDesign, CarriesTheLoadInOperationWhenAsked) {
  struct Case {
    double hubC, shaftC;
    bool (*carries)(const PressDesignFit&);
  };
  const Case cases[] = {
      {40, 20, [](const PressDesignFit& f) { return f.uMin.mm() - 0.012 >= 0.024874033; }},
      {20, 40, [](const PressDesignFit& f) { return f.uMax.mm() + 0.012 <= 0.076839827; }},
  };
  const PressDesignResult at20 = *designPressFit(request(80, 0, MaterialId::Steel, {400, 0})).value;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.hubC + c.shaftC);
    PressDesignRequest r = request(80, 0, MaterialId::Steel, {400, 0});
    r.joint.operating = JointTemperatures{c.hubC, c.shaftC};
    r.carryInOperation = true;
    const PressDesignResult hot = *designPressFit(r).value;
    std::vector<std::string> expected;
    for (const PressDesignFit& f : at20.fits) {
      if (c.carries(f)) expected.push_back(designations({f}, 1).front());
    }
    EXPECT_FALSE(expected.empty());
    EXPECT_EQ(designations(hot.fits, hot.fits.size()), expected);
    EXPECT_EQ(hot.fits.size() + hot.notInOperation, at20.fits.size());
    EXPECT_GT(hot.notInOperation, 0u);
  }
}

TEST(PressDesign, RejectsWhatCannotBeDesignedFor) {
  struct Case {
    const char* name;
    void (*change)(PressDesignRequest&);
    PressDesignError error;
  };
  const Case cases[] = {
      {"no load", [](PressDesignRequest& r) { r.joint.load.reset(); }, PressDesignError::NoLoad},
      {"zero load", [](PressDesignRequest& r) { r.joint.load = PressLoad{}; },
       PressDesignError::NoLoad},
      {"S_R below 1", [](PressDesignRequest& r) { r.slipSafety = 0.9; },
       PressDesignError::SlipSafety},
      {"S_F NaN", [](PressDesignRequest& r) { r.yieldSafety = NAN; },
       PressDesignError::YieldSafety},
      {"fixed-class system", [](PressDesignRequest& r) { r.system = DesignSystem::HoleTolerance; },
       PressDesignError::System},
      {"joint", [](PressDesignRequest& r) { r.joint.hubOuterMm = 50; }, PressDesignError::Joint},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PressDesignRequest r = request(80, 0, MaterialId::Steel, {400, 0});
    c.change(r);
    EXPECT_EQ(designPressFit(r).error, c.error);
  }
}

}  // namespace
}  // namespace kalmo
