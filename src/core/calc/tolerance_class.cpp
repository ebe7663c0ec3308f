#include "calc/tolerance_class.h"

#include <algorithm>

namespace kalmo {

namespace {

bool isAsciiDigit(char c) {
  return c >= '0' && c <= '9';
}

const std::array<std::string_view, kLetterCount>& lettersOf(Side side) {
  return side == Side::Hole ? kHoleLetters : kShaftLetters;
}

}  // namespace

bool startsWithBearingWord(std::string_view text) {
  if (text.size() < kBearingText.size()) return false;
  for (std::size_t i = 0; i < kBearingText.size(); ++i) {
    const char c = text[i];
    const char lower = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    if (lower != kBearingText[i]) return false;
  }
  return true;
}

std::string Designation(Side side, ToleranceClass cls) {
  if (cls.isBearing()) return std::string(kBearingText);
  std::string text(letterText(side, cls.letter));
  text += gradeText(cls.grade);
  return text;
}

std::optional<int> letterIndex(Side side, std::string_view code) {
  const auto& letters = lettersOf(side);
  const auto it = std::find(letters.begin(), letters.end(), code);
  if (it == letters.end()) {
    return std::nullopt;
  }
  return static_cast<int>(it - letters.begin());
}

std::optional<int> gradeIndex(std::string_view label) {
  const auto it = std::find(kGradeLabels.begin(), kGradeLabels.end(), label);
  if (it == kGradeLabels.end()) {
    return std::nullopt;
  }
  return static_cast<int>(it - kGradeLabels.begin());
}

ClassTextParts splitClassText(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && !isAsciiDigit(text[i])) {
    ++i;
  }
  return {text.substr(0, i), text.substr(i)};
}

ClassParse parseToleranceClass(std::string_view text, Side side) {
  if (text.empty()) {
    return {std::nullopt, DesignationError::Empty};
  }
  if (text == kBearingText) return {kBearingClass, DesignationError::None};
  const ClassTextParts parts = splitClassText(text);
  const std::optional<int> letter = letterIndex(side, parts.letters);
  if (!letter) {
    const Side other = side == Side::Hole ? Side::Shaft : Side::Hole;
    if (letterIndex(other, parts.letters)) {
      return {std::nullopt, DesignationError::WrongCase};
    }
    return {std::nullopt, DesignationError::UnknownLetter};
  }
  if (parts.grade.empty()) {
    return {std::nullopt, DesignationError::MissingGrade};
  }
  const std::optional<int> grade = gradeIndex(parts.grade);
  if (!grade) {
    return {std::nullopt, DesignationError::UnknownGrade};
  }
  return {ToleranceClass{*letter, Grade::atIndex(*grade)}, DesignationError::None};
}

FitParse parseFitDesignation(std::string_view text) {
  if (text.empty()) {
    return {std::nullopt, DesignationError::Empty, Side::Hole};
  }
  const std::size_t slash = text.find('/');
  if (slash == std::string_view::npos) {
    return {std::nullopt, DesignationError::MissingSlash, Side::Hole};
  }
  const ClassParse hole = parseToleranceClass(text.substr(0, slash), Side::Hole);
  if (!hole.value) {
    return {std::nullopt, hole.error, Side::Hole};
  }
  const ClassParse shaft = parseToleranceClass(text.substr(slash + 1), Side::Shaft);
  if (!shaft.value) {
    return {std::nullopt, shaft.error, Side::Shaft};
  }
  return {FitClasses{*hole.value, *shaft.value}, DesignationError::None, Side::Hole};
}

std::string FitDesignation(FitClasses fit) {
  return Designation(Side::Hole, fit.hole) + "/" + Designation(Side::Shaft, fit.shaft);
}

}  // namespace kalmo
