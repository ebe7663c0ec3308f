#include "mech/press_fit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

namespace kalmo {
namespace {

PressFitInput input(const char* fit, double hubOuter, double bore, MaterialId hub,
                    MaterialId shaft) {
  const FitClasses c = parseFitDesignation(fit).value.value_or(FitClasses{});
  const Evaluation e = Evaluate(50, c.hole, c.shaft).value_or(Evaluation{});
  PressFitInput in;
  in.diameterMm = 50;
  in.hole = e.hole;
  in.shaft = e.shaft;
  in.hubOuterMm = hubOuter;
  in.shaftBoreMm = bore;
  in.lengthMm = 40;
  in.hubMaterial = materialProperties(hub);
  in.shaftMaterial = materialProperties(shaft);
  in.friction = 0.12;
  return in;
}

void expectRelative(double actual, double expected) {
  EXPECT_NEAR(actual, expected, 1e-12 * std::fabs(expected));
}

// Every case at D = 50 mm, l = 40 mm, μ = 0.12; expected values evaluated to
// 40 digits from the elastic thick-walled-cylinder formulas.
TEST(PressFit, AgreesWithHandComputedJoints) {
  struct Case {
    const char* name;
    const char* fit;
    double hubOuter, bore;
    MaterialId hub, shaft;
    double rzHub, rzShaft;
    std::optional<double> pressFriction, joiningClearance;
    double k, pMax, pMin, torque, axial, press, hubStress, shaftStress;
    std::optional<double> hubSafety, shaftSafety;
    std::optional<double> hubTemp, shaftTemp;
    bool loose, hubYields, shaftYields, belowLn2;
  };
  constexpr auto steel = MaterialId::Steel;
  const Case cases[] = {
      {"solid, steel on steel",
       "H7/s6",
       80,
       0,
       steel,
       steel,
       0,
       0,
       {},
       {},
       1.5628815628815629e-5,
       75.5015625,
       23.034375,
       434.18773968019436,
       17367.509587207774,
       56926.83698029215,
       247.8,
       75.5015625,
       1.4326069410815174,
       4.7018894476521595,
       201.66666666666667,
       -161.66666666666667,
       false,
       false,
       false,
       false},
      {"aluminium hub, rough, own press-in friction",
       "H7/s6",
       80,
       0,
       MaterialId::Aluminium,
       steel,
       6.3,
       4,
       0.1,
       {},
       4.021978021978022e-5,
       25.241311475409836,
       4.8533333333333333,
       91.483178072534779,
       3659.3271229013912,
       15859.583739623857,
       82.84327868852459,
       25.241311475409836,
       3.017746327254306,
       14.064245447224171,
       114.78260869565217,
       -161.66666666666667,
       false,
       false,
       false,
       false},
      {"hollow shaft, joining clearance",
       "H7/s6",
       80,
       30,
       steel,
       steel,
       0,
       0,
       {},
       0.02,
       2.0985958485958486e-5,
       56.228072727272727,
       17.154327272727273,
       323.3514512236502,
       12934.058048946008,
       42394.968049323026,
       184.54341818181818,
       175.71272727272727,
       1.923666546862389,
       2.0203431220380373,
       151.66666666666667,
       -111.66666666666667,
       false,
       false,
       false,
       false},
      {"smoothing eats the minimum",
       "H7/p6",
       80,
       0,
       steel,
       steel,
       2,
       2,
       {},
       {},
       1.5628815628815629e-5,
       49.651875,
       0,
       0,
       0,
       37436.631776870092,
       162.96,
       49.651875,
       2.1784486990672558,
       7.1497803456566343,
       173.33333333333333,
       -133.33333333333333,
       true,
       false,
       false,
       false},
      {"thin hub yields, colder than liquid nitrogen",
       "H7/x6",
       55,
       0,
       steel,
       steel,
       0,
       0,
       {},
       {},
       5.4875283446712018e-5,
       41.184297520661157,
       26.241322314049587,
       494.63727241380057,
       19785.490896552023,
       31052.228768199702,
       474.6,
       41.184297520661157,
       0.74799831436999579,
       8.6197900989304276,
       291.66666666666667,
       -251.66666666666667,
       false,
       true,
       false,
       true},
      {"clearance fit: no pressure, no safety",
       "H7/h6",
       80,
       0,
       MaterialId::Bronze,
       steel,
       0,
       0,
       {},
       {},
       2.6133779264214047e-5,
       0,
       0,
       0,
       0,
       0,
       0,
       0,
       {},
       {},
       {},  // no interference to join: no temperatures
       {},
       true,
       false,
       false,
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PressFitInput in = input(c.fit, c.hubOuter, c.bore, c.hub, c.shaft);
    in.rzHubUm = c.rzHub;
    in.rzShaftUm = c.rzShaft;
    in.pressFriction = c.pressFriction;
    in.joiningClearanceMm = c.joiningClearance;
    const PressFitOutcome out = pressFit(in);
    ASSERT_TRUE(out.value);
    const PressFitResult& r = *out.value;
    EXPECT_EQ(r.qHub, 50 / c.hubOuter);
    EXPECT_EQ(r.qShaft, c.bore / 50);
    EXPECT_EQ(r.uMaxEffMm, r.uMaxMm - 0.8 * (c.rzHub + c.rzShaft) / 1000);
    expectRelative(r.k, c.k);
    expectRelative(r.pMaxMpa, c.pMax);
    expectRelative(r.pMinMpa, c.pMin);
    expectRelative(r.torqueNm, c.torque);
    expectRelative(r.axialForceN, c.axial);
    expectRelative(r.pressForceN, c.press);
    expectRelative(r.hubStressMpa, c.hubStress);
    expectRelative(r.shaftStressMpa, c.shaftStress);
    ASSERT_EQ(r.hubSafety.has_value(), c.hubSafety.has_value());
    if (c.hubSafety) expectRelative(*r.hubSafety, *c.hubSafety);
    ASSERT_EQ(r.shaftSafety.has_value(), c.shaftSafety.has_value());
    if (c.shaftSafety) expectRelative(*r.shaftSafety, *c.shaftSafety);
    ASSERT_EQ(r.hubTemperatureC.has_value(), c.hubTemp.has_value());
    if (c.hubTemp) expectRelative(*r.hubTemperatureC, *c.hubTemp);
    ASSERT_EQ(r.shaftTemperatureC.has_value(), c.shaftTemp.has_value());
    if (c.shaftTemp) expectRelative(*r.shaftTemperatureC, *c.shaftTemp);
    EXPECT_EQ(r.looseAtMin, c.loose);
    EXPECT_EQ(r.hubYields, c.hubYields);
    EXPECT_EQ(r.shaftYields, c.shaftYields);
    EXPECT_EQ(r.shaftBelowLn2, c.belowLn2);
  }
}

// The command-line tests cover the message of every other input.
TEST(PressFit, RejectsImpossibleInputNamingIt) {
  struct Case {
    const char* name;
    void (*change)(PressFitInput&);
    PressFitError error;
  };
  const Case cases[] = {
      {"hub as large as the joint", [](PressFitInput& in) { in.hubOuterMm = 50; },
       PressFitError::HubOuterDiameter},
      {"a hub wall of one bit is still a hub",
       [](PressFitInput& in) { in.hubOuterMm = std::nextafter(50.0, 100.0); }, PressFitError::None},
      {"negative bore", [](PressFitInput& in) { in.shaftBoreMm = -1; }, PressFitError::ShaftBore},
      {"shaft ν 0.5", [](PressFitInput& in) { in.shaftMaterial.poisson = 0.5; },
       PressFitError::ShaftPoisson},
      {"hub ν 0", [](PressFitInput& in) { in.hubMaterial.poisson = 0; }, PressFitError::HubPoisson},
      {"μ_e", [](PressFitInput& in) { in.pressFriction = std::nan(""); },
       PressFitError::PressFriction},
      {"NaN length", [](PressFitInput& in) { in.lengthMm = std::nan(""); }, PressFitError::Length},
      {"undefined shaft", [](PressFitInput& in) { in.shaft = kUndefinedClass; },
       PressFitError::FitUndefined},
      {"solid shaft is fine", [](PressFitInput& in) { in.shaftBoreMm = 0; }, PressFitError::None},
      // Bounds that keep every result finite.
      {"μ 1e308", [](PressFitInput& in) { in.friction = 1e308; }, PressFitError::Friction},
      {"μ 10", [](PressFitInput& in) { in.friction = 10; }, PressFitError::None},
      {"E_A subnormal", [](PressFitInput& in) { in.hubMaterial.elasticModulusMpa = 1e-320; },
       PressFitError::HubModulus},
      {"E_I 1e8", [](PressFitInput& in) { in.shaftMaterial.elasticModulusMpa = 1e8; },
       PressFitError::ShaftModulus},
      {"α_I subnormal", [](PressFitInput& in) { in.shaftMaterial.alphaUmPerMK = 1e-320; },
       PressFitError::ShaftAlpha},
      {"Re_A 1e300", [](PressFitInput& in) { in.hubMaterial.yieldMpa = 1e300; },
       PressFitError::HubYield},
      {"l 1e300", [](PressFitInput& in) { in.lengthMm = 1e300; }, PressFitError::Length},
      {"D_aA 1e300", [](PressFitInput& in) { in.hubOuterMm = 1e300; },
       PressFitError::HubOuterDiameter},
      {"Rz 1e300", [](PressFitInput& in) { in.rzShaftUm = 1e300; }, PressFitError::ShaftRoughness},
      {"s above D", [](PressFitInput& in) { in.joiningClearanceMm = 51; },
       PressFitError::JoiningClearance},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PressFitInput in = input("H7/s6", 80, 10, MaterialId::Steel, MaterialId::Steel);
    c.change(in);
    const PressFitOutcome out = pressFit(in);
    EXPECT_EQ(out.error, c.error);
    EXPECT_EQ(out.value.has_value(), c.error == PressFitError::None);
    if (out.value) {
      EXPECT_TRUE(std::isfinite(out.value->hubStressMpa));
      EXPECT_TRUE(std::isfinite(out.value->torqueNm));
    }
  }
}

// Every bad input at once, for a form that marks them all.
TEST(PressFit, ListsEveryBadInput) {
  PressFitInput in = input("H7/s6", 40, 60, MaterialId::Steel, MaterialId::Steel);
  in.friction = 0;
  EXPECT_EQ(pressFitErrors(in),
            (std::vector<PressFitError>{PressFitError::HubOuterDiameter, PressFitError::ShaftBore,
                                        PressFitError::Friction}));
}

// Joining temperatures only for an interference, never below absolute zero;
// the warnings name what the temperatures leave out.
TEST(PressFit, JoiningTemperaturesOnlyWhereThereIsInterferenceToJoin) {
  struct Case {
    const char* fit;
    MaterialId hub;
    double hubOuter;
    bool hubTemp, shaftTemp;
    std::vector<PressFitWarning> warnings;
  };
  const Case cases[] = {
      {"H11/c11", MaterialId::Steel, 80, false, false, {PressFitWarning::NoInterference}},
      {"H7/h6", MaterialId::Steel, 80, false, false, {PressFitWarning::NoInterference}},
      {"H7/s6", MaterialId::Steel, 80, true, true, {}},
      // Cooling the steel shaft would need about −290 °C.
      {"H8/x8", MaterialId::Aluminium, 60, true, false, {PressFitWarning::CoolingCannotJoin}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fit);
    PressFitInput in = input(c.fit, c.hubOuter, 0, c.hub, MaterialId::Steel);
    const PressFitOutcome out = pressFit(in);
    ASSERT_TRUE(out.value);
    EXPECT_EQ(out.value->hubTemperatureC.has_value(), c.hubTemp);
    EXPECT_EQ(out.value->shaftTemperatureC.has_value(), c.shaftTemp);
    EXPECT_EQ(pressFitWarnings(*out.value), c.warnings);
  }
}

// D = 50, D_aA = 80, l = 40, μ = 0.12, steel on a solid steel shaft:
// Q_A² = 0.390625, K = (2.2820513 + 0.3 + 1 − 0.3)/210000 = 1.5628816e-5.
// Slip safety S_R = p_min·π·D·l·μ/F_res, π·D·l·μ = 240π:
//   H7/s6: p_min = 0.018/50/K = 23.034375; T = 400 N·m gives
//   F_res = 2000·400/50 = 16000 N, S_R = 23.034375·240π/16000 = 1.0854693;
//   with F_a = 12000 N as well F_res = √(16000² + 12000²) = 20000 N,
//   S_R = 0.8683755 (< 1: slips). H7/p6 with Rz 2 + 2 is loose: S_R = 0.
// Smoothing with Rz 4 + 4: ΔU = 0.8·8 µm = 0.0064 mm or 0.4·8 µm = 0.0032 mm;
//   p_max = (0.059 − ΔU)/50/K = 67.3115625 or 71.4065625.
// Hub stress at p_max: max. shear 2p/(1 − Q_A²); von Mises
//   p·√(3 + Q_A⁴)/(1 − Q_A²), √3.1525879 = 1.7755585:
//   0.4 with von Mises: 71.4065625·1.7755585/0.609375 = 208.05928.
TEST(PressFit, SlipSafetyAndConventionsAsComputedByHand) {
  struct Case {
    const char* name;
    const char* fit;
    double rz;  // Rz of bore and shaft, µm
    SmoothingRule smoothing;
    StressHypothesis hypothesis;
    std::optional<PressLoad> load;
    double smoothingMm, pMax, hubStress;
    std::optional<double> force, slipSafety;
    bool slips;
  };
  const Case cases[] = {
      {"no load",
       "H7/s6",
       0,
       SmoothingRule::Factor08,
       StressHypothesis::MaxShear,
       {},
       0,
       75.5015625,
       247.8,
       {},
       {},
       false},
      {"torque", "H7/s6", 0, SmoothingRule::Factor08, StressHypothesis::MaxShear, PressLoad{400, 0},
       0, 75.5015625, 247.8, 16000, 1.0854693492004859, false},
      {"torque and axial force", "H7/s6", 0, SmoothingRule::Factor08, StressHypothesis::MaxShear,
       PressLoad{400, 12000}, 0, 75.5015625, 247.8, 20000, 0.86837547936038872, true},
      {"zero load: no safety",
       "H7/s6",
       0,
       SmoothingRule::Factor08,
       StressHypothesis::MaxShear,
       PressLoad{0, 0},
       0,
       75.5015625,
       247.8,
       0,
       {},
       false},
      {"smoothing 0.8",
       "H7/s6",
       4,
       SmoothingRule::Factor08,
       StressHypothesis::MaxShear,
       {},
       0.0064,
       67.3115625,
       220.92,
       {},
       {},
       false},
      {"smoothing 0.4, von Mises",
       "H7/s6",
       4,
       SmoothingRule::Factor04,
       StressHypothesis::VonMises,
       {},
       0.0032,
       71.4065625,
       208.05928188996137,
       {},
       {},
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PressFitInput in = input(c.fit, 80, 0, MaterialId::Steel, MaterialId::Steel);
    in.rzHubUm = in.rzShaftUm = c.rz;
    in.smoothing = c.smoothing;
    in.hubStress = c.hypothesis;
    in.load = c.load;
    const PressFitOutcome out = pressFit(in);
    ASSERT_TRUE(out.value);
    const PressFitResult& r = *out.value;
    expectRelative(r.smoothingMm, c.smoothingMm);
    expectRelative(r.pMaxMpa, c.pMax);
    expectRelative(r.hubStressMpa, c.hubStress);
    EXPECT_EQ(r.resultantForceN.has_value(), c.force.has_value());
    if (c.force) expectRelative(*r.resultantForceN, *c.force);
    ASSERT_EQ(r.slipSafety.has_value(), c.slipSafety.has_value());
    if (c.slipSafety) expectRelative(*r.slipSafety, *c.slipSafety);
    EXPECT_EQ(r.slips, c.slips);
    EXPECT_EQ(pressFitWarnings(r) == std::vector{PressFitWarning::Slips}, c.slips);
  }
  // Loose at the smallest interference: S_R is 0, and the warning is the
  // loose one.
  PressFitInput loose = input("H7/p6", 80, 0, MaterialId::Steel, MaterialId::Steel);
  loose.rzHubUm = loose.rzShaftUm = 2;
  loose.load = PressLoad{400, 0};
  const PressFitResult r = *pressFit(loose).value;
  EXPECT_EQ(r.slipSafety, 0.0);
  EXPECT_EQ(pressFitWarnings(r), std::vector{PressFitWarning::LooseAtMinimum});
}

// The joint at operating temperatures, D = 50 mm, K as above.
// Steel hub at 60 °C on a steel H7/u6 shaft at 20 °C: the hub grows by
// 12e-6·40 = 4.8e-4, ES = 0.025 + 50.025·4.8e-4 = 0.049012, EI = 0.024;
// U_max = 0.086 − 0.024 = 0.062, U_min = 0.070 − 0.049012 = 0.020988;
// p_max = 0.062/50/K = 79.340625, p_min = 26.85808125,
// M = p_min·π·50²·40·0.12/2000 = 506.26290 N·m, S_R (400 N·m) = 1.2656573,
// S_A = 355·0.609375/(2·79.340625) = 1.3632873, S_I = 355/79.340625 = 4.4743787.
// An aluminium hub at 80 °C on H7/s6 opens up: U_max = 0.059 − 50·23e-6·60
// = −0.01, U_min = 0.043 − (0.025 + 50.025·1.38e-3) = −0.0510345.
TEST(PressFit, AtOperatingTemperaturesAsComputedByHand) {
  PressFitInput in = input("H7/u6", 80, 0, MaterialId::Steel, MaterialId::Steel);
  in.load = PressLoad{400, 0};
  in.operating = JointTemperatures{60, 20};
  const PressFitResult r = *pressFit(in).value;
  ASSERT_TRUE(r.atOperating);
  const PressAtTemperature& t = *r.atOperating;
  expectRelative(t.uMaxMm, 0.062);
  expectRelative(t.uMinMm, 0.020988);
  expectRelative(t.pMaxMpa, 79.340625);
  expectRelative(t.pMinMpa, 26.85808125);
  expectRelative(t.torqueNm, 506.26290446710663);
  expectRelative(*t.slipSafety, 1.2656572611677666);
  expectRelative(*t.hubSafety, 1.3632872503840246);
  expectRelative(*t.shaftSafety, 4.474378667927055);
  EXPECT_FALSE(t.looseAtMin);
  // At 20 °C U_max = 0.086 gives σ_A = 361.2 > 355 MPa and a shaft at
  // 20 − 0.136/(12e-6·50) = −206.7 °C; nothing about the temperatures.
  EXPECT_EQ(pressFitWarnings(r),
            (std::vector{PressFitWarning::HubYields, PressFitWarning::BelowLiquidNitrogen}));

  PressFitInput hot = input("H7/s6", 80, 0, MaterialId::Aluminium, MaterialId::Steel);
  hot.operating = JointTemperatures{80, 20};
  const PressFitResult h = *pressFit(hot).value;
  expectRelative(h.atOperating->uMaxMm, -0.01);
  expectRelative(h.atOperating->uMinMm, -0.0510345);
  EXPECT_EQ(h.atOperating->pMaxMpa, 0);
  EXPECT_TRUE(h.atOperating->looseAtMin);
  EXPECT_EQ(pressFitWarnings(h), std::vector{PressFitWarning::LooseAtOperating});

  // At 20 °C the joint at temperature is the joint itself.
  in.operating = JointTemperatures{};
  const PressFitResult same = *pressFit(in).value;
  EXPECT_EQ(same.atOperating->uMaxMm, same.uMaxMm);
  EXPECT_EQ(same.atOperating->pMinMpa, same.pMinMpa);
  EXPECT_EQ(same.atOperating->slipSafety, same.slipSafety);

  in.operating = JointTemperatures{-300, 20};
  EXPECT_EQ(pressFit(in).error, PressFitError::HubTemperature);
  in.operating = JointTemperatures{20, 1e7};  // 1.2e-5·1e7: more than double
  EXPECT_EQ(pressFit(in).error, PressFitError::ShaftTemperature);
  in.operating.reset();
  in.load = PressLoad{-1, 0};
  EXPECT_EQ(pressFit(in).error, PressFitError::Torque);
}

}  // namespace
}  // namespace kalmo
