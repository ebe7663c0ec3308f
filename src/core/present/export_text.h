#pragma once

#include <string>
#include <string_view>

#include "lang/lang_table.h"
#include "present/fit_view.h"

namespace kalmo {

// The tab-separated result text of a fit: 22 lines, each ending in CR LF.
// Hole and shaft side by side, then the fit, then the unit note; texts from
// the table (the caption of the inputs group, the row captions, the fit kind
// and the unit note), numbers with the given decimal separator.
//
// A part that is not shown (PartView::shown) prints 0 for every limit and tolerance, and
// unless both parts are shown the designation line prints "N" and the fit
// lines those of an undefined fit. Fit values keep their sign.
//
// Millimetre mode: sizes of the class line in the plain format, every other
// number fixed-4 mm. Inch mode: the numbers as the results grid shows them,
// fixed-5 of mm / 25.4; the unit note then names inches. The size of a
// class line is the number entered (FitInputs::sizeShown, plain format, in
// the unit shown) for every part with a class, shown or not: a size is never
// printed as 0 or rounded to fewer digits than typed.
std::string BuildExportText(const FitView& view, const LangTable& lang,
                            std::string_view decimalSeparator = ".");

}  // namespace kalmo
