#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include "format/number_format.h"
#include "format/units.h"
#include "main/main_window.h"
#include "pages/catalogue_page.h"
#include "pages/design_page.h"
#include "pages/operating_page.h"
#include "present/export_text.h"
#include "storage/language.h"
#include "widgets/app_images.h"
#include "widgets/class_pickers.h"
#include "widgets/number_field.h"
#include "widgets/results_grid.h"
#include "widgets/zone_diagram.h"
#include "windows/batch_table_window.h"
#include "windows/inspection_window.h"
#include "windows/press_fit_window.h"

namespace kalmo {

void MainWindow::chooseBulgarian() {
  chooseLanguage(kLanguageBulgarian);
}
void MainWindow::chooseGerman() {
  chooseLanguage(kLanguageGerman);
}
void MainWindow::chooseEnglish() {
  chooseLanguage(kLanguageEnglish);
}

void MainWindow::chooseLanguage(LanguageCode code) {
  languageButton_->setIcon(languageIcon(code));
  language_.SetLanguage(code);
  applyLanguage();
  // The views fetch their texts when they draw.
  resultsGrid_->update();
  showBoundaryNote();
}

void MainWindow::applyLanguage() {
  const Language& l = language_;
  setWindowTitle(l.text(TextId::WindowTitle));
  copyButton_->setToolTip(l.text(TextId::Copy));
  copyTextAction_->setText(l.text(TextId::Copy));
  copyCalloutAction_->setText(l.text(TextId::CopyAsCallout));
  languageButton_->setToolTip(l.text(TextId::LanguageMenu));
  exitButton_->setToolTip(l.text(TextId::Exit));
  helpButton_->setToolTip(l.text(TextId::Help));
  pressFitAction_->setToolTip(l.text(TextId::PressFit) + QStringLiteral(" (") +
                              pressFitAction_->shortcut().toString(QKeySequence::NativeText) +
                              u')');
  nominalSizeLabel_->setText(l.text(TextId::NominalSize));
  holeLabel_->setText(l.text(TextId::Hole));
  shaftLabel_->setText(l.text(TextId::Shaft));
  inputsGroup_->setTitle(l.text(TextId::BasicParameters));
  catalogueButton_->setText(l.text(TextId::StandardFits) + QStringLiteral(" >>"));
  // The field's tooltip and a note on its text follow the language.
  nominalSizeField_->setLanguage(&l.table());
  if (entryNoteShown_ && nominalSizeField_->marked()) {
    showEntryNote(nominalSizeField_->problem());
  } else {
    showUnitNote();
  }
  designButton_->setText(l.text(TextId::Design) + QStringLiteral(" >>"));
  operatingButton_->setText(l.text(TextId::OperatingButton) + QStringLiteral(" >>"));
  inspectionButton_->setToolTip(l.text(TextId::Inspection) + QStringLiteral(" (Ctrl+I)"));
  batchTableButton_->setToolTip(l.text(TextId::BatchTable) + QStringLiteral(" (Ctrl+B)"));
  printButton_->setToolTip(l.text(TextId::Print) + QStringLiteral(" (Ctrl+P)"));
  pdfButton_->setToolTip(l.text(TextId::SaveAsPdf) + QStringLiteral(" (Ctrl+Shift+S)"));

  // Every button says what it does, with its shortcut; assistive technology
  // reads the same texts.
  const auto withKey = [](const QString& text, const QKeySequence& key) {
    return text + QStringLiteral(" (") + key.toString(QKeySequence::NativeText) + u')';
  };
  copyButton_->setToolTip(withKey(l.text(TextId::Copy), QKeySequence::Copy));
  unitButton_->setToolTip(withKey(l.text(TextId::SwitchUnit), QKeySequence(Qt::CTRL | Qt::Key_U)));
  helpButton_->setToolTip(withKey(l.text(TextId::Help), QKeySequence::HelpContents));
  aboutButton_->setToolTip(l.text(TextId::AboutProgram));
  preferredNumbersButton_->setToolTip(l.text(TextId::PreferredNumbersTitle));
  holeClassListButton_->setToolTip(l.text(TextId::HoleClassList));
  shaftClassListButton_->setToolTip(l.text(TextId::ShaftClassList));
  for (QToolButton* b :
       {copyButton_, unitButton_, languageButton_, exitButton_, helpButton_, aboutButton_,
        preferredNumbersButton_, holeClassListButton_, shaftClassListButton_, inspectionButton_,
        batchTableButton_, printButton_, pdfButton_}) {
    b->setAccessibleName(b->toolTip());
  }
  for (QObject* shown : pressFitAction_->associatedObjects()) {
    if (auto* b = qobject_cast<QToolButton*>(shown))
      b->setAccessibleName(pressFitAction_->toolTip());
  }
  nominalSizeField_->setAccessibleName(l.text(TextId::NominalSize));
  nominalSizeField_->setAccessibleDescription(l.text(TextId::SizeFieldHelp));
  holeLetterPicker_->setAccessibleName(l.text(TextId::HoleLetterName));
  holeGradePicker_->setAccessibleName(l.text(TextId::HoleGradeName));
  shaftLetterPicker_->setAccessibleName(l.text(TextId::ShaftLetterName));
  shaftGradePicker_->setAccessibleName(l.text(TextId::ShaftGradeName));
  for (QComboBox* letter : {holeLetterPicker_, shaftLetterPicker_}) {
    letter->setAccessibleDescription(l.text(TextId::DeviationLetter));
  }
  for (QComboBox* grade : {holeGradePicker_, shaftGradePicker_}) {
    grade->setAccessibleDescription(l.text(TextId::ToleranceGrade));
  }
  for (ClassList* list : {holeClassesUpTo500_, holeClassesAbove500_}) {
    list->setAccessibleName(l.text(TextId::HoleClassList));
  }
  for (ClassList* list : {shaftClassesUpTo500_, shaftClassesAbove500_}) {
    list->setAccessibleName(l.text(TextId::ShaftClassList));
  }
  for (ClassList* list :
       {holeClassesUpTo500_, holeClassesAbove500_, shaftClassesUpTo500_, shaftClassesAbove500_}) {
    list->setAccessibleDescription(l.text(TextId::PreferredInBold));
  }
  catalogueButton_->setToolTip(l.text(TextId::CatalogueButtonHelp));
  designButton_->setToolTip(l.text(TextId::DesignButtonHelp));
  operatingButton_->setToolTip(l.text(TextId::OperatingButtonHelp));
  for (QPushButton* b : {catalogueButton_, designButton_, operatingButton_}) {
    b->setAccessibleDescription(b->toolTip());
  }
  zoneDiagram_->setAccessibleName(l.text(TextId::ZoneDiagramName));
  describeResults();
  results_.announceLanguage();
}

void MainWindow::describeResults() {
  // The grid and the diagram draw their contents; assistive technology gets
  // them as text: the result text for the grid, both zones for the diagram.
  const Language& l = language_;
  resultsGrid_->setAccessibleName(l.text(TextId::BasicParameters));
  resultsGrid_->setAccessibleDescription(
      QString::fromStdString(BuildExportText(view(), l.table(), localeDecimalSeparator()))
          .replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  const ZoneValues zones = zoneValues(view());
  const Separators separators{localeDecimalSeparator(), localeGroupSeparator()};
  const auto number = [&](double v) {
    return QString::fromStdString(formatGrouped3(v, separators));
  };
  const QString unit =
      QString::fromUtf8(diagramUnitTag(record_.InchMode).data(),
                        static_cast<qsizetype>(diagramUnitTag(record_.InchMode).size()))
          .trimmed();
  zoneDiagram_->setAccessibleDescription(
      l.text(TextId::Hole).trimmed() + QStringLiteral(": ") + number(zones.holeUpper) +
      QStringLiteral(" / ") + number(zones.holeLower) + QStringLiteral("; ") +
      l.text(TextId::Shaft).trimmed() + QStringLiteral(": ") + number(zones.shaftUpper) +
      QStringLiteral(" / ") + number(zones.shaftLower) + u' ' + unit);
}

}  // namespace kalmo
