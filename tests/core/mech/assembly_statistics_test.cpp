#include "mech/assembly_statistics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace kalmo {
namespace {

Evaluation at20(double size, const char* fit) {
  const FitParse parsed = parseFitDesignation(fit);
  EXPECT_TRUE(parsed.value) << fit;
  const FitClasses c = parsed.value.value_or(FitClasses{});
  return Evaluate(size, c.hole, c.shaft).value_or(Evaluation{});
}

TEST(AssemblyStatistics, AgreesWithTheClosedForms) {
  struct Case {
    double size;
    const char* fit;
    SizeDistribution model;
    double mean, sd, pInterference;  // mm, mm, probability
  };
  const Case cases[] = {
      // Φ(−μ/σ) evaluated to 40 digits.
      {50, "H7/k6", SizeDistribution::Normal, 0.0025, 0.0049469406932186101, 0.30665200669491394},
      // A clearance fit's tail, far below what 1 − Φ could show.
      {10, "H7/f6", SizeDistribution::Normal, 0.025, 0.0029154759474226502, 4.9573859720694626e-18},
      {30, "JS7/js6", SizeDistribution::Normal, 0, 0.004116363011742823, 0.5},
      {30, "JS7/js6", SizeDistribution::Uniform, 0, 0.0071297498787358125, 0.5},
      // Trapezoid, middle: (0.018 − 0.016/2)/0.025.
      {50, "H7/k6", SizeDistribution::Uniform, 0.0025, 0.0085683526226846352, 0.4},
      // Equal tolerances make a triangle: 0.013²/(2·0.021²) and 1 − 0.019²/(2·0.021²).
      {30, "H7/j7", SizeDistribution::Uniform, 0.008, 0.021 / std::sqrt(6.0), 0.19160997732426304},
      {30, "H7/k7", SizeDistribution::Uniform, -0.002, 0.021 / std::sqrt(6.0), 0.59070294784580499},
      // Outside the trapezoid: never or always.
      {10, "H7/f6", SizeDistribution::Uniform, 0.025, 0.005049752469181039, 0},
      {30, "H7/s6", SizeDistribution::Uniform, -0.031,
       std::sqrt(0.021 * 0.021 + 0.013 * 0.013) / std::sqrt(12.0), 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << c.size << " " << c.fit << " "
                 << (c.model == SizeDistribution::Normal ? "normal" : "uniform"));
    const Evaluation e = at20(c.size, c.fit);
    const auto s = assemblyStatistics(e.hole, e.shaft, c.model);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->model, c.model);
    EXPECT_NEAR(s->meanMm, c.mean, 1e-12 * std::max(1.0, std::fabs(c.mean)));
    EXPECT_NEAR(s->sdMm, c.sd, 1e-12 * c.sd);
    EXPECT_NEAR(s->pInterference, c.pInterference, 1e-12 * c.pInterference);
    EXPECT_NEAR(s->pClearance, 1 - s->pInterference, 1e-15);
  }
}

// Each probability comes from its own tail: far inside one kind, the other
// kind's share is tiny, not 1 − 1 = 0.
TEST(AssemblyStatistics, EachShareFromItsOwnTail) {
  const struct {
    const char* fit;
    SizeDistribution model;
    double pClearance;
  } cases[] = {
      // Φ(−65.5/(√881/6)) for H7/u6 at 50 mm.
      {"H7/u6", SizeDistribution::Normal, 2.6e-40},
      {"H7/u6", SizeDistribution::Uniform, 0},
      {"H7/k6", SizeDistribution::Uniform, 0.6},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.fit);
    const Evaluation e = at20(50, c.fit);
    const auto s = assemblyStatistics(e.hole, e.shaft, c.model);
    ASSERT_TRUE(s);
    EXPECT_NEAR(s->pClearance, c.pClearance, 0.05 * c.pClearance + 1e-15);
  }
}

// The probable fit is mean ± 3σ of the normal model whatever the model, as
// bearing makers print it; worked by hand in µm.
TEST(AssemblyStatistics, ProbableFitIsTheMeanPlusMinusThreeSigma) {
  const struct {
    double size;
    const char* fit;
    SizeDistribution model;
    double minUm, maxUm;
  } cases[] = {
      // Bore 0/-10, k5 +11/+2: mean -11.5, 3σ = √(10² + 9²)/2 = 6.7268.
      {30, "bearing/k5", SizeDistribution::Normal, -18.226812, -4.773188},
      // N7 -9/-39 around 0/-13: mean -17.5, 3σ = √(30² + 13²)/2 = 16.3478.
      {62, "N7/bearing", SizeDistribution::Normal, -33.847783, -1.152217},
      {62, "N7/bearing", SizeDistribution::Uniform, -33.847783, -1.152217},
      // H7/g6 at 50 mm: mean 29.5, 3σ = √(25² + 16²)/2 = 14.8408.
      {50, "H7/g6", SizeDistribution::Uniform, 14.659178, 44.340822},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.size << " " << c.fit);
    const Evaluation e = at20(c.size, c.fit);
    const auto s = assemblyStatistics(e.hole, e.shaft, c.model);
    ASSERT_TRUE(s);
    EXPECT_NEAR(s->probableMinMm * 1000, c.minUm, 1e-6);
    EXPECT_NEAR(s->probableMaxMm * 1000, c.maxUm, 1e-6);
    // Inside the limits of the fit: the probable fit is the narrower one.
    EXPECT_GE(s->probableMinMm, std::min(e.fit.value1Mm(), e.fit.value2Mm()));
    EXPECT_LE(s->probableMaxMm, std::max(e.fit.value1Mm(), e.fit.value2Mm()));
  }
}

TEST(AssemblyStatistics, NoneForAnUndefinedFit) {
  const Evaluation e = at20(30, "K9/g6");
  EXPECT_FALSE(assemblyStatistics(e.hole, e.shaft, SizeDistribution::Normal));
  EXPECT_FALSE(assemblyStatistics(e.hole, e.shaft, SizeDistribution::Uniform));
}

}  // namespace
}  // namespace kalmo
