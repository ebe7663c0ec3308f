#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calc/evaluation.h"
#include "calc/tolerance_class.h"

namespace kalmo {

// One row of a limits table: a callout with its evaluation, or a line that
// could not be read, kept with the reason so that no line is dropped.
struct LimitsRow {
  std::string source;  // the line as given ("Ø50 H7/g6")
  double size = 0;     // nominal size in the table's unit, as given
  double sizeMm = 0;
  std::optional<ToleranceClass> hole;
  std::optional<ToleranceClass> shaft;
  Evaluation evaluation;
  std::string error;  // why the line was not read; empty for a good row
};

// A row for a good line: evaluates the classes at the size (mm, > 0).
LimitsRow evaluatedLimitsRow(std::string source, double size, double sizeMm,
                             std::optional<ToleranceClass> hole,
                             std::optional<ToleranceClass> shaft);
// A row for a bad line.
LimitsRow errorLimitsRow(std::string source, std::string error);

// Whether the row shows a part's limits, by the one rule of every view
// (format/part_shown.h), and the fit's values (both parts shown).
bool limitsPartShown(const LimitsRow& row, Side side);
bool limitsFitShown(const LimitsRow& row);

// The CSV columns, fixed English keys for programs that read them:
// callout, size, hole, hole_upper, hole_lower, hole_max, hole_min, shaft,
// shaft_upper, shaft_lower, shaft_max, shaft_min, kind, value1, value2,
// fit_tolerance, error.
std::vector<std::string> limitsCsvHeader();

// The fields of a row in the table's unit (inches when inchMode): deviations,
// limits of size and fit values in the shortest round-trip form. Fields of a
// part not shown (no class, a class the tables leave undefined, a size
// outside 0.001-10000 mm) and of a fit not shown are empty; kind is
// clearance, transition or interference.
// The callout and the error, text from the input, pass csvText.
std::vector<std::string> limitsCsvFields(const LimitsRow& row, bool inchMode);

}  // namespace kalmo
