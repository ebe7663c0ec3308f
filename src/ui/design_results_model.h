#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QHeaderView>
#include <cstddef>
#include <optional>

#include "calc/calc_record.h"
#include "design/design_results.h"
#include "design/design_search.h"
#include "design/fit_catalogue.h"

namespace kalmo {

class Language;

// The results table of the design search: one row per ranked
// fit with its designation, its two fit values, its deviation from the
// targets, in the unit the window shows, and a check mark when it lies inside
// the targets; preferred fits in bold, the use of a standard fit as the
// tooltip of its designation. It holds the
// results of the last search that passed its input check and reads the unit
// and the language at the moment a cell is drawn, so a unit switch or a
// language change shows in the next repaint without a new search.
class DesignResultsModel final : public QAbstractTableModel {
  Q_OBJECT

 public:
  static constexpr int kColumns = 5;
  static constexpr int kInsideColumn = 4;
  // Rows of the empty table before the first search.
  static constexpr int kStartRows = 11;
  // Background of the heading row.
  static inline const QColor kHeadingColour{147, 192, 253};

  // The record supplies the unit (InchMode); record and language must
  // outlive the model.
  DesignResultsModel(const CalcRecord& record, const Language& language, QObject* parent = nullptr);

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
  const CalcRecord& record_;
  const Language& language_;
  DesignResults results_;
  std::optional<InsideRule> inside_;
  int rows_ = kStartRows;
  FitType fitType_ = FitType::Clearance;
};

// The heading row of the results table: each section filled with the
// model's background colour and its text centred on one line in the model's
// text colour, cut with an ellipsis when the column is too narrow.
class DesignTableHeader final : public QHeaderView {
  Q_OBJECT

 public:
  explicit DesignTableHeader(QWidget* parent = nullptr);

 protected:
  void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
};

}  // namespace kalmo
