#pragma once

#include <QAbstractTableModel>
#include <QLocale>
#include <vector>

#include "tables/preferred_series.h"

namespace kalmo {

// Read-only rows of one preferred-number series, six decades per row
// (columns "x0,001" … "x100"). Cells show the number in the general format
// with up to 15 significant digits and the locale's decimal separator, and
// give the number itself in mm under Qt::UserRole.
class PreferredTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit PreferredTableModel(QObject* parent = nullptr);

  // Replaces all rows with those of the series at the given index of the
  // series list; an index outside 0..10 leaves the table empty.
  void showSeries(int seriesIndex);

  // The number of a cell in mm; 0 for an index without a value.
  double value(const QModelIndex& index) const;

  // The cell text: general format, 15 significant digits, the locale's
  // decimal separator and no digit grouping (3150, not 3,150).
  static QString cellText(double value, const QLocale& locale = QLocale());

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 private:
  std::vector<PreferredRow> rows_;
};

}  // namespace kalmo
