#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "calc/evaluation.h"
#include "calc/tolerance_class.h"
#include "design/fit_catalogue.h"
#include "mech/operating_fit.h"

namespace kalmo {

struct DesignRequest;

// One accepted candidate of a design search. Lengths in mm whatever unit the
// window shows; the fit values are signed clearances as the evaluation gives
// them (positive clearance, negative interference).
struct DesignResult {
  double Deviation = 0;     // distance of the two fit values from the two targets, >= 0
  std::string Designation;  // "H7/g6"
  double FitValue1 = 0;     // maximum clearance, or maximum interference for an interference fit
  double FitValue2 = 0;     // minimum clearance, maximum or minimum interference
  double FitTolerance = 0;  // |FitValue1 - FitValue2|
  bool Preferred = false;   // a preferred entry of the catalogue range the search consulted
  FitClasses classes;       // the classes Designation names, to apply the fit without parsing it

  friend bool operator==(const DesignResult&, const DesignResult&) = default;
};

// The ranked results of one search, best first.
using DesignResults = std::vector<DesignResult>;

// The ranked results of one search in compact form, best first: the classes
// the search evaluated, each once, and per accepted fit its score and the
// indexes of its two classes. A search accepts up to some 14000 fits of which
// the window shows ten, so the text record of a row is built only when the
// row is shown or written. A search refills an object in place and reuses its
// memory, so repeated searches into the same object take none afresh.
class RankedFits {
 public:
  std::size_t size() const { return rows_.size(); }
  bool empty() const { return rows_.empty(); }

  // The record of a row (row < size()). Its fit values come from EvaluateFit
  // on the limits the search evaluated, so they are the evaluation's bits
  // (from fitOfZonesAtTemperature in a search at operating temperatures).
  DesignResult record(std::size_t row) const;
  // The fit of a row (row < size()), without the text of a record.
  FitMm fit(std::size_t row) const;
  // Whether a row's fit (row < size()) is a preferred entry of the catalogue
  // range the search consulted.
  bool preferred(std::size_t row) const;
  // The records of the first min(count, size()) rows, best first.
  DesignResults records(std::size_t count) const;

  // A class the search evaluated, its exact limits at the search's size at
  // 20 °C, and its zone (at the part's temperature in a search at operating
  // temperatures, the limits in doubles otherwise).
  struct EvaluatedClass {
    ToleranceClass cls;
    ClassResult limits;
    ZoneMm zone;
  };
  // An accepted fit. The class lists hold at most 202 classes and the
  // catalogue 159 entries, so an index fits in 16 bits.
  struct Row {
    double deviation;
    std::uint16_t hole;   // into holes_
    std::uint16_t shaft;  // into shafts_
  };
  // A row and the classes its indexes name, for a writer of every row that
  // builds the text of each class once rather than a record per row.
  const Row& row(std::size_t row) const { return rows_[row]; }
  std::span<const EvaluatedClass> holes() const { return holes_; }
  std::span<const EvaluatedClass> shafts() const { return shafts_; }

 private:
  friend void searchFits(const DesignRequest& request, RankedFits& results);

  std::vector<EvaluatedClass> holes_;
  std::vector<EvaluatedClass> shafts_;
  std::vector<Row> rows_;
  // The catalogue range the search consulted (for the standard check and
  // the preferred marks) and what chose it; the next search with the same
  // choice reuses it. Empty before the first search.
  struct CatalogueChoice {
    DesignSystem system;
    FitType type;
    bool above500;
    friend bool operator==(const CatalogueChoice&, const CatalogueChoice&) = default;
  };
  std::optional<CatalogueChoice> catalogueChoice_;
  std::optional<CatalogueQuery> catalogue_;
  // Set when the search ran at operating temperatures: a row's fit is then
  // formed from the zones by fitOfZonesAtTemperature.
  std::optional<OperatingConditions> operating_;
};

// The result-count picker of the design page: entries 0..3 show at most 10,
// 20, 50 or 100 rows, entry 4 every result.
inline constexpr std::array<std::size_t, 4> kResultCountLimits = {10, 20, 50, 100};
inline constexpr int kResultCountAllIndex = 4;

// Number of result rows to show for a picker index and a result count. An
// index outside 0..4 (a stored setting edited by hand) counts as the default
// entry 0.
std::size_t designRowsToShow(int resultCountIndex, std::size_t resultCount);

}  // namespace kalmo
