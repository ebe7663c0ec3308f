#include "fit_extras.h"

#include "format/callout.h"
#include "format/csv.h"
#include "format/length_decimals.h"
#include "format/limits_table.h"
#include "format/number_format.h"
#include "format/units.h"

namespace kalmo::cli {

namespace {

CalloutInput calloutInput(double sizeMm, const ClassChoice& classes, const Evaluation& evaluation,
                          bool inch) {
  CalloutInput input;
  input.nominalMm = sizeMm;
  input.inchMode = inch;
  input.hole = classes.hole;
  input.shaft = classes.shaft;
  input.holeResult = evaluation.hole;
  input.shaftResult = evaluation.shaft;
  return input;
}

std::string sizeText(double mm, bool inch) {
  if (!inch) return formatPlain(mm) + " mm";
  const int decimals = lengthDecimals(LengthUnit::Inch, LengthUse::Note);
  return formatPlain(roundTo(mmToInch(mm), decimals)) + " in (" + formatPlain(mm) + " mm)";
}

// "H7 +0.035/0", or "K9 undefined".
std::string limitsText(Side side, ToleranceClass cls, const ClassResult& result, bool inch) {
  const std::string name = Designation(side, cls);
  if (!result.defined()) return name + " undefined";
  return name + " " + calloutDeviation(result.upperMm(), inch) + "/" +
         calloutDeviation(result.lowerMm(), inch);
}

}  // namespace

std::string calloutAnswer(double sizeMm, const ClassChoice& classes, bool inch) {
  const Evaluation evaluation = *Evaluate(sizeMm, classes.hole, classes.shaft);
  return calloutText(calloutInput(sizeMm, classes, evaluation, inch));
}

std::string boundaryWarning(double sizeMm, const ClassChoice& classes,
                            const RangeNeighbour& neighbour, bool inch) {
  const Evaluation& there = neighbour.evaluation;
  std::string text =
      "warning: " + sizeText(sizeMm, inch) + " lies within 1 % of the size-range bound " +
      sizeText(neighbour.boundMm, inch) + "; at " + sizeText(neighbour.sizeMm, inch) + ": ";
  std::string parts;
  if (classes.hole) parts = limitsText(Side::Hole, *classes.hole, there.hole, inch);
  if (classes.shaft) {
    parts +=
        (parts.empty() ? "" : ", ") + limitsText(Side::Shaft, *classes.shaft, there.shaft, inch);
  }
  text += parts;
  if (classes.hole && classes.shaft) {
    const char* kind = fitKindKey(there.fit.kind);
    text += ", " + std::string(kind ? kind : "undefined") + " fit";
    if (there.fit.kind != FitKind::Undefined) {
      text += " " + calloutDeviation(there.fit.value1Mm(), inch) + " to " +
              calloutDeviation(there.fit.value2Mm(), inch);
    }
  }
  return text + (inch ? " (in)\n" : " (mm)\n");
}

std::string csvHeader() {
  return csvRecord(limitsCsvHeader());
}

std::string csvAnswer(std::string_view source, const SizeArgument& size, const ClassChoice& classes,
                      bool inch) {
  const LimitsRow row =
      evaluatedLimitsRow(std::string(source), size.typed, size.mm, classes.hole, classes.shaft);
  return csvRecord(limitsCsvFields(row, inch));
}

std::string csvError(std::string_view source, std::string_view error) {
  return csvRecord(limitsCsvFields(errorLimitsRow(std::string(source), std::string(error)), false));
}

}  // namespace kalmo::cli
