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
      {0.025, false, "+0.025"},     {0, false, "0"},
      {-0.009, false, "-0.009"},    {-0.025, false, "-0.025"},
      {0.00125, false, "+0.00125"}, {-0.00125, false, "-0.00125"},
      {0.00015, false, "+0.00015"}, {-0.0, false, "0"},
      {0.025, true, "+0.00098"},    {-0.0001, true, "0"},
      {0.254, true, "+0.01"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.mm << (c.inch ? " in" : " mm"));
    EXPECT_EQ(calloutDeviation(c.mm, c.inch), c.expected);
  }
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
            "30 JS2 (+0.00125/-0.00125)");

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
