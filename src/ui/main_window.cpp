#include "main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolBar>
#include <QToolButton>

#include "app_images.h"
#include "catalogue_page.h"
#include "class_pickers.h"
#include "design_page.h"
#include "language.h"
#include "number_field.h"
#include "results_grid.h"
#include "tables/nominal_range.h"
#include "window_geometry.h"
#include "zone_diagram.h"

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
  buildToolBar();
  buildInputs();
  buildPanel();
  connectInputs();
  showSidePage(SidePage::None);
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

  btnCopy = toolButton(bar, "btnCopy", Image::Copy);
  bar->addSeparator();
  btnMM = toolButton(bar, "btnMM", Image::UnitMillimetre);
  btnLang = toolButton(bar, "btnLang", Image::FlagEnglish);
  btnLang->setPopupMode(QToolButton::InstantPopup);
  bar->addSeparator();
  btnExit = toolButton(bar, "btnExit", Image::Exit);
  btnHelp = toolButton(bar, "btnHelp", Image::Help);
  ToolButton1 = toolButton(bar, "ToolButton1", Image::About);

  // The item captions name each language in itself and never change.
  PopupMenu1 = new QMenu(btnLang);
  PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
  English = PopupMenu1->addAction(icon(Image::FlagEnglish), QStringLiteral("English"));
  English->setObjectName(QStringLiteral("English"));
  Deutsch = PopupMenu1->addAction(icon(Image::FlagGerman), QStringLiteral("Deutsch"));
  Deutsch->setObjectName(QStringLiteral("Deutsch"));
  Bul = PopupMenu1->addAction(icon(Image::FlagBulgarian), QStringLiteral("Български"));
  Bul->setObjectName(QStringLiteral("Bul"));
  btnLang->setMenu(PopupMenu1);
}

void MainWindow::buildInputs() {
  auto* central = new QWidget(this);
  central->setObjectName(QStringLiteral("Client"));
  central->setFixedHeight(layout::kGroupHeight);
  setCentralWidget(central);

  GroupBox1 = new QGroupBox(central);
  GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
  GroupBox1->setGeometry(0, 0, layout::kGroupWidth, layout::kGroupHeight);
  QWidget* g = GroupBox1;

  Label1 = boldLabel(g, "Label1", layout::kLabel1);
  Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  // The field's limits are the nominal range's numbers, in whichever unit it shows.
  edNominal = new NumberField(kMinNominalMm, kMaxNominalMm, g);
  edNominal->setObjectName(QStringLiteral("edNominal"));
  QFont bold = g->font();
  bold.setBold(true);
  edNominal->setFont(bold);
  edNominal->setGeometry(layout::kNominal);
  edNominal->setValue(10);
  BitBtn3 = pickerButton(g, "BitBtn3", Image::PreferredNumber, layout::kBitBtn3);

  Label9 = boldLabel(g, "Label9", layout::kLabel9);
  cbLetter_o = picker(g, "cbLetter_o", layout::kLetterHole);
  cbIT_o = picker(g, "cbIT_o", layout::kGradeHole);
  BitBtn1 = pickerButton(g, "BitBtn1", Image::ClassList, layout::kBitBtn1);
  Label10 = boldLabel(g, "Label10", layout::kLabel10);
  cbLetter_v = picker(g, "cbLetter_v", layout::kLetterShaft);
  cbIT_v = picker(g, "cbIT_v", layout::kGradeShaft);
  BitBtn2 = pickerButton(g, "BitBtn2", Image::ClassList, layout::kBitBtn2);
  fillLetterPicker(*cbLetter_o, Side::Hole);
  fillGradePicker(*cbIT_o);
  fillLetterPicker(*cbLetter_v, Side::Shaft);
  fillGradePicker(*cbIT_v);
  // No class is chosen until the window is shown.
  for (QComboBox* p : {cbLetter_o, cbIT_o, cbLetter_v, cbIT_v}) {
    p->setCurrentIndex(-1);
  }
  cbOtvori = classListUnder(cbIT_o, Side::Hole, false, "cbOtvori");
  cbOtvori2 = classListUnder(cbIT_o, Side::Hole, true, "cbOtvori2");
  cbValove = classListUnder(cbIT_v, Side::Shaft, false, "cbValove");
  cbValove2 = classListUnder(cbIT_v, Side::Shaft, true, "cbValove2");

  bbnSglobka = new QPushButton(g);
  bbnSglobka->setObjectName(QStringLiteral("bbnSglobka"));
  bbnSglobka->setGeometry(layout::kCatalogueButton);
  bbnDesign = new QPushButton(g);
  bbnDesign->setObjectName(QStringLiteral("bbnDesign"));
  bbnDesign->setGeometry(layout::kDesignButton);

  lblNote = new QLabel(g);
  lblNote->setObjectName(QStringLiteral("lblNote"));
  lblNote->setGeometry(layout::kNote);

  drgrDanni = new ResultsGrid([this] { return gridInput(); }, g);
  drgrDanni->move(layout::kGridPos);
  Chart1 = new ZoneDiagram(g);
  const QRect chart = diagramRect();
  const QPoint gridClient = layout::kGridPos + QPoint(grid::kFrame, grid::kFrame);
  Chart1->setGeometry(chart.translated(gridClient));
}

void MainWindow::buildPanel() {
  Panel2 = new QFrame(centralWidget());
  Panel2->setObjectName(QStringLiteral("Panel2"));
  Panel2->setGeometry(layout::kGroupWidth, 0, layout::kPanelWidth, layout::kGroupHeight);
  nbExtra = new QStackedWidget(Panel2);
  nbExtra->setObjectName(QStringLiteral("nbExtra"));
  nbExtra->setGeometry(0, 0, layout::kPanelWidth, layout::kGroupHeight);
  cataloguePage = new CataloguePage(*this, nbExtra);
  designPage = new DesignPage(*this, nbExtra);
  nbExtra->addWidget(cataloguePage);
  nbExtra->addWidget(designPage);
}

void MainWindow::connectInputs() {
  connect(edNominal, &QLineEdit::textChanged, this, [this] { edNominalChange(); });
  // activated, not currentIndexChanged: only the user's choice runs the handler;
  // the program selects entries silently.
  for (QComboBox* p : {cbLetter_o, cbIT_o, cbLetter_v, cbIT_v}) {
    connect(p, &QComboBox::activated, this, [this, p] { cbLetter_oChange(p); });
  }
  for (ClassList* list : {cbOtvori, cbOtvori2, cbValove, cbValove2}) {
    connect(list, &QComboBox::activated, this,
            [this, list](int index) { classListChange(list, index); });
  }
  connect(BitBtn1, &QToolButton::clicked, this, &MainWindow::BitBtn1Click);
  connect(BitBtn2, &QToolButton::clicked, this, &MainWindow::BitBtn2Click);
  connect(BitBtn3, &QToolButton::clicked, this, &MainWindow::BitBtn3Click);
  connect(bbnSglobka, &QPushButton::clicked, this, &MainWindow::bbnSglobkaClick);
  connect(bbnDesign, &QPushButton::clicked, this, &MainWindow::bbnDesignClick);

  connect(btnCopy, &QToolButton::clicked, this, &MainWindow::btnCopyClick);
  connect(btnMM, &QToolButton::clicked, this, &MainWindow::btnMMClick);
  connect(btnExit, &QToolButton::clicked, this, &MainWindow::btnExitClick);
  connect(btnHelp, &QToolButton::clicked, this, &MainWindow::btnHelpClick);
  connect(ToolButton1, &QToolButton::clicked, this, &MainWindow::ToolButton1Click);
  connect(English, &QAction::triggered, this, &MainWindow::EnglishClick);
  connect(Deutsch, &QAction::triggered, this, &MainWindow::DeutschClick);
  connect(Bul, &QAction::triggered, this, &MainWindow::BulClick);
}

void MainWindow::showSidePage(SidePage page) {
  sidePage_ = page;
  setFixedSize(windowWidth(page), layout::kClientHeight);
  // Closed, the window still leaves a few pixels beside the inputs group;
  // they show no sliver of a page.
  Panel2->setVisible(page != SidePage::None);
}

void MainWindow::showEvent(QShowEvent* event) {
  if (!shown_) {
    shown_ = true;
    FormShow();
  }
  QMainWindow::showEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  FormClose();
  event->accept();
}

}  // namespace kalmo
