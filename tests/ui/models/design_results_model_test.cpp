#include "models/design_results_model.h"

#include <QAbstractItemModelTester>
#include <QFont>
#include <QSignalSpy>
#include <QTest>

#include "page_test_support.h"

using namespace kalmo;
using kalmo::test::FakeHost;

Q_DECLARE_METATYPE(DesignRequest)

namespace {

// A search of hole class H<grade> with every shaft class at 10 mm, clearance.
DesignRequest holeSearch(const char* grade, const char* lowest, const char* highest,
                         bool onlyStandard, DesignTargets targets = {}) {
  DesignRequest request;
  request.system = DesignSystem::HoleTolerance;
  request.fixedClass = parseToleranceClass(std::string("H") + grade, Side::Hole).value;
  request.grades = *gradeBoundsFromLabels(lowest, highest);
  request.onlyStandard = onlyStandard;
  request.targets = targets;
  return request;
}

// Ranked first H7/g6 (preferred), then H7/g5: 0.029 and 0.005 mm are the
// values of H7/g6 at 10 mm.
DesignRequest twoFits() {
  return holeSearch("7", "5", "12", false, {0.029, 0.005});
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
  QTest::addColumn<DesignRequest>("request");
  QTest::addColumn<int>("countEntry");
  QTest::addColumn<bool>("insideOnly");
  QTest::addColumn<int>("results");
  QTest::addColumn<int>("inside");  // results inside the targets
  QTest::addColumn<int>("rows");
  // An empty fixed-class picker gives no candidates.
  DesignRequest none = holeSearch("6", "5", "5", false);
  none.fixedClass.reset();
  const DesignRequest three = holeSearch("6", "5", "6", true);
  const DesignRequest many = holeSearch("7", "5", "12", false);
  QTest::newRow("no result: one blank row") << none << 4 << false << 0 << 0 << 1;
  QTest::newRow("three results, all shown") << three << 4 << false << 3 << 0 << 3;
  QTest::newRow("65 results, 20 shown") << many << 1 << false << 65 << 0 << 20;
  QTest::newRow("65 results, all shown") << many << 4 << false << 65 << 0 << 65;
  QTest::newRow("more rows asked than results") << three << 0 << false << 3 << 0 << 3;
  QTest::newRow("only inside, none inside: all shown") << many << 1 << true << 65 << 0 << 20;
  QTest::newRow("only inside: H7/g6, g5 and fg5") << twoFits() << 4 << true << 65 << 3 << 3;
}

void DesignResultsModelTest::setsUpTheRowsAsTheSearchAsks() {
  QFETCH(DesignRequest, request);
  QFETCH(int, countEntry);
  QFETCH(bool, insideOnly);
  QFETCH(int, results);
  QFETCH(int, inside);
  QFETCH(int, rows);

  FakeHost host;
  DesignResultsModel model(host.language());
  QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
  // Before the first search: eleven blank rows.
  QCOMPARE(model.rowCount(), DesignResultsModel::kStartRows);
  QCOMPARE(model.columnCount(), 5);
  QCOMPARE(row(model, 10), QStringList(5, QString()));
  QVERIFY(!model.fitAt(0));

  model.search(request, countEntry, insideOnly);
  QCOMPARE(model.rowCount(), rows);
  QCOMPARE(model.results().size(), static_cast<std::size_t>(results));
  QCOMPARE(model.insideCount(), static_cast<std::size_t>(inside));
  // Every shown row has its record; nothing lies beyond them.
  for (int r = 0; r < rows; ++r) {
    QCOMPARE(model.fitAt(r).has_value(), r < results);
    QCOMPARE(model.insideAt(r), insideOnly && inside > 0);
  }
  QVERIFY(!model.fitAt(rows));
  QVERIFY(!model.fitAt(-1));
  if (results == 0) {
    QCOMPARE(row(model, 0), QStringList(5, QString()));
  }
  // The filter changes the rows without a new search; the same choice again
  // changes nothing.
  model.showRows(4, !insideOnly);
  QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
  model.showRows(4, !insideOnly);
  QCOMPARE(resets.count(), 0);
  QCOMPARE(model.rowCount(), std::max(!insideOnly && inside > 0 ? inside : results, 1));
}

void DesignResultsModelTest::showsValuesInTheUnitOfTheMoment_data() {
  QTest::addColumn<bool>("inches");
  QTest::addColumn<QStringList>("first");
  QTest::addColumn<QStringList>("second");
  QTest::newRow("mm") << false << QStringList{"H7/g6", "0.0290", "0.0050", "0.0000", "\u2713"}
                      << QStringList{"H7/g5", "0.0260", "0.0050", "0.0030", "\u2713"};
  QTest::newRow("inch") << true << QStringList{"H7/g6", "0.00114", "0.00020", "0.00000", "\u2713"}
                        << QStringList{"H7/g5", "0.00102", "0.00020", "0.00012", "\u2713"};
}

void DesignResultsModelTest::showsValuesInTheUnitOfTheMoment() {
  QFETCH(bool, inches);
  QFETCH(QStringList, first);
  QFETCH(QStringList, second);

  FakeHost host;
  DesignResultsModel model(host.language());
  model.search(twoFits(), 0, false);
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
  model.search(twoFits(), 0, false);
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
  model.search(twoFits(), 0, false);
  for (int c = 0; c < model.columnCount(); ++c) {
    QVERIFY(model.data(model.index(0, c), Qt::FontRole).value<QFont>().bold());
    QVERIFY(!model.data(model.index(1, c), Qt::FontRole).isValid());
  }
}

QTEST_MAIN(DesignResultsModelTest)
#include "design_results_model_test.moc"
