#include "models/batch_table_model.h"

#include <QBrush>
#include <QColor>
#include <QGuiApplication>
#include <QPalette>

#include "format/callout_line.h"
#include "format/number_format.h"
#include "format/units.h"
#include "lang/fit_texts.h"
#include "tables/nominal_range.h"
#include "widgets/palette_contrast.h"

namespace kalmo {

namespace {

QString text(const LangTable& lang, TextId id) {
  return QString::fromStdString(GetLangString(lang, id));
}

LimitsRow readLine(std::string_view line, bool inchMode, const LangTable& lang) {
  const CalloutReading reading = readCallout(line, {inchMode, ClassesWanted::Any});
  if (!reading.value) {
    return errorLimitsRow(std::string(line), calloutFailureText(reading.failure, lang));
  }
  const CalloutRequest& c = *reading.value;
  return evaluatedLimitsRow(std::string(line), c.size, c.sizeMm, c.hole, c.shaft);
}

bool fitDefined(const LimitsRow& row) {
  return limitsFitShown(row) && row.evaluation.fit.kind != FitKind::Undefined;
}

// A member column's value in mm, when the part is shown.
std::optional<double> memberValueMm(const LimitsRow& row, int column) {
  const bool hole = column < BatchTableModel::ShaftClass;
  if (!limitsPartShown(row, hole ? Side::Hole : Side::Shaft)) return std::nullopt;
  const ClassResult& r = hole ? row.evaluation.hole : row.evaluation.shaft;
  switch (hole ? column : column - (BatchTableModel::ShaftClass - BatchTableModel::HoleClass)) {
    case BatchTableModel::HoleUpper: return r.upperMm();
    case BatchTableModel::HoleLower: return r.lowerMm();
    case BatchTableModel::HoleMax: return r.upperLimitMm(row.sizeMm);
    case BatchTableModel::HoleMin: return r.lowerLimitMm(row.sizeMm);
    default: break;
  }
  return std::nullopt;
}

// A length column's value in mm; nullopt for an empty cell.
std::optional<double> lengthMm(const LimitsRow& row, int column) {
  if (!row.error.empty()) return std::nullopt;
  switch (column) {
    case BatchTableModel::HoleUpper:
    case BatchTableModel::HoleLower:
    case BatchTableModel::HoleMax:
    case BatchTableModel::HoleMin:
    case BatchTableModel::ShaftUpper:
    case BatchTableModel::ShaftLower:
    case BatchTableModel::ShaftMax:
    case BatchTableModel::ShaftMin: return memberValueMm(row, column);
    case BatchTableModel::Value1:
      return fitDefined(row) ? std::optional(row.evaluation.fit.value1Mm()) : std::nullopt;
    case BatchTableModel::Value2:
      return fitDefined(row) ? std::optional(row.evaluation.fit.value2Mm()) : std::nullopt;
    case BatchTableModel::FitTolerance:
      return fitDefined(row) ? std::optional(row.evaluation.fit.toleranceMm()) : std::nullopt;
    default: break;
  }
  return std::nullopt;
}

QString classText(Side side, const std::optional<ToleranceClass>& cls) {
  return cls ? QString::fromStdString(Designation(side, *cls)) : QString();
}

}  // namespace

std::vector<LimitsRow> readCalloutLines(const QString& text, bool inchMode, const LangTable& lang) {
  std::vector<LimitsRow> rows;
  for (const QString& line : text.split(QLatin1Char('\n'))) {
    const std::string utf8 = line.toStdString();
    if (const std::optional<std::string_view> callout = calloutListLine(utf8)) {
      rows.push_back(readLine(*callout, inchMode, lang));
    }
  }
  return rows;
}

BatchTableModel::BatchTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void BatchTableModel::setInput(const QString& text, bool inchMode, const LangTable& lang,
                               std::string decimalSeparator) {
  beginResetModel();
  inch_ = inchMode;
  lang_ = lang;
  decimal_ = std::move(decimalSeparator);
  rows_ = readCalloutLines(text, inchMode, lang);
  endResetModel();
}

int BatchTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int BatchTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : ColumnCount;
}

QVariant BatchTableModel::display(const LimitsRow& row, int column) const {
  if (const std::optional<double> mm = lengthMm(row, column)) {
    return QString::fromStdString(lengthText(*mm, inch_, decimal_));
  }
  switch (column) {
    case Source: return QString::fromStdString(row.source);
    case Error: return QString::fromStdString(row.error);
    default: break;
  }
  if (!row.error.empty()) return {};
  switch (column) {
    case Size: return QString::fromStdString(formatPlain(row.size, decimal_));
    case HoleClass: return classText(Side::Hole, row.hole);
    case ShaftClass: return classText(Side::Shaft, row.shaft);
    case Kind:
      return fitDefined(row) ? text(lang_, fitKindText(row.evaluation.fit.kind)) : QString();
    default: break;
  }
  return {};
}

QVariant BatchTableModel::sortKey(const LimitsRow& row, int column) const {
  if (const std::optional<double> mm = lengthMm(row, column)) return *mm;
  if (column == Size && row.error.empty()) return row.size;
  if (column == Kind && fitDefined(row)) return static_cast<int>(row.evaluation.fit.kind);
  const QVariant shown = display(row, column);
  // Empty cells sort last, whichever the direction of the numbers.
  return shown.toString().isEmpty() ? QVariant() : shown;
}

QVariant BatchTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const LimitsRow& row = rows_[static_cast<std::size_t>(index.row())];
  const int column = index.column();
  switch (role) {
    case Qt::DisplayRole: return display(row, column);
    case SortRole: return sortKey(row, column);
    case Qt::TextAlignmentRole:
      return column == Source || column == Error || column == Kind
                 ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                 : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::ForegroundRole:
      // Readable on light and dark palettes alike.
      return row.error.empty() ? QVariant()
                               : QVariant(QBrush(errorTextColour(QGuiApplication::palette())));
    case Qt::ToolTipRole:
      if (!row.error.empty()) return QString::fromStdString(row.error);
      if ((column == Value1 || column == Value2) && fitDefined(row)) {
        const FitKind kind = row.evaluation.fit.kind;
        return text(lang_, column == Value1 ? fitValue1Caption(kind) : fitValue2Caption(kind));
      }
      return {};
    default: break;
  }
  return {};
}

QVariant BatchTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
    return QAbstractTableModel::headerData(section, orientation, role);
  }
  const auto member = [this](TextId side, TextId what) {
    return text(lang_, side) + QLatin1Char('\n') + text(lang_, what);
  };
  switch (section) {
    case Source: return text(lang_, TextId::Callout);
    case Size: return text(lang_, TextId::NominalSize);
    case HoleClass: return text(lang_, TextId::Hole);
    case HoleUpper: return member(TextId::Hole, TextId::UpperDeviationShort);
    case HoleLower: return member(TextId::Hole, TextId::LowerDeviationShort);
    case HoleMax: return member(TextId::Hole, TextId::MaxSizeShort);
    case HoleMin: return member(TextId::Hole, TextId::MinSizeShort);
    case ShaftClass: return text(lang_, TextId::Shaft);
    case ShaftUpper: return member(TextId::Shaft, TextId::UpperDeviationShort);
    case ShaftLower: return member(TextId::Shaft, TextId::LowerDeviationShort);
    case ShaftMax: return member(TextId::Shaft, TextId::MaxSizeShort);
    case ShaftMin: return member(TextId::Shaft, TextId::MinSizeShort);
    case Kind: return text(lang_, TextId::TypeOfFit);
    case Value1: return text(lang_, TextId::LimitValue1);
    case Value2: return text(lang_, TextId::LimitValue2);
    case FitTolerance: return text(lang_, TextId::FitTolerance);
    case Error: return text(lang_, TextId::Error);
    default: break;
  }
  return {};
}

QString tabSeparatedText(const QAbstractItemModel& model) {
  const auto clean = [](QString s) {
    return s.replace(QLatin1Char('\n'), QLatin1Char(' '))
        .replace(QLatin1Char('\t'), QLatin1Char(' '));
  };
  QString out;
  const int columns = model.columnCount();
  for (int c = 0; c < columns; ++c) {
    if (c > 0) out += QLatin1Char('\t');
    out += clean(model.headerData(c, Qt::Horizontal).toString());
  }
  out += QStringLiteral("\r\n");
  for (int r = 0; r < model.rowCount(); ++r) {
    for (int c = 0; c < columns; ++c) {
      if (c > 0) out += QLatin1Char('\t');
      out += clean(model.data(model.index(r, c)).toString());
    }
    out += QStringLiteral("\r\n");
  }
  return out;
}

}  // namespace kalmo
