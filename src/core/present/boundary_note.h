#pragma once

#include <string>
#include <string_view>

#include "lang/lang_table.h"
#include "present/fit_view.h"

namespace kalmo {

// The note the window shows near its results when the nominal size lies
// within 1 % of a size-range bound and the classes give other limits just
// across it (rangeBoundaryNeighbour): "120 mm is the top of a size range:
// above it H7/s6 gives 0.052 / 0.117 mm interference". A fit names its least
// and greatest clearance or interference (a transition fit its greatest
// clearance and interference), a single class its limit deviations, each in
// the unit the view shows, at most 5 decimals, trailing zeros dropped.
// Empty when there is nothing to note. Not part of the export text.
std::string boundaryNote(const LangTable& lang, const FitView& view,
                         std::string_view decimalSeparator = ".");

}  // namespace kalmo
