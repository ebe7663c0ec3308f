#include "design_results_model.h"

#include <QAbstractItemModelTester>
#include <QFont>
#include <QSignalSpy>
#include <QTest>

#include "page_test_support.h"

using namespace kalmo;
using kalmo::test::FakeHost;

namespace {

// H7/g6 at 10 mm (clearance, preferred) and H7/s6 at 30 mm (interference),
// ranked against targets 0.
DesignResults twoFits() {
  DesignResult g6;
  g6.Deviation = 0.034;
  g6.Designation = "H7/g6";
  g6.FitValue1 = 0.029;
  g6.FitValue2 = 0.005;
  g6.FitTolerance = 0.024;
  g6.Preferred = true;
  DesignResult s6;
  s6.Deviation = 0.062;
  s6.Designation = "H7/s6";
  s6.FitValue1 = -0.048;
  s6.FitValue2 = -0.014;
  s6.FitTolerance = 0.034;
  return {g6, s6};
}

DesignResults fits(std::size_t count) {
  DesignResults results(count);
  for (std::size_t i = 0; i < count; ++i) {
    results[i].Designation = "H7/h" + std::to_string(i);
  }
  return results;
}

QStringList row(const DesignResultsModel& model, int r) {
  QStringList cells;
  for (int c = 0; c < model.columnCount(); ++c) {
    cells << model.data(model.index(r, c)).toString();
  }
  return cells;
}

QStringList headings(const DesignResultsModel& model) {
  QStringList texts;
  for (int c = 0; c < model.columnCount(); ++c) {
    texts << model.headerData(c, Qt::Horizontal).toString();
  }
  return texts;
}

}  // namespace

class DesignResultsModelTest : public QObject {
  Q_OBJECT

 private slots:
  void setsUpTheRowsAsTheSearchAsks_data();
  void setsUpTheRowsAsTheSearchAsks();
  void showsValuesInTheUnitOfTheMoment_data();
  void showsValuesInTheUnitOfTheMoment();
  void headsTheValueColumnsByFitType_data();
  void headsTheValueColumnsByFitType();
  void drawsPreferredFitsBold();
};

void DesignResultsModelTest::setsUpTheRowsAsTheSearchAsks_data() {
  QTest::addColumn<int>("results");
  QTest::addColumn<int>("rowsShown");
  QTest::addColumn<int>("rows");
  QTest::newRow("no result: one blank row") << 0 << 0 << 1;
  QTest::newRow("one result") << 1 << 1 << 1;
  QTest::newRow("37 results, 20 shown") << 37 << 20 << 20;
  QTest::newRow("37 results, all shown") << 37 << 37 << 37;
  QTest::newRow("more rows asked than results") << 3 << 10 << 3;
}

void DesignResultsModelTest::setsUpTheRowsAsTheSearchAsks() {
  QFETCH(int, results);
  QFETCH(int, rowsShown);
  QFETCH(int, rows);

  FakeHost host;
  DesignResultsModel model(host.language());
  QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
  // Before the first search: eleven blank rows.
  QCOMPARE(model.rowCount(), DesignResultsModel::kStartRows);
  QCOMPARE(model.columnCount(), 5);
  QCOMPARE(row(model, 10), QStringList(5, QString()));
  QCOMPARE(model.fitAt(0), nullptr);

  model.setResults(fits(static_cast<std::size_t>(results)), static_cast<std::size_t>(rowsShown));
  QCOMPARE(model.rowCount(), rows);
  QCOMPARE(model.results().size(), static_cast<std::size_t>(results));
  // Every shown row has its record; nothing lies beyond them.
  for (int r = 0; r < rows; ++r) {
    QCOMPARE(model.fitAt(r) != nullptr, r < results);
  }
  QCOMPARE(model.fitAt(rows), nullptr);
  QCOMPARE(model.fitAt(-1), nullptr);
  if (results == 0) {
    QCOMPARE(row(model, 0), QStringList(5, QString()));
  }
}

void DesignResultsModelTest::showsValuesInTheUnitOfTheMoment_data() {
  QTest::addColumn<bool>("inches");
  QTest::addColumn<QStringList>("first");
  QTest::addColumn<QStringList>("second");
  QTest::newRow("mm") << false << QStringList{"H7/g6", "0.0290", "0.0050", "0.0340", ""}
                      << QStringList{"H7/s6", "-0.0480", "-0.0140", "0.0620", ""};
  QTest::newRow("inch") << true << QStringList{"H7/g6", "0.00114", "0.00020", "0.00134", ""}
                        << QStringList{"H7/s6", "-0.00189", "-0.00055", "0.00244", ""};
}

void DesignResultsModelTest::showsValuesInTheUnitOfTheMoment() {
  QFETCH(bool, inches);
  QFETCH(QStringList, first);
  QFETCH(QStringList, second);

  FakeHost host;
  DesignResultsModel model(host.language());
  model.setResults(twoFits(), 10);
  // The unit may change after the search: no new search is needed.
  model.setInchMode(inches);
  QCOMPARE(row(model, 0), first);
  QCOMPARE(row(model, 1), second);
  QCOMPARE(model.data(model.index(0, 0), Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
  QCOMPARE(model.data(model.index(0, 3), Qt::TextAlignmentRole).toInt(),
           int(Qt::AlignRight | Qt::AlignVCenter));
}

void DesignResultsModelTest::headsTheValueColumnsByFitType_data() {
  QTest::addColumn<int>("language");
  QTest::addColumn<FitType>("type");
  QTest::addColumn<QStringList>("expected");
  QTest::newRow("clearance") << languageNumber(kLanguageEnglish) << FitType::Clearance
                             << QStringList{"Fit", "Max. clear.", "Min. clear.", "Deviation",
                                            "Inside"};
  QTest::newRow("transition") << languageNumber(kLanguageEnglish) << FitType::Transition
                              << QStringList{"Fit", "Max. clear.", "Max. interf.", "Deviation",
                                             "Inside"};
  QTest::newRow("interference") << languageNumber(kLanguageEnglish) << FitType::Interference
                                << QStringList{"Fit", "Max. interf.", "Min. interf.", "Deviation",
                                               "Inside"};
  QTest::newRow("German interference")
      << languageNumber(kLanguageGerman) << FitType::Interference
      << QStringList{" Passung", " Max. Überm.", " Min. Überm.", "Abweichung", "Im Ziel"};
}

void DesignResultsModelTest::headsTheValueColumnsByFitType() {
  QFETCH(int, language);
  QFETCH(FitType, type);
  QFETCH(QStringList, expected);

  FakeHost host;
  DesignResultsModel model(host.language());
  QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
  model.setResults(twoFits(), 2);
  QSignalSpy headings0(&model, &QAbstractItemModel::headerDataChanged);
  model.setFitType(type);
  QCOMPARE(headings0.count(), 1);
  // The language is read when the heading is drawn.
  host.language().SetLanguage(*languageFromNumber(language));
  model.refreshTexts();
  QCOMPARE(headings(model), expected);
  QCOMPARE(model.headerData(0, Qt::Horizontal, Qt::BackgroundRole).value<QColor>(),
           QColor(147, 192, 253));
  // The records stay those of the search.
  QCOMPARE(row(model, 0).front(), QStringLiteral("H7/g6"));
}

void DesignResultsModelTest::drawsPreferredFitsBold() {
  FakeHost host;
  DesignResultsModel model(host.language());
  model.setResults(twoFits(), 2);
  for (int c = 0; c < model.columnCount(); ++c) {
    QVERIFY(model.data(model.index(0, c), Qt::FontRole).value<QFont>().bold());
    QVERIFY(!model.data(model.index(1, c), Qt::FontRole).isValid());
  }
}

QTEST_MAIN(DesignResultsModelTest)
#include "design_results_model_test.moc"
