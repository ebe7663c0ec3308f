#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "stack/stack_chain.h"

namespace kalmo {

// A chain as CSV, the file both the command line and the window read and
// write: the header row
//   name,nominal,direction,tolerance,distribution
// then one contributor a row. direction is "+" or "-" (also "+1", "-1", "1"
// and the minus sign U+2212); nominal a plain number ("." as the decimal
// point); tolerance as readStackTolerance reads it; distribution "normal",
// "uniform" or "triangular", empty for normal. Blank rows are skipped; a
// leading "'" of a text field (as csvText writes a text starting with "+" or
// "-" so that a spreadsheet keeps it as text) is taken off again.

inline constexpr std::string_view kStackCsvHeader = "name,nominal,direction,tolerance,distribution";

// What is wrong with the file or one of its rows.
enum class StackCsvProblem {
  None,
  Header,        // the first row is not the header above
  FieldCount,    // a row without exactly five fields
  Nominal,       // the nominal is not a number
  Direction,     // the direction is none of the signs above
  Distribution,  // the distribution is none of the keys above
  NoRows,        // a header and no contributor
};

struct StackCsvRead {
  std::vector<StackContributor> contributors;
  StackCsvProblem problem = StackCsvProblem::None;
  std::size_t row = 0;  // the row of the problem, from 1 (the header)
  // The CSV row of each contributor, from 1 (the header), for messages
  // about a contributor found later (a tolerance that gives no zone).
  std::vector<std::size_t> rows;
};

// Reads the file's text (UTF-8; a leading byte order mark is skipped).
// Tolerances are only kept as text here: resolveLink checks them.
StackCsvRead readStackCsv(std::string_view text);

// The chain as the file: the header, then a row per contributor (CR LF line
// ends), nominals as their shortest text.
std::string stackCsvText(const std::vector<StackContributor>& contributors);

// The field a problem concerns (Header, FieldCount, NoRows: none).
std::optional<StackField> stackCsvField(StackCsvProblem problem);

}  // namespace kalmo
