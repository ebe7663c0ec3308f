#pragma once

#include "calc/start_inputs.h"

namespace kalmo {

// The inputs the main window keeps between calculations. The size is in mm,
// whatever unit the window shows. What the views show is computed from them
// (present/fit_view.h), never stored here.
struct CalcRecord {
  bool InchMode = false;              // lengths are entered and shown in inches
  double NominalSize = kStartSizeMm;  // mm

  friend bool operator==(const CalcRecord&, const CalcRecord&) = default;
};

}  // namespace kalmo
