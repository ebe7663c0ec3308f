#include "calc/calc_record.h"

#include "lang/fit_texts.h"

namespace kalmo {

void ResetResults(CalcRecord& record, const LangTable& lang) {
  StoreEvaluation(record, Evaluation{{}, {}, {}}, lang);
}

void StoreEvaluation(CalcRecord& record, const Evaluation& evaluation, const LangTable& lang) {
  record.HoleIT = evaluation.hole.toleranceMm;
  record.HoleES = evaluation.hole.upperMm;
  record.HoleEI = evaluation.hole.lowerMm;
  record.ShaftIT = evaluation.shaft.toleranceMm;
  record.ShaftES = evaluation.shaft.upperMm;
  record.ShaftEI = evaluation.shaft.lowerMm;
  const FitResult& fit = evaluation.fit;
  record.fitKind = fit.kind;
  record.FitKindText =
      fit.kind == FitKind::Undefined ? std::string() : GetLangString(lang, fitKindText(fit.kind));
  record.FitLabel1 = GetLangString(lang, fitValue1Caption(fit.kind));
  record.FitLabel2 = GetLangString(lang, fitValue2Caption(fit.kind));
  record.FitValue1 = fit.value1Mm;
  record.FitValue2 = fit.value2Mm;
  record.FitTolerance = fit.toleranceMm;
}

bool RecalculateRecord(CalcRecord& record, std::optional<ToleranceClass> hole,
                       std::optional<ToleranceClass> shaft, const LangTable& lang) {
  const std::optional<Evaluation> evaluation = Evaluate(record.NominalSize, hole, shaft);
  if (!evaluation) {
    return false;
  }
  StoreEvaluation(record, *evaluation, lang);
  return true;
}

}  // namespace kalmo
