#include "calc/tolerance_class.h"

#include <gtest/gtest.h>

namespace kalmo {
namespace {

TEST(Designation, RoundTripsEveryClassOfBothSides) {
  for (Side side : {Side::Hole, Side::Shaft}) {
    for (int l = 0; l < kLetterCount; ++l) {
      for (int g = 0; g < 20; ++g) {
        const ToleranceClass c{l, Grade::atIndex(g)};
        const std::string text = Designation(side, c);
        const ClassParse parsed = parseToleranceClass(text, side);
        ASSERT_TRUE(parsed.value) << text;
        EXPECT_EQ(*parsed.value, c) << text;
      }
    }
  }
  EXPECT_EQ(Designation(Side::Hole, {letter::JS, Grade::it(7)}), "JS7");
  EXPECT_EQ(Designation(Side::Shaft, {27, grade::IT01}), "zc01");
}

TEST(Designation, RejectsWhatNoPickerOffers) {
  struct Case {
    const char* text;
    DesignationError error;
    Side side;
  };
  const Case cases[] = {
      {"H7g6", DesignationError::MissingSlash, Side::Hole},
      {"H77/g6", DesignationError::UnknownGrade, Side::Hole},
      {"Q7/g6", DesignationError::UnknownLetter, Side::Hole},
      {"h7/H7", DesignationError::WrongCase, Side::Hole},
      {"H7/G6", DesignationError::WrongCase, Side::Shaft},
      {"H/g6", DesignationError::MissingGrade, Side::Hole},
      {"H7/", DesignationError::Empty, Side::Shaft},
      {"", DesignationError::Empty, Side::Hole},
      {"H007/g6", DesignationError::UnknownGrade, Side::Hole},
      {"H7/g19", DesignationError::UnknownGrade, Side::Shaft},
      {"H 7/g6", DesignationError::UnknownLetter, Side::Hole},
      {"H7/g6/h6", DesignationError::UnknownGrade, Side::Shaft},
      {"Js7/h6", DesignationError::UnknownLetter, Side::Hole},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const FitParse fit = parseFitDesignation(c.text);
    EXPECT_FALSE(fit.value);
    EXPECT_EQ(fit.error, c.error);
    EXPECT_EQ(fit.failedSide, c.side);
  }
  const FitParse ok = parseFitDesignation("ZC01/a0");
  ASSERT_TRUE(ok.value);
  EXPECT_EQ(FitDesignation(*ok.value), "ZC01/a0");
}

// "bearing" names the ring on either side, exactly so and without a grade.
TEST(Designation, ReadsTheBearingRingOnEitherSide) {
  for (const char* text : {"bearing/k5", "N7/bearing", "bearing/bearing"}) {
    SCOPED_TRACE(text);
    const FitParse fit = parseFitDesignation(text);
    ASSERT_TRUE(fit.value);
    EXPECT_EQ(FitDesignation(*fit.value), text);
  }
  EXPECT_EQ(parseFitDesignation("bearing/k5").value->hole, kBearingClass);
  EXPECT_EQ(parseFitDesignation("N7/bearing").value->shaft, kBearingClass);
  for (const char* text : {"Bearing/k5", "bearing7/k5", "BEARING/k5", "bearings/k5"}) {
    SCOPED_TRACE(text);
    EXPECT_EQ(parseFitDesignation(text).error, DesignationError::UnknownLetter);
  }
}

TEST(Designation, SplitsLettersFromGrade) {
  EXPECT_EQ(splitClassText("ZC11").letters, "ZC");
  EXPECT_EQ(splitClassText("ZC11").grade, "11");
  EXPECT_EQ(splitClassText("js6").letters, "js");
  EXPECT_EQ(splitClassText("h").grade, "");
}

TEST(Grade, ConvertsBetweenIndexLabelAndDesignValue) {
  const struct {
    Grade grade;
    int index;
    const char* label;
    int designValue;
  } cases[] = {{grade::IT01, 0, "01", 1},
               {grade::IT0, 1, "0", 0},
               {Grade::it(1), 2, "1", 1},
               {Grade::it(7), 8, "7", 7},
               {Grade::it(18), 19, "18", 18}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(c.grade.index(), c.index);
    EXPECT_EQ(c.grade.label(), c.label);
    EXPECT_EQ(c.grade.designValue(), c.designValue);
    EXPECT_EQ(Grade::atIndex(c.index), c.grade);
  }
}

}  // namespace
}  // namespace kalmo
