#include "models/press_fit_results_model.h"

#include <array>
#include <cmath>

#include "format/number_format.h"
#include "format/units.h"
#include "storage/language.h"
#include "widgets/number_field.h"

namespace kalmo {

namespace {

// How a row's number is written and which unit it carries.
enum class Kind { Length, Ratio, Compliance, Pressure, Torque, Force, Safety, Temperature };

struct RowDefinition {
  PressRow row;
  TextId caption;
  const char* symbol;
  Kind kind;
  std::optional<double> (*value)(const PressFitResult&);
  // The value at the operating temperatures; null for a row that has none
  // there (the ratios, K and ΔU are those at 20 °C, the stresses, the
  // press-in force and the joining temperatures belong to joining).
  std::optional<double> (*operating)(const PressFitResult&, const PressAtTemperature&) = nullptr;
};

using Op = std::optional<double>;

// Interference, pressures and forces of DIN 7190-1; the symbols are the
// ones the command line and the help use.
constexpr std::array<RowDefinition, static_cast<std::size_t>(PressRow::Count)> kRows{{
    {PressRow::UMax, TextId::MaxInterference, "U_max", Kind::Length,
     [](const PressFitResult& r) -> std::optional<double> { return r.uMaxMm; },
     [](const PressFitResult&, const PressAtTemperature& t) -> Op { return t.uMaxMm; }},
    {PressRow::UMin, TextId::MinInterference, "U_min", Kind::Length,
     [](const PressFitResult& r) -> std::optional<double> { return r.uMinMm; },
     [](const PressFitResult&, const PressAtTemperature& t) -> Op { return t.uMinMm; }},
    {PressRow::Smoothing, TextId::Smoothing, "ΔU", Kind::Length,
     [](const PressFitResult& r) -> std::optional<double> { return r.smoothingMm; }},
    {PressRow::UMaxEffective, TextId::EffectiveInterference, "U_w,max", Kind::Length,
     [](const PressFitResult& r) -> std::optional<double> { return r.uMaxEffMm; },
     [](const PressFitResult& r, const PressAtTemperature& t) -> Op {
       return t.uMaxMm - r.smoothingMm;
     }},
    {PressRow::UMinEffective, TextId::EffectiveInterference, "U_w,min", Kind::Length,
     [](const PressFitResult& r) -> std::optional<double> { return r.uMinEffMm; },
     [](const PressFitResult& r, const PressAtTemperature& t) -> Op {
       return t.uMinMm - r.smoothingMm;
     }},
    {PressRow::QHub, TextId::DiameterRatio, "Q_A", Kind::Ratio,
     [](const PressFitResult& r) -> std::optional<double> { return r.qHub; }},
    {PressRow::QShaft, TextId::DiameterRatio, "Q_I", Kind::Ratio,
     [](const PressFitResult& r) -> std::optional<double> { return r.qShaft; }},
    {PressRow::K, TextId::ElasticityFactor, "K", Kind::Compliance,
     [](const PressFitResult& r) -> std::optional<double> { return r.k; }},
    {PressRow::PMax, TextId::JointPressure, "p_max", Kind::Pressure,
     [](const PressFitResult& r) -> std::optional<double> { return r.pMaxMpa; },
     [](const PressFitResult&, const PressAtTemperature& t) -> Op { return t.pMaxMpa; }},
    {PressRow::PMin, TextId::JointPressure, "p_min", Kind::Pressure,
     [](const PressFitResult& r) -> std::optional<double> { return r.pMinMpa; },
     [](const PressFitResult&, const PressAtTemperature& t) -> Op { return t.pMinMpa; }},
    {PressRow::Torque, TextId::TransmissibleTorque, "M", Kind::Torque,
     [](const PressFitResult& r) -> std::optional<double> { return r.torqueNm; },
     [](const PressFitResult&, const PressAtTemperature& t) -> Op { return t.torqueNm; }},
    {PressRow::AxialForce, TextId::TransmissibleAxialForce, "F_ax", Kind::Force,
     [](const PressFitResult& r) -> std::optional<double> { return r.axialForceN; },
     [](const PressFitResult&, const PressAtTemperature& t) -> Op { return t.axialForceN; }},
    {PressRow::PressForce, TextId::PressInForce, "F_e", Kind::Force,
     [](const PressFitResult& r) -> std::optional<double> { return r.pressForceN; }},
    {PressRow::HubStress, TextId::HubStress, "σ_A", Kind::Pressure,
     [](const PressFitResult& r) -> std::optional<double> { return r.hubStressMpa; }},
    {PressRow::ShaftStress, TextId::ShaftStress, "σ_I", Kind::Pressure,
     [](const PressFitResult& r) -> std::optional<double> { return r.shaftStressMpa; }},
    {PressRow::HubSafety, TextId::HubSafety, "S_A", Kind::Safety,
     [](const PressFitResult& r) { return r.hubSafety; },
     [](const PressFitResult&, const PressAtTemperature& t) -> Op { return t.hubSafety; }},
    {PressRow::ShaftSafety, TextId::ShaftSafety, "S_I", Kind::Safety,
     [](const PressFitResult& r) { return r.shaftSafety; },
     [](const PressFitResult&, const PressAtTemperature& t) -> Op { return t.shaftSafety; }},
    {PressRow::HubTemperature, TextId::HubTemperature, "t_A", Kind::Temperature,
     [](const PressFitResult& r) -> std::optional<double> { return r.hubTemperatureC; }},
    {PressRow::ShaftTemperature, TextId::ShaftTemperature, "t_I", Kind::Temperature,
     [](const PressFitResult& r) -> std::optional<double> { return r.shaftTemperatureC; }},
}};

static_assert([] {
  for (std::size_t i = 0; i < kRows.size(); ++i) {
    if (kRows[i].row != static_cast<PressRow>(i)) return false;
  }
  return true;
}());

QString unitText(Kind kind, bool inchMode) {
  switch (kind) {
    case Kind::Length: return inchMode ? QStringLiteral("in") : QStringLiteral("mm");
    case Kind::Ratio:
    case Kind::Safety: return QStringLiteral("–");
    case Kind::Compliance: return QStringLiteral("1/MPa");
    case Kind::Pressure: return QStringLiteral("MPa");
    case Kind::Torque: return QStringLiteral("N·m");
    case Kind::Force: return QStringLiteral("N / kN");
    case Kind::Temperature: return QStringLiteral("°C");
  }
  return {};
}

// "1.5629·10⁻⁵": K lies around 1e-5 1/MPa for metals.
QString scientific(double value, const std::string& separator) {
  if (value == 0 || !std::isfinite(value)) {
    return QString::fromStdString(formatFixed(value, 4, separator));
  }
  int exponent = static_cast<int>(std::floor(std::log10(std::fabs(value))));
  double mantissa = roundTo(value / std::pow(10.0, exponent), 4);
  if (std::fabs(mantissa) >= 10) {  // 9.99996 rounds up to the next decade
    mantissa /= 10;
    ++exponent;
  }
  static const QString superscripts = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹");
  QString power;
  for (const QChar c : QString::number(exponent)) {
    power += c == u'-' ? QStringLiteral("⁻") : QString(superscripts[c.digitValue()]);
  }
  return QString::fromStdString(formatFixed(mantissa, 4, separator)) + QStringLiteral("·10") +
         power;
}

QString valueText(Kind kind, double value, bool inchMode) {
  const std::string separator = localeDecimalSeparator();
  const auto fixed = [&separator](double v, int decimals) {
    return QString::fromStdString(formatFixed(v, decimals, separator));
  };
  switch (kind) {
    case Kind::Length: return QString::fromStdString(lengthText(value, inchMode, separator));
    case Kind::Ratio: return fixed(value, 4);
    case Kind::Compliance: return scientific(value, separator);
    case Kind::Pressure:
    case Kind::Safety: return fixed(value, 2);
    case Kind::Torque:
    case Kind::Temperature: return fixed(value, 1);
    case Kind::Force: return fixed(value, 0) + QStringLiteral(" / ") + fixed(value / 1000, 2);
  }
  return {};
}

}  // namespace

PressFitResultsModel::PressFitResultsModel(const Language& language, QObject* parent)
    : QAbstractTableModel(parent), language_(language) {}

void PressFitResultsModel::setResult(std::optional<PressFitResult> result, bool inchMode) {
  result_ = std::move(result);
  inchMode_ = inchMode;
  emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void PressFitResultsModel::refreshTexts() {
  emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
  emit dataChanged(index(0, 0), index(rowCount() - 1, 0));
}

int PressFitResultsModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(kRows.size());
}

int PressFitResultsModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(PressColumn::Count);
}

QVariant PressFitResultsModel::data(const QModelIndex& index, int role) const {
  if (!checkIndex(index, CheckIndexOption::IndexIsValid)) {
    return {};
  }
  const RowDefinition& row = kRows[static_cast<std::size_t>(index.row())];
  const auto column = static_cast<PressColumn>(index.column());
  const bool valueColumn = column == PressColumn::Value || column == PressColumn::AtOperating;
  std::optional<double> number;
  if (column == PressColumn::Value && result_) {
    number = row.value(*result_);
  } else if (column == PressColumn::AtOperating && hasOperating() && row.operating) {
    number = row.operating(*result_, *result_->atOperating);
  }
  if (role == kNumberRole) {
    return valueColumn && number ? QVariant(*number) : QVariant();
  }
  if (role == Qt::TextAlignmentRole) {
    return valueColumn ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                       : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
  }
  if (role != Qt::DisplayRole) {
    return {};
  }
  switch (column) {
    case PressColumn::Quantity: return language_.text(row.caption).trimmed();
    case PressColumn::Symbol: return QString::fromUtf8(row.symbol);
    case PressColumn::Value:
      if (!result_) return QString();
      return number ? valueText(row.kind, *number, inchMode_) : QStringLiteral("–");
    case PressColumn::AtOperating:
      // Rows without a value at temperature stay empty: their value is the one at 20 °C.
      if (!hasOperating() || !row.operating) return QString();
      return number ? valueText(row.kind, *number, inchMode_) : QStringLiteral("–");
    case PressColumn::Unit: return unitText(row.kind, inchMode_);
    case PressColumn::Count: break;
  }
  return {};
}

QVariant PressFitResultsModel::headerData(int section, Qt::Orientation orientation,
                                          int role) const {
  if (orientation == Qt::Horizontal && role == Qt::ToolTipRole &&
      static_cast<PressColumn>(section) == PressColumn::AtOperating) {
    return language_.text(TextId::PressAtOperating);
  }
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
    return QAbstractTableModel::headerData(section, orientation, role);
  }
  switch (static_cast<PressColumn>(section)) {
    case PressColumn::Quantity: return language_.text(TextId::Quantity);
    case PressColumn::Symbol: return QString();
    case PressColumn::Value: return language_.text(TextId::Value);
    case PressColumn::AtOperating: return language_.text(TextId::PressAtOperatingShort);
    case PressColumn::Unit: return language_.text(TextId::Unit);
    case PressColumn::Count: break;
  }
  return {};
}

}  // namespace kalmo
