#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "main/main_window.h"
#include "main_window_session.h"
#include "page_test_support.h"
#include "storage/language.h"
#include "storage/settings_store.h"
#include "widgets/accessible_combo.h"
#include "widgets/number_field.h"
#include "widgets/results_grid.h"
#include "widgets/zone_diagram.h"

using namespace kalmo;

namespace {

// Each test starts the program in English.
struct Session : test::Session {
  Session() : test::Session(kLanguageEnglish) {}
};

QString designationCell(const MainWindow& w) {
  return gridCell(w.gridInput(), 0, 10).value;
}

}  // namespace

class MainWindowInputTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QLocale::setDefault(QLocale::c()); }
  void cleanup() { QLocale::setDefault(QLocale::c()); }
  void fieldRecordAndGridAgree_data();
  void fieldRecordAndGridAgree();
  void switchesTheUnitFromEveryFocus_data();
  void switchesTheUnitFromEveryFocus();
  void calloutThenCopyGivesTheWholeResult();
  void tabWalksTheInputsInReadingOrder();
  void growingForASidePageStaysOnTheScreen();
  void everyButtonAndViewHasATextInEachLanguage();
  void readsTheGridCellByCell();
  void dragsTheColumnBorder_data();
  void dragsTheColumnBorder();
  void keepsItsColoursInADarkPalette();
};

// Each text typed into the size field of a fresh window (its start value is
// selected, so typing replaces it), then Enter: the field, the record and
// the grid's designation after each of the two steps, and the note, which
// goes with the next change of the text (here Esc).
void MainWindowInputTest::fieldRecordAndGridAgree_data() {
  QTest::addColumn<QString>("locale");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<double>("sizeWhileTyped");
  QTest::addColumn<QString>("gridWhileTyped");
  QTest::addColumn<QString>("field");
  QTest::addColumn<double>("size");
  QTest::addColumn<QString>("grid");
  QTest::addColumn<QString>("note");  // empty: the unit note stays
  for (const char* locale : {"C", "de_DE"}) {
    const bool c = locale == std::string_view("C");
    QTest::addRow("%s callout", locale) << locale << "42 H7/f6" << 42.0 << "42 H7/g6"
                                        << "42" << 42.0 << "42 H7/f6"
                                        << "";
    QTest::addRow("%s beyond the limit", locale) << locale << "12000" << 0.0 << "N"
                                                 << "12000" << 0.0 << "N"
                                                 << "12000 mm is above the upper limit 10000 mm";
    QTest::addRow("%s comma", locale)
        << locale << "42,5" << 42.5 << "42,5 H7/g6" << (c ? "42.5" : "42,5") << 42.5
        << (c ? "42.5 H7/g6" : "42,5 H7/g6") << "";
    QTest::addRow("%s point", locale)
        << locale << "42.5" << 42.5 << "42.5 H7/g6" << (c ? "42.5" : "42,5") << 42.5
        << (c ? "42.5 H7/g6" : "42,5 H7/g6") << "";
    QTest::addRow("%s hole class in lower case", locale)
        << locale << "42 h7/g6" << 0.0 << "N"
        << "42 h7/g6" << 0.0 << "N"
        << R"(Hole class "h7": hole letters are upper case)";
    QTest::addRow("%s no such shaft letter", locale)
        << locale << "42 H7/q6" << 0.0 << "N"
        << "42 H7/q6" << 0.0 << "N"
        << R"(Shaft class "q6": "q" is no shaft deviation letter (a to zc))";
    QTest::addRow("%s zero", locale) << locale << "0" << 0.0 << "N"
                                     << "0" << 0.0 << "N"
                                     << (c ? "0 mm is below the lower limit 0.001 mm"
                                           : "0 mm is below the lower limit 0,001 mm");
  }
}

void MainWindowInputTest::fieldRecordAndGridAgree() {
  QFETCH(QString, locale);
  QFETCH(QString, typed);
  QFETCH(QString, note);
  QLocale::setDefault(QLocale(locale));
  Session s;
  MainWindow& w = *s.window;
  auto* field = test::part<NumberField>(w, "edNominal");
  auto* noteLine = test::part<QLabel>(w, "lblNote");
  const QString unitNote = noteLine->text();
  QCOMPARE(QApplication::focusWidget(), field);
  QTest::keyClicks(field, typed);
  QTEST(w.record().NominalSize, "sizeWhileTyped");
  QTEST(designationCell(w), "gridWhileTyped");
  QTest::keyClick(field, Qt::Key_Return);
  if (QTest::currentDataTag() == QByteArrayLiteral("C no such shaft letter")) {
    test::snapshot(w, QStringLiteral("size_field_marked"));
  }
  QTEST(field->text(), "field");
  QTEST(w.record().NominalSize, "size");
  QTEST(designationCell(w), "grid");
  QCOMPARE(noteLine->text(), note.isEmpty() ? unitNote : note);
  QCOMPARE(field->marked(), !note.isEmpty());
  QTest::keyClick(field, Qt::Key_Escape);
  QCOMPARE(noteLine->text(), unitNote);
}

// Ctrl+U switches the unit wherever the focus is in the window, and no
// field loses its text to it: the size is converted, not erased.
void MainWindowInputTest::switchesTheUnitFromEveryFocus_data() {
  QTest::addColumn<QString>("focus");
  QTest::addColumn<int>("page");  // SidePage
  QTest::newRow("size field") << "edNominal" << int(SidePage::None);
  QTest::newRow("hole letter") << "cbLetter_o" << int(SidePage::None);
  QTest::newRow("design target") << "edMaxV" << int(SidePage::Design);
  QTest::newRow("temperature") << "holeTemperatureField" << int(SidePage::Operating);
}

void MainWindowInputTest::switchesTheUnitFromEveryFocus() {
  QFETCH(QString, focus);
  QFETCH(int, page);
  Session s;
  MainWindow& w = *s.window;
  // Active for the window's shortcuts, also on a display without a window
  // manager (the X11 run, where a line edit's own Ctrl+U erases the line).
  QApplication::setActiveWindow(&w);
  if (page == int(SidePage::Design)) w.toggleDesignPage();
  if (page == int(SidePage::Operating)) w.toggleOperatingPage();
  auto* target = test::part<QWidget>(w, focus.toLatin1().constData());
  target->setFocus(Qt::TabFocusReason);
  auto* edit = qobject_cast<QLineEdit*>(target);
  const QString before = edit ? edit->text() : QString();
  QTest::keyClick(target, Qt::Key_U, Qt::ControlModifier);
  QVERIFY(w.record().InchMode);
  QCOMPARE(test::part<NumberField>(w, "edNominal")->text(), QStringLiteral("0.3937"));
  if (edit && edit->objectName() != u"edNominal") QCOMPARE(edit->text(), before);
  QTest::keyClick(target, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
  QVERIFY(QApplication::clipboard()->text().startsWith(QStringLiteral("\u00D80.3937 H7")));
}

void MainWindowInputTest::calloutThenCopyGivesTheWholeResult() {
  Session s;
  MainWindow& w = *s.window;
  auto* field = test::part<NumberField>(w, "edNominal");
  QTest::keyClicks(field, QStringLiteral("42 H7/f6"));
  QTest::keyClick(field, Qt::Key_Return);
  QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
  const QStringList lines = QApplication::clipboard()->text().split(QStringLiteral("\r\n"));
  QCOMPARE(lines.size(), 23);  // 22 lines, each ended
  QCOMPARE(lines[2], QStringLiteral("42 H7\t\t42 f6"));
  QCOMPARE(lines[15], QStringLiteral("Designation\t42 H7/f6"));
  QCOMPARE(lines[17], QStringLiteral("Max. clearance\t0.0660"));
}

void MainWindowInputTest::tabWalksTheInputsInReadingOrder() {
  Session s;
  MainWindow& w = *s.window;
  const char* order[] = {"edNominal", "cbLetter_o", "cbIT_o",  "BitBtn1",    "cbLetter_v",
                         "cbIT_v",    "BitBtn2",    "BitBtn3", "bbnSglobka", "bbnDesign"};
  for (const char* name : order) {
    QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(name));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  // The results grid comes after the panel buttons.
  QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("operatingButton"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("drgrDanni"));
  for (const QToolButton* b : w.findChildren<QToolButton*>()) {
    if (b->parent() && b->parent()->objectName() == u"ToolBar1") {
      QCOMPARE(b->focusPolicy(), Qt::NoFocus);
    }
  }
}

void MainWindowInputTest::growingForASidePageStaysOnTheScreen() {
  Session s;
  MainWindow& w = *s.window;
  const QRect screen = w.screen()->availableGeometry();
  w.move(screen.right() - 500, screen.top() + 10);
  w.toggleDesignPage();
  QVERIFY2(screen.contains(w.frameGeometry()), "the design page pushed the window off the screen");
  w.move(screen.left() - 2000, screen.bottom() + 500);
  w.hide();
  w.show();
  QVERIFY(screen.contains(w.frameGeometry()));
}

// Tooltips of every button, and an accessible name and description of every
// control of the window, its side pages and its other windows, in the three
// languages.
void MainWindowInputTest::everyButtonAndViewHasATextInEachLanguage() {
  installAccessibleComboNames();  // as the program does before its first window
  Session s;
  MainWindow& w = *s.window;
  QStringList unnamed;
  // The controls a user reaches (a table's own corner button is not one),
  // each with a name and a description; a list's own name, as on some
  // platforms its current entry stands in for it.
  const auto checkControls = [&unnamed](const QWidget& top, const QString& language) {
    for (QWidget* c : top.findChildren<QWidget*>()) {
      const bool control =
          !qobject_cast<const QAbstractItemView*>(c->parentWidget()) &&
          (qobject_cast<const QAbstractButton*>(c) || qobject_cast<const QComboBox*>(c) ||
           qobject_cast<const QLineEdit*>(c) || qobject_cast<const ResultsGrid*>(c) ||
           qobject_cast<const ZoneDiagram*>(c) || qobject_cast<const QPlainTextEdit*>(c) ||
           (qobject_cast<const QAbstractItemView*>(c) && !qobject_cast<const QHeaderView*>(c)));
      if (!control || c->window() != &top || !c->isVisibleTo(&top)) continue;
      const QAccessibleInterface* a = QAccessible::queryAccessibleInterface(c);
      const QString where = top.objectName() + u'/' + c->objectName() + u' ' + language;
      const QString name = a->text(QAccessible::Name);
      if (name.trimmed().isEmpty()) unnamed << where + " name";
      // A combo box's name is its own, never its current entry.
      if (qobject_cast<const QComboBox*>(c) && name != c->accessibleName()) {
        unnamed << where + " named by its entry";
      }
      if (a->text(QAccessible::Description).trimmed().isEmpty()) unnamed << where + " description";
    }
  };
  test::part<QAction>(w, "pressFitAction")->trigger();
  test::part<QToolButton>(w, "inspectionButton")->click();
  test::part<QToolButton>(w, "batchTableButton")->click();
  for (const char* action : {"Bul", "Deutsch", "English"}) {
    test::part<QAction>(w, action)->trigger();
    const QString language = QString::number(languageNumber(s.language.code()));
    for (const QToolButton* b : w.findChildren<QToolButton*>()) {
      if (!b->isVisibleTo(&w) || b->objectName().isEmpty()) continue;
      QVERIFY2(!b->toolTip().isEmpty(), qPrintable(b->objectName() + u' ' + language));
    }
    for (SidePage page :
         {SidePage::None, SidePage::Catalogue, SidePage::Design, SidePage::Operating}) {
      if (page == SidePage::Catalogue) w.toggleCataloguePage();
      if (page == SidePage::Design) {
        w.toggleCataloguePage();
        w.toggleDesignPage();
      }
      if (page == SidePage::Operating) {
        w.toggleDesignPage();
        w.toggleOperatingPage();
      }
      QCOMPARE(w.sidePage(), page);
      checkControls(w, language);
    }
    w.toggleOperatingPage();
    for (const QWidget* top : QApplication::topLevelWidgets()) {
      if (top != &w && top->isVisible()) checkControls(*top, language);
    }
    const QWidget* diagram = test::part<QWidget>(w, "Chart1");
    QVERIFY(diagram->accessibleDescription().contains(QStringLiteral("15 / 0")));
  }
  unnamed.removeDuplicates();
  QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u',')));
}

// Assistive technology reads the grid as a table of cells, each named by its
// label and value, in reading order and at its place on the screen; the
// keyboard reaches the grid and copies a cell.
void MainWindowInputTest::readsTheGridCellByCell() {
  Session s;
  MainWindow& w = *s.window;
  QAccessibleInterface* table = QAccessible::queryAccessibleInterface(w.findChild<ResultsGrid*>());
  QCOMPARE(table->role(), QAccessible::Table);
  QStringList cells;
  for (int i = 0; i < table->childCount(); ++i) {
    QAccessibleInterface* cell = table->child(i);
    QCOMPARE(cell->role(), QAccessible::Cell);
    QCOMPARE(cell->parent(), table);
    QCOMPARE(table->indexOfChild(cell), i);
    QCOMPARE(table->childAt(cell->rect().center().x(), cell->rect().center().y()), cell);
    cells << cell->text(QAccessible::Name) + u'=' + cell->text(QAccessible::Value);
  }
  const QStringList expected{QStringLiteral("Hole="),
                             QStringLiteral("Shaft="),
                             QStringLiteral("10 H7="),
                             QStringLiteral("10 g6="),
                             QStringLiteral("Tolerance 0.0150=0.0150"),
                             QStringLiteral("Tolerance 0.0090=0.0090"),
                             QStringLiteral("Limit deviations="),
                             QStringLiteral("Upper deviation (ES) 0.0150=0.0150"),
                             QStringLiteral("Upper deviation (es) -0.0050=-0.0050")};
  QCOMPARE(cells.mid(0, expected.size()), expected);
  QVERIFY(cells.contains(QStringLiteral("Designation 10 H7/g6=10 H7/g6")));
  QVERIFY(cells.contains(QStringLiteral("Max. clearance 0.0290=0.0290")));
  auto* grid = w.findChild<ResultsGrid*>();
  QCOMPARE(grid->focusPolicy(), Qt::TabFocus);
  grid->setFocus();
  for (int i = 0; i < 4; ++i) QTest::keyClick(grid, Qt::Key_Down);
  QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
  QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("0.0150"));
}

void MainWindowInputTest::dragsTheColumnBorder_data() {
  QTest::addColumn<int>("to");
  QTest::addColumn<int>("width");
  QTest::newRow("left") << 150 << 150;
  QTest::newRow("right") << 300 << 300;
  QTest::newRow("held before the value column") << 20 << GridColumns::kMinWidth;
  QTest::newRow("held before the grid's edge") << 450 << GridColumns::kMaxWidth;
}

// The border between the columns follows the mouse; the values stay right
// aligned in their columns, the diagram stays over column 1, and a double
// click puts the border back in the middle.
void MainWindowInputTest::dragsTheColumnBorder() {
  QFETCH(int, to);
  QFETCH(int, width);
  Session s;
  MainWindow& w = *s.window;
  auto* grid = w.findChild<ResultsGrid*>();
  const QWidget* diagram = test::part<QWidget>(w, "Chart1");
  const int client = grid->contentsRect().left();
  const int y = grid->cellArea(0, 4).center().y();
  QTest::mousePress(grid, Qt::LeftButton, {}, QPoint(client + 225, y));
  QTest::mouseMove(grid, QPoint(client + to, y));
  QTest::mouseRelease(grid, Qt::LeftButton, {}, QPoint(client + to, y));
  QCOMPARE(grid->columns().first, width);
  QCOMPARE(grid->cellArea(1, 4).right(), grid->contentsRect().right() - 1);
  QCOMPARE(diagram->geometry(), grid->cellArea(1, 10)
                                    .translated(grid->pos())
                                    .united(grid->cellArea(1, 15).translated(grid->pos())));
  test::snapshot(w, QStringLiteral("grid_border_") + QString::number(width));

  QTest::mouseDClick(grid, Qt::LeftButton, {}, QPoint(client + width, y));
  QCOMPARE(grid->columns().first, 225);
  QCOMPARE(diagram->x(), grid->pos().x() + client + 226);
}

// In a dark palette the grid and the diagram keep their white sheet inside
// the grid's frame, and the range-boundary note stays readable.
void MainWindowInputTest::keepsItsColoursInADarkPalette() {
  const QPalette light = QApplication::palette();
  QPalette dark;
  for (const auto role : {QPalette::Window, QPalette::Button, QPalette::Base}) {
    dark.setColor(role, QColor(45, 45, 48));
  }
  for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
    dark.setColor(role, QColor(230, 230, 230));
  }
  QApplication::setPalette(dark);
  {
    Session s;
    MainWindow& w = *s.window;
    w.toggleDesignPage();
    test::snapshot(w, QStringLiteral("dark_palette"));
    auto* grid = w.findChild<ResultsGrid*>();
    const QImage sheet = grid->grab().toImage();
    QCOMPARE(sheet.pixelColor(grid->cellArea(0, 2).topLeft() + QPoint(3, 3)), QColor(Qt::white));
    const QImage diagram = test::part<QWidget>(w, "Chart1")->grab().toImage();
    QCOMPARE(diagram.pixelColor(diagram.width() - 2, 1), QColor(Qt::white));
    const QLabel* note = test::part<QLabel>(w, "lblBoundary");
    QVERIFY(!note->text().isEmpty());  // 10 mm is a size-range bound
    QVERIFY(note->palette().color(QPalette::WindowText).lightness() -
                note->palette().color(QPalette::Window).lightness() >
            100);
  }
  QApplication::setPalette(light);
}

QTEST_MAIN(MainWindowInputTest)
#include "main_window_input_test.moc"
