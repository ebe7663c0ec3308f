#include "stack/stack_table_model.h"

#include <QBrush>
#include <QColor>
#include <utility>

#include "format/number_format.h"
#include "format/share_format.h"
#include "format/shortest_number.h"
#include "format/units.h"
#include "stack/stack_text.h"
#include "storage/language.h"
#include "widgets/number_field.h"

namespace kalmo {

namespace {

const QColor kProblemCell(255, 214, 214);

QString qs(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

StackTableModel::StackTableModel(const Language& language, bool inch, QObject* parent)
    : QAbstractTableModel(parent), language_(language), inch_(inch) {}

int StackTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int StackTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : ColumnCount;
}

std::optional<StackContributor> StackTableModel::contributor(int row) const {
  const StackRow& r = rows_[static_cast<std::size_t>(row)];
  QString nominal = r.nominal.trimmed();
  nominal.replace(u',', u'.');
  const std::optional<double> value = parseNumber(nominal.toStdString());
  if (!value) return std::nullopt;
  return StackContributor{r.name.toStdString(), *value, r.direction, r.tolerance.toStdString(),
                          r.distribution};
}

std::optional<StackTableModel::Problem> StackTableModel::problem(int row) const {
  const std::optional<StackContributor> c = contributor(row);
  if (!c) return Problem{Nominal, language_.text(TextId::StackErrNominal)};
  const StackLinkRead read = resolveLink(*c, inch_);
  if (read.link) return std::nullopt;
  if (read.error.field == StackField::Tolerance) {
    return Problem{Tolerance, language_.text(stackToleranceErrorText(read.error.tolerance))};
  }
  return Problem{Nominal, language_.text(TextId::StackErrNominal)};
}

std::optional<std::vector<StackLink>> StackTableModel::links() const {
  std::vector<StackLink> out;
  for (int r = 0; r < rowCount(); ++r) {
    const std::optional<StackContributor> c = contributor(r);
    if (!c) return std::nullopt;
    const StackLinkRead read = resolveLink(*c, inch_);
    if (!read.link) return std::nullopt;
    out.push_back(*read.link);
  }
  return out;
}

QString StackTableModel::firstProblem() const {
  for (int r = 0; r < rowCount(); ++r) {
    if (const std::optional<Problem> p = problem(r)) {
      return language_.text(TextId::StackRowField)
          .replace(QStringLiteral("%1"), QString::number(r + 1))
          .replace(QStringLiteral("%2"),
                   headerData(p->column, Qt::Horizontal, Qt::DisplayRole).toString())
          .replace(QStringLiteral("%3"), p->reason);
    }
  }
  return {};
}

std::vector<StackContributor> StackTableModel::contributors() const {
  std::vector<StackContributor> out;
  for (int r = 0; r < rowCount(); ++r) {
    if (const std::optional<StackContributor> c = contributor(r)) out.push_back(*c);
  }
  return out;
}

QVariant StackTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const StackRow& r = rows_[static_cast<std::size_t>(index.row())];
  const int column = index.column();
  if (role == Qt::DisplayRole || role == Qt::EditRole) {
    switch (column) {
      case Name: return r.name;
      case Direction:
        if (role == Qt::EditRole) return directionSign(r.direction);
        return r.direction == StackDirection::Plus ? QStringLiteral("+") : QStringLiteral("\u2212");
      case Nominal: return r.nominal;
      case Tolerance: return r.tolerance;
      case Distribution:
        if (role == Qt::EditRole) return static_cast<int>(r.distribution);
        return language_.text(distributionText(r.distribution));
      case Sigma:
      case Share: {
        const auto i = static_cast<std::size_t>(index.row());
        if (!result_ || i >= result_->contributors.size()) return {};
        const ContributorResult& c = result_->contributors[i];
        const StackTextOptions options{inch_, localeDecimalSeparator()};
        return column == Sigma ? qs(stackSigmaText(c.sdMm, options))
                               : qs(formatShare(c.share, options.decimalSeparator));
      }
      default: return {};
    }
  }
  if (role == Qt::TextAlignmentRole && column != Name && column != Tolerance &&
      column != Distribution) {
    return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
  }
  if (role == Qt::BackgroundRole || role == Qt::ToolTipRole) {
    const std::optional<Problem> p = problem(index.row());
    if (p && p->column == column) {
      return role == Qt::BackgroundRole ? QVariant(QBrush(kProblemCell)) : QVariant(p->reason);
    }
    if (role == Qt::ToolTipRole && column == Tolerance) {
      return language_.text(TextId::StackToleranceHelp);
    }
    if (role == Qt::ToolTipRole && column == Direction) {
      return language_.text(TextId::StackDirectionHelp);
    }
  }
  return {};
}

bool StackTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || role != Qt::EditRole || index.row() >= rowCount()) return false;
  StackRow& r = rows_[static_cast<std::size_t>(index.row())];
  switch (index.column()) {
    case Name: r.name = value.toString(); break;
    case Direction:
      r.direction = value.toInt() < 0 ? StackDirection::Minus : StackDirection::Plus;
      break;
    case Nominal: r.nominal = value.toString(); break;
    case Tolerance: r.tolerance = value.toString(); break;
    case Distribution: {
      const int d = value.toInt();
      if (d < 0 || d > static_cast<int>(StackDistribution::Triangular)) return false;
      r.distribution = static_cast<StackDistribution>(d);
      break;
    }
    default: return false;
  }
  emit dataChanged(this->index(index.row(), 0), this->index(index.row(), ColumnCount - 1));
  return true;
}

Qt::ItemFlags StackTableModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (index.column() < Sigma) f |= Qt::ItemIsEditable;
  return f;
}

QVariant StackTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return section + 1;
  switch (section) {
    case Name: return language_.text(TextId::StackName);
    case Direction: return QStringLiteral("\u00B1");
    case Nominal:
      return language_.text(TextId::StackNominal) +
             (inch_ ? QStringLiteral(", in") : QStringLiteral(", mm"));
    case Tolerance: return language_.text(TextId::StackTolerance);
    case Distribution: return language_.text(TextId::StackDistribution);
    case Sigma: return QStringLiteral("\u03C3");
    case Share: return language_.text(TextId::StackShare);
    default: return {};
  }
}

bool StackTableModel::removeRows(int row, int count, const QModelIndex& parent) {
  if (parent.isValid() || row < 0 || count <= 0 || row + count > rowCount()) return false;
  beginRemoveRows(parent, row, row + count - 1);
  rows_.erase(rows_.begin() + row, rows_.begin() + row + count);
  result_.reset();
  endRemoveRows();
  return true;
}

void StackTableModel::setRows(std::vector<StackRow> rows) {
  beginResetModel();
  rows_ = std::move(rows);
  result_.reset();
  endResetModel();
}

void StackTableModel::insertContributor(int row, const StackRow& contributor) {
  row = std::clamp(row, 0, rowCount());
  beginInsertRows({}, row, row);
  rows_.insert(rows_.begin() + row, contributor);
  result_.reset();
  endInsertRows();
}

void StackTableModel::swapWithNext(int row) {
  if (row < 0 || row + 1 >= rowCount()) return;
  beginMoveRows({}, row + 1, row + 1, {}, row);
  std::swap(rows_[static_cast<std::size_t>(row)], rows_[static_cast<std::size_t>(row + 1)]);
  result_.reset();
  endMoveRows();
}

void StackTableModel::setResult(const std::optional<StackResult>& result) {
  result_ = result;
  if (rowCount() > 0) emit dataChanged(index(0, Sigma), index(rowCount() - 1, Share));
}

void StackTableModel::retranslate() {
  emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
  if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

std::vector<StackRow> stackRowsOf(const std::vector<StackContributor>& contributors) {
  std::vector<StackRow> rows;
  for (const StackContributor& c : contributors) {
    rows.push_back(
        {qs(c.name), qs(formatShortest(c.nominal)), c.direction, qs(c.tolerance), c.distribution});
  }
  return rows;
}

}  // namespace kalmo
