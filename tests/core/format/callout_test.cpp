#include "format/callout.h"

#include <gtest/gtest.h>

namespace kalmo {
namespace {

constexpr ToleranceClass H7{letter::H, Grade::atIndex(8)};
constexpr ToleranceClass f6{7, Grade::atIndex(7)};

TEST(Callout, ReadsTheWaysDrawingsWriteIt) {
  const struct {
    const char* text;
    double size;
    std::optional<ToleranceClass> hole;
    std::optional<ToleranceClass> shaft;
  } cases[] = {
      {"\xC3\x98"
       "42H7/f6",
       42, H7, f6},
      {"  \xE2\x8C\x80"
       "42 H7/f6  ",
       42, H7, f6},
      {"\xC3\xB8 42 H7/f6", 42, H7, f6},
      {"42 f6", 42, std::nullopt, f6},
      {"42 H7", 42, H7, std::nullopt},
      {"42,5 H7/f6 mm", 42.5, H7, f6},
      {"42.5mm H7", 42.5, H7, std::nullopt},
      {"42 mm", 42, std::nullopt, std::nullopt},
      {"0.5", 0.5, std::nullopt, std::nullopt},
      {"42 m6", 42, std::nullopt,
       ToleranceClass{letter::M, Grade::atIndex(7)}},                     // a class, not the unit
      {"42E9", 42, ToleranceClass{5, Grade::atIndex(10)}, std::nullopt},  // no exponent in a size
      {"30 JS2", 30, ToleranceClass{letter::JS, Grade::atIndex(3)}, std::nullopt},
      // The bearing ring on either side; alone it is the inner ring, the hole.
      {"\xC3\x98"
       "30bearing/f6",
       30, kBearingClass, f6},
      {"62 H7/bearing", 62, H7, kBearingClass},
      {"30 bearing", 30, kBearingClass, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const CalloutParse parse = parseCallout(c.text);
    ASSERT_TRUE(parse.value);
    EXPECT_EQ(parse.value->size, c.size);
    EXPECT_EQ(parse.value->hole, c.hole);
    EXPECT_EQ(parse.value->shaft, c.shaft);
  }
}

TEST(Callout, NamesWhyATextIsNoCallout) {
  const struct {
    const char* text;
    CalloutError error;
    DesignationError designation;
    Side side;
  } cases[] = {
      {"", CalloutError::Empty, DesignationError::None, Side::Hole},
      {" \xC3\x98 ", CalloutError::Empty, DesignationError::None, Side::Hole},
      {"H7/g6", CalloutError::MissingSize, DesignationError::None, Side::Hole},
      {"-5 H7", CalloutError::MissingSize, DesignationError::None, Side::Hole},
      {"4.2.1 H7", CalloutError::BadSize, DesignationError::None, Side::Hole},
      {"42 H7/g6 x", CalloutError::TrailingText, DesignationError::None, Side::Hole},
      {"42 h7/g6", CalloutError::BadDesignation, DesignationError::WrongCase, Side::Hole},
      {"42 H7/G6", CalloutError::BadDesignation, DesignationError::WrongCase, Side::Shaft},
      {"42 Q7", CalloutError::BadDesignation, DesignationError::UnknownLetter, Side::Hole},
      {"42 H77", CalloutError::BadDesignation, DesignationError::UnknownGrade, Side::Hole},
      {"42 g", CalloutError::BadDesignation, DesignationError::MissingGrade, Side::Shaft},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const CalloutParse parse = parseCallout(c.text);
    EXPECT_FALSE(parse.value);
    EXPECT_EQ(parse.error, c.error);
    EXPECT_EQ(parse.designationError, c.designation);
    if (c.error == CalloutError::BadDesignation) {
      EXPECT_EQ(parse.failedSide, c.side);
    }
  }
}

TEST(Callout, WritesExactSignedDeviations) {
  const struct {
    double mm;
    bool inch;
    const char* expected;
  } cases[] = {
      {0.025, false, "+0.025"},
      {0, false, "0"},
      {-0.009, false, "-0.009"},
      {-0.025, false, "-0.025"},
      {0.00125, false, "+0.00125"},
      {-0.00125, false, "-0.00125"},
      {0.00015, false, "+0.00015"},
      {-0.0, false, "0"},
      {0.025, true, "+0.00098"},
      {-0.0001, true, "0"},
      {0.254, true, "+0.01"},
      {0.041999999999999996, false, "+0.042"},  // binary noise of a sum
      {0.000035, false, "+0.00004"},            // a tie of the decimal, below it in binary
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.mm << (c.inch ? " in" : " mm"));
    EXPECT_EQ(calloutDeviation(c.mm, c.inch), c.expected);
  }
}

// ISO 129-1: both deviations with the same decimals unless one is zero, a
// symmetric class once with ±.
TEST(Callout, WritesDeviationPairsAsDrawingsDo) {
  const struct {
    double nominalMm;
    const char* designation;
    bool inch;
    const char* expected;  // after "Ø"
  } cases[] = {
      {50, "f7", false, "50 f7 (-0.025/-0.050)"},
      {50, "H7", false, "50 H7 (+0.025/0)"},
      {60, "g6", false, "60 g6 (-0.010/-0.029)"},
      {120, "s6", false, "120 s6 (+0.101/+0.079)"},
      {50, "js7", false,
       "50 js7 (\xC2\xB1"
       "0.0125)"},
      {30, "JS2", false,
       "30 JS2 (\xC2\xB1"
       "0.00125)"},
      {50, "h6", false, "50 h6 (0/-0.016)"},
      {25.4, "H7", true, "1 H7 (+0.00083/0)"},
      {50.8, "g6", true, "2 g6 (-0.00039/-0.00114)"},
      {50.8, "js7", true,
       "2 js7 (\xC2\xB1"
       "0.00059)"},
      {0.0005, "H7", false, "0.0005 H7 (N)"},  // below 0.001 mm: not shown
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.designation);
    const DesignationRead read = readDesignation(c.designation);
    CalloutInput in;
    in.nominalMm = c.nominalMm;
    in.inchMode = c.inch;
    in.hole = read.hole;
    in.shaft = read.shaft;
    if (read.hole) in.holeResult = EvaluateHole(*read.hole, c.nominalMm);
    if (read.shaft) in.shaftResult = EvaluateShaft(*read.shaft, c.nominalMm);
    EXPECT_EQ(classCalloutLine(in, read.hole ? Side::Hole : Side::Shaft),
              "\xC3\x98" + std::string(c.expected));
  }
  // Inches: the same decimals in a pair, also where one is shorter.
  EXPECT_EQ(calloutDeviations(-0.0254, -0.03048, true), "-0.0010/-0.0012");
  EXPECT_EQ(calloutDeviations(0.03048, 0, true), "+0.0012/0");
}

TEST(Callout, WritesOneLinePerClassAndTheFit) {
  CalloutInput in;
  in.nominalMm = 50;
  in.hole = H7;
  in.shaft = ToleranceClass{letter::G, Grade::atIndex(7)};
  in.holeResult = EvaluateHole(*in.hole, 50);
  in.shaftResult = EvaluateShaft(*in.shaft, 50);
  EXPECT_EQ(calloutText(in),
            "\xC3\x98"
            "50 H7 (+0.025/0)\n\xC3\x98"
            "50 g6 (-0.009/-0.025)\n\xC3\x98"
            "50 H7/g6\n");

  in.shaft.reset();
  EXPECT_EQ(calloutText(in),
            "\xC3\x98"
            "50 H7 (+0.025/0)\n");

  in.nominalMm = 30;  // JS2: half of IT2 = 1.25 µm
  in.hole = ToleranceClass{letter::JS, Grade::atIndex(3)};
  in.holeResult = EvaluateHole(*in.hole, 30);
  EXPECT_EQ(classCalloutLine(in, Side::Hole),
            "\xC3\x98"
            "30 JS2 (\xC2\xB1"
            "0.00125)");

  in.hole = ToleranceClass{letter::K, Grade::atIndex(10)};  // K9 has no value at 30 mm
  in.holeResult = EvaluateHole(*in.hole, 30);
  EXPECT_EQ(classCalloutLine(in, Side::Hole),
            "\xC3\x98"
            "30 K9 (N)");

  in.inchMode = true;
  in.nominalMm = 25.4;
  in.hole = H7;
  in.holeResult = EvaluateHole(H7, 25.4);
  EXPECT_EQ(classCalloutLine(in, Side::Hole),
            "\xC3\x98"
            "1 H7 (+0.00083/0)");
}

}  // namespace
}  // namespace kalmo
