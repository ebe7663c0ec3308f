#include "design/design_results.h"

#include <algorithm>
#include <span>
#include <string_view>

#include "design/deviation_sort.h"

namespace kalmo {

namespace {

// Writes "H7/g6" into an empty string: character by character into the
// string's inline buffer (the longest text, "ZC11/zc11", has 9 characters)
// rather than through temporaries, as a JSON list writes every record. It is
// the canonical text of the two classes, as FitDesignation gives it.
void writeFitText(FitClasses fit, std::string& text) {
  const auto put = [&text](std::string_view part) {
    for (char c : part) text.push_back(c);
  };
  put(letterText(Side::Hole, fit.hole.letter));
  put(gradeText(fit.hole.grade));
  put("/");
  put(letterText(Side::Shaft, fit.shaft.letter));
  put(gradeText(fit.shaft.grade));
}

}  // namespace

FitMm RankedFits::fit(std::size_t row) const {
  const Row& r = rows_[row];
  if (operating_) {
    return fitOfZonesAtTemperature(holes_[r.hole].zone, shafts_[r.shaft].zone, *operating_);
  }
  return EvaluateFit(holes_[r.hole].limits, shafts_[r.shaft].limits);
}

bool RankedFits::preferred(std::size_t row) const {
  const Row& r = rows_[row];
  return catalogue_->isPreferred({holes_[r.hole].cls, shafts_[r.shaft].cls});
}

DesignResult RankedFits::record(std::size_t row) const {
  const Row& r = rows_[row];
  const EvaluatedClass& hole = holes_[r.hole];
  const EvaluatedClass& shaft = shafts_[r.shaft];
  const FitMm fit = this->fit(row);
  DesignResult record;
  record.Deviation = r.deviation;
  record.classes = {hole.cls, shaft.cls};
  writeFitText(record.classes, record.Designation);
  record.FitValue1 = fit.value1Mm();
  record.FitValue2 = fit.value2Mm();
  record.FitTolerance = fit.toleranceMm();
  record.Preferred = preferred(row);
  return record;
}

DesignResults RankedFits::records(std::size_t count) const {
  const std::size_t rows = std::min(count, size());
  DesignResults results;
  results.reserve(rows);
  for (std::size_t row = 0; row < rows; ++row) results.push_back(record(row));
  return results;
}

std::size_t designRowsToShow(int resultCountIndex, std::size_t resultCount) {
  if (resultCountIndex == kResultCountAllIndex) {
    return resultCount;
  }
  const bool known = resultCountIndex >= 0 && resultCountIndex < kResultCountAllIndex;
  const std::size_t limit =
      kResultCountLimits[known ? static_cast<std::size_t>(resultCountIndex) : 0];
  return std::min(limit, resultCount);
}

}  // namespace kalmo
