#pragma once

#include <CLI/CLI.hpp>
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "calc/evaluation.h"
#include "calc/tolerance_class.h"
#include "cli.h"
#include "design/grade_range.h"
#include "format/callout_line.h"
#include "format/safe_text.h"
#include "lang/lang_table.h"
#include "tables/nominal_range.h"

namespace kalmo::cli {

// A value read from a command-line argument, or the one-line reason why not.
template <typename T>
struct Parsed {
  std::optional<T> value;
  std::string error;  // empty when value holds
};

// User text for a message: in quotes, at most about 40 bytes of it ("..."
// marks a cut). Control characters are left to safeErrorText, which every
// error line passes.
std::string quoteUserText(std::string_view text);

// Longest error line on stderr, bytes without the line end; a longer one is
// cut at a character boundary and ends in "…". Long enough for every message
// of ours with a quoted user text in it.
inline constexpr std::size_t kMaxErrorLineBytes = 400;

// The --type values of design and catalogue, in the order of FitType: the
// keys of the fit kinds.
inline constexpr std::array<std::string_view, 3> kFitTypeNames = {
    fitKindKey(FitKind::Clearance), fitKindKey(FitKind::Transition),
    fitKindKey(FitKind::Interference)};

// The text as it may reach a terminal (safeText of format/safe_text.h, which
// the CSV writer shares).
inline std::string safeErrorText(std::string_view text) {
  return safeText(text);
}

// Writes one error line on `err`: the text made safe and cut to
// kMaxErrorLineBytes. Every error line of kalmo-cli goes through here.
void writeErrorLine(std::ostream& err, std::string_view line);

// Writes "kalmo-cli: <message>" as one line on ctx.err; returns `status`.
int reportError(Context& ctx, std::string_view message, int status);
// The same with status kExitUsage: bad input or a usage error.
int reportUsageError(Context& ctx, std::string_view message);

// --lang en|de|bg (any letter case), default "en"; the option stores the
// lower-case code.
CLI::Option* addLanguageOption(CLI::App& command, std::string& code);
// The language of "en", "de" or "bg"; English otherwise.
LanguageCode languageCodeOf(std::string_view code);

// A nominal size as typed, in mm or inches.
struct SizeArgument {
  double typed = 0;  // in the unit the user gave (inches with --inch)
  double mm = 0;     // the nominal size, mm: typed, or typed * 25.4 with --inch
};

// The classes of one answer: both members of a fit, or one class alone.
struct ClassChoice {
  std::optional<ToleranceClass> hole;
  std::optional<ToleranceClass> shaft;
};

// The reason a callout was not read, as kalmo-cli writes it: the English
// text of the batch table's reason (`english` is the English table).
std::string calloutErrorText(const CalloutFailure& failure, const LangTable& english);
// The same, loading the English table.
std::string calloutErrorText(const CalloutFailure& failure);

// Reads SIZE by the callout grammar (format/callout_line.h: "50", "50,5",
// "Ø50", "50 mm"; no sign, no exponent) and checks it: greater than 0 and at
// most 10000 mm after conversion.
Parsed<SizeArgument> parseSizeArgument(std::string_view text, bool inch);

// A --range value of design and press-design: a named IT application range
// (precision, gauges, semi-products, structures, non-tolerated) or FROM:TO
// with grade labels 01 0 1 .. 18.
Parsed<GradeBounds> parseGradeRange(std::string_view text);

// A size with its classes.
struct CalloutArgument {
  SizeArgument size;
  ClassChoice classes;
};

// SIZE and HOLE/SHAFT as a command gives them: two arguments ("50" "H7/g6",
// "Ø50,5" "g6"), or the first alone holding the whole callout ("42 H7/f6")
// when `classes` is empty. The classes are those `wanted`.
Parsed<CalloutArgument> parseCalloutArguments(std::string_view size, std::string_view classes,
                                              bool inch, ClassesWanted wanted);
// A request as a result of the callout grammar.
CalloutArgument calloutArgument(const CalloutRequest& request);

}  // namespace kalmo::cli
