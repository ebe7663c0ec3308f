#include "present/boundary_note.h"

#include <cmath>

#include "calc/range_boundary.h"
#include "format/callout.h"
#include "format/length_decimals.h"
#include "format/number_format.h"
#include "format/units.h"
#include "lang/text_args.h"

namespace kalmo {

namespace {

std::string withSeparator(std::string number, std::string_view decimalSeparator) {
  if (const std::size_t dot = number.find('.'); dot != std::string::npos) {
    number.replace(dot, 1, decimalSeparator);
  }
  return number;
}

std::string unitName(bool inch) {
  return inch ? " in" : " mm";
}

// A length in the unit shown: mm as it is, or inches; at most 5 decimals.
std::string length(double mm, bool inch, std::string_view decimalSeparator) {
  const int decimals = lengthDecimals(lengthUnit(inch), LengthUse::Note);
  return withSeparator(formatPlain(roundTo(inch ? mmToInch(mm) : mm, decimals)), decimalSeparator);
}

std::string fitPhrase(const LangTable& lang, const FitResult& fit, bool inch,
                      std::string_view sep) {
  const std::string greatest = length(std::fabs(fit.value1Mm()), inch, sep);
  const std::string other = length(std::fabs(fit.value2Mm()), inch, sep);
  switch (fit.kind) {
    case FitKind::Clearance:
      return filled(GetLangString(lang, TextId::BoundaryClearance),
                    {other, greatest + unitName(inch)});
    case FitKind::Interference:
      return filled(GetLangString(lang, TextId::BoundaryInterference),
                    {other, greatest + unitName(inch)});
    case FitKind::Transition:
      return filled(GetLangString(lang, TextId::BoundaryTransition),
                    {greatest + unitName(inch), other + unitName(inch)});
    case FitKind::Undefined: break;
  }
  return GetLangString(lang, TextId::BoundaryUndefined);
}

std::string classPhrase(const LangTable& lang, const ClassResult& result, bool inch,
                        std::string_view sep) {
  if (!result.defined()) {
    return GetLangString(lang, TextId::BoundaryUndefined);
  }
  return filled(GetLangString(lang, TextId::BoundaryClassLimits),
                {withSeparator(calloutDeviation(result.upperMm(), inch), sep),
                 withSeparator(calloutDeviation(result.lowerMm(), inch), sep) + unitName(inch)});
}

}  // namespace

std::string boundaryNote(const LangTable& lang, const FitView& view,
                         std::string_view decimalSeparator) {
  const FitInputs& in = view.inputs;
  const std::optional<RangeNeighbour> neighbour =
      rangeBoundaryNeighbour(in.sizeMm, in.hole, in.shaft);
  if (!neighbour) {
    return {};
  }
  const Evaluation& there = neighbour->evaluation;
  std::string designation;
  std::string phrase;
  if (in.hole && in.shaft) {
    designation = Designation(Side::Hole, *in.hole) + "/" + Designation(Side::Shaft, *in.shaft);
    phrase = fitPhrase(lang, there.fit, in.inch, decimalSeparator);
  } else if (in.hole) {
    designation = Designation(Side::Hole, *in.hole);
    phrase = classPhrase(lang, there.hole, in.inch, decimalSeparator);
  } else {
    designation = Designation(Side::Shaft, *in.shaft);
    phrase = classPhrase(lang, there.shaft, in.inch, decimalSeparator);
  }
  const bool above = neighbour->sizeMm > neighbour->boundMm;
  const std::string bound =
      length(neighbour->boundMm, in.inch, decimalSeparator) + unitName(in.inch);
  return filled(GetLangString(lang, above ? TextId::BoundaryAbove : TextId::BoundaryBelow),
                {bound, designation, phrase});
}

}  // namespace kalmo
