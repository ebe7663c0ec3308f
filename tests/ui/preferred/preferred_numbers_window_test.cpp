#include "preferred/preferred_numbers_window.h"

#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QToolButton>
#include <QtTest>
#include <algorithm>

#include "../page_test_support.h"
#include "lang/lang_table.h"
#include "tables/preferred_series.h"

using namespace kalmo;
using kalmo::test::part;

namespace {

enum class Pick { DoubleClick, SelButton, EnterKey, ArrowsAndEnter };
enum class Leave { CancelButton, EscapeKey, CloseBox, SelOnEmptyTable, EnterOnEmptyTable };

QStringList rowTexts(const QAbstractItemModel& model, int row) {
  QStringList texts;
  for (int c = 0; c < model.columnCount(); ++c) texts << model.index(row, c).data().toString();
  return texts;
}

int rowOfAll(double value) {
  const auto it = std::find(kSeriesAll.begin(), kSeriesAll.end(), value);
  return static_cast<int>(it - kSeriesAll.begin());
}

}  // namespace

Q_DECLARE_METATYPE(Pick)
Q_DECLARE_METATYPE(Leave)

class PreferredNumbersWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void opensOnAllWithFirstCellCurrent_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("selectHint");
    QTest::addColumn<QString>("cancelHint");
    QTest::addColumn<QString>("all");
    QTest::newRow("English") << languageNumber(kLanguageEnglish) << "Preferred numbers acc. ISO 3"
                             << "Series"
                             << "Select"
                             << "Cancel"
                             << "(all)";
    QTest::newRow("German") << languageNumber(kLanguageGerman) << "Normzahlen nach ISO 3"
                            << "Reihen"
                            << "Auswahl"
                            << "Abbruch"
                            << "(alle)";
    QTest::newRow("Bulgarian") << languageNumber(kLanguageBulgarian)
                               << "Предпочитани размери по ISO 3"
                               << "Редове"
                               << "Избор"
                               << "Отказ"
                               << "(всички)";
  }
  void opensOnAllWithFirstCellCurrent() {
    QFETCH(int, language);
    PreferredNumbersWindow window(LoadLanguage(*languageFromNumber(language)));
    QTEST(window.windowTitle(), "caption");
    QTEST(part<QLabel>(window, "Label1")->text(), "label");
    QTEST(part<QToolButton>(window, "btnSel")->toolTip(), "selectHint");
    QTEST(part<QToolButton>(window, "btnCancel")->toolTip(), "cancelHint");

    auto* series = part<QComboBox>(window, "cbRedove");
    QCOMPARE(series->count(), 11);
    QCOMPARE(series->currentIndex(), 0);
    QTEST(series->itemText(0), "all");
    // The series names are the same in every language.
    QCOMPARE(series->itemText(1), QStringLiteral("R5"));
    QCOMPARE(series->itemText(5), QStringLiteral("R'10"));
    QCOMPARE(series->itemText(10), QStringLiteral("R\"20"));

    auto* grid = part<QTableView>(window, "dbgrData");
    QCOMPARE(grid->model()->rowCount(), 58);
    QCOMPARE(grid->currentIndex(), grid->model()->index(0, 0));
    QCOMPARE(window.SelectedValue(), 0.0);
    QCOMPARE(window.size(), PreferredNumbersWindow::kClientSize);
  }

  void seriesFillTheGrid_data() {
    QTest::addColumn<int>("series");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QStringList>("first");
    QTest::addColumn<QStringList>("last");
    const QStringList lowest = {"0.01", "0.1", "1", "10", "100", "1000"};
    const QStringList highest = {"0.1", "1", "10", "100", "1000", "10000"};
    QTest::newRow("(all)") << 0 << 58 << lowest << highest;
    QTest::newRow("R5") << 1 << 6 << lowest << highest;
    QTest::newRow("R40") << 4 << 41 << lowest << highest;
    QTest::newRow("R\"20") << 10 << 21 << lowest << highest;
    QTest::newRow("none selected") << -1 << 0 << QStringList() << QStringList();
  }
  void seriesFillTheGrid() {
    QFETCH(int, series);
    QFETCH(int, rows);
    PreferredNumbersWindow window(LoadLanguage(kLanguageEnglish));
    auto* grid = part<QTableView>(window, "dbgrData");
    auto* list = part<QComboBox>(window, "cbRedove");
    // Come from another series, away from its first cell: a new series
    // starts on its first cell again.
    list->setCurrentIndex(series == 3 ? 2 : 3);
    grid->setCurrentIndex(grid->model()->index(7, 4));
    list->setCurrentIndex(series);

    QCOMPARE(grid->model()->rowCount(), rows);
    if (rows == 0) {
      QVERIFY(!grid->currentIndex().isValid());
      return;
    }
    QCOMPARE(grid->currentIndex(), grid->model()->index(0, 0));
    QTEST(rowTexts(*grid->model(), 0), "first");
    QTEST(rowTexts(*grid->model(), rows - 1), "last");
  }

  void takesTheCurrentCell_data() {
    QTest::addColumn<int>("series");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<Pick>("pick");
    QTest::addColumn<double>("mm");
    QTest::newRow("31.5 x100 by double click") << 2 << 5 << 5 << Pick::DoubleClick << 3150.0;
    QTest::newRow("30 x0,1 is exactly 3") << 0 << rowOfAll(30) << 2 << Pick::SelButton << 3.0;
    QTest::newRow("first cell by Enter") << 0 << 0 << 0 << Pick::EnterKey << 0.01;
    QTest::newRow("last cell of (all)") << 0 << 57 << 5 << Pick::SelButton << 10000.0;
    QTest::newRow("R\"5 60 x10") << 8 << 4 << 4 << Pick::DoubleClick << 600.0;
    QTest::newRow("10.6 x1 by arrow keys") << 0 << 2 << 3 << Pick::ArrowsAndEnter << 10.6;
  }
  void takesTheCurrentCell() {
    QFETCH(int, series);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(Pick, pick);
    QFETCH(double, mm);
    PreferredNumbersWindow window(LoadLanguage(kLanguageEnglish));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    part<QComboBox>(window, "cbRedove")->setCurrentIndex(series);
    auto* grid = part<QTableView>(window, "dbgrData");
    const QModelIndex cell = grid->model()->index(row, column);
    if (pick == Pick::ArrowsAndEnter) {
      grid->setFocus();
      for (int i = 0; i < row; ++i) QTest::keyClick(grid, Qt::Key_Down);
      for (int i = 0; i < column; ++i) QTest::keyClick(grid, Qt::Key_Right);
      QCOMPARE(grid->currentIndex(), cell);
    }
    grid->scrollTo(cell);
    grid->setCurrentIndex(cell);

    switch (pick) {
      case Pick::DoubleClick: {
        const QPoint at = grid->visualRect(cell).center();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
        break;
      }
      case Pick::SelButton: part<QToolButton>(window, "btnSel")->click(); break;
      case Pick::EnterKey: QTest::keyClick(grid, Qt::Key_Return); break;
      case Pick::ArrowsAndEnter: QTest::keyClick(grid, Qt::Key_Enter); break;
    }
    // Exact: these sizes lie on range bounds of the tables.
    QVERIFY2(window.SelectedValue() == mm, qPrintable(QString::number(window.SelectedValue())));
    QCOMPARE(window.result(), int(QDialog::Accepted));
    QVERIFY(!window.isVisible());
  }

  void leavesWithoutValue_data() {
    QTest::addColumn<Leave>("leave");
    QTest::newRow("btnCancel") << Leave::CancelButton;
    QTest::newRow("Esc") << Leave::EscapeKey;
    QTest::newRow("close box") << Leave::CloseBox;
    QTest::newRow("btnSel on an empty table") << Leave::SelOnEmptyTable;
    QTest::newRow("Enter on an empty table") << Leave::EnterOnEmptyTable;
  }
  void leavesWithoutValue() {
    QFETCH(Leave, leave);
    PreferredNumbersWindow window(LoadLanguage(kLanguageEnglish));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* grid = part<QTableView>(window, "dbgrData");
    switch (leave) {
      case Leave::CancelButton: part<QToolButton>(window, "btnCancel")->click(); break;
      case Leave::EscapeKey: QTest::keyClick(grid, Qt::Key_Escape); break;
      case Leave::CloseBox: window.close(); break;
      case Leave::SelOnEmptyTable:
        part<QComboBox>(window, "cbRedove")->setCurrentIndex(-1);
        part<QToolButton>(window, "btnSel")->click();
        break;
      case Leave::EnterOnEmptyTable:
        part<QComboBox>(window, "cbRedove")->setCurrentIndex(-1);
        QTest::keyClick(grid, Qt::Key_Return);
        break;
    }
    QCOMPARE(window.SelectedValue(), 0.0);
    QCOMPARE(window.result(), int(QDialog::Rejected));
    QVERIFY(!window.isVisible());
  }

  void snapshot() {
    const QString dir = qEnvironmentVariable("KALMO_SNAPSHOT_DIR");
    if (dir.isEmpty()) QSKIP("KALMO_SNAPSHOT_DIR not set");
    QDir().mkpath(dir);
    const struct {
      LanguageCode language;
      int series;
      const char* file;
    } shots[] = {{kLanguageEnglish, 0, "preferred_window_en.png"},
                 {kLanguageGerman, 2, "preferred_window_de_r10.png"}};
    for (const auto& shot : shots) {
      PreferredNumbersWindow window(LoadLanguage(shot.language));
      part<QComboBox>(window, "cbRedove")->setCurrentIndex(shot.series);
      window.show();
      QVERIFY(QTest::qWaitForWindowExposed(&window));
      QVERIFY(window.grab().save(QDir(dir).filePath(QString::fromLatin1(shot.file))));
    }
  }
};

QTEST_MAIN(PreferredNumbersWindowTest)
#include "preferred_numbers_window_test.moc"
