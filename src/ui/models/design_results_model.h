#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QHeaderView>
#include <cstddef>
#include <optional>
#include <vector>

#include "design/design_results.h"
#include "design/design_search.h"
#include "design/fit_catalogue.h"
#include "design/inside_targets.h"

namespace kalmo {

class Language;

// The results table of the design search: one row per ranked
// fit with its designation, its two fit values, its deviation from the
// targets, in the unit the window shows, and a check mark when it lies inside
// the targets; preferred fits in bold, the use of a standard fit as the
// tooltip of its designation. It holds the compact results of the last search
// that passed its input check and builds the text of a row only when the row
// is drawn (a search ranks up to some 14000 fits; the table shows a dozen at
// a time). The window pushes the unit, and the language is read at the moment
// a cell is drawn, so a unit switch or a language change shows in the next
// repaint without a new search.
class DesignResultsModel final : public QAbstractTableModel {
  Q_OBJECT

 public:
  static constexpr int kColumns = 5;
  static constexpr int kInsideColumn = 4;
  // Rows of the empty table before the first search.
  static constexpr int kStartRows = 11;
  // Background of the heading row.
  static inline const QColor kHeadingColour{147, 192, 253};

  // The language must outlive the model. Values start in millimetres.
  explicit DesignResultsModel(const Language& language, QObject* parent = nullptr);

  // The unit of the values from the next repaint on.
  void setInchMode(bool inchMode) { inchMode_ = inchMode; }

  // Sign correction, input check and search (runDesignSearch). When the
  // check passes the table shows the results as showRows does; when it fails
  // the previous results stay.
  DesignCheck search(const DesignRequest& request, int resultCountIndex, bool insideOnly);
  // Shows the first rows of the result-count picker entry resultCountIndex
  // (designRowsToShow) of the last search's results: with insideOnly those
  // inside the targets in ranked order, or all of them when none lies
  // inside. At least one row, blank when there is no result. Nothing changes
  // when the rows shown stay the same.
  void showRows(int resultCountIndex, bool insideOnly);
  // Whether a search has passed its check since the model was made.
  bool searched() const { return target_.has_value(); }
  const RankedFits& results() const { return results_; }
  // The number of the last search's results inside the targets.
  std::size_t insideCount() const { return insideRanks_.size(); }
  // Whether a shown row lies inside the targets; false for a blank row.
  bool insideAt(int row) const;
  // The record of a row, built when asked; nullopt for a blank row.
  std::optional<DesignResult> fitAt(int row) const;
  // The shown row of a fit of the last search, or -1.
  int rowOf(const FitClasses& classes) const;
  // How a fit's values miss the targets of the last search; nullopt when
  // they lie inside or before the first search.
  std::optional<TargetExcess> excessOf(const DesignResult& fit) const;

  // The headings of the two value columns follow the fit type picker.
  void setFitType(FitType type);
  // Redraws headings and cells after a language change.
  void refreshTexts();

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

 private:
  const Language& language_;
  bool inchMode_ = false;
  RankedFits results_;
  // The next search fills this one; it takes the place of results_ when the
  // check passes. Both keep their memory from search to search.
  RankedFits next_;
  // The targets of results_, and the ranks of its fits inside them.
  std::optional<TargetWindow> target_;
  std::vector<std::size_t> insideRanks_;
  // Whether the rows are those of insideRanks_ rather than all ranks.
  bool insideRows_ = false;
  // The rows for a picker entry, of the inside ranks or of all.
  int rowsFor(int resultCountIndex, bool insideRows) const;
  // The rank in results_ of a row of the table, or nullopt for a blank row.
  std::optional<std::size_t> rankAt(int row) const;
  int rows_ = kStartRows;
  FitType fitType_ = FitType::Clearance;
};

// The heading row of the results table, two lines high: each section filled
// with the model's background colour and its text centred in the model's text
// colour, broken between words ("Max." over "interf.") so that the captions
// of every language fit the narrow columns; a word too long is cut with an
// ellipsis.
class DesignTableHeader final : public QHeaderView {
  Q_OBJECT

 public:
  explicit DesignTableHeader(QWidget* parent = nullptr);

  // Where a section's text goes, inside its grid lines.
  static QRect textArea(const QRect& section) { return section.adjusted(3, 0, -1, -1); }
  // Two lines of the header's font.
  int twoLineHeight() const { return 2 * fontMetrics().lineSpacing() + 3; }

 protected:
  void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
};

}  // namespace kalmo
