#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <optional>

#include "mech/press_fit.h"
#include "present/fit_view.h"
#include "report/report_document.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QTableView;

namespace kalmo {

class Language;
class NumberField;
class PressDesignPanel;
class PressFitResultsModel;
class ReportButtons;
class ResultSource;
class SettingsStore;

// The entry fields of the press-fit window, in the order they are stored.
enum class PressField {
  HubModulus,
  HubPoisson,
  HubYield,
  HubAlpha,
  HubOuterDiameter,
  HubRoughness,
  ShaftModulus,
  ShaftPoisson,
  ShaftYield,
  ShaftAlpha,
  ShaftBore,
  ShaftRoughness,
  Length,
  Friction,
  PressFriction,
  JoiningClearance,
  Count
};
inline constexpr std::size_t kPressFieldCount = static_cast<std::size_t>(PressField::Count);

// The friction coefficient the window starts with: a typical value for dry
// steel on steel (DIN 7190-1 gives about 0.1 to 0.2 for such pairs,
// depending on the joining method); the window says so beside the field.
inline constexpr double kTypicalDrySteelFriction = 0.12;

// "Press fit": the elastic press-fit method applied to the fit the main
// window shows. The hub is the hole part. It follows the results and the
// language of its result source and never reads the main window's widgets.
// Its inputs are kept in the settings store when it is destroyed or closed.
class PressFitWindow final : public QWidget {
  Q_OBJECT

 public:
  PressFitWindow(const ResultSource& source, SettingsStore& store, QWidget* parent = nullptr);
  ~PressFitWindow() override;

  // Writes every caption in the current language; runs on every change of language.
  void applyLanguage();

  NumberField* field(PressField which) const { return fields_[static_cast<std::size_t>(which)]; }
  // The entries are the presets in MaterialId order, then "Custom values".
  QComboBox* hubMaterial;
  QComboBox* shaftMaterial;
  // The conventions: entries in SmoothingRule and StressHypothesis order.
  QComboBox* smoothingPicker;
  QComboBox* stressPicker;
  QLabel* fitLine;        // "50 H7/s6 – Interference fit"
  QLabel* operatingLine;  // the operating page's temperatures, when they differ from 20 °C
  QLabel* problems;       // what is wrong with the entries, one line per field
  QLabel* warnings;       // loose joint, yielding, liquid nitrogen, clearance fit
  QTableView* results;
  PressDesignPanel* designPanel;  // the load, its slip safety, the fits that carry it
  ReportButtons* reportButtons;   // Copy, Print…, Save as PDF…
  const PressFitResultsModel& resultsModel() const { return *model_; }

  // What the fields ask of the method, lengths in mm; nullopt while a
  // required field holds no number or no complete fit is shown. With the
  // operating page's temperatures while one of them differs from 20 °C.
  std::optional<PressFitInput> input() const;

  // The calculation for a report: the inputs with the materials, the
  // results with their warnings, and the load panel's section when a load
  // is worked out. Empty while there is no result (a field without a valid
  // number, no complete fit).
  std::vector<ReportSection> reportSections() const;
  // The window's own report: its sections under the header "Press fit".
  ReportDocument reportDocument() const;

 signals:
  // A fit chosen in the design panel, to be applied in the main window.
  void fitChosen(kalmo::FitClasses classes);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  // The size, the fit and the unit to work with; lengths in the fields follow
  // a change of unit. Recalculates. Runs on every result.
  void takeFit(const FitView& view);
  void buildLayout();
  void recalculate();
  // The method's result for the input; an operating temperature the part's
  // α cannot take leaves the joint at 20 °C only, and says so in lines.
  std::optional<PressFitResult> calculate(PressFitInput in, QStringList& lines) const;
  // The operating line: the temperatures taken, and the α the operating
  // page uses where they differ from the materials'.
  void showOperatingLine(const std::optional<PressFitInput>& in);
  void materialChosen(QComboBox* picker);
  void propertyEdited(PressField which);
  void fillMaterial(QComboBox* picker, MaterialId id);
  void writeField(PressField which, std::optional<double> shown);
  // The number of a field in mm for lengths, as typed otherwise.
  std::optional<double> number(PressField which) const;
  void markField(PressField which, const QString& problem);
  // What is wrong with a field's text, empty when it is fine: no number, or
  // a number outside the method's range (rich text).
  QString fieldProblem(PressField which) const;
  QString rangeText(PressField which) const;
  QString fieldCaption(PressField which) const;
  void readSettings();
  void writeSettings();
  // The load panel's section: the load, the fit's slip safety, the fits that
  // carry the load.
  ReportSection loadSection(const std::function<QString(const QString&)>& plain) const;

  const ResultSource& source_;
  const Language& language_;
  SettingsStore& store_;
  FitView view_;  // the fit last taken: a change of unit converts the lengths
  std::array<NumberField*, kPressFieldCount> fields_{};
  std::array<QLabel*, kPressFieldCount> captions_{};
  // Lengths as the user gave them, in mm: the fields show them rounded in
  // the unit of the main window, and a change of unit must not drift them.
  std::array<std::optional<double>, kPressFieldCount> lengthsMm_{};
  QGroupBox* hubGroup_;
  QGroupBox* shaftGroup_;
  QGroupBox* jointGroup_;
  QLabel* hubMaterialCaption_;
  QLabel* shaftMaterialCaption_;
  QLabel* frictionHint_;
  QLabel* smoothingCaption_;
  QLabel* stressCaption_;
  PressFitResultsModel* model_;
  bool programWrites_ = false;
};

}  // namespace kalmo
