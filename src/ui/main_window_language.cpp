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

namespace kalmo {

void MainWindow::BulClick() { chooseLanguage(kLanguageBulgarian); }
void MainWindow::DeutschClick() { chooseLanguage(kLanguageGerman); }
void MainWindow::EnglishClick() { chooseLanguage(kLanguageEnglish); }

void MainWindow::chooseLanguage(int code) {
  btnLang->setIcon(languageIcon(code));
  language_.SetLanguage(code);
  ApplyLanguage();
  Recalculate();
  // Chosen from the toolbar, which leaves a focus on the search button in
  // place: the results must still follow the new language.
  refreshViews();
}

void MainWindow::ApplyLanguage() {
  const Language& l = language_;
  setWindowTitle(l.text(86));
  btnCopy->setToolTip(l.text(69));
  btnLang->setToolTip(l.text(70));
  btnExit->setToolTip(l.text(71));
  btnHelp->setToolTip(l.text(72));
  Label1->setText(l.text(81));
  Label9->setText(l.text(1));
  Label10->setText(l.text(2));
  GroupBox1->setTitle(l.text(82));
  bbnSglobka->setText(l.text(3) + QStringLiteral(" >>"));
  lblNote->setText(l.text(76) + QString::fromUtf8(noteUnitSuffix(record_.InchMode)));
  cataloguePage->applyLanguage(l);
  bbnDesign->setText(l.text(93) + QStringLiteral(" >>"));
  designPage->applyLanguage(l);
}

}  // namespace kalmo
