#pragma once

#include <optional>
#include <string>

#include "calc/range_boundary.h"
#include "cli_common.h"

namespace kalmo::cli {

// Parts of a fit answer beyond the export text and the JSON object.

// The drawing callouts of a fit or a single class, one per line ("Ø50 H7 (+0.025/0)").
std::string calloutAnswer(double sizeMm, const ClassChoice& classes, bool inch);

// The warning on standard error for a size near a size-range bound, one line
// with its line end: what the classes give just across the bound.
std::string boundaryWarning(double sizeMm, const ClassChoice& classes,
                            const RangeNeighbour& neighbour, bool inch);

// CSV (--csv): the header record, the record of one answer (in inches with
// inch), and the record of a line that could not be read.
std::string csvHeader();
std::string csvAnswer(std::string_view source, const SizeArgument& size, const ClassChoice& classes,
                      bool inch);
std::string csvError(std::string_view source, std::string_view error);

}  // namespace kalmo::cli
