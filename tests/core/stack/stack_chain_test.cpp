#include "stack/stack_chain.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace kalmo {
namespace {

constexpr StackDirection kPlus = StackDirection::Plus;
constexpr StackDirection kMinus = StackDirection::Minus;

struct ToleranceCase {
  const char* text;
  double nominalMm;
  double upperMm;  // expected zone; NaN where an error is expected
  double lowerMm;
  StackToleranceError error;
};

TEST(StackTolerance, ReadsEveryFormAndNamesWhatIsWrong) {
  const double none = NAN;
  const ToleranceCase cases[] = {
      {"\xC2\xB1"
       "0.1",
       40, 0.1, -0.1, StackToleranceError::None},
      {"+-0.1", 40, 0.1, -0.1, StackToleranceError::None},
      {" \xC2\xB1 0,1 ", 40, 0.1, -0.1, StackToleranceError::None},
      {"+0.1/\xE2\x88\x92"
       "0.05",
       40, 0.1, -0.05, StackToleranceError::None},
      {"0/-0.1", 40, 0, -0.1, StackToleranceError::None},
      {"-0.02/-0.05", 40, -0.02, -0.05, StackToleranceError::None},
      {"H7", 30, 0.021, 0, StackToleranceError::None},
      {"g6", 30, -0.007, -0.020, StackToleranceError::None},
      {"js6", 30, 0.0065, -0.0065, StackToleranceError::None},
      {"ISO 2768-m", 40, 0.3, -0.3, StackToleranceError::None},
      {"2768-fH", 3, 0.05, -0.05, StackToleranceError::None},  // 3 mm is in 0.5..3
      {"", 40, none, none, StackToleranceError::Empty},
      {"0.1", 40, none, none, StackToleranceError::NotATolerance},
      {"H7/g6", 30, none, none, StackToleranceError::NotATolerance},
      {"\xC2\xB1-0.1", 40, none, none, StackToleranceError::BadNumber},
      {"+0.1/-x", 40, none, none, StackToleranceError::BadNumber},
      {"+0.01/+0.02", 40, none, none, StackToleranceError::LowerAboveUpper},
      {"H7", 0, none, none, StackToleranceError::ClassUndefined},
      {"ISO 2768-v", 2, none, none, StackToleranceError::GeneralNoValue},
      {"ISO 2768-K", 40, none, none, StackToleranceError::GeneralNoValue},
      // The bearing ring, ISO 492 Normal: bore rows over 0.6 .. 2000 mm,
      // outside-diameter rows over 6 .. 1000 mm, each row up to and
      // including its bound.
      {"bearing", 30, 0, -0.010, StackToleranceError::None},
      {"bearing bore", 30.001, 0, -0.012, StackToleranceError::None},
      {"bearing", 2000, 0, -0.200, StackToleranceError::None},
      {"bearing OD", 30, 0, -0.009, StackToleranceError::None},
      {" bearing  od ", 6.001, 0, -0.008, StackToleranceError::None},
      {"bearing OD", 1000, 0, -0.100, StackToleranceError::None},
      {"bearing", 0.6, none, none, StackToleranceError::BearingUndefined},
      {"bearing", 2000.001, none, none, StackToleranceError::BearingUndefined},
      {"bearing OD", 6, none, none, StackToleranceError::BearingUndefined},
      {"bearing OD", 1000.001, none, none, StackToleranceError::BearingUndefined},
      {"Bearing", 30, none, none, StackToleranceError::NotABearingRing},
      {"bearing7", 30, none, none, StackToleranceError::NotABearingRing},
      {"bearingOD", 30, none, none, StackToleranceError::NotABearingRing},
      {"bearing width", 30, none, none, StackToleranceError::NotABearingRing},
  };
  for (const ToleranceCase& c : cases) {
    SCOPED_TRACE(c.text);
    const StackToleranceRead r = readStackTolerance(c.text, *TenthsNm::fromMm(c.nominalMm), false);
    EXPECT_EQ(r.error, c.error);
    ASSERT_EQ(r.zone.has_value(), c.error == StackToleranceError::None);
    if (r.zone) {
      EXPECT_EQ(r.zone->upper, *TenthsNm::fromMm(c.upperMm));
      EXPECT_EQ(r.zone->lower, *TenthsNm::fromMm(c.lowerMm));
    }
  }
}

struct Link {
  double nominal;
  StackDirection direction;
  const char* tolerance;
  StackDistribution distribution = StackDistribution::Normal;
};

struct ChainCase {
  const char* name;
  std::vector<Link> links;
  double nominal, worstMin, worstMax, mean, sd;
  std::vector<double> shares;
};

// Chains computed by hand: symmetric, asymmetric (the mean moves off the
// nominal), mixed directions and distributions, ISO 286 classes (a fit's
// clearance) and a general tolerance.
TEST(StackAnalysis, MatchesHandComputedChains) {
  const double s4 = std::sqrt(0.01 / 9 + 0.0025 / 9 + 0.0009 / 9 + 0.0025 / 9);
  const ChainCase cases[] = {
      {"symmetric",
       {{40, kPlus,
         "\xC2\xB1"
         "0.10"},
        {25, kMinus,
         "\xC2\xB1"
         "0.05"},
        {2, kMinus,
         "\xC2\xB1"
         "0.03"},
        {10, kMinus,
         "\xC2\xB1"
         "0.05"}},
       3,
       2.77,
       3.23,
       3,
       s4,
       {0.01 / 9 / (s4 * s4), 0.0025 / 9 / (s4 * s4), 0.0009 / 9 / (s4 * s4),
        0.0025 / 9 / (s4 * s4)}},
      {"asymmetric",
       {{50, kPlus, "+0.2/+0.1"}, {49.8, kMinus, "0/-0.1"}},
       0.2,
       0.3,
       0.5,
       0.4,
       std::sqrt(2.0) * 0.1 / 6,
       {0.5, 0.5}},
      {"uniform and triangular",
       {{10, kPlus,
         "\xC2\xB1"
         "0.06",
         StackDistribution::Uniform},
        {4, kMinus,
         "\xC2\xB1"
         "0.06",
         StackDistribution::Triangular}},
       6,
       5.88,
       6.12,
       6,
       std::sqrt(0.0012 + 0.0006),
       {2.0 / 3, 1.0 / 3}},
      {"H7/g6 at 30 mm: the clearance",
       {{30, kPlus, "H7"}, {30, kMinus, "g6"}},
       0,
       0.007,
       0.041,
       0.024,
       std::sqrt(0.021 * 0.021 + 0.013 * 0.013) / 6,
       {0.021 * 0.021 / (0.021 * 0.021 + 0.013 * 0.013),
        0.013 * 0.013 / (0.021 * 0.021 + 0.013 * 0.013)}},
      {"general tolerance",
       {{40, kPlus, "ISO 2768-m"}, {39.5, kMinus, "+0.1/0"}},
       0.5,
       0.1,
       0.8,
       0.45,
       std::sqrt(0.36 + 0.01) / 6,
       {0.36 / 0.37, 0.01 / 0.37}},
  };
  for (const ChainCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<StackLink> links;
    for (const Link& l : c.links) {
      const StackLinkRead read =
          resolveLink({"", l.nominal, l.direction, l.tolerance, l.distribution}, false);
      ASSERT_TRUE(read.link);
      links.push_back(*read.link);
    }
    const StackResult r = analyseStack(links, {});
    // Nominal, worst case and mean are exact sums: the nearest double to the decimal.
    EXPECT_EQ(r.nominal.mm(), c.nominal);
    EXPECT_EQ(r.worstMin.mm(), c.worstMin);
    EXPECT_EQ(r.worstMax.mm(), c.worstMax);
    EXPECT_EQ(r.mean.mm(), c.mean);
    EXPECT_NEAR(r.sdMm, c.sd, 1e-15);
    ASSERT_EQ(r.contributors.size(), c.shares.size());
    for (std::size_t i = 0; i < c.shares.size(); ++i) {
      EXPECT_NEAR(r.contributors[i].share, c.shares[i], 1e-12);
    }
    EXPECT_FALSE(r.limitShares);
  }
}

// Shares and capability against limits from the normal model: both limits,
// one limit (Cp needs both), and a chain without spread.
TEST(StackAnalysis, LimitsGiveSharesAndCapability) {
  const std::vector<StackLink> chain = {
      *resolveLink({"", 10, kPlus,
                    "\xC2\xB1"
                    "0.06"},
                   false)
           .link,
      *resolveLink({"", 4, kMinus, "+0.06/0"}, false).link};  // mean 5.97, sigma 0.02236
  const double sd = std::sqrt(0.0004 + 0.0001);
  struct Case {
    SpecLimits limits;
    std::optional<double> below, above, cp, cpk;
  };
  const double phiMinus2 = 0.022750131948179195;  // the normal share below -2 sigma
  const Case cases[] = {
      {{5.97 - 2 * sd, 5.97 + 2 * sd}, phiMinus2, phiMinus2, 4.0 / 6, 2.0 / 3},
      {{std::nullopt, 5.97 + 2 * sd}, std::nullopt, phiMinus2, std::nullopt, 2.0 / 3},
      {{5.97 - 2 * sd, std::nullopt}, phiMinus2, std::nullopt, std::nullopt, 2.0 / 3},
  };
  for (const Case& c : cases) {
    const StackResult r = analyseStack(chain, c.limits);
    ASSERT_TRUE(r.limitShares);
    EXPECT_NEAR(r.sdMm, sd, 1e-15);
    for (const auto& [got, want] :
         {std::pair{r.limitShares->below, c.below}, std::pair{r.limitShares->above, c.above},
          std::pair{r.limitShares->cp, c.cp}, std::pair{r.limitShares->cpk, c.cpk}}) {
      ASSERT_EQ(got.has_value(), want.has_value());
      if (got) {
        EXPECT_NEAR(*got, *want, 1e-9);
      }
    }
  }
  const StackResult exact =
      analyseStack({*resolveLink({"", 10, kPlus, "+0/-0"}, false).link}, {9.5, 9.9});
  EXPECT_EQ(exact.sdMm, 0);
  EXPECT_EQ(*exact.limitShares->above, 1);
  EXPECT_EQ(*exact.limitShares->below, 0);
  EXPECT_FALSE(exact.limitShares->cp);
  EXPECT_EQ(exact.contributors[0].share, 0);
}

TEST(StackAnalysis, InchLengthsAreExact) {
  const StackLinkRead a = resolveLink({"", 1.5, kPlus,
                                       "\xC2\xB1"
                                       "0.004"},
                                      true);
  const StackLinkRead b = resolveLink({"", 0.75, kMinus, "+0.002/-0.001"}, true);
  ASSERT_TRUE(a.link && b.link);
  const StackResult r = analyseStack({*a.link, *b.link}, {});
  EXPECT_EQ(r.nominal.inch(), 0.75);
  EXPECT_EQ(r.worstMin.inch(), 0.744);
  EXPECT_EQ(r.worstMax.inch(), 0.755);
  EXPECT_EQ(resolveLink({"", -1, kPlus,
                         "\xC2\xB1"
                         "0.1"},
                        false)
                .error.field,
            StackField::Nominal);
}

}  // namespace
}  // namespace kalmo
