#pragma once

#include "calc/evaluation.h"
#include "tables/nominal_range.h"

namespace kalmo {

// The one rule of every view for whether a part (hole or shaft) is shown:
// its class is chosen, the tables give it limits with a real tolerance
// (greater than 0) and the nominal size lies within 0.001-10000 mm. A part
// not shown reads "N" in the grid and the callout, lies on the zero line in
// the diagram, prints zeros in the result text and leaves its cells empty in
// the batch table and the CSV. The fit is shown when both parts are.
constexpr bool partShown(bool classChosen, const ClassResult& result, double nominalMm) {
  return classChosen && result.defined() && nominalInRange(nominalMm);
}

}  // namespace kalmo
