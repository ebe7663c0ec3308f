#pragma once

#include "calc/start_inputs.h"

namespace kalmo {

// The inputs the main window keeps between calculations. All lengths are in
// mm, whatever unit the window shows. What the views show is computed from
// them (present/fit_view.h), never stored here.
struct CalcRecord {
  bool InchMode = false;  // lengths are entered and shown in inches
  double NominalSize = kStartSizeMm;
  double DesignMin = 0;  // design-search targets, mm
  double DesignMax = 0;

  friend bool operator==(const CalcRecord&, const CalcRecord&) = default;
};

}  // namespace kalmo
