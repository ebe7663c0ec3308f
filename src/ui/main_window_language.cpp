#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include "app_images.h"
#include "catalogue_page.h"
#include "design_page.h"
#include "format/units.h"
#include "language.h"
#include "main_window.h"
#include "press_fit_window.h"
#include "results_grid.h"

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
}

void MainWindow::applyLanguage() {
  const Language& l = language_;
  setWindowTitle(l.text(TextId::WindowTitle));
  copyButton_->setToolTip(l.text(TextId::Copy));
  languageButton_->setToolTip(l.text(TextId::LanguageMenu));
  exitButton_->setToolTip(l.text(TextId::Exit));
  helpButton_->setToolTip(l.text(TextId::Help));
  pressFitAction_->setToolTip(l.text(TextId::PressFit) + QStringLiteral(" (") +
                              pressFitAction_->shortcut().toString(QKeySequence::NativeText) +
                              u')');
  if (pressFitWindow_) {
    pressFitWindow_->applyLanguage();
  }
  nominalSizeLabel_->setText(l.text(TextId::NominalSize));
  holeLabel_->setText(l.text(TextId::Hole));
  shaftLabel_->setText(l.text(TextId::Shaft));
  inputsGroup_->setTitle(l.text(TextId::BasicParameters));
  catalogueButton_->setText(l.text(TextId::StandardFits) + QStringLiteral(" >>"));
  unitNoteLabel_->setText(QString::fromStdString(unitNote(l.table(), record_.InchMode)));
  cataloguePage_->applyLanguage(l);
  designButton_->setText(l.text(TextId::Design) + QStringLiteral(" >>"));
  designPage_->applyLanguage(l);
}

}  // namespace kalmo
