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

}  // namespace
}  // namespace kalmo
