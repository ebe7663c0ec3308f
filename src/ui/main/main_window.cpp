#include "main/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStackedWidget>
#include <QToolBar>
#include <QToolButton>
#include <array>

#include "calc/start_inputs.h"
#include "main/window_geometry.h"
#include "pages/catalogue_page.h"
#include "pages/design_page.h"
#include "pages/operating_page.h"
#include "storage/language.h"
#include "tables/nominal_range.h"
#include "widgets/app_images.h"
#include "widgets/class_pickers.h"
#include "widgets/number_field.h"
#include "widgets/on_screen.h"
#include "widgets/results_grid.h"
#include "widgets/zone_diagram.h"

namespace kalmo {

namespace {

constexpr QSize kToolIconSize(22, 22);
constexpr QSize kPickerIconSize(14, 14);

QToolButton* toolButton(QToolBar* bar, const char* name, Image image) {
  auto* button = new QToolButton(bar);
  button->setObjectName(QString::fromLatin1(name));
  button->setIcon(icon(image));
  button->setIconSize(kToolIconSize);
  button->setAutoRaise(true);
  bar->addWidget(button);
  return button;
}

QToolButton* pickerButton(QWidget* parent, const char* name, Image image, const QRect& place) {
  auto* button = new QToolButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setIcon(icon(image));
  button->setIconSize(kPickerIconSize);
  button->setGeometry(place);
  return button;
}

QComboBox* picker(QWidget* parent, const char* name, const QRect& place) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(QString::fromLatin1(name));
  QFont bold = parent->font();
  bold.setBold(true);
  combo->setFont(bold);
  combo->setGeometry(place);
  combo->setMaxVisibleItems(20);
  return combo;
}

QLabel* boldLabel(QWidget* parent, const char* name, const QRect& place) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  QFont bold = parent->font();
  bold.setBold(true);
  label->setFont(bold);
  label->setGeometry(place);
  return label;
}

// A class list lies exactly under the grade picker of its side: only its
// opened list is seen, right below that picker.
ClassList* classListUnder(QComboBox* gradePicker, Side side, bool above500, const char* name) {
  auto* list = new ClassList(side, above500, gradePicker->parentWidget());
  list->setObjectName(QString::fromLatin1(name));
  list->setGeometry(gradePicker->geometry());
  list->setFocusPolicy(Qt::NoFocus);
  list->stackUnder(gradePicker);
  return list;
}

}  // namespace

MainWindow::MainWindow(Language& language, SettingsStore& store, QWidget* parent)
    : QMainWindow(parent), language_(language), store_(store) {
  setObjectName(QStringLiteral("frmISO286"));
  // The program sets the size; the user neither drags nor maximises it.
  setWindowFlag(Qt::WindowMaximizeButtonHint, false);
  setFont(windowFont());
  setWindowIcon(icon(Image::Application));
  // The window's own views take each result first, then the pages and windows.
  connect(&results_, &ResultSource::resultChanged, this, &MainWindow::showResult);
  buildToolBar();
  buildInputs();
  buildPanel();
  buildResultActions();
  connectInputs();
  setUpKeyboard();
  showSidePage(SidePage::None);
}

void MainWindow::setUpKeyboard() {
  // The toolbar is reached by mouse and shortcut; Tab walks the inputs in
  // the order they are read: size, hole class, shaft class, then the panel.
  if (auto* bar = findChild<QToolBar*>(QStringLiteral("ToolBar1"))) {
    for (QToolButton* b : bar->findChildren<QToolButton*>()) b->setFocusPolicy(Qt::NoFocus);
  }
  const std::array<QWidget*, 10> chain{
      nominalSizeField_,  holeLetterPicker_, holeGradePicker_,      holeClassListButton_,
      shaftLetterPicker_, shaftGradePicker_, shaftClassListButton_, preferredNumbersButton_,
      catalogueButton_,   designButton_};
  for (QWidget* w : chain) {
    if (w->focusPolicy() == Qt::NoFocus) w->setFocusPolicy(Qt::StrongFocus);
  }
  for (std::size_t i = 0; i + 1 < chain.size(); ++i) {
    setTabOrder(chain[i], chain[i + 1]);
  }

  // Ctrl+C copies the result; a field with selected text copies its text.
  auto* copy = new QShortcut(QKeySequence::Copy, this);
  connect(copy, &QShortcut::activated, this, &MainWindow::copyResults);
  auto* help = new QShortcut(QKeySequence::HelpContents, this);
  connect(help, &QShortcut::activated, this, &MainWindow::showHelpPage);
  auto* unit = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_U), this);
  connect(unit, &QShortcut::activated, this, &MainWindow::switchUnit);
}

void MainWindow::buildToolBar() {
  auto* bar = new QToolBar(this);
  bar->setObjectName(QStringLiteral("ToolBar1"));
  bar->setMovable(false);
  bar->setFloatable(false);
  bar->setFixedHeight(layout::kToolBarHeight);
  bar->setIconSize(kToolIconSize);
  bar->toggleViewAction()->setVisible(false);
  addToolBar(Qt::TopToolBarArea, bar);

  copyButton_ = toolButton(bar, "btnCopy", Image::Copy);
  bar->addSeparator();
  unitButton_ = toolButton(bar, "btnMM", Image::UnitMillimetre);
  languageButton_ = toolButton(bar, "btnLang", Image::FlagEnglish);
  languageButton_->setPopupMode(QToolButton::InstantPopup);
  bar->addSeparator();
  pressFitAction_ = bar->addAction(icon(Image::PressFit), QString());
  pressFitAction_->setObjectName(QStringLiteral("pressFitAction"));
  pressFitAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
  bar->addSeparator();
  exitButton_ = toolButton(bar, "btnExit", Image::Exit);
  helpButton_ = toolButton(bar, "btnHelp", Image::Help);
  aboutButton_ = toolButton(bar, "ToolButton1", Image::About);
  bar->addSeparator();
  inspectionButton_ = toolButton(bar, "inspectionButton", Image::Inspection);
  inspectionButton_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
  batchTableButton_ = toolButton(bar, "batchTableButton", Image::BatchTable);
  batchTableButton_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
  printButton_ = toolButton(bar, "printButton", Image::Print);
  printButton_->setShortcut(QKeySequence::Print);
  pdfButton_ = toolButton(bar, "pdfButton", Image::Pdf);
  pdfButton_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));

  // The item captions name each language in itself and never change.
  languageMenu_ = new QMenu(languageButton_);
  languageMenu_->setObjectName(QStringLiteral("PopupMenu1"));
  englishAction_ = languageMenu_->addAction(icon(Image::FlagEnglish), QStringLiteral("English"));
  englishAction_->setObjectName(QStringLiteral("English"));
  germanAction_ = languageMenu_->addAction(icon(Image::FlagGerman), QStringLiteral("Deutsch"));
  germanAction_->setObjectName(QStringLiteral("Deutsch"));
  bulgarianAction_ =
      languageMenu_->addAction(icon(Image::FlagBulgarian), QStringLiteral("Български"));
  bulgarianAction_->setObjectName(QStringLiteral("Bul"));
  languageButton_->setMenu(languageMenu_);
}

void MainWindow::buildInputs() {
  auto* central = new QWidget(this);
  central->setObjectName(QStringLiteral("Client"));
  central->setFixedHeight(layout::kGroupHeight);
  setCentralWidget(central);

  inputsGroup_ = new QGroupBox(central);
  inputsGroup_->setObjectName(QStringLiteral("GroupBox1"));
  inputsGroup_->setGeometry(0, 0, layout::kGroupWidth, layout::kGroupHeight);
  QWidget* g = inputsGroup_;

  nominalSizeLabel_ = boldLabel(g, "Label1", layout::kNominalSizeLabel);
  nominalSizeLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  // The field's limits are the nominal range's numbers, in whichever unit it shows.
  nominalSizeField_ = new NumberField(kMinNominalMm, kMaxNominalMm, g);
  nominalSizeField_->setObjectName(QStringLiteral("edNominal"));
  QFont bold = g->font();
  bold.setBold(true);
  nominalSizeField_->setFont(bold);
  nominalSizeField_->setGeometry(layout::kNominal);
  nominalSizeField_->setCallouts(true);
  nominalSizeField_->setRequired(true);
  nominalSizeField_->setLanguage(&language_.table());
  nominalSizeField_->setValue(kStartSizeMm);
  preferredNumbersButton_ =
      pickerButton(g, "BitBtn3", Image::PreferredNumber, layout::kPreferredNumbersButton);

  holeLabel_ = boldLabel(g, "Label9", layout::kHoleLabel);
  holeLetterPicker_ = picker(g, "cbLetter_o", layout::kLetterHole);
  holeGradePicker_ = picker(g, "cbIT_o", layout::kGradeHole);
  holeClassListButton_ = pickerButton(g, "BitBtn1", Image::ClassList, layout::kHoleClassListButton);
  shaftLabel_ = boldLabel(g, "Label10", layout::kShaftLabel);
  shaftLetterPicker_ = picker(g, "cbLetter_v", layout::kLetterShaft);
  shaftGradePicker_ = picker(g, "cbIT_v", layout::kGradeShaft);
  shaftClassListButton_ =
      pickerButton(g, "BitBtn2", Image::ClassList, layout::kShaftClassListButton);
  fillLetterPicker(*holeLetterPicker_, Side::Hole);
  fillGradePicker(*holeGradePicker_);
  fillLetterPicker(*shaftLetterPicker_, Side::Shaft);
  fillGradePicker(*shaftGradePicker_);
  // No class is chosen until the window is shown.
  for (QComboBox* p :
       {holeLetterPicker_, holeGradePicker_, shaftLetterPicker_, shaftGradePicker_}) {
    p->setCurrentIndex(-1);
  }
  holeClassesUpTo500_ = classListUnder(holeGradePicker_, Side::Hole, false, "cbOtvori");
  holeClassesAbove500_ = classListUnder(holeGradePicker_, Side::Hole, true, "cbOtvori2");
  shaftClassesUpTo500_ = classListUnder(shaftGradePicker_, Side::Shaft, false, "cbValove");
  shaftClassesAbove500_ = classListUnder(shaftGradePicker_, Side::Shaft, true, "cbValove2");

  catalogueButton_ = new QPushButton(g);
  catalogueButton_->setObjectName(QStringLiteral("bbnSglobka"));
  catalogueButton_->setGeometry(layout::kCatalogueButton);
  designButton_ = new QPushButton(g);
  designButton_->setObjectName(QStringLiteral("bbnDesign"));
  designButton_->setGeometry(layout::kDesignButton);
  operatingButton_ = new QPushButton(g);
  operatingButton_->setObjectName(QStringLiteral("operatingButton"));
  operatingButton_->setGeometry(layout::kOperatingButton);

  unitNoteLabel_ = new QLabel(g);
  unitNoteLabel_->setObjectName(QStringLiteral("lblNote"));
  unitNoteLabel_->setGeometry(layout::kNote);

  resultsGrid_ = new ResultsGrid([this] { return gridInput(); }, g);
  resultsGrid_->move(layout::kGridPos);
  zoneDiagram_ = new ZoneDiagram(g);
  // The diagram lies over column 1 and follows the column border.
  const auto placeDiagram = [this] {
    const QPoint gridClient = layout::kGridPos + QPoint(grid::kFrame, grid::kFrame);
    zoneDiagram_->setGeometry(diagramRect(resultsGrid_->columns()).translated(gridClient));
  };
  placeDiagram();
  connect(resultsGrid_, &ResultsGrid::columnsChanged, this, placeDiagram);

  boundaryNoteLabel_ = new QLabel(g);
  boundaryNoteLabel_->setObjectName(QStringLiteral("lblBoundary"));
  boundaryNoteLabel_->setGeometry(layout::kBoundaryNote);
  boundaryNoteLabel_->setWordWrap(true);
  boundaryNoteLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  QPalette warning = boundaryNoteLabel_->palette();
  // Dark red on a light window, light red on a dark one.
  const bool darkWindow = warning.color(QPalette::Window).lightness() < 128;
  warning.setColor(QPalette::WindowText, darkWindow ? QColor(255, 140, 110) : QColor(150, 30, 0));
  boundaryNoteLabel_->setPalette(warning);
}

void MainWindow::buildResultActions() {
  copyTextAction_ = new QAction(icon(Image::Copy), QString(), this);
  copyTextAction_->setObjectName(QStringLiteral("actCopy"));
  copyCalloutAction_ = new QAction(this);
  copyCalloutAction_->setObjectName(QStringLiteral("actCopyCallout"));
  copyCalloutAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  // The shortcut works wherever the focus is in the window.
  copyCalloutAction_->setShortcutContext(Qt::WindowShortcut);
  addAction(copyCalloutAction_);
  resultsGrid_->setContextMenuPolicy(Qt::ActionsContextMenu);
  resultsGrid_->addActions({copyTextAction_, copyCalloutAction_});
}

void MainWindow::buildPanel() {
  sidePanel_ = new QFrame(centralWidget());
  sidePanel_->setObjectName(QStringLiteral("Panel2"));
  sidePanel_->setGeometry(layout::kGroupWidth, 0, layout::kPanelWidth, layout::kGroupHeight);
  sidePages_ = new QStackedWidget(sidePanel_);
  sidePages_->setObjectName(QStringLiteral("nbExtra"));
  sidePages_->setGeometry(0, 0, layout::kPanelWidth, layout::kGroupHeight);
  cataloguePage_ = new CataloguePage(results_, *this, sidePages_);
  designPage_ = new DesignPage(results_, *this, sidePages_);
  sidePages_->addWidget(cataloguePage_);
  sidePages_->addWidget(designPage_);
  operatingPage_ = new OperatingPage(results_, sidePages_);
  sidePages_->addWidget(operatingPage_);
}

void MainWindow::connectInputs() {
  connect(nominalSizeField_, &QLineEdit::textChanged, this, [this] { nominalSizeChanged(); });
  connect(nominalSizeField_, &NumberField::calloutApplied, this, &MainWindow::applyCallout);
  connect(nominalSizeField_, &NumberField::noteRequested, this, &MainWindow::showEntryNote);
  // activated, not currentIndexChanged: only the user's choice runs the handler;
  // the program selects entries silently.
  for (QComboBox* p :
       {holeLetterPicker_, holeGradePicker_, shaftLetterPicker_, shaftGradePicker_}) {
    connect(p, &QComboBox::activated, this, [this, p] { classPickerChanged(p); });
  }
  for (ClassList* list :
       {holeClassesUpTo500_, holeClassesAbove500_, shaftClassesUpTo500_, shaftClassesAbove500_}) {
    connect(list, &QComboBox::activated, this,
            [this, list](int index) { classListChosen(list, index); });
  }
  connect(holeClassListButton_, &QToolButton::clicked, this, &MainWindow::showHoleClassList);
  connect(shaftClassListButton_, &QToolButton::clicked, this, &MainWindow::showShaftClassList);
  connect(preferredNumbersButton_, &QToolButton::clicked, this, &MainWindow::choosePreferredNumber);
  connect(catalogueButton_, &QPushButton::clicked, this, &MainWindow::toggleCataloguePage);
  connect(designButton_, &QPushButton::clicked, this, &MainWindow::toggleDesignPage);
  connect(operatingButton_, &QPushButton::clicked, this, &MainWindow::toggleOperatingPage);

  connect(copyButton_, &QToolButton::clicked, this, &MainWindow::copyResults);
  connect(copyTextAction_, &QAction::triggered, this, &MainWindow::copyResults);
  connect(copyCalloutAction_, &QAction::triggered, this, &MainWindow::copyCallout);
  connect(unitButton_, &QToolButton::clicked, this, &MainWindow::switchUnit);
  connect(exitButton_, &QToolButton::clicked, this, &MainWindow::exitProgram);
  connect(helpButton_, &QToolButton::clicked, this, &MainWindow::showHelpPage);
  connect(aboutButton_, &QToolButton::clicked, this, &MainWindow::showAbout);
  connect(pressFitAction_, &QAction::triggered, this, &MainWindow::showPressFit);
  connect(inspectionButton_, &QToolButton::clicked, this, &MainWindow::showInspection);
  connect(batchTableButton_, &QToolButton::clicked, this, &MainWindow::showBatchTable);
  connect(printButton_, &QToolButton::clicked, this, &MainWindow::printCurrentResult);
  connect(pdfButton_, &QToolButton::clicked, this, &MainWindow::saveCurrentResultPdf);
  connect(englishAction_, &QAction::triggered, this, &MainWindow::chooseEnglish);
  connect(germanAction_, &QAction::triggered, this, &MainWindow::chooseGerman);
  connect(bulgarianAction_, &QAction::triggered, this, &MainWindow::chooseBulgarian);
}

void MainWindow::showSidePage(SidePage page) {
  sidePage_ = page;
  setFixedSize(windowWidth(page), layout::kClientHeight);
  keepOnScreen();
  // Closed, the window still leaves a few pixels beside the inputs group;
  // they show no sliver of a page.
  sidePanel_->setVisible(page != SidePage::None);
}

void MainWindow::keepOnScreen() {
  if (!isVisible()) return;
  const QScreen* where = screen();
  if (!where) return;
  const QPoint position = onScreenPosition(frameGeometry(), where->availableGeometry());
  if (position != frameGeometry().topLeft()) move(position);
}

void MainWindow::showEvent(QShowEvent* event) {
  if (!shown_) {
    shown_ = true;
    startSession();
    // Typing at start replaces the start value.
    nominalSizeField_->setFocus(Qt::OtherFocusReason);
    nominalSizeField_->selectAll();
  }
  QMainWindow::showEvent(event);
  // A position restored or computed off the screen is brought back.
  keepOnScreen();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  saveSession();
  event->accept();
}

}  // namespace kalmo
