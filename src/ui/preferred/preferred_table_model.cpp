#include "preferred/preferred_table_model.h"

namespace kalmo {

PreferredTableModel::PreferredTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void PreferredTableModel::showSeries(int seriesIndex) {
  beginResetModel();
  rows_ = preferredRows(seriesIndex);
  endResetModel();
}

double PreferredTableModel::value(const QModelIndex& index) const {
  // No current cell (an empty table) is a normal case here, not a misuse.
  if (!index.isValid() || index.model() != this || index.row() >= rowCount() ||
      index.column() >= columnCount()) {
    return 0;
  }
  return rows_[static_cast<std::size_t>(index.row())][static_cast<std::size_t>(index.column())];
}

QString PreferredTableModel::cellText(double value, const QLocale& locale) {
  QLocale plain = locale;
  plain.setNumberOptions(plain.numberOptions() | QLocale::OmitGroupSeparator);
  return plain.toString(value, 'g', 15);
}

int PreferredTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int PreferredTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(kPreferredColumnCount);
}

QVariant PreferredTableModel::data(const QModelIndex& index, int role) const {
  if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
    return {};
  }
  switch (role) {
    case Qt::DisplayRole: return cellText(value(index));
    case Qt::UserRole: return value(index);
    case Qt::TextAlignmentRole: return static_cast<int>(Qt::AlignRight | Qt::AlignVCenter);
    default: return {};
  }
}

QVariant PreferredTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 ||
      section >= static_cast<int>(kPreferredColumnCount)) {
    return QAbstractTableModel::headerData(section, orientation, role);
  }
  switch (role) {
    case Qt::DisplayRole: {
      const std::string_view title = kPreferredColumnTitles[static_cast<std::size_t>(section)];
      return QString::fromLatin1(title.data(), static_cast<qsizetype>(title.size()));
    }
    case Qt::TextAlignmentRole: return static_cast<int>(Qt::AlignCenter);
    default: return {};
  }
}

Qt::ItemFlags PreferredTableModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

}  // namespace kalmo
