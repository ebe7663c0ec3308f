#pragma once

#include <string>
#include <string_view>

#include "format/length_decimals.h"
#include "format/number_format.h"
#include "lang/lang_table.h"

namespace kalmo {

// Display conversions of a length stored in mm.

// The number the nominal-size field shows for a size in mm: the mm value, or
// in inch mode mm / 25.4 rounded to 5 decimals (ties to even).
double sizeFieldValue(double mm, bool inchMode);

// The limits of the nominal-size field in the unit it shows: the nominal
// range 0.001..10000 mm, in inch mode rounded inwards to the field's 5
// decimals (0.00004..393.70078 in) so that a size held at a limit, typed
// again, still lies within the tables.
struct FieldLimits {
  double minimum = 0;
  double maximum = 0;
};
FieldLimits sizeFieldLimits(bool inchMode);

// What the nominal-size field shows after a preferred number has been picked:
// sizeFieldValue (3150 mm -> 124.01575 in), held within sizeFieldLimits of
// the unit it shows (10000 mm in inch mode -> 393.70078, 0.01 mm -> 0.00039).
// The nominal size itself stays the picked mm value.
double nominalFieldValueForPick(double selectedMm, bool inchMode);

// Results grid, design table and export: the decimals of LengthUse::Result
// (fixed-4 of the mm value in millimetre mode, fixed-5 of value / 25.4 in
// inch mode). A length that is the
// nearest double to a decimal of at most 7 decimals in mm (every length the
// tables and a typed size give) is rounded from that exact decimal (or its
// exact quotient by 25.4), halves away from zero; other values from their
// double, halves away from zero.
std::string lengthText(double mm, bool inchMode, std::string_view decimalSeparator = ".");

// Diagram value: micrometres (not rounded) in millimetre mode; thousandths of
// an inch rounded to 2 decimals in inch mode.
double diagramValue(double mm, bool inchMode);

// " [µm]" or " [milli in]": the unit tag of the diagram heading.
std::string_view diagramUnitTag(bool inchMode);
// " [mm]." or " [in].": the ending of the unit note.
std::string_view noteUnitSuffix(bool inchMode);

// The unit note under the inputs and at the end of the export text, in the
// table's language: "Values and tolerances in [mm]." or "... [in].".
std::string unitNote(const LangTable& lang, bool inchMode);

}  // namespace kalmo
