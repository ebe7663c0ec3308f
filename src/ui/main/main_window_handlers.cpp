#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTableView>
#include <QToolButton>
#include <cmath>

#include "calc/start_inputs.h"
#include "design/class_lists.h"
#include "format/shortest_number.h"
#include "format/units.h"
#include "general/general_text.h"
#include "help/help_command.h"
#include "main/main_window.h"
#include "main/window_geometry.h"
#include "pages/catalogue_page.h"
#include "pages/design_page.h"
#include "pages/operating_page.h"
#include "preferred/preferred_window.h"
#include "present/boundary_note.h"
#include "present/export_text.h"
#include "storage/language.h"
#include "storage/settings_store.h"
#include "widgets/app_images.h"
#include "widgets/class_pickers.h"
#include "widgets/number_field.h"
#include "widgets/results_grid.h"
#include "widgets/zone_diagram.h"

namespace kalmo {

void MainWindow::selectHoleClass(std::optional<ToleranceClass> cls) {
  if (cls) {
    selectClass(*in_.holeLetterPicker, *in_.holeGradePicker, Side::Hole, *cls);
  } else {
    const QSignalBlocker blockLetter(in_.holeLetterPicker);
    const QSignalBlocker blockGrade(in_.holeGradePicker);
    in_.holeLetterPicker->setCurrentIndex(-1);
    in_.holeGradePicker->setCurrentIndex(-1);
  }
}

void MainWindow::selectShaftClass(std::optional<ToleranceClass> cls) {
  if (cls) {
    selectClass(*in_.shaftLetterPicker, *in_.shaftGradePicker, Side::Shaft, *cls);
  } else {
    const QSignalBlocker blockLetter(in_.shaftLetterPicker);
    const QSignalBlocker blockGrade(in_.shaftGradePicker);
    in_.shaftLetterPicker->setCurrentIndex(-1);
    in_.shaftGradePicker->setCurrentIndex(-1);
  }
}

std::optional<ToleranceClass> MainWindow::holeClass() const {
  return pickedClass(*in_.holeLetterPicker, *in_.holeGradePicker);
}
std::optional<ToleranceClass> MainWindow::shaftClass() const {
  return pickedClass(*in_.shaftLetterPicker, *in_.shaftGradePicker);
}

FitInputs MainWindow::fitInputs() const {
  FitInputs inputs;
  inputs.sizeMm = record_.NominalSize;
  // The views name the size the field last applied, never a half-typed text.
  inputs.sizeText = in_.nominalSizeField->appliedText().toStdString();
  inputs.sizeShown = in_.nominalSizeField->value();
  inputs.hole = holeClass();
  inputs.shaft = shaftClass();
  inputs.inch = record_.InchMode;
  return inputs;
}

void MainWindow::Recalculate() {
  results_.publish(presentFit(fitInputs()));
}

void MainWindow::showResult() {
  describeResults();
  views_.resultsGrid->update();
  views_.zoneDiagram->setValues(zoneValues(view()));
  showBoundaryNote();
}

std::optional<OperatingConditions> MainWindow::operatingConditions() const {
  return panel_.operatingPage->conditions();
}

QString MainWindow::operatingConditionsLine() const {
  return panel_.operatingPage->conditionsLine();
}

void MainWindow::showBoundaryNote() {
  views_.boundaryNoteLabel->setText(
      QString::fromStdString(boundaryNote(language_.table(), view(), localeDecimalSeparator())));
  showGeneralLine();
}

void MainWindow::compareGeneralClass(std::optional<GeneralDesignation> designation) {
  if (designation == comparedGeneral_) return;
  comparedGeneral_ = designation;
  writeComparedGeneralClass(store_, comparedGeneral_);
  applyGroupHeight();
  showGeneralLine();
}

void MainWindow::showGeneralLine() {
  QLabel* line = views_.generalLine;
  line->setVisible(comparedGeneral_.has_value());
  line->clear();
  line->setToolTip({});
  const FitView& v = view();
  if (!comparedGeneral_ || !v.inputs.sizeShown) return;  // no size, no comparison
  std::optional<TypedLength> size = readTypedLength(v.inputs.sizeText, v.inputs.inch);
  if (!size) size = readTypedLength(formatShortest(*v.inputs.sizeShown), v.inputs.inch);
  if (!size) return;
  std::vector<ClassWidth> widths;
  for (const PartView* part : {&v.hole, &v.shaft}) {
    if (part->shown) widths.push_back({part->classText, part->result.toleranceMm()});
  }
  const QString text = QString::fromStdString(
      generalComparisonLine(language_.table(), evaluateGeneral(*size, *comparedGeneral_), widths,
                            {v.inputs.inch, localeDecimalSeparator()}));
  // A line too long for the window is cut with "…" and whole in its tooltip.
  line->setText(line->fontMetrics().elidedText(text, Qt::ElideRight, line->width()));
  line->setToolTip(text + u'\n' + language_.text(TextId::GeneralComparisonHelp));
}

int MainWindow::groupHeight() const {
  return layout::kGroupHeight + (comparedGeneral_ ? layout::kGeneralLineHeight : 0);
}

void MainWindow::applyGroupHeight() {
  const int height = groupHeight();
  centralWidget()->setFixedHeight(height);
  in_.group->setGeometry(0, 0, layout::kGroupWidth, height);
  panel_.frame->setGeometry(layout::kGroupWidth, 0, layout::kPanelWidth, height);
  panel_.pages->setGeometry(0, 0, layout::kPanelWidth, height);
  setFixedSize(windowWidth(panel_.page), layout::kToolBarHeight + height);
}

GridInput MainWindow::gridInput() const {
  return GridInput{view(), language_.table(), localeDecimalSeparator()};
}

void MainWindow::startSession() {
  record_.NominalSize = kStartSizeMm;
  showSidePage(SidePage::None);

  const WindowSettings stored = readWindowSettings(store_);
  record_.InchMode = stored.inchMode;
  applyUnitToSizeField();
  panel_.designPage->showUnit(record_.InchMode);
  panel_.designPage->restoreChoices(stored.resultCountIndex, stored.onlyStandardFits,
                                    stored.onlyInsideTargets);
  panel_.operatingPage->restoreChoices(readOperatingChoices(store_));
  // The design page as the last session left it (targets in mm, with their fit type).
  const DesignSettings design = readDesignSettings(store_);
  panel_.designPage->setAtOperatingConditions(design.atOperatingConditions);
  panel_.designPage->restoreTargets(static_cast<FitType>(design.fitType), design.minMm,
                                    design.maxMm, record_.InchMode);
  if (record_.InchMode) {
    action(Command::SwitchUnit)->setIcon(icon(Image::UnitInch));
    // The field's change handler takes the start size in inches as the nominal size.
    in_.nominalSizeField->setValue(sizeFieldValue(kStartSizeMm, true));
  } else {
    action(Command::SwitchUnit)->setIcon(icon(Image::UnitMillimetre));
  }

  chooseLanguage(language_.code());

  selectHoleClass(kStartFit.hole);
  selectShaftClass(kStartFit.shaft);
  Recalculate();

  panel_.cataloguePage->selectFirstSection();
}

void MainWindow::saveSession() {
  writeWindowSettings(store_,
                      WindowSettings{record_.InchMode, panel_.designPage->resultCountIndex(),
                                     panel_.designPage->onlyStandardFits(),
                                     panel_.designPage->onlyInsideTargets()});
  writeOperatingChoices(store_, panel_.operatingPage->choices());
  writeDesignSettings(
      store_, DesignSettings{panel_.designPage->atOperatingConditions(),
                             static_cast<int>(panel_.designPage->fitType()),
                             panel_.designPage->targetMinMm(), panel_.designPage->targetMaxMm()});
}

void MainWindow::nominalSizeChanged() {
  // The note line describes the text as it stands: what is wrong with it, or
  // the unit again.
  if (in_.nominalSizeField->marked()) {
    showEntryNote(in_.nominalSizeField->problem());
  } else if (entryNoteShown_) {
    showUnitNote();
  }
  const std::optional<double> number = in_.nominalSizeField->value();
  // A field without a number yet (emptied while typing) has no size.
  record_.NominalSize = number ? (record_.InchMode ? inchToMm(*number) : *number) : 0;
  Recalculate();
}

void MainWindow::writeNominalField(double shown, double sizeMm) {
  // The field's change handler takes the shown number; the exact size is put back after it.
  in_.nominalSizeField->setValue(shown);
  record_.NominalSize = sizeMm;
  Recalculate();
}

void MainWindow::classPickerChanged(const QComboBox* sender) {
  if (sender->currentIndex() >= 0) {
    Recalculate();
  }
}

void MainWindow::showHoleClassList() {
  (isAbove500(record_.NominalSize) ? in_.holeClassesAbove500 : in_.holeClassesUpTo500)->showPopup();
}

void MainWindow::showShaftClassList() {
  (isAbove500(record_.NominalSize) ? in_.shaftClassesAbove500 : in_.shaftClassesUpTo500)
      ->showPopup();
}

void MainWindow::classListChosen(const ClassList* list, int index) {
  if (index < 0) {
    return;
  }
  const QString text = list->itemText(index);
  const std::string designation = text.toStdString();
  const ClassTextParts parts = splitClassText(designation);
  const bool hole = list->side() == Side::Hole;
  selectClassTexts(hole ? *in_.holeLetterPicker : *in_.shaftLetterPicker,
                   hole ? *in_.holeGradePicker : *in_.shaftGradePicker,
                   QString::fromStdString(std::string(parts.letters)),
                   QString::fromStdString(std::string(parts.grade)));
  Recalculate();
}

void MainWindow::takeFit(std::optional<double> sizeMm, const FitClasses& fit) {
  if (sizeMm && *sizeMm > 0) {
    writeNominalField(nominalFieldValueForPick(*sizeMm, record_.InchMode), *sizeMm);
  }
  applyFit(fit);
  raise();
  activateWindow();
}

void MainWindow::choosePreferredNumber() {
  applyPreferredNumber(pickPreferredNumber(this, language_.table()));
}

void MainWindow::applyPreferredNumber(double chosenMm) {
  if (chosenMm > 0) {
    writeNominalField(nominalFieldValueForPick(chosenMm, record_.InchMode), chosenMm);
  }
}

void MainWindow::switchUnit() {
  // A callout typed but not yet entered is applied first, so the switch
  // converts the size the field shows. Text that is no size stays as typed
  // (and is read in the new unit): the switch never takes text away.
  const bool converted = in_.nominalSizeField->value().has_value();
  if (converted) in_.nominalSizeField->finishEntry();
  record_.InchMode = !record_.InchMode;
  applyUnitToSizeField();
  action(Command::SwitchUnit)
      ->setIcon(icon(record_.InchMode ? Image::UnitInch : Image::UnitMillimetre));
  if (!converted) {
    nominalSizeChanged();
  } else if (record_.InchMode) {
    const double sizeMm = in_.nominalSizeField->value().value_or(record_.NominalSize);
    writeNominalField(sizeFieldValue(sizeMm, true), sizeMm);
  } else {
    writeNominalField(
        roundTo(record_.NominalSize, lengthDecimals(LengthUnit::Millimetre, LengthUse::Field)),
        record_.NominalSize);
  }
  showUnitNote();
}

void MainWindow::applyUnitToSizeField() {
  const FieldLimits limits = sizeFieldLimits(record_.InchMode);
  in_.nominalSizeField->setLimits(limits.minimum, limits.maximum);
  in_.nominalSizeField->setInchMode(record_.InchMode);
  in_.nominalSizeField->setUnit(record_.InchMode ? QStringLiteral("in") : QStringLiteral("mm"));
}

void MainWindow::showUnitNote() {
  entryNoteShown_ = false;
  views_.unitNoteLabel->setText(
      QString::fromStdString(unitNote(language_.table(), record_.InchMode)));
  views_.unitNoteLabel->setToolTip(QString());
}

void MainWindow::showEntryNote(const QString& note) {
  // One line beside the side-panel buttons; a longer note is cut, and its
  // tooltip holds the whole.
  entryNoteShown_ = true;
  const QString shown = views_.unitNoteLabel->fontMetrics().elidedText(
      note, Qt::ElideRight, views_.unitNoteLabel->width());
  views_.unitNoteLabel->setText(shown);
  views_.unitNoteLabel->setToolTip(shown == note ? QString() : note);
}

void MainWindow::applyCallout(std::optional<ToleranceClass> hole,
                              std::optional<ToleranceClass> shaft) {
  if (hole) selectHoleClass(hole);
  if (shaft) selectShaftClass(shaft);
  Recalculate();
}

void MainWindow::copyResults() {
  QApplication::clipboard()->setText(
      QString::fromStdString(BuildExportText(view(), language_.table(), localeDecimalSeparator())));
}

void MainWindow::copyCallout() {
  // No callout of a size that is not one ("Ø0 H7 (N)"): the note says why.
  if (in_.nominalSizeField->marked()) {
    showEntryNote(in_.nominalSizeField->problem());
    return;
  }
  QApplication::clipboard()->setText(QString::fromStdString(calloutText(view())));
}

void MainWindow::showHelpPage() {
  // The topic of the page open beside the inputs.
  const HelpTopic topic = panel_.page == SidePage::Catalogue   ? HelpTopic::Fits
                          : panel_.page == SidePage::Design    ? HelpTopic::Design
                          : panel_.page == SidePage::Operating ? HelpTopic::Operating
                                                               : HelpTopic::Start;
  showHelp(this, languageNumber(language_.code()), topic);
}

void MainWindow::toggleCataloguePage() {
  const bool open = panel_.page == SidePage::None;
  showSidePage(open ? SidePage::Catalogue : SidePage::None);
  in_.catalogueButton->setText(language_.text(TextId::StandardFits) +
                               (open ? QStringLiteral(" <<") : QStringLiteral(" >>")));
  panel_.pages->setCurrentWidget(panel_.cataloguePage);
  in_.designButton->setEnabled(panel_.page == SidePage::None);
  in_.operatingButton->setEnabled(panel_.page == SidePage::None);
  panel_.cataloguePage->refillFitList();
}

void MainWindow::toggleDesignPage() {
  const bool open = panel_.page == SidePage::None;
  showSidePage(open ? SidePage::Design : SidePage::None);
  in_.designButton->setText(language_.text(TextId::Design) +
                            (open ? QStringLiteral(" <<") : QStringLiteral(" >>")));
  if (open) {
    panel_.designPage->pageOpened();
  }
  panel_.pages->setCurrentWidget(panel_.designPage);
  in_.catalogueButton->setEnabled(panel_.page == SidePage::None);
  in_.operatingButton->setEnabled(panel_.page == SidePage::None);
}

void MainWindow::toggleOperatingPage() {
  const bool open = panel_.page == SidePage::None;
  showSidePage(open ? SidePage::Operating : SidePage::None);
  in_.operatingButton->setText(language_.text(TextId::OperatingButton) +
                               (open ? QStringLiteral(" <<") : QStringLiteral(" >>")));
  panel_.pages->setCurrentWidget(panel_.operatingPage);
  in_.catalogueButton->setEnabled(panel_.page == SidePage::None);
  in_.designButton->setEnabled(panel_.page == SidePage::None);
}

}  // namespace kalmo
