#include "design/grade_range.h"

#include <gtest/gtest.h>

namespace kalmo {
namespace {

TEST(GradeRange, BoundsFromLabels) {
  struct Case {
    const char* lower;
    const char* upper;
    std::optional<GradeBounds> bounds;
  };
  const Case cases[] = {
      {"01", "18", GradeBounds{1, 18}}, {"0", "0", GradeBounds{0, 0}},
      {"01", "01", GradeBounds{1, 1}},  {"12", "5", GradeBounds{12, 5}},
      {"00", "5", std::nullopt},        {"5", "19", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.lower << ".." << c.upper);
    EXPECT_EQ(gradeBoundsFromLabels(c.lower, c.upper), c.bounds);
  }
}

TEST(GradeRange, ItApplicationRanges) {
  struct Case {
    int caption;
    GradeBounds bounds;
    bool free;
  };
  const Case expected[] = {{100, {5, 12}, false},  {99, {1, 6}, false},    {101, {11, 16}, false},
                           {102, {16, 18}, false}, {103, {11, 18}, false}, {89, {1, 18}, true}};
  ASSERT_EQ(std::size(expected), kItApplicationRanges.size());
  for (std::size_t i = 0; i < kItApplicationRanges.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(kItApplicationRanges[i].captionId, expected[i].caption);
    EXPECT_EQ(kItApplicationRanges[i].bounds(), expected[i].bounds);
    EXPECT_EQ(kItApplicationRanges[i].freeChoice, expected[i].free);
  }
  EXPECT_EQ(gradeText(Grade::atIndex(kItApplicationRanges[1].lowerGradeIndex)), "01");
}

}  // namespace
}  // namespace kalmo
