#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lang/lang_table.h"
#include "lang/text_id.h"
#include "stack/monte_carlo.h"
#include "stack/stack_csv.h"

namespace kalmo {

// The texts of a stack-up in an interface language: one source for the
// window's results, its copy and report, and kalmo-cli stack (in English).

struct StackTextOptions {
  bool inch = false;  // lengths in inches
  std::string decimalSeparator = ".";
};

// Lengths of the closing dimension: 4 decimals in mm (0.1 µm), 5 in inches,
// trailing zeros dropped ("2.77", "2.8739"); a sigma one decimal more.
std::string stackLengthText(double mm, const StackTextOptions& options);
std::string stackSigmaText(double mm, const StackTextOptions& options);

// One line of the results: caption and value ("Worst case", "2.77 … 3.23 mm").
// A line without a value heads the lines after it ("Monte Carlo (N = ...)").
struct StackLine {
  std::string caption;
  std::string value;
};

// The results as lines: closing nominal, worst case, statistical (mean, sigma,
// mean ± 3 sigma), the limits' shares and Cp/Cpk when given, and the Monte
// Carlo figures when run.
std::vector<StackLine> stackResultLines(const LangTable& lang, const StackResult& result,
                                        const std::optional<MonteCarloResult>& monteCarlo,
                                        const StackTextOptions& options);

// A contributor's row: name, direction sign, nominal, deviations
// ("+0.1/-0.1"), distribution, mean, sigma, share.
std::vector<std::string> stackContributorCells(const LangTable& lang,
                                               const StackContributor& contributor,
                                               const ContributorResult& result,
                                               const StackTextOptions& options);
// The captions of those cells.
std::vector<std::string> stackContributorHeadings(const LangTable& lang);

// The whole answer as plain text: the contributors' table, then the lines.
std::string stackReportText(const LangTable& lang,
                            const std::vector<StackContributor>& contributors,
                            const StackResult& result,
                            const std::optional<MonteCarloResult>& monteCarlo,
                            const StackTextOptions& options);

// The reason texts of the errors.
TextId stackToleranceErrorText(StackToleranceError error);
TextId stackCsvProblemText(StackCsvProblem problem);
// The text of a distribution in the language ("normal", "uniform", "triangular").
TextId distributionText(StackDistribution distribution);

// "Row 3, tolerance: The class has no value at this nominal size." (the
// field named by its CSV key; without a field "Row 3: ...").
std::string stackRowErrorText(const LangTable& lang, std::size_t row,
                              std::optional<StackField> field, TextId reason);

}  // namespace kalmo
