#pragma once

#include <QString>
#include <optional>

#include "calc/tolerance_class.h"
#include "mech/operating_fit.h"

namespace kalmo {

// What the side pages (fit catalogue, design search) may ask of the main
// window beyond reading the result (models/result_source.h): the class
// selection of the four main pickers and the one Recalculate, and the
// operating conditions of the operating page. The main window implements it;
// a page never reaches the window's widgets directly.
class CalcHost {
 public:
  virtual ~CalcHost() = default;

  // Selects a class in the two pickers of its side without running their
  // change handlers; nullopt clears that side's selection. Call Recalculate
  // afterwards to evaluate it.
  virtual void selectHoleClass(std::optional<ToleranceClass> cls) = 0;
  virtual void selectShaftClass(std::optional<ToleranceClass> cls) = 0;
  // The classes the pickers hold now; nullopt for a side without a complete selection.
  virtual std::optional<ToleranceClass> holeClass() const = 0;
  virtual std::optional<ToleranceClass> shaftClass() const = 0;

  // Evaluates the pickers' classes at the window's nominal size and
  // publishes the result.
  virtual void Recalculate() = 0;

  // The operating temperatures and materials of the operating page, for a
  // design search at operating conditions; both parts at 20 °C by default,
  // nullopt while a field of the page holds no number within its limits.
  virtual std::optional<OperatingConditions> operatingConditions() const {
    return OperatingConditions{};
  }

  // The same conditions in one line of the current language, for the design
  // page to show what it searches at: "Hole: Steel, 20 °C · Shaft: ...", or
  // what is wrong with them.
  virtual QString operatingConditionsLine() const { return {}; }

  // Puts a fit's classes into the pickers and evaluates them: what choosing a
  // fit on a side page does.
  void applyFit(const FitClasses& fit) {
    selectHoleClass(fit.hole);
    selectShaftClass(fit.shaft);
    Recalculate();
  }
};

}  // namespace kalmo
