#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QHeaderView>
#include <cstddef>
#include <optional>

#include "design/design_results.h"
#include "design/design_search.h"
#include "design/fit_catalogue.h"

namespace kalmo {

class Language;

// The results table of the design search: one row per ranked
// fit with its designation, its two fit values, its deviation from the
// targets, in the unit the window shows, and a check mark when it lies inside
// the targets; preferred fits in bold, the use of a standard fit as the
// tooltip of its designation. It holds the results of the last search that
// passed its input check; the window pushes the unit, and the language is
// read at the moment a cell is drawn, so a unit switch or a language change
// shows in the next repaint without a new search.
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

  // What decides whether a row lies inside the targets: the search's fit
  // type, its targets as typed and its unit (liesInsideTargets).
  struct InsideRule {
    FitType type = FitType::Clearance;
    DesignTargets targets;
    bool inchMode = false;
  };

  // Takes the results of a search and shows the first rowsShown of them;
  // at least one row, blank when there is no result. Without a rule no row
  // is marked inside.
  void setResults(DesignResults results, std::size_t rowsShown,
                  std::optional<InsideRule> inside = std::nullopt);
  // Whether a shown row lies inside the targets; false for a blank row.
  bool insideAt(int row) const;
  const DesignResults& results() const { return results_; }
  // The record of a row; nullptr for a blank row.
  const DesignResult* fitAt(int row) const;

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
  DesignResults results_;
  std::optional<InsideRule> inside_;
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
