#pragma once

#include <QAbstractTableModel>
#include <optional>

#include "mech/press_fit.h"

namespace kalmo {

class Language;

// The rows of the press-fit results, in the order the table shows them.
enum class PressRow {
  UMax,
  UMin,
  Smoothing,
  UMaxEffective,
  UMinEffective,
  QHub,
  QShaft,
  K,
  PMax,
  PMin,
  Torque,
  AxialForce,
  PressForce,
  HubStress,
  ShaftStress,
  HubSafety,
  ShaftSafety,
  HubTemperature,
  ShaftTemperature,
  Count
};

// The columns: the quantity in the language, its symbol, the value, the value
// at the operating temperatures (empty without them) and the unit.
enum class PressColumn { Quantity, Symbol, Value, AtOperating, Unit, Count };

// The results of one press-fit calculation as a read-only table. Every row is
// always there; without a result the values are empty. Lengths follow the
// unit of the main window; forces show in N and kN. The column at the
// operating temperatures holds the interferences, pressures, forces and
// safeties of the joint at them, and nothing for a result without them
// (hasOperating() is false: the view hides the column).
class PressFitResultsModel final : public QAbstractTableModel {
  Q_OBJECT

 public:
  // The unrounded value of a value cell, in the unit the result type holds
  // (mm, MPa, 1/MPa, N, N·m, °C); invalid without a result, and for a safety
  // whose stress is 0.
  static constexpr int kNumberRole = Qt::UserRole;

  PressFitResultsModel(const Language& language, QObject* parent = nullptr);

  void setResult(std::optional<PressFitResult> result, bool inchMode);
  const std::optional<PressFitResult>& result() const { return result_; }
  bool hasOperating() const { return result_ && result_->atOperating; }
  // Repaints the headings and quantities after a language switch.
  void refreshTexts();

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  const Language& language_;
  std::optional<PressFitResult> result_;
  bool inchMode_ = false;
};

}  // namespace kalmo
