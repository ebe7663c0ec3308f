#include "pages/catalogue_page.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QListView>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "main/main_window.h"
#include "models/catalogue_list_model.h"
#include "page_test_support.h"
#include "widgets/grid_cells.h"
#include "widgets/number_field.h"

using namespace kalmo;
using kalmo::test::FakeHost;
using kalmo::test::part;
using kalmo::test::snapshot;

namespace {

QStringList listed(const CatalogueListModel& model, bool boldOnly) {
  QStringList texts;
  for (int row = 0; row < model.rowCount(); ++row) {
    const QModelIndex index = model.index(row, 0);
    const bool bold = model.data(index, Qt::FontRole).value<QFont>().bold();
    if (!boldOnly || bold) {
      texts << model.data(index).toString();
    }
  }
  return texts;
}

// Fills the page's list for a size band as the user does: the size first,
// then the pickers.
void fill(CataloguePage& page, FakeHost& host, double sizeMm, int system, int type) {
  host.setSize(sizeMm);
  part<QComboBox>(page, "cbSystem")->setCurrentIndex(system);
  part<QComboBox>(page, "cbType")->setCurrentIndex(type);
  page.refillFitList();
}

QPoint rowCentre(const QListView& list, const QString& text) {
  const QModelIndexList found =
      list.model()->match(list.model()->index(0, 0), Qt::DisplayRole, text, 1, Qt::MatchExactly);
  return found.isEmpty() ? QPoint(-1, -1) : list.visualRect(found.front()).center();
}

}  // namespace

class CataloguePageTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void fillsTheSectionOfTheSizeBand_data();
  void fillsTheSectionOfTheSizeBand();
  void keepsItsEntriesUntilTheNextRefill();
  void appliesAnEntryWithOneClick_data();
  void appliesAnEntryWithOneClick();
  void appliesAFitInTheWindow_data();
  void appliesAFitInTheWindow();

 private:
  QTemporaryDir dir_;
};

void CataloguePageTest::initTestCase() {
  QVERIFY(dir_.isValid());
  QStandardPaths::setTestModeEnabled(true);
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path());
  QLocale::setDefault(QLocale::c());
}

void CataloguePageTest::fillsTheSectionOfTheSizeBand_data() {
  QTest::addColumn<double>("sizeMm");
  QTest::addColumn<int>("system");
  QTest::addColumn<int>("type");
  QTest::addColumn<int>("count");
  QTest::addColumn<QString>("first");
  QTest::addColumn<QStringList>("bold");

  const QStringList holeClearance = {"H7/g6", "H7/h6", "H8/e8", "H8/f7",   "H8/h7",
                                     "H9/d9", "H9/e8", "H9/h9", "H11/b11", "H11/c11"};
  QTest::newRow("500 mm, hole basis, clearance")
      << 500.0 << 0 << 0 << 49 << "H5/g4" << holeClearance;
  QTest::newRow("500.001 mm, hole basis, clearance")
      << 500.001 << 0 << 0 << 42 << "H5/g4" << holeClearance.mid(0, 8);
  QTest::newRow("hole basis, transition")
      << 30.0 << 0 << 1 << 19 << "H5/js4" << QStringList{"H7/js6", "H7/k6", "H7/n6"};
  QTest::newRow("600 mm, shaft basis, interference")
      << 600.0 << 1 << 2 << 7 << "N6/h5" << QStringList{"P7/h6", "R7/h6", "S7/h6"};
  QTest::newRow("400 mm, shaft basis, clearance: D10/h9 preferred")
      << 400.0 << 1 << 0 << 44 << "G5/h4"
      << QStringList{"G7/h6",  "H7/h6", "F8/h7", "H8/h7", "B11/h9",
                     "D10/h9", "E9/h9", "F8/h9", "H8/h9", "H9/h9"};
  QTest::newRow("600 mm, shaft basis, clearance: D10/h9 not")
      << 600.0 << 1 << 0 << 37 << "G5/h4"
      << QStringList{"G7/h6", "H7/h6", "F8/h7", "H8/h7", "E9/h9", "F8/h9", "H8/h9", "H9/h9"};
}

void CataloguePageTest::fillsTheSectionOfTheSizeBand() {
  QFETCH(double, sizeMm);
  QFETCH(int, system);
  QFETCH(int, type);
  QFETCH(int, count);
  QFETCH(QString, first);
  QFETCH(QStringList, bold);

  FakeHost host;
  CataloguePage page(host.source, host);
  QAbstractItemModelTester tester(part<QListView>(page, "lbSgl_sel")->model(),
                                  QAbstractItemModelTester::FailureReportingMode::QtTest);
  fill(page, host, sizeMm, system, type);
  QCOMPARE(page.listModel().rowCount(), count);
  QCOMPARE(page.listModel().data(page.listModel().index(0, 0)).toString(), first);
  QCOMPARE(listed(page.listModel(), true), bold);
  QCOMPARE(host.recalculations, 0);
  // Every fit of the catalogue tells what it is for; separators say nothing.
  for (int row = 0; row < page.listModel().rowCount(); ++row) {
    const QString tip =
        page.listModel().data(page.listModel().index(row, 0), Qt::ToolTipRole).toString();
    QCOMPARE(tip.isEmpty(), !page.listModel().entry(row)->isFit());
  }
}

void CataloguePageTest::keepsItsEntriesUntilTheNextRefill() {
  FakeHost host;
  CataloguePage page(host.source, host);
  page.resize(180, 349);
  page.show();
  QVERIFY(QTest::qWaitForWindowExposed(&page));
  fill(page, host, 100, 0, 0);
  QCOMPARE(page.listModel().rowCount(), 49);

  // H7/c8 is a fit of the list up to 500 mm only; the list still offers and
  // applies it at 600 mm.
  host.setSize(600);
  const QPoint c8 = rowCentre(*part<QListView>(page, "lbSgl_sel"), QStringLiteral("H7/c8"));
  QTest::mouseClick(part<QListView>(page, "lbSgl_sel")->viewport(), Qt::LeftButton, {}, c8);
  QCOMPARE(host.holeClass(), (ToleranceClass{10, Grade::it(7)}));
  QCOMPARE(host.shaftClass(), (ToleranceClass{2, Grade::it(8)}));
  QCOMPARE(page.listModel().rowCount(), 49);

  // A change of a picker refills from the band of the moment.
  part<QComboBox>(page, "cbType")->setCurrentIndex(1);
  part<QComboBox>(page, "cbType")->setCurrentIndex(0);
  QCOMPARE(page.listModel().rowCount(), 42);
  QCOMPARE(rowCentre(*part<QListView>(page, "lbSgl_sel"), QStringLiteral("H7/c8")), QPoint(-1, -1));
}

void CataloguePageTest::appliesAnEntryWithOneClick_data() {
  QTest::addColumn<int>("system");
  QTest::addColumn<int>("type");
  QTest::addColumn<QString>("fit");
  QTest::addColumn<bool>("byKey");
  QTest::addColumn<ToleranceClass>("hole");
  QTest::addColumn<ToleranceClass>("shaft");

  QTest::newRow("H7/js6 clicked") << 0 << 1 << "H7/js6" << false << ToleranceClass{10, Grade::it(7)}
                                  << ToleranceClass{11, Grade::it(6)};
  QTest::newRow("JS8/h7 clicked") << 1 << 1 << "JS8/h7" << false << ToleranceClass{11, Grade::it(8)}
                                  << ToleranceClass{10, Grade::it(7)};
  QTest::newRow("H11/c11 by Enter")
      << 0 << 0 << "H11/c11" << true << ToleranceClass{10, Grade::it(11)}
      << ToleranceClass{2, Grade::it(11)};
  QTest::newRow("U8/h7 by Enter") << 1 << 2 << "U8/h7" << true << ToleranceClass{20, Grade::it(8)}
                                  << ToleranceClass{10, Grade::it(7)};
}

void CataloguePageTest::appliesAnEntryWithOneClick() {
  QFETCH(int, system);
  QFETCH(int, type);
  QFETCH(QString, fit);
  QFETCH(bool, byKey);
  QFETCH(ToleranceClass, hole);
  QFETCH(ToleranceClass, shaft);

  FakeHost host;
  CataloguePage page(host.source, host);
  page.resize(180, 349);
  page.show();
  QVERIFY(QTest::qWaitForWindowExposed(&page));
  fill(page, host, 30, system, type);
  const QPoint at = rowCentre(*part<QListView>(page, "lbSgl_sel"), fit);
  QVERIFY(at.x() >= 0);
  if (byKey) {
    part<QListView>(page, "lbSgl_sel")->setFocus();
    QTest::mouseClick(part<QListView>(page, "lbSgl_sel")->viewport(), Qt::LeftButton, {}, at);
    host.selectHoleClass(std::nullopt);
    host.recalculations = 0;
    QTest::keyClick(part<QListView>(page, "lbSgl_sel"), Qt::Key_Return);
  } else {
    QTest::mouseClick(part<QListView>(page, "lbSgl_sel")->viewport(), Qt::LeftButton, {}, at);
  }
  QCOMPARE(host.holeClass(), std::optional<ToleranceClass>(hole));
  QCOMPARE(host.shaftClass(), std::optional<ToleranceClass>(shaft));
  QCOMPARE(host.recalculations, 1);
  // Applying leaves the list as it is.
  QCOMPARE(part<QListView>(page, "lbSgl_sel")->currentIndex().data().toString(), fit);
}

void CataloguePageTest::appliesAFitInTheWindow_data() {
  QTest::addColumn<int>("language");
  QTest::addColumn<bool>("inches");
  QTest::addColumn<QString>("name");
  QTest::newRow("English, mm") << languageNumber(kLanguageEnglish) << false
                               << "catalogue_page_english_mm";
  QTest::newRow("English, inch") << languageNumber(kLanguageEnglish) << true
                                 << "catalogue_page_english_inch";
  QTest::newRow("German, mm") << languageNumber(kLanguageGerman) << false
                              << "catalogue_page_german_mm";
  QTest::newRow("German, inch") << languageNumber(kLanguageGerman) << true
                                << "catalogue_page_german_inch";
}

void CataloguePageTest::appliesAFitInTheWindow() {
  QFETCH(int, language);
  QFETCH(bool, inches);
  QFETCH(QString, name);

  QtSettingsStore store;
  Language lang(store);
  lang.SetLanguage(*languageFromNumber(language));
  MainWindow w(lang, store);
  w.show();
  QVERIFY(QTest::qWaitForWindowExposed(&w));
  if (inches != w.record().InchMode) {
    w.switchUnit();
  }
  w.applyPreferredNumber(630);
  part<QPushButton>(w, "bbnSglobka")->click();
  QCOMPARE(part<CataloguePage>(w, "Sglobka")->listModel().rowCount(), 42);

  part<QComboBox>(w, "cbType")->setCurrentIndex(2);
  QCOMPARE(part<CataloguePage>(w, "Sglobka")->listModel().rowCount(), 14);
  const QPoint at = rowCentre(*part<QListView>(w, "lbSgl_sel"), QStringLiteral("H7/s6"));
  QTest::mouseClick(part<QListView>(w, "lbSgl_sel")->viewport(), Qt::LeftButton, {}, at);
  QCOMPARE(
      part<QComboBox>(w, "cbLetter_o")->currentText() + part<QComboBox>(w, "cbIT_o")->currentText(),
      QStringLiteral("H7"));
  QCOMPARE(
      part<QComboBox>(w, "cbLetter_v")->currentText() + part<QComboBox>(w, "cbIT_v")->currentText(),
      QStringLiteral("s6"));
  QCOMPARE(w.view().fit.kind, FitKind::Interference);
  QCOMPARE(gridCell(w.gridInput(), 0, 10).value.endsWith(QStringLiteral("H7/s6")), true);
  snapshot(w, name);
}

QTEST_MAIN(CataloguePageTest)
#include "catalogue_page_test.moc"
