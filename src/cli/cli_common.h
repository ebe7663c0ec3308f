#pragma once

#include <CLI/CLI.hpp>
#include <optional>
#include <string>
#include <string_view>

#include "calc/tolerance_class.h"
#include "cli.h"
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

// Reads SIZE ("." as decimal point in every locale) and checks it:
// a finite number, greater than 0 and at most 10000 mm after conversion.
Parsed<SizeArgument> parseSizeArgument(std::string_view text, bool inch);

// Reads HOLE/SHAFT ("H7/g6"): hole letters upper case, shaft letters lower
// case, grades 01, 0, 1 .. 18. Every such class is accepted, also one the
// tables leave undefined.
Parsed<FitClasses> parseFitArgument(std::string_view text);

// The classes of one answer: both members of a fit, or one class alone.
struct ClassChoice {
  std::optional<ToleranceClass> hole;
  std::optional<ToleranceClass> shaft;
};

// Reads HOLE/SHAFT as parseFitArgument does, or one class alone whose letter
// case names its member ("H7" a hole, "g6" a shaft).
Parsed<ClassChoice> parseClassesArgument(std::string_view text);

}  // namespace kalmo::cli
