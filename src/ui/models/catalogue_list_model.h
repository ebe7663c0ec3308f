#pragma once

#include <QAbstractListModel>
#include <span>

#include "design/fit_catalogue.h"

namespace kalmo {

class Language;

// The fits of one catalogue section as the catalogue page's fit list shows them: the
// designation, in bold when the entry is preferred, with what the fit is for
// as its tooltip in the current language. The entries refer to the
// constant catalogue data, so a list filled for one size band keeps showing
// and applying that band's entries after the nominal size changes, until it
// is filled again.
class CatalogueListModel final : public QAbstractListModel {
  Q_OBJECT

 public:
  // The language must outlive the model.
  explicit CatalogueListModel(const Language& language, QObject* parent = nullptr)
      : QAbstractListModel(parent), language_(language) {}

  // Replaces every entry; views lose their selection.
  void setEntries(std::span<const CatalogueEntry> entries);
  // The entry of a row; nullptr outside the list.
  const CatalogueEntry* entry(int row) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

 private:
  const Language& language_;
  std::span<const CatalogueEntry> entries_;
};

}  // namespace kalmo
