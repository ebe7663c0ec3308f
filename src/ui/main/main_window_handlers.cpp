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
#include "format/units.h"
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
#include "windows/about_window.h"
#include "windows/batch_table_window.h"
#include "windows/inspection_window.h"
#include "windows/press_fit_window.h"

namespace kalmo {

void MainWindow::selectHoleClass(std::optional<ToleranceClass> cls) {
  if (cls) {
    selectClass(*holeLetterPicker_, *holeGradePicker_, Side::Hole, *cls);
  } else {
    const QSignalBlocker blockLetter(holeLetterPicker_);
    const QSignalBlocker blockGrade(holeGradePicker_);
    holeLetterPicker_->setCurrentIndex(-1);
    holeGradePicker_->setCurrentIndex(-1);
  }
}

void MainWindow::selectShaftClass(std::optional<ToleranceClass> cls) {
  if (cls) {
    selectClass(*shaftLetterPicker_, *shaftGradePicker_, Side::Shaft, *cls);
  } else {
    const QSignalBlocker blockLetter(shaftLetterPicker_);
    const QSignalBlocker blockGrade(shaftGradePicker_);
    shaftLetterPicker_->setCurrentIndex(-1);
    shaftGradePicker_->setCurrentIndex(-1);
  }
}

std::optional<ToleranceClass> MainWindow::holeClass() const {
  return pickedClass(*holeLetterPicker_, *holeGradePicker_);
}
std::optional<ToleranceClass> MainWindow::shaftClass() const {
  return pickedClass(*shaftLetterPicker_, *shaftGradePicker_);
}

FitInputs MainWindow::fitInputs() const {
  FitInputs inputs;
  inputs.sizeMm = record_.NominalSize;
  // The views name the size the field last applied, never a half-typed text.
  inputs.sizeText = nominalSizeField_->appliedText().toStdString();
  inputs.sizeShown = nominalSizeField_->value();
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
  resultsGrid_->update();
  zoneDiagram_->setValues(zoneValues(view()));
  showBoundaryNote();
}

std::optional<OperatingConditions> MainWindow::operatingConditions() const {
  return operatingPage_->conditions();
}

QString MainWindow::operatingConditionsLine() const {
  return operatingPage_->conditionsLine();
}

void MainWindow::showBoundaryNote() {
  boundaryNoteLabel_->setText(
      QString::fromStdString(boundaryNote(language_.table(), view(), localeDecimalSeparator())));
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
  designPage_->showUnit(record_.InchMode);
  designPage_->restoreChoices(stored.resultCountIndex, stored.onlyStandardFits,
                              stored.onlyInsideTargets);
  operatingPage_->restoreChoices(readOperatingChoices(store_));
  // The design page as the last session left it (targets in mm, with their fit type).
  const DesignSettings design = readDesignSettings(store_);
  designPage_->setAtOperatingConditions(design.atOperatingConditions);
  designPage_->restoreTargets(static_cast<FitType>(design.fitType), design.minMm, design.maxMm,
                              record_.InchMode);
  if (record_.InchMode) {
    unitButton_->setIcon(icon(Image::UnitInch));
    // The field's change handler takes the start size in inches as the nominal size.
    nominalSizeField_->setValue(sizeFieldValue(kStartSizeMm, true));
  } else {
    unitButton_->setIcon(icon(Image::UnitMillimetre));
  }

  chooseLanguage(language_.code());

  selectHoleClass(kStartFit.hole);
  selectShaftClass(kStartFit.shaft);
  Recalculate();

  cataloguePage_->selectFirstSection();
}

void MainWindow::saveSession() {
  writeWindowSettings(
      store_, WindowSettings{record_.InchMode, designPage_->resultCountIndex(),
                             designPage_->onlyStandardFits(), designPage_->onlyInsideTargets()});
  writeOperatingChoices(store_, operatingPage_->choices());
  writeDesignSettings(
      store_,
      DesignSettings{designPage_->atOperatingConditions(), static_cast<int>(designPage_->fitType()),
                     designPage_->targetMinMm(), designPage_->targetMaxMm()});
}

void MainWindow::nominalSizeChanged() {
  // The note line describes the text as it stands: what is wrong with it, or
  // the unit again.
  if (nominalSizeField_->marked()) {
    showEntryNote(nominalSizeField_->problem());
  } else if (entryNoteShown_) {
    showUnitNote();
  }
  const std::optional<double> number = nominalSizeField_->value();
  // A field without a number yet (emptied while typing) has no size.
  record_.NominalSize = number ? (record_.InchMode ? inchToMm(*number) : *number) : 0;
  Recalculate();
}

void MainWindow::writeNominalField(double shown, double sizeMm) {
  // The field's change handler takes the shown number; the exact size is put back after it.
  nominalSizeField_->setValue(shown);
  record_.NominalSize = sizeMm;
  Recalculate();
}

void MainWindow::classPickerChanged(const QComboBox* sender) {
  if (sender->currentIndex() >= 0) {
    Recalculate();
  }
}

void MainWindow::showHoleClassList() {
  (isAbove500(record_.NominalSize) ? holeClassesAbove500_ : holeClassesUpTo500_)->showPopup();
}

void MainWindow::showShaftClassList() {
  (isAbove500(record_.NominalSize) ? shaftClassesAbove500_ : shaftClassesUpTo500_)->showPopup();
}

void MainWindow::classListChosen(const ClassList* list, int index) {
  if (index < 0) {
    return;
  }
  const QString text = list->itemText(index);
  const std::string designation = text.toStdString();
  const ClassTextParts parts = splitClassText(designation);
  const bool hole = list->side() == Side::Hole;
  selectClassTexts(hole ? *holeLetterPicker_ : *shaftLetterPicker_,
                   hole ? *holeGradePicker_ : *shaftGradePicker_,
                   QString::fromStdString(std::string(parts.letters)),
                   QString::fromStdString(std::string(parts.grade)));
  Recalculate();
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
  const bool converted = nominalSizeField_->value().has_value();
  if (converted) nominalSizeField_->finishEntry();
  record_.InchMode = !record_.InchMode;
  applyUnitToSizeField();
  unitButton_->setIcon(icon(record_.InchMode ? Image::UnitInch : Image::UnitMillimetre));
  if (!converted) {
    nominalSizeChanged();
  } else if (record_.InchMode) {
    const double sizeMm = nominalSizeField_->value().value_or(record_.NominalSize);
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
  nominalSizeField_->setLimits(limits.minimum, limits.maximum);
  nominalSizeField_->setInchMode(record_.InchMode);
  nominalSizeField_->setUnit(record_.InchMode ? QStringLiteral("in") : QStringLiteral("mm"));
}

void MainWindow::showUnitNote() {
  entryNoteShown_ = false;
  unitNoteLabel_->setText(QString::fromStdString(unitNote(language_.table(), record_.InchMode)));
  unitNoteLabel_->setToolTip(QString());
}

void MainWindow::showEntryNote(const QString& note) {
  // One line beside the side-panel buttons; a longer note is cut, and its
  // tooltip holds the whole.
  entryNoteShown_ = true;
  const QString shown =
      unitNoteLabel_->fontMetrics().elidedText(note, Qt::ElideRight, unitNoteLabel_->width());
  unitNoteLabel_->setText(shown);
  unitNoteLabel_->setToolTip(shown == note ? QString() : note);
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
  if (nominalSizeField_->marked()) {
    showEntryNote(nominalSizeField_->problem());
    return;
  }
  QApplication::clipboard()->setText(QString::fromStdString(calloutText(view())));
}

void MainWindow::exitProgram() {
  close();
}

void MainWindow::showHelpPage() {
  // The topic of the page open beside the inputs.
  const HelpTopic topic = sidePage_ == SidePage::Catalogue   ? HelpTopic::Fits
                          : sidePage_ == SidePage::Design    ? HelpTopic::Design
                          : sidePage_ == SidePage::Operating ? HelpTopic::Operating
                                                             : HelpTopic::Start;
  showHelp(this, languageNumber(language_.code()), topic);
}

void MainWindow::showAbout() {
  showAboutWindow(this);
}

void MainWindow::showPressFit() {
  if (!pressFitWindow_) pressFitWindow_ = new PressFitWindow(results_, store_, this);
  pressFitWindow_->show();
  pressFitWindow_->raise();
  pressFitWindow_->activateWindow();
}

void MainWindow::toggleCataloguePage() {
  const bool open = sidePage_ == SidePage::None;
  showSidePage(open ? SidePage::Catalogue : SidePage::None);
  catalogueButton_->setText(language_.text(TextId::StandardFits) +
                            (open ? QStringLiteral(" <<") : QStringLiteral(" >>")));
  sidePages_->setCurrentWidget(cataloguePage_);
  designButton_->setEnabled(sidePage_ == SidePage::None);
  operatingButton_->setEnabled(sidePage_ == SidePage::None);
  cataloguePage_->refillFitList();
}

void MainWindow::toggleDesignPage() {
  const bool open = sidePage_ == SidePage::None;
  showSidePage(open ? SidePage::Design : SidePage::None);
  designButton_->setText(language_.text(TextId::Design) +
                         (open ? QStringLiteral(" <<") : QStringLiteral(" >>")));
  if (open) {
    designPage_->pageOpened();
  }
  sidePages_->setCurrentWidget(designPage_);
  catalogueButton_->setEnabled(sidePage_ == SidePage::None);
  operatingButton_->setEnabled(sidePage_ == SidePage::None);
}

void MainWindow::toggleOperatingPage() {
  const bool open = sidePage_ == SidePage::None;
  showSidePage(open ? SidePage::Operating : SidePage::None);
  operatingButton_->setText(language_.text(TextId::OperatingButton) +
                            (open ? QStringLiteral(" <<") : QStringLiteral(" >>")));
  sidePages_->setCurrentWidget(operatingPage_);
  catalogueButton_->setEnabled(sidePage_ == SidePage::None);
  designButton_->setEnabled(sidePage_ == SidePage::None);
}

}  // namespace kalmo
