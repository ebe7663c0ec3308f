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

#include "about_window.h"
#include "app_images.h"
#include "catalogue_page.h"
#include "class_pickers.h"
#include "design/class_lists.h"
#include "design_page.h"
#include "format/units.h"
#include "help/help_command.h"
#include "language.h"
#include "main_window.h"
#include "number_field.h"
#include "preferred/preferred_window.h"
#include "present/export_text.h"
#include "results_grid.h"
#include "settings_store.h"
#include "window_geometry.h"
#include "zone_diagram.h"

namespace kalmo {

void MainWindow::selectHoleClass(std::optional<ToleranceClass> cls) {
  if (cls) {
    selectClass(*cbLetter_o, *cbIT_o, Side::Hole, *cls);
  } else {
    const QSignalBlocker blockLetter(cbLetter_o);
    const QSignalBlocker blockGrade(cbIT_o);
    cbLetter_o->setCurrentIndex(-1);
    cbIT_o->setCurrentIndex(-1);
  }
}

void MainWindow::selectShaftClass(std::optional<ToleranceClass> cls) {
  if (cls) {
    selectClass(*cbLetter_v, *cbIT_v, Side::Shaft, *cls);
  } else {
    const QSignalBlocker blockLetter(cbLetter_v);
    const QSignalBlocker blockGrade(cbIT_v);
    cbLetter_v->setCurrentIndex(-1);
    cbIT_v->setCurrentIndex(-1);
  }
}

std::optional<ToleranceClass> MainWindow::holeClass() const {
  return pickedClass(*cbLetter_o, *cbIT_o);
}
std::optional<ToleranceClass> MainWindow::shaftClass() const {
  return pickedClass(*cbLetter_v, *cbIT_v);
}

FitInputs MainWindow::fitInputs() const {
  FitInputs inputs;
  inputs.sizeMm = record_.NominalSize;
  inputs.sizeText = edNominal->text().toStdString();
  inputs.sizeShown = edNominal->value();
  inputs.hole = holeClass();
  inputs.shaft = shaftClass();
  inputs.inch = record_.InchMode;
  return inputs;
}

void MainWindow::Recalculate() {
  view_ = presentFit(fitInputs());
  drgrDanni->update();
  Chart1->setValues(zoneValues(view_));
}

GridInput MainWindow::gridInput() const {
  return GridInput{view_, language_.table(), localeDecimalSeparator()};
}

void MainWindow::FormShow() {
  record_.NominalSize = 10;
  record_.DesignMin = 0;
  record_.DesignMax = 0;
  showSidePage(SidePage::None);

  const WindowSettings stored = readWindowSettings(store_);
  record_.InchMode = stored.inchMode;
  designPage->cbPart->setCurrentIndex(stored.resultCountIndex);
  designPage->chbDSel->setChecked(stored.onlyStandardFits);
  if (record_.InchMode) {
    btnMM->setIcon(icon(Image::UnitInch));
    // The field's change handler takes 10 mm in inches as the nominal size.
    edNominal->setValue(sizeFieldValue(10, true));
  } else {
    btnMM->setIcon(icon(Image::UnitMillimetre));
  }

  chooseLanguage(language_.code());

  selectClassTexts(*cbLetter_o, *cbIT_o, QStringLiteral("H"), QStringLiteral("7"));
  selectClassTexts(*cbLetter_v, *cbIT_v, QStringLiteral("g"), QStringLiteral("6"));
  Recalculate();

  cataloguePage->cbSystem->setCurrentIndex(0);
  cataloguePage->cbType->setCurrentIndex(0);
}

void MainWindow::FormClose() {
  writeWindowSettings(store_, WindowSettings{record_.InchMode, designPage->cbPart->currentIndex(),
                                             designPage->chbDSel->isChecked()});
}

void MainWindow::edNominalChange() {
  const std::optional<double> number = edNominal->value();
  // A field without a number yet (emptied while typing) has no size.
  record_.NominalSize = number ? (record_.InchMode ? inchToMm(*number) : *number) : 0;
  Recalculate();
}

void MainWindow::writeNominalField(double shown, double sizeMm) {
  // The field's change handler takes the shown number; the exact size is put back after it.
  edNominal->setValue(shown);
  record_.NominalSize = sizeMm;
  Recalculate();
}

void MainWindow::cbLetter_oChange(const QComboBox* sender) {
  if (sender->currentIndex() >= 0) {
    Recalculate();
  }
}

void MainWindow::BitBtn1Click() {
  (isAbove500(record_.NominalSize) ? cbOtvori2 : cbOtvori)->showPopup();
}

void MainWindow::BitBtn2Click() {
  (isAbove500(record_.NominalSize) ? cbValove2 : cbValove)->showPopup();
}

void MainWindow::classListChange(const ClassList* list, int index) {
  if (index < 0) {
    return;
  }
  const QString text = list->itemText(index);
  const std::string designation = text.toStdString();
  const ClassTextParts parts = splitClassText(designation);
  const bool hole = list->side() == Side::Hole;
  selectClassTexts(hole ? *cbLetter_o : *cbLetter_v, hole ? *cbIT_o : *cbIT_v,
                   QString::fromStdString(std::string(parts.letters)),
                   QString::fromStdString(std::string(parts.grade)));
  Recalculate();
}

void MainWindow::BitBtn3Click() {
  applyPreferredNumber(pickPreferredNumber(this, language_.table()));
}

void MainWindow::applyPreferredNumber(double chosenMm) {
  if (chosenMm > 0) {
    writeNominalField(nominalFieldValueForPick(chosenMm, record_.InchMode), chosenMm);
  }
}

void MainWindow::btnMMClick() {
  // An entry left unfinished in the field is put right first, so the
  // switch converts the number the field shows.
  edNominal->finishEntry();
  record_.InchMode = !record_.InchMode;
  if (record_.InchMode) {
    btnMM->setIcon(icon(Image::UnitInch));
    const double sizeMm = edNominal->value().value_or(record_.NominalSize);
    writeNominalField(sizeFieldValue(sizeMm, true), sizeMm);
  } else {
    btnMM->setIcon(icon(Image::UnitMillimetre));
    writeNominalField(roundTo(record_.NominalSize, 4), record_.NominalSize);
  }
  designPage->showTargets(record_.DesignMin, record_.DesignMax, record_.InchMode);
  lblNote->setText(QString::fromStdString(unitNote(language_.table(), record_.InchMode)));
  designPage->drgrDesign->viewport()->update();
}

void MainWindow::btnCopyClick() {
  QApplication::clipboard()->setText(
      QString::fromStdString(BuildExportText(view_, language_.table(), localeDecimalSeparator())));
}

void MainWindow::btnExitClick() {
  close();
}

void MainWindow::btnHelpClick() {
  showHelp(this, languageNumber(language_.code()));
}

void MainWindow::ToolButton1Click() {
  showAboutWindow(this);
}

void MainWindow::bbnSglobkaClick() {
  const bool open = sidePage_ == SidePage::None;
  showSidePage(open ? SidePage::Catalogue : SidePage::None);
  bbnSglobka->setText(language_.text(TextId::StandardFits) +
                      (open ? QStringLiteral(" <<") : QStringLiteral(" >>")));
  nbExtra->setCurrentWidget(cataloguePage);
  bbnDesign->setEnabled(sidePage_ == SidePage::None);
  cataloguePage->cbSystemChange();
}

void MainWindow::bbnDesignClick() {
  const bool open = sidePage_ == SidePage::None;
  showSidePage(open ? SidePage::Design : SidePage::None);
  bbnDesign->setText(language_.text(TextId::Design) +
                     (open ? QStringLiteral(" <<") : QStringLiteral(" >>")));
  if (open) {
    designPage->resetPage();
  }
  nbExtra->setCurrentWidget(designPage);
  bbnSglobka->setEnabled(sidePage_ == SidePage::None);
}

}  // namespace kalmo
