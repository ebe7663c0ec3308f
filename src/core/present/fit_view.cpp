#include "present/fit_view.h"

#include "format/callout.h"
#include "format/part_shown.h"

namespace kalmo {

namespace {

PartView partView(Side side, const std::optional<ToleranceClass>& cls, const ClassResult& result,
                  double sizeMm) {
  PartView part;
  part.classText = cls ? Designation(side, *cls) : std::string();
  part.result = result;
  part.complete = cls.has_value() && !result.undefined();
  part.shown = partShown(cls.has_value(), result, sizeMm);
  return part;
}

}  // namespace

std::string FitView::designation() const {
  return inputs.sizeText + " " + hole.classText + "/" + shaft.classText;
}

FitView presentFit(const FitInputs& inputs) {
  const Evaluation evaluation =
      Evaluate(inputs.sizeMm, inputs.hole, inputs.shaft).value_or(Evaluation{});
  FitView view;
  view.inputs = inputs;
  view.hole = partView(Side::Hole, inputs.hole, evaluation.hole, inputs.sizeMm);
  view.shaft = partView(Side::Shaft, inputs.shaft, evaluation.shaft, inputs.sizeMm);
  view.fit = evaluation.fit;
  view.fitShown = view.hole.shown && view.shaft.shown;
  return view;
}

std::string calloutText(const FitView& view) {
  CalloutInput input;
  input.nominalMm = view.inputs.sizeMm;
  input.inchMode = view.inputs.inch;
  input.hole = view.inputs.hole;
  input.shaft = view.inputs.shaft;
  input.holeResult = view.hole.result;
  input.shaftResult = view.shaft.result;
  return calloutText(input);
}

}  // namespace kalmo
