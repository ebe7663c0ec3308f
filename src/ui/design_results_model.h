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
// fit with its designation, its two fit values and its deviation from the
// targets, in the unit the window shows, preferred fits in bold. It holds the
// compact results of the last search that passed its input check and builds
// the text of a row only when the row is drawn (a search ranks up to some
// 14000 fits; the table shows a dozen at a time). It reads the unit and the
// language at the moment a cell is drawn, so a unit switch or a language
// change shows in the next repaint without a new search.
class DesignResultsModel final : public QAbstractTableModel {
  Q_OBJECT

 public:
  static constexpr int kColumns = 4;
  // Rows of the empty table before the first search.
  static constexpr int kStartRows = 11;
  // Background of the heading row.
  static inline const QColor kHeadingColour{147, 192, 253};

  // The record supplies the unit (InchMode); record and language must
  // outlive the model.
  DesignResultsModel(const CalcRecord& record, const Language& language, QObject* parent = nullptr);

  // Sign correction, input check and search (runDesignSearch). When the
  // check passes the table shows the first rows of the result-count picker
  // entry resultCountIndex (designRowsToShow): at least one row, blank when
  // there is no result. When it fails the previous results stay.
  DesignCheck search(const DesignRequest& request, int resultCountIndex);
  const RankedFits& results() const { return results_; }
  // The record of a row, built when asked; nullopt for a blank row.
  std::optional<DesignResult> fitAt(int row) const;

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
  RankedFits results_;
  // The next search fills this one; it takes the place of results_ when the
  // check passes. Both keep their memory from search to search.
  RankedFits next_;
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
