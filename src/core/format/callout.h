#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calc/evaluation.h"
#include "calc/tolerance_class.h"

namespace kalmo {

// The text without the spaces and tabs around it.
std::string_view trimBlanks(std::string_view text);

// Drawing callouts: a size with its classes as a drawing writes them
// ("Ø50 H7/g6", "Ø50 H7 (+0.025/0)"), read and written. Every front end reads
// by these rules: the size field through readEntry, the batch table and
// kalmo-cli through format/callout_line.h.

// What a callout names: the size and whichever classes it gives.
struct Callout {
  double size = 0;  // as typed, in the unit of the reader (mm, or inches in inch mode)
  std::optional<ToleranceClass> hole;
  std::optional<ToleranceClass> shaft;
  friend bool operator==(const Callout&, const Callout&) = default;
};

// Why a callout was rejected.
enum class CalloutError {
  None,
  Empty,           // nothing but blanks (and a diameter sign)
  MissingSize,     // the text does not start with a number ("H7/g6", "-5 H7")
  BadSize,         // digits and separators that are no number ("4.2.1", "42,")
  BadDesignation,  // the class or fit is no designation; see designationError
  TrailingText,    // more after the designation ("42 H7/g6 x")
};

// The classes of a designation alone ("H7/g6", "H7", "g6"), or why it is none.
struct DesignationRead {
  std::optional<ToleranceClass> hole;
  std::optional<ToleranceClass> shaft;
  DesignationError error = DesignationError::None;
  Side failedSide = Side::Hole;  // the member the error concerns
  // UnknownLetter of one class whose letters name neither member ("q7").
  bool memberUnknown = false;
  bool ok() const { return error == DesignationError::None; }
};

// Reads a fit HOLE/SHAFT, or one class whose letter case names the member
// (H7 a hole, f6 a shaft), by the rules of parseToleranceClass and
// parseFitDesignation. A class with a letter after its grade ("H7g6") is
// taken for a fit without its slash: MissingSlash.
DesignationRead readDesignation(std::string_view text);

struct CalloutParse {
  std::optional<Callout> value;
  CalloutError error = CalloutError::None;
  // For BadDesignation: the designation parser's reason and the member it concerns.
  DesignationError designationError = DesignationError::None;
  Side failedSide = Side::Hole;
  bool memberUnknown = false;  // see DesignationRead
  // For BadDesignation and TrailingText: the designation as written in the
  // callout, so that a message can quote it.
  std::string designation;
  // For MissingSize and BadSize: the first word of the text, where the size belongs.
  std::string sizeText;
  // For TrailingText: what follows the designation.
  std::string trailing;
  bool unitMm = false;  // "mm" was written
};

// Reads "Ø42H7/f6", "⌀42 H7/f6", "42 f6", "42 H7", "42,5 H7/f6 mm" or a
// size alone ("42", "42 mm"):
// - surrounding blanks are ignored; a leading Ø, ø or ⌀ is optional;
// - the size is digits with at most one decimal point, "." or ","; no sign,
//   no exponent, no grouping (so "42E9" reads as 42 with hole class E9);
// - "mm" may follow the size or end the text;
// - the designation follows the size, with or without blanks between, and
//   is read by readDesignation.
// The size is not range-checked: the caller knows its unit and its limits.
CalloutParse parseCallout(std::string_view text);

// The lines of a callout, each without line end, in the unit of the caller,
// as ISO 129-1 writes limit deviations after a class:
// - the upper deviation first, "+" before a positive one, "0" alone for zero;
// - both with as many decimals as the longer needs, unless one is zero:
//   "(-0.025/-0.050)", "(+0.025/0)";
// - a class whose deviations are opposite writes them once: "(±0.0125)".
// The digits are the exact decimal of each deviation: every deviation of the
// tables is a multiple of 0.00005 mm, so in mm it is written in full; in
// inches it is rounded to 5 decimals, half away from zero. The size is the
// nominal size as the size field shows it: plain mm, or inches rounded to 5
// decimals. A part the views do not show (format/part_shown.h) prints "(N)".
struct CalloutInput {
  double nominalMm = 0;
  bool inchMode = false;
  std::optional<ToleranceClass> hole;  // nullopt: no hole selected
  std::optional<ToleranceClass> shaft;
  ClassResult holeResult = kUndefinedClass;
  ClassResult shaftResult = kUndefinedClass;
};

// "Ø50 H7 (+0.025/0)".
std::string classCalloutLine(const CalloutInput& input, Side side);
// "Ø50 H7/g6"; empty unless both classes are given.
std::string fitCalloutLine(const CalloutInput& input);
// Hole line, shaft line and fit line, those that exist, each ended by "\n".
std::string calloutText(const CalloutInput& input);

// The limit deviations of one class as the callout writes them, without
// parentheses: "+0.025/0", "-0.025/-0.050", "±0.0125".
std::string calloutDeviations(double upperMm, double lowerMm, bool inchMode);

// One limit deviation alone: "+0.025", "0", "-0.00125" (inches: at most 5
// decimals).
std::string calloutDeviation(double deviationMm, bool inchMode);

}  // namespace kalmo
