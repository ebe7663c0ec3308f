#include "models/design_results_model.h"

#include <QFont>
#include <QPainter>
#include <algorithm>
#include <utility>

#include "design/design_search.h"
#include "design/fit_use.h"
#include "design/inside_targets.h"
#include "format/units.h"
#include "storage/language.h"
#include "widgets/number_field.h"

namespace kalmo {

namespace {

// The mark of a row inside the targets.
const QString kCheckMark = QStringLiteral("\u2713");

}  // namespace

DesignResultsModel::DesignResultsModel(const Language& language, QObject* parent)
    : QAbstractTableModel(parent), language_(language) {}

DesignCheck DesignResultsModel::search(const DesignRequest& request, int resultCountIndex,
                                       bool insideOnly) {
  const DesignCheck check = runDesignSearch(request, next_);
  if (check.error != DesignInputError::None) {
    return check;
  }
  beginResetModel();
  std::swap(results_, next_);
  target_.emplace(request.fitType, check.targets, request.inchMode);
  insideRanks_.clear();
  for (std::size_t i = 0; i < results_.size(); ++i) {
    const FitMm fit = results_.fit(i);
    if (target_->contains(fit.value1Mm(), fit.value2Mm())) {
      insideRanks_.push_back(i);
    }
  }
  insideRows_ = insideOnly && !insideRanks_.empty();
  rows_ = rowsFor(resultCountIndex, insideRows_);
  endResetModel();
  return check;
}

int DesignResultsModel::rowsFor(int resultCountIndex, bool insideRows) const {
  const std::size_t ranks = insideRows ? insideRanks_.size() : results_.size();
  return static_cast<int>(std::max<std::size_t>(designRowsToShow(resultCountIndex, ranks), 1));
}

void DesignResultsModel::showRows(int resultCountIndex, bool insideOnly) {
  const bool insideRows = insideOnly && !insideRanks_.empty();
  const int rows = rowsFor(resultCountIndex, insideRows);
  if (rows == rows_ && insideRows == insideRows_) {
    return;
  }
  beginResetModel();
  insideRows_ = insideRows;
  rows_ = rows;
  endResetModel();
}

std::optional<std::size_t> DesignResultsModel::rankAt(int row) const {
  if (row < 0 || row >= rows_) {
    return std::nullopt;
  }
  const auto r = static_cast<std::size_t>(row);
  if (insideRows_) {
    return r < insideRanks_.size() ? std::optional(insideRanks_[r]) : std::nullopt;
  }
  return r < results_.size() ? std::optional(r) : std::nullopt;
}

std::optional<DesignResult> DesignResultsModel::fitAt(int row) const {
  const std::optional<std::size_t> rank = rankAt(row);
  if (!rank) {
    return std::nullopt;
  }
  return results_.record(*rank);
}

int DesignResultsModel::rowOf(const FitClasses& classes) const {
  for (int row = 0; row < rows_; ++row) {
    const std::optional<std::size_t> rank = rankAt(row);
    if (rank && results_.record(*rank).classes == classes) return row;
  }
  return -1;
}

std::optional<TargetExcess> DesignResultsModel::excessOf(const DesignResult& fit) const {
  return target_ ? target_->excess(fit.FitValue1, fit.FitValue2) : std::nullopt;
}

bool DesignResultsModel::insideAt(int row) const {
  const std::optional<std::size_t> rank = rankAt(row);
  if (!rank) {
    return false;
  }
  const FitMm fit = results_.fit(*rank);
  return target_->contains(fit.value1Mm(), fit.value2Mm());
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
  // A view asks for many roles per cell: the record is built for these only.
  if (role != Qt::DisplayRole && role != Qt::FontRole && role != Qt::ToolTipRole) {
    return {};
  }
  const std::optional<DesignResult> fit = fitAt(index.row());
  if (!fit) {
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
