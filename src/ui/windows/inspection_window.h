#pragma once

#include <QWidget>
#include <optional>

#include "design/inspection.h"
#include "present/fit_view.h"
#include "report/report_document.h"

class QGroupBox;
class QLabel;
class QTextBrowser;

namespace kalmo {

class Language;
class NumberField;
class ReportButtons;
class ResultSource;

// A part's measurement as typed in the window's unit: a single size, or a
// lot's smallest and largest size. nullopt without a first size.
std::optional<Measurement> typedMeasurement(std::optional<double> first,
                                            std::optional<double> lotMax);

// What to inspect for the result shown: its size and the classes that have
// limits there, with the measurements (typed in the result's unit) in mm.
// A measured part without such a class is left out.
InspectionInput inspectionInput(const FitView& view, std::optional<Measurement> holeTyped,
                                std::optional<Measurement> shaftTyped);

// The inspection window: measured sizes of the hole and the shaft of the
// current size and fit (a single size, or a lot's smallest and largest),
// and per part its status, margin, accepting classes and gauge sizes, then
// the actual fit. Lengths in the result's unit; the window follows every
// result and language of its result source.
class InspectionWindow final : public QWidget {
  Q_OBJECT

 public:
  explicit InspectionWindow(const ResultSource& source, QWidget* parent = nullptr);

  // Reads the result again (size, classes, unit) and inspects anew; typed
  // measurements are converted when the unit has changed. Runs on every result.
  void refresh();
  // Writes every caption in the current language and inspects anew; runs on
  // every change of language.
  void applyLanguage();

  // One part's widgets.
  struct PartPanel {
    QGroupBox* box = nullptr;
    NumberField* measured = nullptr;
    NumberField* lotMax = nullptr;
    QLabel* measuredCaption = nullptr;
    QLabel* lotCaption = nullptr;
    QLabel* statusCaption = nullptr;
    QLabel* status = nullptr;
    QLabel* marginCaption = nullptr;
    QLabel* margin = nullptr;
    QLabel* acceptingCaption = nullptr;
    QTextBrowser* accepting = nullptr;  // a few lines high, scrolled when longer
    QLabel* gaugeCaption = nullptr;
    QLabel* gauge = nullptr;
  };
  PartPanel hole;
  PartPanel shaft;
  QLabel* designation;
  QGroupBox* fitBox;
  QLabel* fitKind;
  QLabel* actualCaption;
  QLabel* actual;
  QLabel* sameKind;
  QLabel* preferredNote;
  QLabel* gaugeNote;
  ReportButtons* reportButtons;  // Copy, Print…, Save as PDF…

  // The last inspection; nullopt when nothing could be inspected.
  const std::optional<InspectionReport>& report() const { return report_; }
  // The inspection for a report: one section per measured part (its status,
  // margin, accepting classes and gauge sizes), then the actual fit when
  // both parts are measured. Empty while no part's fields give a measurement.
  std::vector<ReportSection> reportSections() const;
  // The window's own report: its sections under the header "Inspection".
  ReportDocument reportDocument() const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // A measured-size field's text: nothing, a size in range (as typed), or
  // what is wrong with it.
  struct FieldRead {
    std::optional<double> number;
    QString problem;
  };
  FieldRead readField(const NumberField& field) const;
  static void markField(NumberField& field, const QString& problem);
  PartPanel buildPart(const char* name);
  void inspectNow();
  // partsInside: no measured part lies outside its tolerance.
  void showFit(const std::optional<ActualFit>& fit, bool partsInside);
  // problem: why the part's fields give no measurement, empty when they are
  // empty or give one.
  void showPart(PartPanel& panel, Side side, const PartView& view,
                const std::optional<PartInspection>& part, const QString& problem);
  QString length(double mm) const;

  const ResultSource& source_;
  std::optional<InspectionReport> report_;
  bool inch_ = false;
};

}  // namespace kalmo
