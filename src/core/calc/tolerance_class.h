#pragma once

#include <array>
#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace kalmo {

// Which member of a fit a tolerance class belongs to. Hole letters are upper
// case, shaft letters lower case.
enum class Side { Hole, Shaft };

inline constexpr int kLetterCount = 28;

// Fundamental-deviation letter codes in picker order (letter index 0..27).
// JS comes before J, as in the pickers.
inline constexpr std::array<std::string_view, kLetterCount> kHoleLetters = {
    "A", "B", "C", "CD", "D", "E", "EF", "F", "FG", "G", "H", "JS", "J",  "K",
    "M", "N", "P", "R",  "S", "T", "U",  "V", "X",  "Y", "Z", "ZA", "ZB", "ZC"};
inline constexpr std::array<std::string_view, kLetterCount> kShaftLetters = {
    "a", "b", "c", "cd", "d", "e", "ef", "f", "fg", "g", "h", "js", "j",  "k",
    "m", "n", "p", "r",  "s", "t", "u",  "v", "x",  "y", "z", "za", "zb", "zc"};

// Grade labels in picker order (grade index 0..19: IT01, IT0, IT1 .. IT18).
inline constexpr std::array<std::string_view, 20> kGradeLabels = {
    "01", "0",  "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",
    "9",  "10", "11", "12", "13", "14", "15", "16", "17", "18"};

// Letter indexes with a meaning of their own in the evaluation.
namespace letter {
inline constexpr int G = 9;
inline constexpr int H = 10;
inline constexpr int JS = 11;
inline constexpr int J = 12;
inline constexpr int K = 13;
inline constexpr int M = 14;
inline constexpr int N = 15;
inline constexpr int P = 16;
// Not a fundamental deviation: the ring of a rolling bearing of ISO 492
// Normal class (tables/iso492_normal.h), after the 28 letters in the
// pickers. As the hole it is the inner ring's bore, as the shaft the outer
// ring's outside diameter; it has no grade of its own.
inline constexpr int Bearing = kLetterCount;
}  // namespace letter

// The designation of the bearing ring, for either member.
inline constexpr std::string_view kBearingText = "bearing";

// Whether a text starts with kBearingText in any case ("Bearing", "bearing7",
// "BEARING OD"): a reader names the ring in its refusal of such a text, since
// only the lower-case word is the ring.
bool startsWithBearingWord(std::string_view text);

// A tolerance grade, IT01, IT0, IT1 .. IT18. It is held as its place in the
// grade pickers and the tables' columns (index 0 = IT01, 1 = IT0, 2 = IT1 ..
// 19 = IT18); every conversion is named.
class Grade {
 public:
  constexpr Grade() = default;  // IT01
  // The grade at picker index 0..19.
  static constexpr Grade atIndex(int index) { return Grade(index); }
  // IT0 .. IT18 by number 0..18; IT01 has no number of its own.
  static constexpr Grade it(int number) { return Grade(number + 1); }

  constexpr int index() const { return index_; }
  // The picker label: "01", "0", "1" .. "18".
  constexpr std::string_view label() const {
    return kGradeLabels[static_cast<std::size_t>(index_)];
  }
  // The design search compares grades by the integer value of their label:
  // "01" -> 1, "0" -> 0, "7" -> 7, so IT01 and IT1 share the value 1.
  constexpr int designValue() const { return index_ == 0 ? 1 : index_ - 1; }

  friend constexpr auto operator<=>(const Grade&, const Grade&) = default;

 private:
  constexpr explicit Grade(int index) : index_(index) {}
  int index_ = 0;
};

namespace grade {
inline constexpr Grade IT01 = Grade::atIndex(0);
inline constexpr Grade IT0 = Grade::it(0);
}  // namespace grade

// A tolerance class as selected in the pickers: letter index 0..27 and a grade.
struct ToleranceClass {
  int letter = 0;
  Grade grade;
  constexpr bool isBearing() const { return letter == letter::Bearing; }
  friend constexpr auto operator<=>(const ToleranceClass&, const ToleranceClass&) = default;
};

// The bearing ring, always with grade IT01 so that it compares equal to itself.
inline constexpr ToleranceClass kBearingClass{letter::Bearing, Grade{}};

// The letter code of a picker index 0..28: "H", "js", .. "bearing".
constexpr std::string_view letterText(Side side, int letterIndex) {
  if (letterIndex == letter::Bearing) return kBearingText;
  return side == Side::Hole ? kHoleLetters[static_cast<std::size_t>(letterIndex)]
                            : kShaftLetters[static_cast<std::size_t>(letterIndex)];
}

constexpr std::string_view gradeText(Grade grade) {
  return grade.label();
}

// "H7", "js6", "ZC01", "bearing".
std::string Designation(Side side, ToleranceClass cls);

// Letter index of an exact letter code of the side ("JS", "zc"), if any.
std::optional<int> letterIndex(Side side, std::string_view code);
// Grade index of an exact grade label ("01", "0", "7"), if any.
std::optional<int> gradeIndex(std::string_view label);

// A class text split into its leading letters and the rest ("ZC11" -> "ZC", "11").
struct ClassTextParts {
  std::string_view letters;
  std::string_view grade;
};
ClassTextParts splitClassText(std::string_view text);

// Why a typed class or fit designation was rejected.
enum class DesignationError {
  None,
  Empty,          // nothing given
  UnknownLetter,  // letters that are no fundamental deviation ("Q7")
  WrongCase,      // a shaft letter given for the hole or vice versa ("h7/H7")
  MissingGrade,   // letters without a grade ("H")
  UnknownGrade,   // digits that are no grade label ("H77", "H019")
  MissingSlash,   // a fit without "/" between hole and shaft ("H7g6")
};

struct ClassParse {
  std::optional<ToleranceClass> value;
  DesignationError error = DesignationError::None;
};

// Parses a class designation for the given side: letter code of that side's
// case, followed by one grade label ("H7", "js6", "ZC01", "a0"), or
// "bearing" for either side.
ClassParse parseToleranceClass(std::string_view text, Side side);

struct FitClasses {
  ToleranceClass hole;
  ToleranceClass shaft;
  friend constexpr auto operator<=>(const FitClasses&, const FitClasses&) = default;
};

struct FitParse {
  std::optional<FitClasses> value;
  DesignationError error = DesignationError::None;
  Side failedSide = Side::Hole;  // which member the error concerns
};

// Parses "HOLE/SHAFT" ("H7/g6", "JS7/h6", "bearing/k5", "N7/bearing").
FitParse parseFitDesignation(std::string_view text);

// "H7/g6", "bearing/k5".
std::string FitDesignation(FitClasses fit);

}  // namespace kalmo
