#include "stack/stack_window.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QClipboard>
#include <QCompleter>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPageLayout>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "memory_store.h"
#include "page_test_support.h"
#include "report/report_buttons.h"
#include "report/report_printer.h"
#include "stack/stack_csv.h"
#include "stack/stack_table_model.h"
#include "storage/language.h"
#include "widgets/number_field.h"

namespace kalmo::test {

namespace {

QString resultValue(const StackWindow& w, TextId caption, const Language& lang) {
  for (int r = 0; r < w.results->rowCount(); ++r) {
    if (w.results->item(r, 0)->text() == lang.text(caption)) return w.results->item(r, 1)->text();
  }
  return {};
}

}  // namespace

class StackWindowTest : public QObject {
  Q_OBJECT

 private slots:
  // The window's chain in each language: the figures of the hand-computed
  // example, the Monte Carlo the command line gives for the same file and
  // seed, the window on one 200 % screen.
  void answersTheExampleChain_data() {
    QTest::addColumn<int>("language");
    QTest::newRow("EN") << static_cast<int>(kLanguageEnglish);
    QTest::newRow("DE") << static_cast<int>(kLanguageGerman);
    QTest::newRow("BG") << static_cast<int>(kLanguageBulgarian);
  }
  void answersTheExampleChain() {
    QFETCH(int, language);
    const auto code = static_cast<LanguageCode>(language);
    MemoryStore store;
    Language lang(store);
    lang.SetLanguage(code);
    StackWindow w(lang, false);
    QAbstractItemModelTester tester(w.model);
    w.lsl->setText(QStringLiteral("2.9"));
    w.usl->setText(QStringLiteral("3.1"));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTRY_VERIFY_WITH_TIMEOUT(!w.monteCarloRunning(), 20000);
    QVERIFY(w.monteCarlo().has_value());
    QCOMPARE(resultValue(w, TextId::StackWorstCase, lang), QStringLiteral("2.77 \u2026 3.23 mm"));
    QCOMPARE(resultValue(w, TextId::StackStatistical, lang),
             QStringLiteral("2.8739 \u2026 3.1261 mm"));
    QCOMPARE(resultValue(w, TextId::StackSd, lang), QStringLiteral("0.04203 mm"));
    QCOMPARE(w.model->index(0, StackTableModel::Share).data().toString(),
             QStringLiteral("62.9\u00A0%"));
    QCOMPARE(w.model->index(2, StackTableModel::Share).data().toString(),
             QStringLiteral("5.7\u00A0%"));
    // The command line reads the saved file and draws the same assemblies.
    const StackCsvRead csv = readStackCsv(w.csvBytes().toStdString());
    std::vector<StackLink> links;
    for (const StackContributor& c : csv.contributors) links.push_back(*resolveLink(c, false).link);
    const std::optional<MonteCarloResult> cli =
        runMonteCarlo(links, {2.9, 3.1}, {kMonteCarloDefaultSamples, kMonteCarloDefaultSeed});
    QCOMPARE(w.monteCarlo()->meanMm, cli->meanMm);
    QCOMPARE(w.monteCarlo()->p99865Mm, cli->p99865Mm);
    QCOMPARE(w.monteCarlo()->outside->count, cli->outside->count);
    QVERIFY(w.width() <= 960 && w.height() <= 540);
    QVERIFY(w.minimumSizeHint().width() <= 960 && w.minimumSizeHint().height() <= 540);
    snapshot(w, QStringLiteral("stack_") + QString::fromLatin1(LangResourceName(code).data(), 2));
  }

  // Edits: a cell that gives no contributor, or a limit that is no number,
  // leaves no result of before; the table's buttons add, move and remove.
  void editsShowNoStaleResult() {
    MemoryStore store;
    Language lang(store);
    lang.SetLanguage(kLanguageEnglish);
    StackWindow w(lang, false);
    w.samples->setText(QStringLiteral("0"));
    QVERIFY(w.result().has_value());
    QVERIFY(!w.monteCarloRunning());
    const QModelIndex tolerance = w.model->index(1, StackTableModel::Tolerance);
    struct Case {
      const char* text;
      bool answered;
    };
    for (const Case& c :
         {Case{"H77", false}, Case{"+0.01/+0.02", false}, Case{"h7", true},
          Case{"ISO 2768-m", true}, Case{"bearing OD", true}, Case{"Bearing", false}}) {
      w.model->setData(tolerance, QString::fromUtf8(c.text), Qt::EditRole);
      QCOMPARE(w.result().has_value(), c.answered);
      QCOMPARE(w.results->rowCount() > 0, c.answered);
      QCOMPARE(w.status->text().isEmpty(), c.answered);
    }
    // The tolerance cell's editor offers the classes.
    std::unique_ptr<QWidget> editor(
        w.table->itemDelegate()->createEditor(w.table->viewport(), {}, tolerance));
    auto* edit = qobject_cast<QLineEdit*>(editor.get());
    QVERIFY(edit && edit->completer());
    QVERIFY(edit->completer()->model()->rowCount() > 300);
    editor.reset();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    snapshot(w, QStringLiteral("stack_no_result"));
    w.model->setData(tolerance, QStringLiteral("\u00B10.05"), Qt::EditRole);
    w.usl->setText(QStringLiteral("3,1x"));
    QVERIFY(!w.result().has_value());
    w.usl->setText(QStringLiteral("3,1"));
    QVERIFY(w.result()->limitShares.has_value());

    w.table->setCurrentIndex(w.model->index(0, 0));
    w.downButton->click();
    QCOMPARE(w.model->rows()[1].name, QStringLiteral("A"));
    w.upButton->click();
    QCOMPARE(w.model->rows()[0].name, QStringLiteral("A"));
    w.addButton->click();
    QCOMPARE(w.model->rowCount(), 5);
    QVERIFY(w.result().has_value());
    w.removeButton->click();
    QCOMPARE(w.model->rowCount(), 4);
    QCOMPARE(w.result()->nominal.mm(), 3.0);
  }

  // The CSV the window writes opens again; copy, the report as PDF, Esc.
  void savesCopiesPrintsAndClosesWithEsc() {
    MemoryStore store;
    Language lang(store);
    lang.SetLanguage(kLanguageEnglish);
    StackWindow w(lang, false);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTRY_VERIFY_WITH_TIMEOUT(!w.monteCarloRunning(), 20000);
    const QByteArray saved = w.csvBytes();
    QString error;
    QVERIFY(!w.loadCsv("name,nominal\r\nA,1\r\n", &error));
    QCOMPARE(error, QStringLiteral("Row 1: The first row must be: "
                                   "name,nominal,direction,tolerance,distribution"));
    QVERIFY(w.loadCsv(saved, &error));
    QCOMPARE(w.csvBytes(), saved);
    QTRY_VERIFY_WITH_TIMEOUT(!w.monteCarloRunning(), 20000);
    w.reportButtons->copyButton->click();
    const QString copied = QApplication::clipboard()->text();
    QVERIFY(copied.contains(QStringLiteral("\nWorst case\t2.77 \u2026 3.23 mm\n")));
    QVERIFY(copied.contains(QStringLiteral("\nMonte Carlo (N = 1000000, Seed 1)\n")));
    // The report's pages: the chain and results, then the two charts.
    const ReportDocument report = w.reportDocument();
    QStringList headings;
    for (const QStringList& page : report.headingsByPage()) headings << page;
    QCOMPARE(headings,
             (QStringList{"Contributors", "Results", "Monte Carlo (N = 1000000, Seed 1)",
                          "Histogram of the closing dimension", "Shares of the variance"}));
    if (const QString snapDir = qEnvironmentVariable("KALMO_SNAPSHOT_DIR"); !snapDir.isEmpty()) {
      for (int page = 0; page < static_cast<int>(report.paginate().size()); ++page) {
        QVERIFY(report.pageImage(page).save(snapDir +
                                            QStringLiteral("/stack_report_%1.png").arg(page + 1)));
      }
    }
    QTemporaryDir dir;
    QVERIFY(writePdf(dir.filePath(QStringLiteral("stack.pdf")), QPageLayout::Portrait,
                     [&report](QPagedPaintDevice& device) { return report.print(device); }) >= 1);
    w.lsl->setFocus();
    QTest::keyClick(w.lsl, Qt::Key_Escape);
    QVERIFY(!w.isVisible());
  }
};

}  // namespace kalmo::test

QTEST_MAIN(kalmo::test::StackWindowTest)
#include "stack_window_test.moc"
