#include "main/main_window.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <cmath>
#include <memory>

#include "general/general_tolerances_window.h"
#include "main/window_geometry.h"
#include "main_window_session.h"
#include "models/press_fit_results_model.h"
#include "page_test_support.h"
#include "pages/catalogue_page.h"
#include "pages/design_page.h"
#include "storage/language.h"
#include "storage/settings_store.h"
#include "widgets/class_pickers.h"
#include "widgets/number_field.h"
#include "widgets/zone_diagram.h"
#include "windows/about_window.h"
#include "windows/press_fit_window.h"

using namespace kalmo;

namespace {

using test::Session;

QSettings storedSettings() {
  return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Brenholt", "ISO286");
}

QVariant stored(const char* name) {
  return storedSettings().value(QStringLiteral("Default/") + name);
}

void store(const char* name, int value) {
  storedSettings().setValue(QStringLiteral("Default/") + name, value);
}

// Micrometres are not rounded: 0.015 mm is 15 only to the last bit.
bool sameZones(const ZoneValues& a, const ZoneValues& b) {
  const auto near = [](double x, double y) { return std::fabs(x - y) < 1e-9; };
  return near(a.holeUpper, b.holeUpper) && near(a.holeLower, b.holeLower) &&
         near(a.shaftUpper, b.shaftUpper) && near(a.shaftLower, b.shaftLower);
}

QString cellValue(const MainWindow& w, int column, int row) {
  return gridCell(w.gridInput(), column, row).value;
}
QString cellLabel(const MainWindow& w, int column, int row) {
  return gridCell(w.gridInput(), column, row).label;
}

// Chooses an entry as the user does: the list's selection changes and it
// reports the activation.
void choose(QComboBox* list, const QString& text) {
  const int index = list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
  QVERIFY2(index >= 0, qPrintable(text));
  list->setCurrentIndex(index);
  emit list->activated(index);
}

void typeInto(QLineEdit* field, const QString& text) {
  field->setFocus();
  field->selectAll();
  QTest::keyClick(field, Qt::Key_Delete);
  QTest::keyClicks(field, text);
}

using test::part;
using test::snapshot;

QStringList clipboardLines() {
  const QString text = QApplication::clipboard()->text();
  QStringList lines = text.split(QStringLiteral("\r\n"));
  if (text.endsWith(QStringLiteral("\r\n"))) {
    lines.removeLast();
  }
  return lines;
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 public slots:
  void openUrl(const QUrl& url) { openedUrls_.append(url); }

 private slots:
  void initTestCase();
  void init();

  void startsWithDefaultsOnFirstStart();
  void startsInInchesWhenStored();
  void readsBackWhatItStoredAtClose();
  void followsTypedSizes();
  void showsAnUndefinedClassAsN();
  void showsAnInterferenceFitInBothUnits();
  void showsABearingSeatInEachLanguage_data();
  void showsABearingSeatInEachLanguage();
  void comparesWithTheGeneralClass_data();
  void comparesWithTheGeneralClass();
  void switchesUnitsAndBack_data();
  void switchesUnitsAndBack();
  void switchesLanguageAtRunTime();
  void takesAPreferredNumber_data();
  void takesAPreferredNumber();
  void picksAClassFromTheLists_data();
  void picksAClassFromTheLists();
  void copiesTheResultToTheClipboard();
  void answersAboutTheShownFit_data();
  void answersAboutTheShownFit();
  void opensOneSidePageAtATime();
  void viewsFollowEveryCalculationWhateverHoldsTheFocus();
  void shapesTheAboutWindowLikeItsPicture();
  void pressFitFollowsTheFitOnScreen();
  void keepsEveryNumericFieldValidWhateverIsTyped_data();
  void keepsEveryNumericFieldValidWhateverIsTyped();

 private:
  QTemporaryDir dir_;
  QList<QUrl> openedUrls_;
};

void MainWindowTest::initTestCase() {
  QVERIFY(dir_.isValid());
  QStandardPaths::setTestModeEnabled(true);
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path());
  QLocale::setDefault(QLocale::c());
}

void MainWindowTest::init() {
  QSettings settings = storedSettings();
  settings.clear();
  settings.sync();
}

void MainWindowTest::startsWithDefaultsOnFirstStart() {
  Session s;
  MainWindow& w = s.w();
  QCOMPARE(w.windowTitle(), QStringLiteral("KALMO - ISO - tolerances and fits"));
  QCOMPARE(w.width(), 465);
  QCOMPARE(w.height(), 415);
  QCOMPARE(part<NumberField>(w, "edNominal")->text(), QStringLiteral("10"));
  QCOMPARE(w.record().NominalSize, 10.0);
  QCOMPARE(
      part<QComboBox>(w, "cbLetter_o")->currentText() + part<QComboBox>(w, "cbIT_o")->currentText(),
      QStringLiteral("H7"));
  QCOMPARE(
      part<QComboBox>(w, "cbLetter_v")->currentText() + part<QComboBox>(w, "cbIT_v")->currentText(),
      QStringLiteral("g6"));
  QCOMPARE(part<QLabel>(w, "lblNote")->text(), QStringLiteral("Values and tolerances in [mm]."));
  QCOMPARE(part<QPushButton>(w, "bbnSglobka")->text(), QStringLiteral("Stand. fits >>"));
  QCOMPARE(part<QPushButton>(w, "bbnDesign")->text(), QStringLiteral("Design >>"));
  QCOMPARE(part<QComboBox>(w, "cbPart")->currentIndex(), 0);
  QCOMPARE(part<QComboBox>(w, "cbPart")->itemText(4), QStringLiteral("all"));
  QVERIFY(!part<QCheckBox>(w, "chbDSel")->isChecked());
  QCOMPARE(part<QComboBox>(w, "cbSystem")->currentText(), QStringLiteral("Hole basis system"));
  QCOMPARE(part<QComboBox>(w, "cbType")->currentText(), QStringLiteral("Clearance fit"));
  QCOMPARE(part<QToolButton>(w, "btnCopy")->toolTip(), QStringLiteral("Copy (Ctrl+C)"));

  // The worked example as the painter gets it from the window (every cell: grid test).
  QCOMPARE(gridCell(w.gridInput(), 1, 1).centred, QStringLiteral("10 g6"));
  QCOMPARE(cellValue(w, 0, 10), QStringLiteral("10 H7/g6"));
  QCOMPARE(cellValue(w, 0, 12), QStringLiteral("0.0290"));
  QVERIFY(sameZones(part<ZoneDiagram>(w, "Chart1")->values(), ZoneValues{15, 0, -5, -14}));
  snapshot(w, "english_mm");

  // The start stores nothing, and a close stores only what was changed.
  QVERIFY(!stored("Lang").isValid());
  part<QToolButton>(w, "btnExit")->click();
  QVERIFY(!w.isVisible());
  for (const char* name : {"Lang", "mm_in", "ResCn", "Prep"}) QVERIFY(!stored(name).isValid());
}

void MainWindowTest::startsInInchesWhenStored() {
  store("mm_in", 1);
  Session s;
  MainWindow& w = s.w();
  QVERIFY(w.record().InchMode);
  QCOMPARE(part<NumberField>(w, "edNominal")->text(), QStringLiteral("0.3937"));
  QCOMPARE(w.record().NominalSize, 0.3937 * 25.4);
  QCOMPARE(part<QLabel>(w, "lblNote")->text(), QStringLiteral("Values and tolerances in [in]."));
  QCOMPARE(gridCell(w.gridInput(), 0, 1).centred, QStringLiteral("0.3937 H7"));
  QCOMPARE(cellValue(w, 0, 2), QStringLiteral("0.00059"));
  QCOMPARE(cellValue(w, 0, 10), QStringLiteral("0.3937 H7/g6"));
  QVERIFY(sameZones(part<ZoneDiagram>(w, "Chart1")->values(), ZoneValues{0.59, 0, -0.2, -0.55}));
  snapshot(w, "english_inch");
}

void MainWindowTest::readsBackWhatItStoredAtClose() {
  store("mm_in", 1);
  store("ResCn", 3);
  store("Prep", 1);
  store("Inside", 1);
  {
    Session s;
    MainWindow& w = s.w();
    QVERIFY(w.record().InchMode);
    QCOMPARE(part<QComboBox>(w, "cbPart")->currentIndex(), 3);
    QVERIFY(part<QCheckBox>(w, "chbDSel")->isChecked());
    QVERIFY(part<QCheckBox>(w, "chbDInside")->isChecked());
    w.switchUnit();
    part<QComboBox>(w, "cbPart")->setCurrentIndex(4);
    part<QCheckBox>(w, "chbDSel")->setChecked(false);
    part<QCheckBox>(w, "chbDInside")->setChecked(false);
    w.close();
  }
  QCOMPARE(stored("mm_in").toInt(), 0);
  QCOMPARE(stored("ResCn").toInt(), 4);
  QCOMPARE(stored("Prep").toInt(), 0);
  QCOMPARE(stored("Inside").toInt(), 0);
  QCOMPARE(readWindowSettings(QtSettingsStore()), (WindowSettings{false, 4, false}));
}

void MainWindowTest::followsTypedSizes() {
  Session s;
  MainWindow& w = s.w();
  typeInto(part<NumberField>(w, "edNominal"), "10.50");
  QCOMPARE(w.record().NominalSize, 10.5);
  QCOMPARE(cellValue(w, 0, 10), QStringLiteral("10.50 H7/g6"));
  QCOMPARE(gridCell(w.gridInput(), 0, 1).centred, QStringLiteral("10.5 H7"));
  QCOMPARE(w.view().hole.result.upperMm(), 0.018);

  // An emptied field has no size, also after leaving it; Esc brings the
  // last number back.
  typeInto(part<NumberField>(w, "edNominal"), "");
  QCOMPARE(w.record().NominalSize, 0.0);
  part<NumberField>(w, "edNominal")->finishEntry();
  QCOMPARE(part<NumberField>(w, "edNominal")->text(), QString());
  QCOMPARE(w.record().NominalSize, 0.0);
  QTest::keyClick(part<NumberField>(w, "edNominal"), Qt::Key_Escape);
  QCOMPARE(part<NumberField>(w, "edNominal")->text(), QStringLiteral("10.50"));
  QCOMPARE(w.record().NominalSize, 10.5);
}

void MainWindowTest::showsAnUndefinedClassAsN() {
  Session s;
  MainWindow& w = s.w();
  typeInto(part<NumberField>(w, "edNominal"), "24");
  choose(part<QComboBox>(w, "cbLetter_o"), "T");
  choose(part<QComboBox>(w, "cbLetter_v"), "h");
  QCOMPARE(w.view().hole.result.upperMm(), DeviationUndefined);
  QCOMPARE(cellValue(w, 0, 4), QStringLiteral("N"));
  QCOMPARE(cellLabel(w, 0, 12), QStringLiteral("Max."));
  QCOMPARE(cellValue(w, 1, 2), QStringLiteral("0.0130"));
  QVERIFY(sameZones(part<ZoneDiagram>(w, "Chart1")->values(), ZoneValues{0, 0, 0, -13}));
  snapshot(w, "undefined_class");
}

void MainWindowTest::showsAnInterferenceFitInBothUnits() {
  Session s;
  MainWindow& w = s.w();
  choose(part<QComboBox>(w, "cbLetter_v"), "s");
  QCOMPARE(cellValue(w, 0, 11), QStringLiteral("Interference fit"));
  QCOMPARE(cellLabel(w, 0, 12), QStringLiteral("Max. interference"));
  QCOMPARE(cellValue(w, 0, 12), QStringLiteral("0.0320"));
  QVERIFY(sameZones(part<ZoneDiagram>(w, "Chart1")->values(), ZoneValues{15, 0, 32, 23}));
  w.switchUnit();
  QCOMPARE(cellValue(w, 0, 12), QStringLiteral("-0.00126"));
  QCOMPARE(cellValue(w, 0, 13), QStringLiteral("-0.00031"));
  QVERIFY(sameZones(part<ZoneDiagram>(w, "Chart1")->values(), ZoneValues{0.59, 0, 1.26, 0.91}));
  snapshot(w, "interference_inch");
}

// The worked example of a 6206: "bearing" at the end of the letter list,
// its grade picker disabled, the probable fit under the fit in µm and mm.
void MainWindowTest::showsABearingSeatInEachLanguage_data() {
  QTest::addColumn<QString>("action");
  QTest::addColumn<QString>("name");
  QTest::newRow("EN") << "English"
                      << "bearing_en";
  QTest::newRow("DE") << "Deutsch"
                      << "bearing_de";
  QTest::newRow("BG") << "Bul"
                      << "bearing_bg";
}

void MainWindowTest::showsABearingSeatInEachLanguage() {
  QFETCH(QString, action);
  QFETCH(QString, name);
  Session s;
  MainWindow& w = s.w();
  part<QAction>(w, qPrintable(action))->trigger();
  typeInto(part<NumberField>(w, "edNominal"), "30");
  choose(part<QComboBox>(w, "cbLetter_o"), "bearing");
  choose(part<QComboBox>(w, "cbLetter_v"), "k");
  choose(part<QComboBox>(w, "cbIT_v"), "5");
  QVERIFY(!part<QComboBox>(w, "cbIT_o")->isEnabled());
  QCOMPARE(cellValue(w, 0, 5), QStringLiteral("-0.0100"));
  QCOMPARE(cellValue(w, 1, 4), QStringLiteral("0.0110"));
  QCOMPARE(cellValue(w, 0, 12), QStringLiteral("0.0210"));
  QCOMPARE(cellLabel(w, 0, 15), QStringLiteral("-18.2…-4.8 µm"));
  QCOMPARE(cellValue(w, 0, 15), QStringLiteral("-0.0182…-0.0048"));
  snapshot(w, name + QStringLiteral("_inner"));
  typeInto(part<NumberField>(w, "edNominal"), "62");
  choose(part<QComboBox>(w, "cbLetter_o"), "N");
  choose(part<QComboBox>(w, "cbIT_o"), "7");
  choose(part<QComboBox>(w, "cbLetter_v"), "bearing");
  QVERIFY(part<QComboBox>(w, "cbIT_o")->isEnabled());
  QVERIFY(!part<QComboBox>(w, "cbIT_v")->isEnabled());
  QCOMPARE(cellValue(w, 1, 5), QStringLiteral("-0.0130"));
  QCOMPARE(cellValue(w, 0, 4), QStringLiteral("-0.0090"));
  snapshot(w, name + QStringLiteral("_outer"));
}

// The title block's class, ticked in the general tolerances window, gives one
// line under the grid for the size and classes on screen, kept for the next
// start; text that is no size shows no line.
void MainWindowTest::comparesWithTheGeneralClass_data() {
  QTest::addColumn<QString>("action");
  QTest::addColumn<QString>("size");
  QTest::addColumn<QString>("line");
  QTest::newRow("EN") << "English"
                      << "50"
                      << "ISO 2768-mK at 50 mm: \u00B10.3 mm \u2014 H7 is 0.025 mm, g6 is 0.016 mm";
  QTest::newRow("DE")
      << "Deutsch"
      << "50"
      << "ISO 2768-mK bei 50 mm: \u00B10.3 mm \u2014 H7 hat 0.025 mm, g6 hat 0.016 mm";
  QTest::newRow("BG") << "Bul"
                      << "0.3" << QString();
  QTest::newRow("no size") << "English"
                           << "5x" << QString();
}

void MainWindowTest::comparesWithTheGeneralClass() {
  QFETCH(QString, action);
  QFETCH(QString, size);
  QFETCH(QString, line);
  {
    Session s;
    MainWindow& w = s.w();
    const int height = w.height();
    part<QAction>(w, qPrintable(action))->trigger();
    part<QAction>(w, "generalTolerancesButton")->trigger();
    auto* general = w.findChild<GeneralTolerancesWindow*>();
    QVERIFY(general);
    general->setDesignation(QStringLiteral("ISO 2768-mK"));
    general->compareBox->setChecked(true);
    typeInto(part<NumberField>(w, "edNominal"), size);
    auto* label = part<QLabel>(w, "lblGeneral");
    QVERIFY(label->isVisible());
    QCOMPARE(w.height(), height + layout::kGeneralLineHeight);
    if (!line.isEmpty()) QCOMPARE(label->text(), line);
    if (size == QStringLiteral("5x")) QVERIFY(label->text().isEmpty());
    if (size == QStringLiteral("0.3"))
      QVERIFY(label->text().startsWith(QStringLiteral("ISO 2768-mK")));
    snapshot(w, QStringLiteral("general_compared_") + QTest::currentDataTag());
  }
  Session again;  // kept for the next start, until the tick is cleared
  auto* label = part<QLabel>(again.w(), "lblGeneral");
  QVERIFY(label->isVisible());
  again.w().compareGeneralClass(std::nullopt);
  QVERIFY(!label->isVisible());
}

// Typed in the unit the row starts in, then switched twice and twice more.
void MainWindowTest::switchesUnitsAndBack_data() {
  QTest::addColumn<bool>("startInch");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<double>("typedMm");
  QTest::addColumn<QString>("shownAfterOne");
  QTest::addColumn<double>("sizeAfterOne");
  QTest::addColumn<QString>("shownAfterTwo");
  QTest::addColumn<double>("sizeAfterTwo");
  QTest::newRow("10 mm") << false << "10" << 10.0 << "0.3937" << 10.0 << "10" << 10.0;
  QTest::newRow("0.12345 in") << true << "0.12345" << 3.13563 << "3.1356" << 3.13563 << "0.12345"
                              << 3.1356;
  QTest::newRow("1 in") << true << "1" << 25.4 << "25.4" << 25.4 << "1" << 25.4;
  QTest::newRow("below an inch thousandth: five decimals")
      << false << "0.02" << 0.02 << "0.00079" << 0.02 << "0.02" << 0.02;
}

void MainWindowTest::switchesUnitsAndBack() {
  QFETCH(bool, startInch);
  QFETCH(QString, typed);
  QFETCH(double, typedMm);
  Session s;
  MainWindow& w = s.w();
  if (startInch) {
    w.switchUnit();
  }
  typeInto(part<NumberField>(w, "edNominal"), typed);
  QCOMPARE(w.record().NominalSize, typedMm);
  const CalcRecord before = w.record();
  const FitView viewBefore = w.view();

  w.switchUnit();
  QTEST(part<NumberField>(w, "edNominal")->text(), "shownAfterOne");
  QTEST(w.record().NominalSize, "sizeAfterOne");
  QCOMPARE(part<QLabel>(w, "lblNote")->text().endsWith(QStringLiteral("[in].")), !startInch);
  w.switchUnit();
  QTEST(part<NumberField>(w, "edNominal")->text(), "shownAfterTwo");
  QTEST(w.record().NominalSize, "sizeAfterTwo");
  QCOMPARE(w.record().InchMode, startInch);
  if (typedMm == 10.0) {
    QCOMPARE(w.record(), before);
    QVERIFY(w.view() == viewBefore);
  }
  const QString settled = part<NumberField>(w, "edNominal")->text();
  const double settledSize = w.record().NominalSize;
  w.switchUnit();
  w.switchUnit();
  QCOMPARE(part<NumberField>(w, "edNominal")->text(), settled);
  QCOMPARE(w.record().NominalSize, settledSize);
}

void MainWindowTest::switchesLanguageAtRunTime() {
  Session s;
  MainWindow& w = s.w();
  part<QComboBox>(w, "cbType")->setCurrentIndex(2);
  part<QComboBox>(w, "cbDType")->setCurrentIndex(2);
  w.toggleCataloguePage();
  part<QAction>(w, "Deutsch")->trigger();
  QCOMPARE(stored("Lang").toInt(), 2);
  QCOMPARE(languageNumber(w.resultSource().language().code()), 2);
  QCOMPARE(w.windowTitle(), QStringLiteral("KALMO - ISO - Toleranzen und Passungen"));
  QCOMPARE(part<QPushButton>(w, "bbnSglobka")->text(), QStringLiteral(" Passungen >>"));
  QCOMPARE(part<QGroupBox>(w, "GroupBox1")->title(), QStringLiteral("Grundparameter"));
  QCOMPARE(part<QToolButton>(w, "btnLang")->toolTip(), QStringLiteral("Sprache"));
  QCOMPARE(part<QComboBox>(w, "cbPart")->itemText(4), QStringLiteral("alle"));
  QCOMPARE(part<QLabel>(w, "lblMax")->text(), QStringLiteral(" Max. Überm."));
  QCOMPARE(part<QComboBox>(w, "cbType")->currentIndex(), 2);
  QCOMPARE(part<QComboBox>(w, "cbType")->currentText(), QStringLiteral(" Übermasspassung"));
  QCOMPARE(cellValue(w, 0, 11), QStringLiteral(" Spielpassung"));
  QCOMPARE(cellLabel(w, 0, 14), QStringLiteral("Passtoleranz"));
  QCOMPARE(part<QAction>(w, "English")->text(), QStringLiteral("English"));
  w.toggleCataloguePage();
  snapshot(w, "german_mm");

  part<QAction>(w, "Bul")->trigger();
  QCOMPARE(stored("Lang").toInt(), 1);
  QCOMPARE(part<QLabel>(w, "lblNote")->text(), QStringLiteral("Всички размери и допуски в [mm]."));
  QCOMPARE(cellValue(w, 0, 11), QStringLiteral("Хлабина"));
  QCOMPARE(part<QAction>(w, "Bul")->text(), QStringLiteral("Български"));
  snapshot(w, "bulgarian_mm");

  w.switchUnit();
  part<QAction>(w, "English")->trigger();
  QCOMPARE(part<QLabel>(w, "lblNote")->text(), QStringLiteral("Values and tolerances in [in]."));
  QCOMPARE(part<QLabel>(w, "lblMin")->text(), QStringLiteral("Min. interf."));
}

void MainWindowTest::takesAPreferredNumber_data() {
  QTest::addColumn<bool>("inch");
  QTest::addColumn<double>("chosen");
  QTest::addColumn<QString>("shown");
  QTest::addColumn<double>("size");
  QTest::newRow("millimetres") << false << 3150.0 << "3150" << 3150.0;
  QTest::newRow("inches keep the exact size") << true << 25.0 << "0.98425" << 25.0;
  QTest::newRow("five decimals of an inch") << true << 3150.0 << "124.01575" << 3150.0;
  QTest::newRow("same text, new size") << true << 10.0 << "0.3937" << 10.0;
  QTest::newRow("cancelled") << false << 0.0 << "10" << 10.0;
}

void MainWindowTest::takesAPreferredNumber() {
  QFETCH(bool, inch);
  QFETCH(double, chosen);
  if (inch) {
    store("mm_in", 1);
  }
  Session s;
  MainWindow& w = s.w();
  w.applyPreferredNumber(chosen);
  QTEST(part<NumberField>(w, "edNominal")->text(), "shown");
  QTEST(w.record().NominalSize, "size");
  QCOMPARE(w.view().hole.result,
           EvaluateHole(ToleranceClass{10, Grade::it(7)}, w.record().NominalSize));
}

void MainWindowTest::picksAClassFromTheLists_data() {
  QTest::addColumn<QString>("size");
  QTest::addColumn<bool>("hole");
  QTest::addColumn<QString>("item");
  QTest::addColumn<QString>("list");
  QTest::addColumn<QString>("letter");
  QTest::addColumn<QString>("grade");
  QTest::newRow("JS7") << "10" << true << "JS7"
                       << "cbOtvori"
                       << "JS"
                       << "7";
  QTest::newRow("J7") << "10" << true << "J7"
                      << "cbOtvori"
                      << "J"
                      << "7";
  QTest::newRow("ZC11") << "10" << true << "ZC11"
                        << "cbOtvori"
                        << "ZC"
                        << "11";
  QTest::newRow("h18") << "10" << false << "h18"
                       << "cbValove"
                       << "h"
                       << "18";
  QTest::newRow("500 mm uses the full list") << "500" << true << "A11"
                                             << "cbOtvori"
                                             << "A"
                                             << "11";
  QTest::newRow("500.001 mm the reduced one") << "500.001" << true << "U8"
                                              << "cbOtvori2"
                                              << "U"
                                              << "8";
  QTest::newRow("js10 above 500") << "600" << false << "js10"
                                  << "cbValove2"
                                  << "js"
                                  << "10";
}

void MainWindowTest::picksAClassFromTheLists() {
  QFETCH(QString, size);
  QFETCH(bool, hole);
  QFETCH(QString, item);
  QFETCH(QString, list);
  Session s;
  MainWindow& w = s.w();
  QVERIFY(QTest::qWaitForWindowExposed(&w));
  typeInto(part<NumberField>(w, "edNominal"), size);
  QComboBox* letter = hole ? part<QComboBox>(w, "cbLetter_o") : part<QComboBox>(w, "cbLetter_v");
  QComboBox* grade = hole ? part<QComboBox>(w, "cbIT_o") : part<QComboBox>(w, "cbIT_v");
  QSignalSpy letterChanged(letter, &QComboBox::currentIndexChanged);
  QSignalSpy gradeChanged(grade, &QComboBox::currentIndexChanged);

  QTest::mouseClick(hole ? part<QToolButton>(w, "BitBtn1") : part<QToolButton>(w, "BitBtn2"),
                    Qt::LeftButton);
  auto* opened = w.findChild<ClassList*>(list);
  QVERIFY(opened);
  QTRY_VERIFY(opened->view()->isVisible());
  if (QByteArray(QTest::currentDataTag()) == "JS7") {
    snapshot(*opened->view()->window(), "class_list_holes");
  }
  const int index = opened->findText(item, Qt::MatchExactly | Qt::MatchCaseSensitive);
  QVERIFY(index >= 0);
  QAbstractItemView* view = opened->view();
  view->setCurrentIndex(view->model()->index(index, 0));
  QTest::keyClick(view, Qt::Key_Return);
  QVERIFY(!view->isVisible());

  QTEST(letter->currentText(), "letter");
  QTEST(grade->currentText(), "grade");
  // The pickers were set silently; the single Recalculate evaluated the new class.
  QCOMPARE(letterChanged.count() + gradeChanged.count(), 0);
  const ToleranceClass cls =
      *parseToleranceClass(item.toStdString(), hole ? Side::Hole : Side::Shaft).value;
  const ClassResult expected =
      hole ? EvaluateHole(cls, w.record().NominalSize) : EvaluateShaft(cls, w.record().NominalSize);
  QCOMPARE(hole ? w.view().hole.result : w.view().shaft.result, expected);
}

void MainWindowTest::copiesTheResultToTheClipboard() {
  Session s;
  MainWindow& w = s.w();
  choose(part<QComboBox>(w, "cbLetter_v"), "s");
  part<QToolButton>(w, "btnCopy")->click();
  QStringList lines = clipboardLines();
  QCOMPARE(lines.size(), 22);
  QCOMPARE(lines[0], QStringLiteral("Basic parameters: "));
  QCOMPARE(lines[2], QStringLiteral("10 H7\t\t10 s6"));
  QCOMPARE(lines[15], QStringLiteral("Designation\t10 H7/s6"));
  QCOMPARE(lines[17], QStringLiteral("Max. interference\t-0.0320"));
  QCOMPARE(lines[21], QStringLiteral("Values and tolerances in [mm]."));

  typeInto(part<NumberField>(w, "edNominal"), "24");
  choose(part<QComboBox>(w, "cbLetter_o"), "T");
  part<QToolButton>(w, "btnCopy")->click();
  lines = clipboardLines();
  QCOMPARE(lines[2], QStringLiteral("24 T7\t\t24 s6"));
  QCOMPARE(lines[15], QStringLiteral("Designation\tN"));
  QCOMPARE(lines[17], QStringLiteral("Max.\t0.0000"));
}

// The range-boundary note under the grid, the callouts of Ctrl+Shift+C and
// the use of a standard fit as the tooltip of its designation.
void MainWindowTest::answersAboutTheShownFit_data() {
  QTest::addColumn<bool>("inch");
  QTest::addColumn<QString>("size");
  QTest::addColumn<QString>("shaftLetter");
  QTest::addColumn<QString>("note");
  QTest::addColumn<QString>("callout");
  QTest::addColumn<QString>("use");
  QTest::newRow("top of a size range")
      << false << "120"
      << "s"
      << "120 mm is the top of a size range: above it H7/s6 gives 0.052 / 0.117 mm interference"
      << "Ø120 H7 (+0.035/0)\nØ120 s6 (+0.101/+0.079)\nØ120 H7/s6\n"
      << "Medium drive fit: permanent, shrink or heavy press; ordinary steel parts, the tightest "
         "usable with cast iron";
  QTest::newRow("away from every bound")
      << false << "60"
      << "g"
      << ""
      << "Ø60 H7 (+0.03/0)\nØ60 g6 (-0.010/-0.029)\nØ60 H7/g6\n"
      << "Sliding fit: not for running; parts move and turn freely and locate accurately";
  QTest::newRow("inches, just above a bound")
      << true << "4.72441"
      << "s"
      << "4.72441 in is the top of the size range below: at 4.72441 in H7/s6 gives 0.00173 / "
         "0.00398 in interference"
      << "Ø4.72441 H7 (+0.00157/0)\nØ4.72441 s6 (+0.00461/+0.00362)\nØ4.72441 H7/s6\n"
      << "Medium drive fit: permanent, shrink or heavy press; ordinary steel parts, the tightest "
         "usable with cast iron";
  QTest::newRow("no standard fit") << false << "60"
                                   << "e"
                                   << ""
                                   << "Ø60 H7 (+0.03/0)\nØ60 e6 (-0.060/-0.079)\nØ60 H7/e6\n"
                                   << "";
}

void MainWindowTest::answersAboutTheShownFit() {
  QFETCH(bool, inch);
  QFETCH(QString, size);
  QFETCH(QString, shaftLetter);
  Session s;
  MainWindow& w = s.w();
  QApplication::setActiveWindow(&w);
  QVERIFY(QTest::qWaitForWindowActive(&w));
  if (inch) w.switchUnit();
  typeInto(part<NumberField>(w, "edNominal"), size);
  choose(part<QComboBox>(w, "cbLetter_v"), shaftLetter);
  QTEST(part<QLabel>(w, "lblBoundary")->text(), "note");
  QTEST(cellToolTip(w.gridInput(), 0, static_cast<int>(GridRow::FitDesignation)), "use");

  QTest::keyClick(&w, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
  QTEST(QApplication::clipboard()->text(), "callout");
  // The note stays out of the export.
  part<QToolButton>(w, "btnCopy")->click();
  QCOMPARE(clipboardLines().size(), 22);
  if (QTest::currentDataTag() == QByteArray("top of a size range")) snapshot(w, "boundary_note");
}

void MainWindowTest::opensOneSidePageAtATime() {
  Session s;
  MainWindow& w = s.w();
  part<QPushButton>(w, "bbnSglobka")->click();
  QCOMPARE(w.width(), 640);
  QCOMPARE(part<QPushButton>(w, "bbnSglobka")->text(), QStringLiteral("Stand. fits <<"));
  QCOMPARE(part<QStackedWidget>(w, "nbExtra")->currentWidget(), part<CataloguePage>(w, "Sglobka"));
  QVERIFY(!part<QPushButton>(w, "bbnDesign")->isEnabled());
  snapshot(w, "catalogue_open");
  part<QPushButton>(w, "bbnSglobka")->click();
  QCOMPARE(w.width(), 465);
  QCOMPARE(part<QPushButton>(w, "bbnSglobka")->text(), QStringLiteral("Stand. fits >>"));
  QVERIFY(part<QPushButton>(w, "bbnDesign")->isEnabled());

  part<QPushButton>(w, "bbnDesign")->click();
  QCOMPARE(w.width(), 770);
  QCOMPARE(part<QPushButton>(w, "bbnDesign")->text(), QStringLiteral("Design <<"));
  QCOMPARE(part<QStackedWidget>(w, "nbExtra")->currentWidget(), part<DesignPage>(w, "Design"));
  QVERIFY(!part<QPushButton>(w, "bbnSglobka")->isEnabled());
  snapshot(w, "design_open");
  part<QPushButton>(w, "bbnDesign")->click();
  QCOMPARE(w.width(), 465);
  QVERIFY(part<QPushButton>(w, "bbnSglobka")->isEnabled());
  QCOMPARE(w.height(), 415);
}

void MainWindowTest::viewsFollowEveryCalculationWhateverHoldsTheFocus() {
  Session s;
  MainWindow& w = s.w();
  w.toggleDesignPage();
  QApplication::setActiveWindow(&w);
  QVERIFY(QTest::qWaitForWindowActive(&w));
  part<QPushButton>(w, "btnShow")->setFocus();
  QVERIFY(part<QPushButton>(w, "btnShow")->hasFocus());
  QCOMPARE(w.sidePage(), SidePage::Design);

  w.selectShaftClass(ToleranceClass{17, Grade::it(6)});  // r6
  w.Recalculate();
  QCOMPARE(w.view().shaft.result, EvaluateShaft(ToleranceClass{17, Grade::it(6)}, 10));
  QVERIFY(sameZones(part<ZoneDiagram>(w, "Chart1")->values(), ZoneValues{15, 0, 28, 19}));

  w.switchUnit();
  QVERIFY(part<QPushButton>(w, "btnShow")->hasFocus());
  QCOMPARE(part<ZoneDiagram>(w, "Chart1")->values().holeUpper, 0.59);
  w.switchUnit();
  QVERIFY(sameZones(part<ZoneDiagram>(w, "Chart1")->values(), ZoneValues{15, 0, 28, 19}));
}

// Ctrl+Shift+P opens the press-fit window; it follows size, unit and language.
void MainWindowTest::pressFitFollowsTheFitOnScreen() {
  Session s;
  MainWindow& w = s.w();
  QVERIFY(QTest::qWaitForWindowExposed(&w));
  test::snapshot(w, QStringLiteral("main_window_press_fit_button"));
  QTest::keyClick(&w, Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
  auto* press = w.findChild<PressFitWindow*>();
  QVERIFY(press && press->isVisible());
  QVERIFY(press->fitLine->text().startsWith(QStringLiteral("10 H7/g6")));
  typeInto(part<NumberField>(w, "edNominal"), "50");
  QVERIFY(press->fitLine->text().startsWith(QStringLiteral("50 H7/g6")));
  w.switchUnit();
  const QAbstractItemModel& results = press->resultsModel();
  QCOMPARE(results.index(int(PressRow::UMax), int(PressColumn::Unit)).data().toString(),
           QStringLiteral("in"));
  part<QAction>(w, "Deutsch")->trigger();
  QCOMPARE(press->windowTitle(), QStringLiteral("Pressverband"));
  // The shortcut in German key names, as the German help writes it.
  QCOMPARE(part<QAction>(w, "pressFitAction")->toolTip(),
           QStringLiteral("Pressverband (Strg+Umschalt+P)"));
}

void MainWindowTest::shapesTheAboutWindowLikeItsPicture() {
  QDesktopServices::setUrlHandler("mailto", this, "openUrl");
  QDesktopServices::setUrlHandler("https", this, "openUrl");
  AboutWindow about;
  about.show();
  QVERIFY(QTest::qWaitForWindowExposed(&about));
  const QRegion outline = about.mask();
  QVERIFY(!outline.contains(QPoint(0, 0)));
  QVERIFY(!outline.contains(QPoint(about.width() - 1, about.height() - 1)));
  QVERIFY(outline.contains(about.rect().center()));
  QVERIFY(outline.contains(about.mailLink()->geometry().center()));
  snapshot(about, "about");

  QTest::mouseClick(about.mailLink(), Qt::LeftButton);
  QTest::mouseClick(about.webLink(), Qt::LeftButton);
  QCOMPARE(openedUrls_,
           (QList<QUrl>{QUrl("mailto:info@brenholt.example"), QUrl("https://brenholt.example")}));
  QVERIFY(about.isVisible());
  QTest::mouseClick(&about, Qt::LeftButton, {}, about.rect().center());
  QVERIFY(!about.isVisible());
  QDesktopServices::unsetUrlHandler("mailto");
  QDesktopServices::unsetUrlHandler("https");
}

void MainWindowTest::keepsEveryNumericFieldValidWhateverIsTyped_data() {
  QTest::addColumn<QString>("typed");
  QTest::newRow("letters") << QStringLiteral("abc");
  QTest::newRow("several separators") << QStringLiteral("1.2.3,4");
  QTest::newRow("huge") << QStringLiteral("99999999999999999999999");
  QTest::newRow("negative") << QStringLiteral("-25");
  QTest::newRow("empty") << QString();
  QTest::newRow("exponent") << QStringLiteral("1e308");
  QTest::newRow("lone separator") << QStringLiteral(".");
  QTest::newRow("not a number") << QStringLiteral("nan");
}

// Whatever reaches the keyboard, each field ends, once left, with a number
// within its limits, or with the text as typed, marked and without a value;
// the record holds finite values.
void MainWindowTest::keepsEveryNumericFieldValidWhateverIsTyped() {
  QFETCH(QString, typed);
  Session s;
  MainWindow& w = s.w();
  w.toggleDesignPage();
  for (NumberField* field : {part<NumberField>(w, "edNominal"), part<NumberField>(w, "edMaxV"),
                             part<NumberField>(w, "edMinV")}) {
    typeInto(field, typed);
    field->finishEntry();
    const std::optional<double> value = field->value();
    if (value) {
      QVERIFY2(std::isfinite(*value) && std::fabs(*value) <= 10000,
               qPrintable(field->objectName() + u' ' + field->text()));
    } else {
      QVERIFY2(field->marked(), qPrintable(field->objectName() + u' ' + field->text()));
      QCOMPARE(field->text(), typed);
    }
  }
  const double size = w.record().NominalSize;
  QVERIFY(size == 0 || (size >= 0.001 && size <= 10000));
  const auto* design = part<DesignPage>(w, "Design");
  QVERIFY(std::isfinite(design->targetMaxMm()) && std::isfinite(design->targetMinMm()));
  QVERIFY(std::isfinite(w.view().hole.result.upperMm()) && std::isfinite(w.view().fit.value1Mm()));
}
QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
