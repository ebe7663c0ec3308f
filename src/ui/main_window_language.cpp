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
#include "results_grid.h"

namespace kalmo {

void MainWindow::BulClick() {
  chooseLanguage(kLanguageBulgarian);
}
void MainWindow::DeutschClick() {
  chooseLanguage(kLanguageGerman);
}
void MainWindow::EnglishClick() {
  chooseLanguage(kLanguageEnglish);
}

void MainWindow::chooseLanguage(LanguageCode code) {
  btnLang->setIcon(languageIcon(code));
  language_.SetLanguage(code);
  ApplyLanguage();
  // The views fetch their texts when they draw.
  drgrDanni->update();
}

void MainWindow::ApplyLanguage() {
  const Language& l = language_;
  setWindowTitle(l.text(TextId::WindowTitle));
  btnCopy->setToolTip(l.text(TextId::Copy));
  btnLang->setToolTip(l.text(TextId::LanguageMenu));
  btnExit->setToolTip(l.text(TextId::Exit));
  btnHelp->setToolTip(l.text(TextId::Help));
  Label1->setText(l.text(TextId::NominalSize));
  Label9->setText(l.text(TextId::Hole));
  Label10->setText(l.text(TextId::Shaft));
  GroupBox1->setTitle(l.text(TextId::BasicParameters));
  bbnSglobka->setText(l.text(TextId::StandardFits) + QStringLiteral(" >>"));
  lblNote->setText(QString::fromStdString(unitNote(l.table(), record_.InchMode)));
  cataloguePage->applyLanguage(l);
  bbnDesign->setText(l.text(TextId::Design) + QStringLiteral(" >>"));
  designPage->applyLanguage(l);
}

}  // namespace kalmo
