#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "calc/tolerance_class.h"
#include "design/designation_literal.h"

namespace kalmo {

// The design value (Grade::designValue) of the grade at a picker index. IT01
// and IT1 share the value 1, so no range of values selects IT01 on its own.
constexpr int gradeValue(int gradeIndex) {
  return Grade::atIndex(gradeIndex).designValue();
}

// Grade index whose label is the decimal text of a grade value 0..18
// (0 -> "0", 7 -> "7"); nullopt for any other value.
constexpr std::optional<int> gradeIndexOfValue(int value) {
  if (value < 0 || value > 18) return std::nullopt;
  return Grade::it(value).index();
}

// A closed range of grade values. When lower exceeds upper it holds nothing.
struct GradeBounds {
  int lower = 1;
  int upper = 18;

  constexpr bool contains(int value) const { return lower <= value && value <= upper; }
  constexpr bool contains(ToleranceClass cls) const { return contains(cls.grade.designValue()); }
  friend constexpr bool operator==(const GradeBounds&, const GradeBounds&) = default;
};

// Bounds from the grade indexes selected in the lowest/highest grade pickers.
constexpr GradeBounds gradeBoundsFromIndexes(int lowerIndex, int upperIndex) {
  return {gradeValue(lowerIndex), gradeValue(upperIndex)};
}

// Bounds from two grade labels ("01", "0", "1" .. "18"); nullopt when either
// text is no grade label.
std::optional<GradeBounds> gradeBoundsFromLabels(std::string_view lower, std::string_view upper);

// An IT application range of the design page: its caption (interface text
// number) and the grade labels it selects in the lowest/highest grade pickers.
// The last one ("Select") leaves the two pickers free for the user.
struct ItApplicationRange {
  int captionId;
  int lowerGradeIndex;
  int upperGradeIndex;
  bool freeChoice;

  constexpr GradeBounds bounds() const {
    return gradeBoundsFromIndexes(lowerGradeIndex, upperGradeIndex);
  }
};

// In picker order; the index is the entry of the range picker. Captions:
// 100 precision and general engineering, 99 gauges and measuring
// instruments, 101 semi-products, 102 structures, 103 non-tolerated
// dimensions, 89 "Select" (free choice).
inline constexpr std::array<ItApplicationRange, 6> kItApplicationRanges = {{
    {100, detail::literalGrade("5"), detail::literalGrade("12"), false},
    {99, detail::literalGrade("01"), detail::literalGrade("6"), false},
    {101, detail::literalGrade("11"), detail::literalGrade("16"), false},
    {102, detail::literalGrade("16"), detail::literalGrade("18"), false},
    {103, detail::literalGrade("11"), detail::literalGrade("18"), false},
    {89, detail::literalGrade("01"), detail::literalGrade("18"), true},
}};

static_assert(kItApplicationRanges[1].bounds() == GradeBounds{1, 6});
static_assert(kItApplicationRanges[5].freeChoice &&
              kItApplicationRanges[5].bounds() == GradeBounds{});

}  // namespace kalmo
