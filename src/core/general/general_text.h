#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "general/general_tolerance.h"
#include "lang/lang_table.h"
#include "lang/text_id.h"

namespace kalmo {

// The texts of the general tolerances in an interface language: one source
// for the window, its copy and print, and the command line (in English).

// How lengths are written: mm, or inches rounded to 5 decimals, with the
// given decimal separator. Ranges stay in mm, as the standard writes them.
struct GeneralTextOptions {
  bool inch = false;
  std::string decimalSeparator = ".";
};

// One kind of dimension as the views show it: its caption, the range the
// size falls in, and the value, or the reason why there is none.
struct GeneralLine {
  GeneralKind kind = GeneralKind::Linear;
  std::string caption;  // "Linear dimension"
  std::string range;    // "over 120 up to 400 mm"; empty without a range
  std::string value;    // "±0.5 mm", "±0°10'", "0.4 mm"; empty without a value
  std::string reason;   // why there is no value; empty with a value
};

TextId generalKindText(GeneralKind kind);
// The text that says why a designation cannot be read.
TextId generalDesignationErrorText(GeneralDesignationError error);

// "over 120 up to 400 mm" for a cell's range.
std::string generalRangeText(const LangTable& lang, const GeneralCell& cell,
                             std::string_view decimalSeparator = ".");
// "±0.5 mm", "±0°10'", "0.4 mm"; empty for a cell without a value.
std::string generalValueText(GeneralKind kind, const GeneralCell& cell,
                             const GeneralTextOptions& options);
// "±0°10'": an angular deviation in minutes of arc.
std::string arcMinutesText(int arcMinutes);

// The lines of every kind, in kGeneralKinds order.
std::vector<GeneralLine> generalLines(const LangTable& lang, const GeneralAnswer& answer,
                                      const GeneralTextOptions& options);

// "ISO 2768-mK at 125 mm".
std::string generalAnswerHeading(const LangTable& lang, const GeneralAnswer& answer,
                                 const GeneralTextOptions& options);

// Why values are missing, each reason once with the kinds it concerns
// ("Perpendicularity, Symmetry, Circular run-out: Not available: ...");
// empty when every kind has a value.
std::string generalNote(const LangTable& lang, const GeneralAnswer& answer);

// The answer as text: the heading, one line per kind ("caption (range):
// value" or "caption: reason") and the editions.
std::string generalAnswerText(const LangTable& lang, const GeneralAnswer& answer,
                              const GeneralTextOptions& options);

// The whole table of the designation's classes: per kind a heading
// ("Linear dimension, Class m") and one tab-separated line per range; a kind
// without a table gives its reason. The editions close it.
std::string generalTableText(const LangTable& lang, const GeneralDesignation& designation,
                             const GeneralTextOptions& options);

// A tolerance class beside the general tolerance: its name and its
// tolerance (the zone's width), in mm.
struct ClassWidth {
  std::string name;  // "H7"
  double toleranceMm = 0;
};

// One line comparing the linear general tolerance at the size with the
// classes' tolerances: "ISO 2768-m at 50 mm: ±0.3 mm — H7 is 0.025 mm".
// Without a linear value it gives the reason instead of the value and no
// classes.
std::string generalComparisonLine(const LangTable& lang, const GeneralAnswer& answer,
                                  const std::vector<ClassWidth>& classes,
                                  const GeneralTextOptions& options);

}  // namespace kalmo
