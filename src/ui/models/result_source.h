#pragma once

#include "present/fit_view.h"

namespace kalmo {

class Language;

// What the inspection and batch windows read of the main window: the one
// result value of the last calculation (size, classes, unit) and the current
// language. They never reach the main window's widgets.
class ResultSource {
 public:
  virtual ~ResultSource() = default;

  virtual const FitView& view() const = 0;
  virtual const Language& language() const = 0;
};

}  // namespace kalmo
