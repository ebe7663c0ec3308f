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

constexpr QSize kPickerIconSize(14, 14);

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
    : QMainWindow(parent),
      language_(language),
      store_(store),
      comparedGeneral_(readComparedGeneralClass(store)) {
  setObjectName(QStringLiteral("frmISO286"));
  // The program sets the size; the user neither drags nor maximises it.
  setWindowFlag(Qt::WindowMaximizeButtonHint, false);
  setFont(windowFont());
  setWindowIcon(icon(Image::Application));
  // The window's own views take each result first, then the pages and windows.
  connect(&results_, &ResultSource::resultChanged, this, &MainWindow::showResult);
  buildCommands();
  buildInputs();
  buildPanel();
  applyGroupHeight();
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
  const std::array<QWidget*, 10> chain{in_.nominalSizeField,     in_.holeLetterPicker,
                                       in_.holeGradePicker,      in_.holeClassListButton,
                                       in_.shaftLetterPicker,    in_.shaftGradePicker,
                                       in_.shaftClassListButton, in_.preferredNumbersButton,
                                       in_.catalogueButton,      in_.designButton};
  for (QWidget* w : chain) {
    if (w->focusPolicy() == Qt::NoFocus) w->setFocusPolicy(Qt::StrongFocus);
  }
  for (std::size_t i = 0; i + 1 < chain.size(); ++i) {
    setTabOrder(chain[i], chain[i + 1]);
  }
}

void MainWindow::buildInputs() {
  auto* central = new QWidget(this);
  central->setObjectName(QStringLiteral("Client"));
  central->setFixedHeight(layout::kGroupHeight);
  setCentralWidget(central);

  in_.group = new QGroupBox(central);
  in_.group->setObjectName(QStringLiteral("GroupBox1"));
  in_.group->setGeometry(0, 0, layout::kGroupWidth, layout::kGroupHeight);
  QWidget* g = in_.group;

  in_.nominalSizeLabel = boldLabel(g, "Label1", layout::kNominalSizeLabel);
  in_.nominalSizeLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  // The field's limits are the nominal range's numbers, in whichever unit it shows.
  in_.nominalSizeField = new NumberField(kMinNominalMm, kMaxNominalMm, g);
  in_.nominalSizeField->setObjectName(QStringLiteral("edNominal"));
  QFont bold = g->font();
  bold.setBold(true);
  in_.nominalSizeField->setFont(bold);
  in_.nominalSizeField->setGeometry(layout::kNominal);
  in_.nominalSizeField->setCallouts(true);
  in_.nominalSizeField->setRequired(true);
  in_.nominalSizeField->setLanguage(&language_.table());
  in_.nominalSizeField->setValue(kStartSizeMm);
  in_.preferredNumbersButton =
      pickerButton(g, "BitBtn3", Image::PreferredNumber, layout::kPreferredNumbersButton);

  in_.holeLabel = boldLabel(g, "Label9", layout::kHoleLabel);
  in_.holeLetterPicker = picker(g, "cbLetter_o", layout::kLetterHole);
  in_.holeGradePicker = picker(g, "cbIT_o", layout::kGradeHole);
  in_.holeClassListButton =
      pickerButton(g, "BitBtn1", Image::ClassList, layout::kHoleClassListButton);
  in_.shaftLabel = boldLabel(g, "Label10", layout::kShaftLabel);
  in_.shaftLetterPicker = picker(g, "cbLetter_v", layout::kLetterShaft);
  in_.shaftGradePicker = picker(g, "cbIT_v", layout::kGradeShaft);
  in_.shaftClassListButton =
      pickerButton(g, "BitBtn2", Image::ClassList, layout::kShaftClassListButton);
  fillLetterPicker(*in_.holeLetterPicker, Side::Hole);
  fillGradePicker(*in_.holeGradePicker);
  fillLetterPicker(*in_.shaftLetterPicker, Side::Shaft);
  fillGradePicker(*in_.shaftGradePicker);
  // No class is chosen until the window is shown.
  for (QComboBox* p :
       {in_.holeLetterPicker, in_.holeGradePicker, in_.shaftLetterPicker, in_.shaftGradePicker}) {
    p->setCurrentIndex(-1);
  }
  in_.holeClassesUpTo500 = classListUnder(in_.holeGradePicker, Side::Hole, false, "cbOtvori");
  in_.holeClassesAbove500 = classListUnder(in_.holeGradePicker, Side::Hole, true, "cbOtvori2");
  in_.shaftClassesUpTo500 = classListUnder(in_.shaftGradePicker, Side::Shaft, false, "cbValove");
  in_.shaftClassesAbove500 = classListUnder(in_.shaftGradePicker, Side::Shaft, true, "cbValove2");

  in_.catalogueButton = new QPushButton(g);
  in_.catalogueButton->setObjectName(QStringLiteral("bbnSglobka"));
  in_.catalogueButton->setGeometry(layout::kCatalogueButton);
  in_.designButton = new QPushButton(g);
  in_.designButton->setObjectName(QStringLiteral("bbnDesign"));
  in_.designButton->setGeometry(layout::kDesignButton);
  in_.operatingButton = new QPushButton(g);
  in_.operatingButton->setObjectName(QStringLiteral("operatingButton"));
  in_.operatingButton->setGeometry(layout::kOperatingButton);

  views_.unitNoteLabel = new QLabel(g);
  views_.unitNoteLabel->setObjectName(QStringLiteral("lblNote"));
  views_.unitNoteLabel->setGeometry(layout::kNote);

  views_.resultsGrid = new ResultsGrid([this] { return gridInput(); }, g);
  views_.resultsGrid->move(layout::kGridPos);
  // The grid's context menu: the commands placed there.
  views_.resultsGrid->setContextMenuPolicy(Qt::ActionsContextMenu);
  for (const CommandRow& row : commandTable()) {
    if (row.place == CommandPlace::Grid || row.place == CommandPlace::ToolbarAndGrid) {
      views_.resultsGrid->addAction(action(row.command));
    }
  }
  views_.zoneDiagram = new ZoneDiagram(g);
  // The diagram lies over column 1 and follows the column border.
  const auto placeDiagram = [this] {
    const QPoint gridClient = layout::kGridPos + QPoint(grid::kFrame, grid::kFrame);
    views_.zoneDiagram->setGeometry(
        diagramRect(views_.resultsGrid->columns()).translated(gridClient));
  };
  placeDiagram();
  connect(views_.resultsGrid, &ResultsGrid::columnsChanged, this, placeDiagram);

  views_.boundaryNoteLabel = new QLabel(g);
  views_.boundaryNoteLabel->setObjectName(QStringLiteral("lblBoundary"));
  views_.boundaryNoteLabel->setGeometry(layout::kBoundaryNote);
  views_.boundaryNoteLabel->setWordWrap(true);
  views_.boundaryNoteLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  QPalette warning = views_.boundaryNoteLabel->palette();
  // Dark red on a light window, light red on a dark one.
  const bool darkWindow = warning.color(QPalette::Window).lightness() < 128;
  warning.setColor(QPalette::WindowText, darkWindow ? QColor(255, 140, 110) : QColor(150, 30, 0));
  views_.boundaryNoteLabel->setPalette(warning);

  views_.generalLine = new QLabel(g);
  views_.generalLine->setObjectName(QStringLiteral("lblGeneral"));
  views_.generalLine->setGeometry(layout::kGeneralLine);
  views_.generalLine->setVisible(false);
}

void MainWindow::buildPanel() {
  panel_.frame = new QFrame(centralWidget());
  panel_.frame->setObjectName(QStringLiteral("Panel2"));
  panel_.frame->setGeometry(layout::kGroupWidth, 0, layout::kPanelWidth, layout::kGroupHeight);
  panel_.pages = new QStackedWidget(panel_.frame);
  panel_.pages->setObjectName(QStringLiteral("nbExtra"));
  panel_.pages->setGeometry(0, 0, layout::kPanelWidth, layout::kGroupHeight);
  panel_.cataloguePage = new CataloguePage(results_, *this, panel_.pages);
  panel_.designPage = new DesignPage(results_, *this, panel_.pages);
  panel_.pages->addWidget(panel_.cataloguePage);
  panel_.pages->addWidget(panel_.designPage);
  panel_.operatingPage = new OperatingPage(results_, panel_.pages);
  panel_.pages->addWidget(panel_.operatingPage);
  // The tool windows (the press fit) read the conditions from the result source.
  const auto publishOperating = [this] {
    results_.publishOperating(panel_.operatingPage->conditions());
  };
  connect(panel_.operatingPage, &OperatingPage::conditionsChanged, this, publishOperating);
  publishOperating();
}

void MainWindow::connectInputs() {
  connect(in_.nominalSizeField, &QLineEdit::textChanged, this, [this] { nominalSizeChanged(); });
  connect(in_.nominalSizeField, &NumberField::calloutApplied, this, &MainWindow::applyCallout);
  connect(in_.nominalSizeField, &NumberField::noteRequested, this, &MainWindow::showEntryNote);
  // activated, not currentIndexChanged: only the user's choice runs the handler;
  // the program selects entries silently.
  for (QComboBox* p :
       {in_.holeLetterPicker, in_.holeGradePicker, in_.shaftLetterPicker, in_.shaftGradePicker}) {
    connect(p, &QComboBox::activated, this, [this, p] { classPickerChanged(p); });
  }
  for (ClassList* list : {in_.holeClassesUpTo500, in_.holeClassesAbove500, in_.shaftClassesUpTo500,
                          in_.shaftClassesAbove500}) {
    connect(list, &QComboBox::activated, this,
            [this, list](int index) { classListChosen(list, index); });
  }
  connect(in_.holeClassListButton, &QToolButton::clicked, this, &MainWindow::showHoleClassList);
  connect(in_.shaftClassListButton, &QToolButton::clicked, this, &MainWindow::showShaftClassList);
  connect(in_.preferredNumbersButton, &QToolButton::clicked, this,
          &MainWindow::choosePreferredNumber);
  connect(in_.catalogueButton, &QPushButton::clicked, this, &MainWindow::toggleCataloguePage);
  connect(in_.designButton, &QPushButton::clicked, this, &MainWindow::toggleDesignPage);
  connect(in_.operatingButton, &QPushButton::clicked, this, &MainWindow::toggleOperatingPage);

  connect(toolbar_.englishAction, &QAction::triggered, this,
          [this] { chooseLanguage(kLanguageEnglish); });
  connect(toolbar_.germanAction, &QAction::triggered, this,
          [this] { chooseLanguage(kLanguageGerman); });
  connect(toolbar_.bulgarianAction, &QAction::triggered, this,
          [this] { chooseLanguage(kLanguageBulgarian); });
}

void MainWindow::showSidePage(SidePage page) {
  panel_.page = page;
  setFixedSize(windowWidth(page), layout::kToolBarHeight + groupHeight());
  keepOnScreen();
  // Closed, the window still leaves a few pixels beside the inputs group;
  // they show no sliver of a page.
  panel_.frame->setVisible(page != SidePage::None);
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
    in_.nominalSizeField->setFocus(Qt::OtherFocusReason);
    in_.nominalSizeField->selectAll();
  }
  QMainWindow::showEvent(event);
  // A position restored or computed off the screen is brought back.
  keepOnScreen();
}

MainWindow::~MainWindow() {
  // Off the screen while the window is whole: hiding takes the focus from
  // the size field, whose focus-out calls this window's slots. Left to the
  // base class, that would happen after this window's own part is gone.
  hide();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  saveSession();
  event->accept();
}

}  // namespace kalmo
