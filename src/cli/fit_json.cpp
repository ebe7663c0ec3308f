#include "fit_json.h"

#include <cassert>

namespace kalmo::cli {

namespace {

void addStatistics(JsonObject& to, const ClassResult& hole, const ClassResult& shaft,
                   SizeDistribution model) {
  const std::optional<AssemblyStatistics> s = assemblyStatistics(hole, shaft, model);
  if (!s) {
    to.addNull("statistics");
    return;
  }
  to.add("statistics", JsonObject()
                           .add("model", model == SizeDistribution::Uniform ? "uniform" : "normal")
                           .add("mean", s->meanMm)
                           .add("sd", s->sdMm)
                           .add("p_interference", s->pInterference)
                           .add("p_clearance", s->pClearance));
}

JsonObject partJson(const PartTemperature& part, const ClassResult& atTemperature) {
  return JsonObject()
      .add("temperature", part.temperatureC)
      .add("alpha", part.alphaUmPerMK)
      .add("upper", atTemperature.upperMm)
      .add("lower", atTemperature.lowerMm);
}

}  // namespace

const char* fitKindName(FitKind kind) {
  switch (kind) {
    case FitKind::Clearance: return "clearance";
    case FitKind::Transition: return "transition";
    case FitKind::Interference: return "interference";
    case FitKind::Undefined: break;
  }
  return nullptr;
}

void addOperatingJson(JsonObject& answer, double sizeMm, const ClassResult& hole,
                      const ClassResult& shaft, const OperatingRequest& request) {
  addStatistics(answer, hole, shaft, request.model);
  if (!request.conditions) return;
  const Evaluation at20{hole, shaft, EvaluateFit(hole, shaft)};
  const OperatingResult result = fitAtTemperature(at20, sizeMm, *request.conditions);
  // The options were checked when they were read.
  assert(result.value);
  if (!result.value) return;
  const OperatingFit& op = *result.value;
  JsonObject fit;
  if (const char* kind = fitKindName(op.fit.kind)) {
    fit.add("kind", kind);
  } else {
    fit.addNull("kind");
  }
  fit.add("value1", op.fit.value1Mm)
      .add("value2", op.fit.value2Mm)
      .add("tolerance", op.fit.toleranceMm);
  JsonObject operating;
  operating.add("hole", partJson(request.conditions->hole, op.hole))
      .add("shaft", partJson(request.conditions->shaft, op.shaft))
      .add("fit", fit);
  addStatistics(operating, op.hole, op.shaft, request.model);
  operating.add("kind_changed", op.kindChanged);
  answer.add("operating", operating);
}

}  // namespace kalmo::cli
