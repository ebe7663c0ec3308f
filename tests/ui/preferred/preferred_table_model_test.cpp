#include <QAbstractItemModelTester>
#include <QtTest>

#include "preferred/preferred_table_model.h"

using namespace kalmo;

class PreferredTableModelTest : public QObject {
  Q_OBJECT

 private slots:
  void passesTheModelTester() {
    PreferredTableModel model;
    QAbstractItemModelTester tester(&model,
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    for (int index : {0, 1, 4, 10, -1, 11, 0}) {
      model.showSeries(index);
      QCOMPARE(model.columnCount(), 6);
    }
  }

  void cellTextFollowsTheLocaleWithoutGrouping_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("small") << "C" << 0.0112 << "0.0112";
    QTest::newRow("thousands") << "C" << 3150.0 << "3150";
    QTest::newRow("largest") << "C" << 10000.0 << "10000";
    QTest::newRow("binary neighbour of 1.12") << "C" << 11.2 * 0.1 << "1.12";
    QTest::newRow("no grouping in English") << "en_US" << 3150.0 << "3150";
    QTest::newRow("German comma") << "de_DE" << 1.32 << "1,32";
    QTest::newRow("no grouping in German") << "de_DE" << 10000.0 << "10000";
    QTest::newRow("Bulgarian comma") << "bg_BG" << 0.0315 << "0,0315";
  }
  void cellTextFollowsTheLocaleWithoutGrouping() {
    QFETCH(QString, locale);
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(PreferredTableModel::cellText(value, QLocale(locale)), text);
  }

  void cellsAreReadOnlyNumbersUnderTheirTitles() {
    PreferredTableModel model;
    model.showSeries(2);  // R10
    const QStringList titles = {"x0,001", "x0,01", "x0,1", "x1", "x10", "x100"};
    for (int c = 0; c < titles.size(); ++c) {
      QCOMPARE(model.headerData(c, Qt::Horizontal).toString(), titles[c]);
    }
    const QModelIndex cell = model.index(5, 5);  // 31.5 x 100
    QVERIFY(model.value(cell) == 3150.0);
    QVERIFY(model.data(cell, Qt::UserRole).toDouble() == 3150.0);
    QVERIFY(!(model.flags(cell) & Qt::ItemIsEditable));
    QVERIFY(!model.setData(cell, 1.0));
    QCOMPARE(model.value(QModelIndex()), 0.0);
    QCOMPARE(model.value(model.index(11, 0)), 0.0);
  }
};

QTEST_MAIN(PreferredTableModelTest)
#include "preferred_table_model_test.moc"
