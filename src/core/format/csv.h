#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kalmo {

// Comma-separated values as RFC 4180 writes them: records end in CR LF, a
// field holding a comma, a double quote, CR or LF is quoted, with its
// quotes doubled. Text is UTF-8 and passes through unchanged.

std::string csvField(std::string_view text);

// A text field from the input (a callout as typed, a reason that quotes it)
// as a spreadsheet may open it: control characters and invalid UTF-8 made
// safe as on a terminal (safeText), and a leading "'" when the text starts
// with =, +, -, @, tab or CR, which a spreadsheet would run as a formula.
// Numbers and the program's own keys are written as they are, never through
// here: a deviation of -0.025 stays a number.
std::string csvText(std::string_view text);

// One record: the fields joined by commas, ended by CR LF.
std::string csvRecord(std::span<const std::string> fields);

// Reads records back: quoted fields may hold commas, doubled quotes and line
// ends; a record ends at CR LF or a lone LF; a final line end is optional.
// Lenient where RFC 4180 is strict: a quote inside an unquoted field is kept
// as it is.
std::vector<std::vector<std::string>> parseCsv(std::string_view text);

}  // namespace kalmo
