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

namespace kalmo {

void MainWindow::chooseLanguage(LanguageCode code) {
  action(Command::Language)->setIcon(languageIcon(code));
  language_.SetLanguage(code);
  applyLanguage();
  // The views fetch their texts when they draw.
  views_.resultsGrid->update();
  showBoundaryNote();
}

void MainWindow::applyLanguage() {
  const Language& l = language_;
  qtTexts_.follow(l.code());
  setWindowTitle(l.text(TextId::WindowTitle));
  in_.nominalSizeLabel->setText(l.text(TextId::NominalSize));
  in_.holeLabel->setText(l.text(TextId::Hole));
  in_.shaftLabel->setText(l.text(TextId::Shaft));
  in_.group->setTitle(l.text(TextId::BasicParameters));
  in_.catalogueButton->setText(l.text(TextId::StandardFits) + QStringLiteral(" >>"));
  // The field's tooltip and a note on its text follow the language.
  in_.nominalSizeField->setLanguage(&l.table());
  if (entryNoteShown_ && in_.nominalSizeField->marked()) {
    showEntryNote(in_.nominalSizeField->problem());
  } else {
    showUnitNote();
  }
  in_.designButton->setText(l.text(TextId::Design) + QStringLiteral(" >>"));
  in_.operatingButton->setText(l.text(TextId::OperatingButton) + QStringLiteral(" >>"));

  // Every button says what it does, with its shortcut; assistive technology
  // reads the same texts.
  describeCommands();
  in_.preferredNumbersButton->setToolTip(l.text(TextId::PreferredNumbersTitle));
  in_.holeClassListButton->setToolTip(l.text(TextId::HoleClassList));
  in_.shaftClassListButton->setToolTip(l.text(TextId::ShaftClassList));
  for (QToolButton* b :
       {in_.preferredNumbersButton, in_.holeClassListButton, in_.shaftClassListButton}) {
    b->setAccessibleName(b->toolTip());
  }
  in_.nominalSizeField->setAccessibleName(l.text(TextId::NominalSize));
  in_.nominalSizeField->setAccessibleDescription(l.text(TextId::SizeFieldHelp));
  in_.holeLetterPicker->setAccessibleName(l.text(TextId::HoleLetterName));
  in_.holeGradePicker->setAccessibleName(l.text(TextId::HoleGradeName));
  in_.shaftLetterPicker->setAccessibleName(l.text(TextId::ShaftLetterName));
  in_.shaftGradePicker->setAccessibleName(l.text(TextId::ShaftGradeName));
  for (QComboBox* letter : {in_.holeLetterPicker, in_.shaftLetterPicker}) {
    letter->setAccessibleDescription(l.text(TextId::DeviationLetter));
  }
  for (QComboBox* grade : {in_.holeGradePicker, in_.shaftGradePicker}) {
    grade->setAccessibleDescription(l.text(TextId::ToleranceGrade));
  }
  for (ClassList* list : {in_.holeClassesUpTo500, in_.holeClassesAbove500}) {
    list->setAccessibleName(l.text(TextId::HoleClassList));
  }
  for (ClassList* list : {in_.shaftClassesUpTo500, in_.shaftClassesAbove500}) {
    list->setAccessibleName(l.text(TextId::ShaftClassList));
  }
  for (ClassList* list : {in_.holeClassesUpTo500, in_.holeClassesAbove500, in_.shaftClassesUpTo500,
                          in_.shaftClassesAbove500}) {
    list->setAccessibleDescription(l.text(TextId::PreferredInBold));
  }
  in_.catalogueButton->setToolTip(l.text(TextId::CatalogueButtonHelp));
  in_.designButton->setToolTip(l.text(TextId::DesignButtonHelp));
  in_.operatingButton->setToolTip(l.text(TextId::OperatingButtonHelp));
  for (QPushButton* b : {in_.catalogueButton, in_.designButton, in_.operatingButton}) {
    b->setAccessibleDescription(b->toolTip());
  }
  views_.zoneDiagram->setAccessibleName(l.text(TextId::ZoneDiagramName));
  describeResults();
  results_.announceLanguage();
}

void MainWindow::describeResults() {
  // The grid and the diagram draw their contents; assistive technology gets
  // them as text: the result text for the grid, both zones for the diagram.
  const Language& l = language_;
  views_.resultsGrid->setAccessibleName(l.text(TextId::BasicParameters));
  views_.resultsGrid->setAccessibleDescription(
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
  views_.zoneDiagram->setAccessibleDescription(
      l.text(TextId::Hole).trimmed() + QStringLiteral(": ") + number(zones.holeUpper) +
      QStringLiteral(" / ") + number(zones.holeLower) + QStringLiteral("; ") +
      l.text(TextId::Shaft).trimmed() + QStringLiteral(": ") + number(zones.shaftUpper) +
      QStringLiteral(" / ") + number(zones.shaftLower) + u' ' + unit);
}

}  // namespace kalmo
