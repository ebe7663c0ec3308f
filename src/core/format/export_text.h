#pragma once

#include <optional>
#include <string>

#include "calc/calc_record.h"
#include "lang/lang_table.h"

namespace kalmo {

// Everything the result export reads, gathered by the caller (the window's
// copy button or the command line). Nothing in it is computed again.
struct ExportInput {
  CalcRecord record;  // after RecalculateRecord; lengths in mm

  // Selected item texts of the four class pickers ("H", "7", "g", "6");
  // nullopt for a picker without a selection.
  std::optional<std::string> holeLetter;
  std::optional<std::string> holeGrade;
  std::optional<std::string> shaftLetter;
  std::optional<std::string> shaftGrade;

  // The nominal-size field's text exactly as typed, in the unit it shows
  // (inches in inch mode).
  std::string nominalText;

  std::string inputsCaption;  // caption of the inputs group (text 82)
  std::string unitNote;       // the unit note as shown ("Values and tolerances in [mm].")

  LangTable lang;                      // texts 1, 2, 4..13, 25
  std::string decimalSeparator = ".";  // the user's locale
};

// The tab-separated result text: 22 lines, each ending in CR LF. Hole and
// shaft side by side, then the fit, then the unit note.
//
// A part (hole or shaft) is valid when both its pickers have a selection and
// its upper deviation is below DeviationUndefined; a part that is not valid
// prints size 0 and upper deviation 0, and the designation line prints "N"
// unless both parts are valid. Fit values keep their sign.
//
// Millimetre mode: sizes of the class line in the plain format, every other
// number fixed-4 mm. Inch mode: the numbers as the results grid shows them,
// fixed-5 of mm / 25.4, and the class-line sizes as the nominal-size field
// shows them (mm / 25.4 rounded to 5 decimals, plain); the unit note then
// names inches.
std::string BuildExportText(const ExportInput& input);

}  // namespace kalmo
