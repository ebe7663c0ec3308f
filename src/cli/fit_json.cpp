#include "fit_json.h"

#include <cassert>

#include "json_writer.h"
#include "lang/fit_texts.h"
#include "tables/iso492_normal.h"

namespace kalmo::cli {

namespace {

// Appends ,"statistics":{...} or ,"statistics":null.
// Zones are exact classes at 20 °C or zones at temperature.
template <typename Zone>
void appendStatistics(std::string& out, const Zone& hole, const Zone& shaft,
                      SizeDistribution model) {
  const std::optional<AssemblyStatistics> s = assemblyStatistics(hole, shaft, model);
  if (!s) {
    out += ",\"statistics\":null";
    return;
  }
  out += model == SizeDistribution::Uniform ? ",\"statistics\":{\"model\":\"uniform\",\"mean\":"
                                            : ",\"statistics\":{\"model\":\"normal\",\"mean\":";
  appendJsonNumber(out, s->meanMm);
  out += ",\"sd\":";
  appendJsonNumber(out, s->sdMm);
  out += ",\"p_interference\":";
  appendJsonNumber(out, s->pInterference);
  out += ",\"p_clearance\":";
  appendJsonNumber(out, s->pClearance);
  out += ",\"probable\":{\"min\":";
  appendJsonNumber(out, s->probableMinMm);
  out += ",\"max\":";
  appendJsonNumber(out, s->probableMaxMm);
  out += "}}";
}

// Appends the "kind" value: a quoted name or null.
void appendKind(std::string& out, FitKind kind) {
  if (const char* name = fitKindKey(kind)) {
    out += '"';
    out += name;
    out += '"';
  } else {
    out += "null";
  }
}

// Appends a class object or null; designations are plain ASCII.
void appendClass(std::string& out, Side side, const std::optional<ToleranceClass>& cls,
                 const ClassResult& result) {
  if (!cls) {
    out += "null";
    return;
  }
  out += "{\"class\":\"";
  out += Designation(side, *cls);
  out += "\",\"it\":";
  appendJsonNumber(out, result.toleranceMm());
  out += ",\"upper\":";
  appendJsonNumber(out, result.upperMm());
  out += ",\"lower\":";
  appendJsonNumber(out, result.lowerMm());
  out += result.defined() ? ",\"defined\":true" : ",\"defined\":false";
  // Only a bearing ring names its standard: every other class is ISO 286's.
  if (cls->isBearing()) {
    out += ",\"standard\":\"";
    out += kIso492NormalName;
    out += '"';
  }
  out += '}';
}

void appendPart(std::string& out, const PartTemperature& part, const ZoneMm& atTemperature) {
  out += "{\"temperature\":";
  appendJsonNumber(out, part.temperatureC);
  out += ",\"alpha\":";
  appendJsonNumber(out, part.alphaUmPerMK);
  out += ",\"upper\":";
  appendJsonNumber(out, atTemperature.upperMm());
  out += ",\"lower\":";
  appendJsonNumber(out, atTemperature.lowerMm());
  out += '}';
}

// A caption without the blanks some language tables put around it for the
// window's grid (" Max. Spiel").
std::string_view trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

FitJsonWriter::FitJsonWriter(const LangTable& lang, const OperatingRequest& operating)
    : operating_(operating), use_(lang) {
  for (std::size_t k = 0; k < label1_.size(); ++k) {
    const auto kind = static_cast<FitKind>(k);
    appendJsonString(label1_[k], trimmed(GetLangString(lang, fitValue1Caption(kind))));
    appendJsonString(label2_[k], trimmed(GetLangString(lang, fitValue2Caption(kind))));
  }
}

// Members "hole", "shaft" and "fit", each after a comma; null for a member
// without a class, and a null fit unless both are given.
void FitJsonWriter::appendMembers(std::string& out, const ClassChoice& classes,
                                  const Evaluation& e) const {
  out += ",\"hole\":";
  appendClass(out, Side::Hole, classes.hole, e.hole);
  out += ",\"shaft\":";
  appendClass(out, Side::Shaft, classes.shaft, e.shaft);
  if (!classes.hole || !classes.shaft) {
    out += ",\"fit\":null";
    return;
  }
  const FitResult& r = e.fit;
  const auto kind = static_cast<std::size_t>(r.kind);
  assert(kind < label1_.size());
  out += ",\"fit\":{\"kind\":";
  appendKind(out, r.kind);
  out += ",\"label1\":";
  out += label1_[kind];
  out += ",\"value1\":";
  appendJsonNumber(out, r.value1Mm());
  out += ",\"label2\":";
  out += label2_[kind];
  out += ",\"value2\":";
  appendJsonNumber(out, r.value2Mm());
  out += ",\"tolerance\":";
  appendJsonNumber(out, r.toleranceMm());
  out += '}';
}

// "statistics" and, with operating conditions, "operating". e holds the
// limits at 20 °C at sizeMm; lengths in mm.
void FitJsonWriter::appendOperating(std::string& out, double sizeMm, const Evaluation& e) const {
  appendStatistics(out, e.hole, e.shaft, operating_.model);
  if (!operating_.conditions) return;
  const Evaluation at20{e.hole, e.shaft, EvaluateFit(e.hole, e.shaft)};
  const OperatingResult result = fitAtTemperature(at20, sizeMm, *operating_.conditions);
  // The options were checked when they were read.
  assert(result.value);
  if (!result.value) return;
  const OperatingFit& op = *result.value;
  // A member without a class, or with none defined at the size, has no zone
  // at temperature, and the two form no fit there: null, never the marker
  // value of an undefined class.
  out += ",\"operating\":{\"hole\":";
  if (e.hole.defined()) {
    appendPart(out, operating_.conditions->hole, op.hole);
  } else {
    out += "null";
  }
  out += ",\"shaft\":";
  if (e.shaft.defined()) {
    appendPart(out, operating_.conditions->shaft, op.shaft);
  } else {
    out += "null";
  }
  if (op.fit.kind == FitKind::Undefined) {
    out += ",\"fit\":null";
  } else {
    out += ",\"fit\":{\"kind\":";
    appendKind(out, op.fit.kind);
    out += ",\"value1\":";
    appendJsonNumber(out, op.fit.value1Mm());
    out += ",\"value2\":";
    appendJsonNumber(out, op.fit.value2Mm());
    out += ",\"tolerance\":";
    appendJsonNumber(out, op.fit.toleranceMm());
    out += '}';
  }
  appendStatistics(out, op.hole, op.shaft, operating_.model);
  out += op.kindChanged ? ",\"kind_changed\":true}" : ",\"kind_changed\":false}";
}

void FitJsonWriter::append(std::string& out, double sizeMm, const ClassChoice& classes,
                           const Evaluation& e, const std::optional<RangeNeighbour>& neighbour) {
  out += "{\"size\":";
  appendJsonNumber(out, sizeMm);
  appendMembers(out, classes, e);
  appendOperating(out, sizeMm, e);
  if (neighbour) {
    out += ",\"boundary\":{\"bound\":";
    appendJsonNumber(out, neighbour->boundMm);
    out += ",\"size\":";
    appendJsonNumber(out, neighbour->sizeMm);
    appendMembers(out, classes, neighbour->evaluation);
    out += '}';
  } else {
    out += ",\"boundary\":null";
  }
  // An undefined fit (a member the tables lack at the size) is used for nothing.
  use_.append(out, e.fit.kind == FitKind::Undefined ? ClassChoice{} : classes);
  out += '}';
}

std::string fitAnswerJson(const SizeArgument& size, const FitClasses& classes,
                          const LangTable& lang, const OperatingRequest& operating) {
  FitJsonWriter writer(lang, operating);
  const Evaluation e = Evaluate(size.mm, classes.hole, classes.shaft).value_or(Evaluation{});
  std::string out;
  writer.append(out, size.mm, ClassChoice{classes.hole, classes.shaft}, e,
                rangeBoundaryNeighbour(size.mm, classes.hole, classes.shaft));
  return out;
}

}  // namespace kalmo::cli
