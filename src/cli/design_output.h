#pragma once

// What a design run shows: the ranked fits (or those inside the targets) as a
// tab-separated table or as one JSON line.

#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

#include "design/design_search.h"
#include "design/inside_targets.h"
#include "lang/lang_table.h"

namespace kalmo::cli {

// The rows a run shows: every ranked fit, or with --inside those inside the
// targets, in ranked order.
struct ShownResults {
  TargetWindow target;             // what lies inside the targets
  std::vector<std::size_t> ranks;  // into the ranked fits
  std::size_t rows = 0;            // the rows of the table
  std::size_t insideCount = 0;     // inside fits among all ranked results

  bool isInside(const DesignResult& fit) const {
    return target.contains(fit.FitValue1, fit.FitValue2);
  }
};

ShownResults shownResults(const RankedFits& results, const DesignRequest& request,
                          const DesignCheck& check, bool insideOnly, int countIndex);

// The table as the window's results table shows it, tab-separated.
std::string tableText(const RankedFits& results, const ShownResults& shown,
                      const DesignRequest& request, const LangTable& lang);

// Writes every ranked result (or every inside one) as one JSON line; constant
// keys as they are, numbers in the shortest round-trip form. The text of
// each class and each use text is built once, a result then takes copies of
// them and four numbers, written straight into the output block.
void writeResultsJson(std::ostream& stream, const RankedFits& results, const ShownResults& shown,
                      const DesignRequest& request, const DesignCheck& check,
                      const LangTable& lang);

// An interface text without the blanks some tables put around it.
std::string langText(const LangTable& lang, TextId id);

}  // namespace kalmo::cli
