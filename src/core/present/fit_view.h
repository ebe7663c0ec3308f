#pragma once

#include <optional>
#include <string>

#include "calc/evaluation.h"
#include "calc/start_inputs.h"
#include "calc/tolerance_class.h"

namespace kalmo {

// What a front end holds of one fit calculation: the nominal size, the size
// as the user typed it, the two classes and the unit. Lengths are in mm.
struct FitInputs {
  double sizeMm = kStartSizeMm;
  std::string sizeText;                // the size as typed, in the unit shown
  std::optional<double> sizeShown;     // its number in the unit shown; nullopt while there is none
  std::optional<ToleranceClass> hole;  // nullopt: no complete class chosen
  std::optional<ToleranceClass> shaft;
  bool inch = false;  // lengths are entered and shown in inches
  friend bool operator==(const FitInputs&, const FitInputs&) = default;
};

// One part (hole or shaft) as the views show it.
struct PartView {
  std::string classText;  // "H7", "g6"; empty without a class
  ClassResult result = kUndefinedClass;
  // A class whose limits the tables give at this size.
  bool complete = false;
  // The one rule for every view: a complete class with a real tolerance at a
  // size within the nominal range. A part not shown prints "N" or zeros.
  bool shown = false;
  friend bool operator==(const PartView&, const PartView&) = default;
};

// Everything the results grid, the zone diagram and the result text show of
// one calculation. Texts of the language are not part of it: the views fetch
// them when they draw.
struct FitView {
  FitInputs inputs;
  PartView hole;
  PartView shaft;
  FitResult fit;
  bool fitShown = false;  // both parts shown
  friend bool operator==(const FitView&, const FitView&) = default;

  // "10 H7/g6": the size as typed and both classes.
  std::string designation() const;
};

// Evaluates the inputs (the one Evaluate) and decides what is shown. A size
// that is not greater than 0 evaluates nothing: both classes undefined.
FitView presentFit(const FitInputs& inputs);

// The drawing callouts of the view's classes, one per line with its line end
// ("Ø50 H7 (+0.025/0)", "Ø50 g6 (-0.009/-0.025)", "Ø50 H7/g6"), in the unit
// the view shows; empty without a class.
std::string calloutText(const FitView& view);

}  // namespace kalmo
