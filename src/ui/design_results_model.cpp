#include "design_results_model.h"

#include <QFont>
#include <QPainter>
#include <algorithm>

#include "design/design_search.h"
#include "design/fit_use.h"
#include "design/inside_targets.h"
#include "format/units.h"
#include "language.h"
#include "number_field.h"

namespace kalmo {

namespace {

// The mark of a row inside the targets.
const QString kCheckMark = QStringLiteral("\u2713");

}  // namespace

DesignResultsModel::DesignResultsModel(const Language& language, QObject* parent)
    : QAbstractTableModel(parent), language_(language) {}

void DesignResultsModel::setResults(DesignResults results, std::size_t rowsShown,
                                    std::optional<InsideRule> inside) {
  beginResetModel();
  results_ = std::move(results);
  inside_ = inside;
  rows_ = static_cast<int>(std::max<std::size_t>(std::min(rowsShown, results_.size()), 1));
  endResetModel();
}

const DesignResult* DesignResultsModel::fitAt(int row) const {
  if (row < 0 || row >= rows_ || static_cast<std::size_t>(row) >= results_.size()) {
    return nullptr;
  }
  return &results_[static_cast<std::size_t>(row)];
}

bool DesignResultsModel::insideAt(int row) const {
  const DesignResult* fit = fitAt(row);
  return fit != nullptr && inside_ &&
         liesInsideTargets(*fit, inside_->type, inside_->targets, inside_->inchMode);
}

void DesignResultsModel::setFitType(FitType type) {
  fitType_ = type;
  emit headerDataChanged(Qt::Horizontal, 1, 2);
}

void DesignResultsModel::refreshTexts() {
  emit headerDataChanged(Qt::Horizontal, 0, kColumns - 1);
  emit dataChanged(index(0, 0), index(rows_ - 1, kColumns - 1));
}

int DesignResultsModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : rows_;
}

int DesignResultsModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumns;
}

QVariant DesignResultsModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) {
    return {};
  }
  if (role == Qt::TextAlignmentRole) {
    const Qt::Alignment alignment = index.column() == 0 || index.column() == kInsideColumn
                                        ? Qt::Alignment(Qt::AlignCenter)
                                        : (Qt::AlignRight | Qt::AlignVCenter);
    return static_cast<int>(alignment);
  }
  const DesignResult* fit = fitAt(index.row());
  if (fit == nullptr) {
    return {};
  }
  if (role == Qt::FontRole) {
    if (!fit->Preferred) {
      return {};
    }
    // Only the weight: the table's font supplies the rest.
    QFont bold;
    bold.setBold(true);
    return bold;
  }
  if (role == Qt::ToolTipRole) {
    const std::optional<TextId> use =
        index.column() == 0 ? fitUseTextId(fit->classes) : std::nullopt;
    return use ? QVariant(language_.text(*use)) : QVariant();
  }
  if (role != Qt::DisplayRole) {
    return {};
  }
  const auto length = [this](double mm) {
    return QString::fromStdString(lengthText(mm, inchMode_, localeDecimalSeparator()));
  };
  switch (index.column()) {
    case 0: return QString::fromStdString(fit->Designation);
    case 1: return length(fit->FitValue1);
    case 2: return length(fit->FitValue2);
    case 3: return length(fit->Deviation);
    case kInsideColumn: return insideAt(index.row()) ? kCheckMark : QString();
    default: return {};
  }
}

QVariant DesignResultsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= kColumns) {
    return QAbstractTableModel::headerData(section, orientation, role);
  }
  switch (role) {
    case Qt::DisplayRole: {
      // The value columns are captioned like the target fields of the type.
      const TargetCaptionIds values = targetCaptionIds(fitType_);
      const TextId ids[kColumns] = {TextId::Fit, values.max, values.min, TextId::Deviation,
                                    TextId::InsideColumn};
      return language_.text(ids[section]);
    }
    case Qt::BackgroundRole: return kHeadingColour;
    case Qt::ForegroundRole: return QColor(Qt::black);
    case Qt::TextAlignmentRole: return static_cast<int>(Qt::AlignCenter);
    default: return {};
  }
}

DesignTableHeader::DesignTableHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {}

void DesignTableHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
  if (model() == nullptr || !rect.isValid()) {
    return;
  }
  const auto header = [&](int role) {
    return model()->headerData(logicalIndex, orientation(), role);
  };
  painter->save();
  painter->fillRect(rect, header(Qt::BackgroundRole).value<QColor>());
  // The grid lines of the table continue through the heading row.
  painter->setPen(palette().color(QPalette::Mid));
  painter->drawLine(rect.topRight(), rect.bottomRight());
  painter->drawLine(rect.bottomLeft(), rect.bottomRight());
  painter->setPen(header(Qt::ForegroundRole).value<QColor>());
  painter->setFont(font());
  const QRect area = textArea(rect);
  // Each word on its own is cut to the width; the words then wrap.
  QStringList words = header(Qt::DisplayRole).toString().split(u' ', Qt::SkipEmptyParts);
  for (QString& word : words) {
    word = fontMetrics().elidedText(word, Qt::ElideRight, area.width());
  }
  painter->drawText(area, Qt::AlignCenter | Qt::TextWordWrap, words.join(u' '));
  painter->restore();
}

}  // namespace kalmo
