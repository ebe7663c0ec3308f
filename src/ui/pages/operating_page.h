#pragma once

#include <QWidget>

#include "mech/assembly_statistics.h"
#include "mech/materials.h"
#include "mech/operating_fit.h"
#include "present/fit_view.h"
#include "report/report_document.h"
#include "storage/settings_store.h"

class QComboBox;
class QLabel;

namespace kalmo {

class Language;
class NumberField;
class ReportButtons;
class ResultSource;

// The α a part's choice stands for: the preset's, or the typed one.
double alphaOf(const PartChoice& part);
// The conditions the choices describe.
OperatingConditions conditionsOf(const OperatingChoices& choices);

// The side page "Operating conditions": each part's material (a preset or a
// typed α) and temperature, and the spread of the actual sizes; it shows the
// window's fit at 20 °C and at the operating temperatures side by side, the
// warning when the fit changes its kind, and the shares of assemblies that
// interfere. It reads the window's one result value from the result source,
// follows its results and languages, and never changes it.
class OperatingPage final : public QWidget {
  Q_OBJECT

 public:
  explicit OperatingPage(const ResultSource& source, QWidget* parent = nullptr);

  // Writes captions and list entries in the language, then the results.
  void applyLanguage();
  // Shows the results for the window's current fit.
  void refresh();

  // The choices as the window keeps them: a field without a number within
  // its limits keeps the last number it held.
  OperatingChoices choices() const;
  // Fills the pickers and fields (values outside the field limits are held
  // at them) and shows the results.
  void restoreChoices(const OperatingChoices& choices);
  // The conditions the fields describe; nullopt while a field the
  // conditions read (a temperature, a custom material's α) holds no number
  // within its limits.
  std::optional<OperatingConditions> conditions() const;
  // Those conditions in one line, for the design page: "Hole: Steel, 20 °C ·
  // Shaft: Aluminium alloy, 80 °C"; the first problem while there is one.
  QString conditionsLine() const;

  // The page for a report: the conditions, then the fit at 20 °C and at the
  // operating temperatures with the kind warning and the shares. Empty while
  // no fit is shown or a field the conditions read holds no number.
  std::vector<ReportSection> reportSections() const;
  // The page's own report: its sections under "Operating conditions".
  ReportDocument reportDocument() const;
  ReportButtons* reportButtons() const { return reportButtons_; }

 signals:
  // A material, α or temperature changed (or was restored): conditions()
  // may differ.
  void conditionsChanged();

 private:
  // Shows the results and says the conditions may have changed.
  void conditionsEdited();
  struct PartWidgets {
    QComboBox* material;
    NumberField* alpha;
    NumberField* temperature;
    // The α typed for a custom material, kept while a preset shows its own.
    double customAlpha = PartChoice{}.customAlphaUmPerMK;
    // The last temperature the field held within its limits.
    double lastTemperature = PartChoice{}.temperatureC;
  };
  PartWidgets makePart(const char* side);
  PartChoice partChoice(const PartWidgets& part) const;
  // "Hole, Temperature in °C: enter a number": one line for each field the
  // conditions read that holds no number within its limits.
  QStringList entryProblems() const;
  void showPart(PartWidgets& part, const PartChoice& choice);
  // A material picked: a preset shows its α in the field, which only a
  // custom material lets the user edit.
  void materialChanged(PartWidgets& part);
  // A result column: "At 20 °C", the kind, then caption and value rows.
  ReportSection resultColumn(const QString& temperatures, const ZoneMm& hole, const ZoneMm& shaft,
                             const FitMm& fit) const;
  static QString columnHtml(const ReportSection& column);

  const ResultSource& source_;
  bool languageApplied_ = false;

  // Widgets, by role; the object names are the same words.
  QLabel* titleLabel_;
  QLabel* holeLabel_;
  QLabel* shaftLabel_;
  QLabel* alphaLabel_;
  QLabel* temperatureLabel_;
  PartWidgets hole_;
  PartWidgets shaft_;
  QLabel* distributionLabel_;
  QComboBox* distributionPicker_;
  QLabel* at20Result_;           // fit, values and shares at 20 °C
  QLabel* atTemperatureResult_;  // the same at the operating temperatures
  QLabel* kindWarning_;          // "At operating temperature the fit becomes ..."
  QLabel* interferingShare_;     // the shares of a transition fit, prominently
  ReportButtons* reportButtons_;
};

}  // namespace kalmo
