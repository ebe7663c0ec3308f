#pragma once

#include <cstddef>
#include <string_view>

#include "calc/tolerance_class.h"

namespace kalmo::detail {

// Compile-time reading of the designations written in the design tables, so
// that a typo in a class or fit literal stops the build instead of producing a
// class no picker offers. Only for literals: runtime text goes through
// parseToleranceClass and parseFitDesignation, which report their errors.

consteval int literalLetter(Side side, std::string_view code) {
  for (int i = 0; i < kLetterCount; ++i) {
    if (letterText(side, i) == code) return i;
  }
  throw "unknown letter code in a designation literal";
}

consteval int literalGrade(std::string_view label) {
  for (std::size_t i = 0; i < kGradeLabels.size(); ++i) {
    if (kGradeLabels[i] == label) return static_cast<int>(i);
  }
  throw "unknown grade label in a designation literal";
}

// "H7" -> {H, grade index of "7"}; the letters run up to the first digit.
consteval ToleranceClass classLiteral(Side side, std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] < '0' || text[i] > '9')) ++i;
  return {literalLetter(side, text.substr(0, i)), Grade::atIndex(literalGrade(text.substr(i)))};
}

// "H7/g6" -> both classes.
consteval FitClasses fitLiteral(std::string_view text) {
  const std::size_t slash = text.find('/');
  if (slash == std::string_view::npos) throw "fit literal without '/'";
  return {classLiteral(Side::Hole, text.substr(0, slash)),
          classLiteral(Side::Shaft, text.substr(slash + 1))};
}

}  // namespace kalmo::detail
