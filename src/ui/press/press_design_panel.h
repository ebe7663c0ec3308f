#pragma once

#include <QWidget>
#include <array>
#include <optional>
#include <vector>

#include "calc/tolerance_class.h"
#include "design/press_design.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QStandardItemModel;
class QTableView;

namespace kalmo {

class Language;
class NumberField;
class SettingsStore;

// The entry fields of the panel, in the order they are stored.
enum class LoadField { Torque, AxialForce, SlipSafety, YieldSafety, Count };
inline constexpr std::size_t kLoadFieldCount = static_cast<std::size_t>(LoadField::Count);

// The load part of the press-fit window: the torque and axial force the joint
// is to carry, the slip safety of the fit on screen under that load, and the
// fits of a system and grade range that carry the load with the required
// safeties (designPressFit), best first. Choosing one sends fitChosen; the
// window that owns the main window applies it there. The panel follows the
// joint the press-fit window gives it (setJoint) and never reads that
// window's fields. Its inputs are kept in the settings store.
class PressDesignPanel final : public QWidget {
  Q_OBJECT

 public:
  PressDesignPanel(const Language& language, SettingsStore& store, QWidget* parent = nullptr);
  ~PressDesignPanel() override;

  // The joint of the press-fit window with the fit on screen, lengths in mm;
  // nullopt while a field there is wrong or no fit is shown. inchMode: the
  // unit lengths are shown in. Recalculates.
  void setJoint(const std::optional<PressFitInput>& joint, bool inchMode);
  void applyLanguage();

  NumberField* field(LoadField which) const { return fields_[static_cast<std::size_t>(which)]; }
  QComboBox* system;  // hole basis, shaft basis, all combinations
  QComboBox* range;   // the IT application ranges of the design page, without "Select"
  QLabel* slipLine;   // the slip safety of the fit on screen under the load
  QLabel* status;     // the interference window, or why no fit is listed
  QTableView* fits;
  QPushButton* applyButton;
  // Only the fits that also carry the load at the operating temperatures;
  // enabled while the joint has them.
  QCheckBox* inOperation;

  // The fits listed, best first.
  const std::vector<PressDesignFit>& listed() const { return listed_; }
  // A complete load was worked out for the joint: false while no load is
  // typed, a field is marked or the window gives no joint.
  bool loadWorkedOut() const { return loadCarried_; }
  // "Torque T [N·m]": a field's caption as shown, rich text.
  QString caption(LoadField which) const;

 signals:
  // A fit chosen from the list, to be applied in the main window.
  void fitChosen(kalmo::FitClasses classes);

 private:
  void recalculate();
  void chooseCurrent();
  // The load typed; nullopt while neither force is given or a field is marked.
  std::optional<PressLoad> load() const;
  void readSettings();
  void writeSettings();

  const Language& language_;
  SettingsStore& store_;
  std::optional<PressFitInput> joint_;
  bool inch_ = false;
  std::array<NumberField*, kLoadFieldCount> fields_{};
  std::array<QLabel*, kLoadFieldCount> captions_{};
  QGroupBox* loadGroup_;
  QGroupBox* fitsGroup_;
  QLabel* systemCaption_;
  QLabel* rangeCaption_;
  QStandardItemModel* model_;
  std::vector<PressDesignFit> listed_;
  bool loadCarried_ = false;  // a complete load was worked out for the joint
};

}  // namespace kalmo
