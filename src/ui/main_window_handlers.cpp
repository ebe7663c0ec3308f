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
#include "results_grid.h"
#include "settings_store.h"
#include "tables/preferred_series.h"
#include "window_geometry.h"
#include "zone_diagram.h"

namespace kalmo {

namespace {

std::optional<std::string> selectedStdText(const QComboBox& picker) {
  const std::optional<QString> text = selectedText(picker);
  return text ? std::optional<std::string>(text->toStdString()) : std::nullopt;
}

}  // namespace

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

void MainWindow::Recalculate() {
  if (RecalculateRecord(record_, holeClass(), shaftClass(), language_.table())) {
    drgrDanni->update();
  }
  Chart1->setValues(zoneValues(record_));
}

GridInput MainWindow::gridInput() const {
  GridInput input;
  input.record = record_;
  input.holeLetter = selectedText(*cbLetter_o);
  input.holeGrade = selectedText(*cbIT_o);
  input.shaftLetter = selectedText(*cbLetter_v);
  input.shaftGrade = selectedText(*cbIT_v);
  input.nominalNumber = edNominal->value();
  input.nominalText = edNominal->text();
  input.lang = language_.table();
  input.decimalSeparator = localeDecimalSeparator();
  return input;
}

ExportInput MainWindow::exportInput() const {
  ExportInput input;
  input.record = record_;
  input.holeLetter = selectedStdText(*cbLetter_o);
  input.holeGrade = selectedStdText(*cbIT_o);
  input.shaftLetter = selectedStdText(*cbLetter_v);
  input.shaftGrade = selectedStdText(*cbIT_v);
  input.nominalText = edNominal->text().toStdString();
  input.inputsCaption = GetLangString(language_.table(), TextId::BasicParameters);
  input.unitNote = unitNote(language_.table(), record_.InchMode);
  input.lang = language_.table();
  input.decimalSeparator = localeDecimalSeparator();
  return input;
}

void MainWindow::FormShow() {
  record_.NominalSize = 10;
  record_.DesignMin = 0;
  record_.DesignMax = 0;
  record_.NominalEditLive = true;
  showSidePage(SidePage::None);

  const WindowSettings stored = readWindowSettings(store_);
  record_.InchMode = stored.inchMode;
  designPage->cbPart->setCurrentIndex(stored.resultCountIndex);
  designPage->chbDSel->setChecked(stored.onlyStandardFits);
  if (record_.InchMode) {
    btnMM->setIcon(icon(Image::UnitInch));
    // The field's change handler takes 10 mm in inches as the nominal size.
    edNominal->setValue(roundTo(mmToInch(10), 5));
  } else {
    btnMM->setIcon(icon(Image::UnitMillimetre));
  }

  chooseLanguage(language_.code());

  ResetResults(record_, language_.table());
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
  if (record_.NominalEditLive) {
    const std::optional<double> number = edNominal->value();
    // A field without a number yet (emptied while typing) has no size.
    record_.NominalSize = number ? (record_.InchMode ? inchToMm(*number) : *number) : 0;
  }
  Recalculate();
}

void MainWindow::writeNominalField(double shown) {
  record_.NominalEditLive = false;
  const QString before = edNominal->text();
  edNominal->setValue(shown);
  if (edNominal->text() == before) {
    edNominalChange();
  }
  record_.NominalEditLive = true;
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
    record_.NominalSize = chosenMm;
    writeNominalField(nominalFieldValueForPick(chosenMm, record_.InchMode));
  }
}

void MainWindow::btnMMClick() {
  // An entry left unfinished in the field is put right first, so the
  // switch converts the number the field shows.
  edNominal->finishEntry();
  record_.InchMode = !record_.InchMode;
  if (record_.InchMode) {
    btnMM->setIcon(icon(Image::UnitInch));
    record_.NominalSize = edNominal->value().value_or(record_.NominalSize);
    writeNominalField(roundTo(mmToInch(record_.NominalSize), 5));
  } else {
    btnMM->setIcon(icon(Image::UnitMillimetre));
    writeNominalField(roundTo(record_.NominalSize, 4));
  }
  designPage->showTargets(record_.DesignMin, record_.DesignMax, record_.InchMode);
  lblNote->setText(QString::fromStdString(unitNote(language_.table(), record_.InchMode)));
  designPage->drgrDesign->viewport()->update();
}

void MainWindow::btnCopyClick() {
  QApplication::clipboard()->setText(QString::fromStdString(BuildExportText(exportInput())));
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
