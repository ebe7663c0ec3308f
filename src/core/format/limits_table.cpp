#include "format/limits_table.h"

#include "format/csv.h"
#include "format/part_shown.h"
#include "format/shortest_number.h"
#include "format/units.h"

namespace kalmo {

LimitsRow evaluatedLimitsRow(std::string source, double size, double sizeMm,
                             std::optional<ToleranceClass> hole,
                             std::optional<ToleranceClass> shaft) {
  LimitsRow row;
  row.source = std::move(source);
  row.size = size;
  row.sizeMm = sizeMm;
  row.hole = hole;
  row.shaft = shaft;
  row.evaluation = Evaluate(sizeMm, hole, shaft).value_or(Evaluation{});
  return row;
}

LimitsRow errorLimitsRow(std::string source, std::string error) {
  LimitsRow row;
  row.source = std::move(source);
  row.error = std::move(error);
  return row;
}

bool limitsPartShown(const LimitsRow& row, Side side) {
  const bool hole = side == Side::Hole;
  return row.error.empty() &&
         partShown(hole ? row.hole.has_value() : row.shaft.has_value(),
                   hole ? row.evaluation.hole : row.evaluation.shaft, row.sizeMm);
}

bool limitsFitShown(const LimitsRow& row) {
  return limitsPartShown(row, Side::Hole) && limitsPartShown(row, Side::Shaft);
}

std::vector<std::string> limitsCsvHeader() {
  return {"callout",  "size",   "hole",        "hole_upper",    "hole_lower", "hole_max",
          "hole_min", "shaft",  "shaft_upper", "shaft_lower",   "shaft_max",  "shaft_min",
          "kind",     "value1", "value2",      "fit_tolerance", "error"};
}

std::vector<std::string> limitsCsvFields(const LimitsRow& row, bool inchMode) {
  const auto length = [inchMode](double mm) {
    return formatShortest(inchMode ? mmToInch(mm) : mm);
  };
  std::vector<std::string> fields = {csvText(row.source)};
  if (!row.error.empty()) {
    fields.resize(limitsCsvHeader().size() - 1);
    fields.push_back(csvText(row.error));
    return fields;
  }
  fields.push_back(formatShortest(row.size));
  const auto member = [&](Side side, const std::optional<ToleranceClass>& cls,
                          const ClassResult& r) {
    fields.push_back(cls ? Designation(side, *cls) : std::string());
    if (limitsPartShown(row, side)) {
      fields.insert(fields.end(),
                    {length(r.upperMm()), length(r.lowerMm()), length(r.upperLimitMm(row.sizeMm)),
                     length(r.lowerLimitMm(row.sizeMm))});
    } else {
      fields.resize(fields.size() + 4);
    }
  };
  member(Side::Hole, row.hole, row.evaluation.hole);
  member(Side::Shaft, row.shaft, row.evaluation.shaft);
  const FitResult& fit = row.evaluation.fit;
  if (limitsFitShown(row) && fit.kind != FitKind::Undefined) {
    fields.insert(fields.end(), {fitKindKey(fit.kind), length(fit.value1Mm()),
                                 length(fit.value2Mm()), length(fit.toleranceMm())});
  } else {
    fields.resize(fields.size() + 4);
  }
  fields.emplace_back();
  return fields;
}

}  // namespace kalmo
