#include "models/catalogue_list_model.h"

#include <QFont>

#include "design/fit_use.h"
#include "storage/language.h"

namespace kalmo {

void CatalogueListModel::setEntries(std::span<const CatalogueEntry> entries) {
  beginResetModel();
  entries_ = entries;
  endResetModel();
}

const CatalogueEntry* CatalogueListModel::entry(int row) const {
  if (row < 0 || static_cast<std::size_t>(row) >= entries_.size()) {
    return nullptr;
  }
  return &entries_[static_cast<std::size_t>(row)];
}

int CatalogueListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(entries_.size());
}

QVariant CatalogueListModel::data(const QModelIndex& index, int role) const {
  const CatalogueEntry* e = index.isValid() ? entry(index.row()) : nullptr;
  if (e == nullptr) {
    return {};
  }
  switch (role) {
    case Qt::DisplayRole:
      return QString::fromLatin1(e->designation.data(),
                                 static_cast<qsizetype>(e->designation.size()));
    case Qt::FontRole:
      if (e->preferred) {
        // Only the weight: the view's font supplies the rest.
        QFont bold;
        bold.setBold(true);
        return bold;
      }
      return {};
    case Qt::ToolTipRole: {
      const std::optional<TextId> use = e->isFit() ? fitUseTextId(e->classes) : std::nullopt;
      return use ? QVariant(language_.text(*use)) : QVariant();
    }
    default: return {};
  }
}

}  // namespace kalmo
