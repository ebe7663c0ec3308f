#pragma once

#include <optional>
#include <string>

#include "calc/evaluation.h"
#include "lang/lang_table.h"

namespace kalmo {

// The calculation record of the main window. All lengths are in mm, whatever
// unit the window shows. Only RecalculateRecord writes the computed fields.
struct CalcRecord {
  // Inputs.
  bool InchMode = false;    // lengths are entered and shown in inches
  double NominalSize = 10;  // mm
  double DesignMin = 0;     // design-search targets, mm
  double DesignMax = 0;
  bool NominalEditLive = true;  // false while code writes the nominal-size field

  // Computed by RecalculateRecord.
  double HoleIT = 0;
  double ShaftIT = 0;
  double HoleES = 0;  // DeviationUndefined when the hole is undefined
  double HoleEI = 0;
  double ShaftES = 0;  // DeviationUndefined when the shaft is undefined
  double ShaftEI = 0;
  FitKind fitKind = FitKind::Undefined;
  std::string FitKindText;  // interface text of fitKind, empty when undefined
  std::string FitLabel1;    // captions of the two fit values
  std::string FitLabel2;
  double FitValue1 = 0;
  double FitValue2 = 0;
  double FitTolerance = 0;

  friend bool operator==(const CalcRecord&, const CalcRecord&) = default;

  ClassResult hole() const { return {HoleIT, HoleES, HoleEI}; }
  ClassResult shaft() const { return {ShaftIT, ShaftES, ShaftEI}; }
};

// Clears the computed fields to their start values: zeros, an empty kind and
// the captions "Max." and "Min." (texts 14 and 15).
void ResetResults(CalcRecord& record, const LangTable& lang);

// Writes an evaluation into the record, fetching the fit texts from the table.
void StoreEvaluation(CalcRecord& record, const Evaluation& evaluation, const LangTable& lang);

// Evaluates the record's nominal size with the given classes (nullopt: a
// picker without selection) and stores the result. Returns false, leaving the
// record untouched, when the size is not greater than 0.
bool RecalculateRecord(CalcRecord& record, std::optional<ToleranceClass> hole,
                       std::optional<ToleranceClass> shaft, const LangTable& lang);

}  // namespace kalmo
