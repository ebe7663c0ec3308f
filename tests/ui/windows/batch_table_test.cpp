#include <QAbstractItemModelTester>
#include <QFile>
#include <QPdfWriter>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "../cli/cli_test_support.h"
#include "format/csv.h"
#include "models/batch_table_model.h"
#include "page_test_support.h"
#include "report/report_printer.h"
#include "result_source_support.h"
#include "windows/batch_table_window.h"

using namespace kalmo;
using kalmo::test::FakeSource;

namespace {

// 20 callouts as a drawing list gives them, two of them bad (lines 4 and 13).
const QString kCallouts = QStringLiteral(
    "Ø50 H7/g6\n12 k6\n3150 H7\n50 H7/q6\n⌀25 H8/f7\n10 H7/s6\n6 JS7/h6\n100 H11/c11\n"
    "Ø8 F8\n40 N7/h6\n\n  18 h9  \n30 H7 x\n0.5 G6/h5\n250 H7/u6\n400 K7/h6\n1 js5\n"
    "630 H7/g6\n4000 H8/f7\n80 P7/h6\n16,5 H7/m6\n");

int pdfPages(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return -1;
  const QByteArray pdf = file.readAll();
  return static_cast<int>(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") +
                          pdf.count("/Type /Page/") + pdf.count("/Type /Page "));
}

}  // namespace

class BatchTableTest : public QObject {
  Q_OBJECT

 private slots:
  void keepsEveryLineAsARow() {
    FakeSource source;
    BatchTableWindow window(source);
    QAbstractItemModelTester tester(const_cast<BatchTableModel*>(&window.model()));
    window.setCallouts(kCallouts);
    const BatchTableModel& model = window.model();
    QCOMPARE(model.rowCount(), 20);
    QStringList bad;
    for (const LimitsRow& row : model.rows()) {
      if (!row.error.empty()) bad << QString::fromStdString(row.source);
    }
    QCOMPARE(bad, (QStringList{"50 H7/q6", "30 H7 x"}));
    QVERIFY(QString::fromStdString(model.rows()[3].error).contains(QStringLiteral("q6")));
    // Sorting by size keeps every row; numbers sort as numbers, bad rows last.
    window.table->sortByColumn(BatchTableModel::Size, Qt::AscendingOrder);
    const QSortFilterProxyModel& sorted = window.sorted();
    QCOMPARE(sorted.rowCount(), 20);
    QCOMPARE(sorted.index(0, BatchTableModel::Source).data().toString(),
             QStringLiteral("0.5 G6/h5"));
    QCOMPARE(sorted.index(17, BatchTableModel::Source).data().toString(),
             QStringLiteral("4000 H8/f7"));
    // The copied table: a heading line and one line per row, tab-separated.
    const QStringList lines =
        tabSeparatedText(sorted).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 21);
    QCOMPARE(lines[1].split(QLatin1Char('\t')).size(), int(BatchTableModel::ColumnCount));
  }

  // One grammar: every line gives the batch table the record that
  // `kalmo-cli fit --batch --csv` writes for it, reasons included.
  void readsLinesAsTheCommandLineDoes_data() {
    QTest::addColumn<bool>("inch");
    QTest::newRow("mm") << false;
    QTest::newRow("in") << true;
  }
  void readsLinesAsTheCommandLineDoes() {
    QFETCH(bool, inch);
    const std::string lines =
        "Ø50 H7/g6\n50,5 H7\n⌀42H7/f6 mm\n  12 k6\t\r\n0.0005 H7/g6\n30 K9/js6\n# note\n\n"
        "abc H7/g6\n-5 H7\n0 H7\n10001 H7\n394 H7\n1 mm H7\n50\n50 H7 g6\n50 H7g6\n50 q7\n"
        "50 H7/\n50 h7/g6\n50 H7/G6\n50 g\n50 H77\nØ\nH7/g6\n";
    BatchTableModel model;
    model.setInput(QString::fromStdString(lines), inch, LoadLanguage(kLanguageEnglish));
    std::vector<std::string> args = {"fit", "--batch", "--csv"};
    if (inch) args.push_back("--inch");
    const cli::CliRun cli = cli::run(args, lines);
    QCOMPARE(cli.status, 2);
    // The records the window's CSV export writes for the rows, in input order.
    std::vector<std::vector<std::string>> table = {limitsCsvHeader()};
    for (const LimitsRow& row : model.rows()) table.push_back(limitsCsvFields(row, inch));
    QCOMPARE(table.size(), std::size_t{24});
    QCOMPARE(table, parseCsv(cli.out));
    // A part not shown (below 0.001 mm) has empty cells, as in the CSV.
    if (inch) return;
    QCOMPARE(model.index(4, BatchTableModel::HoleUpper).data().toString(), QString());
    QCOMPARE(model.index(4, BatchTableModel::Kind).data().toString(), QString());
    QCOMPARE(model.index(4, BatchTableModel::HoleClass).data().toString(), QStringLiteral("H7"));
  }

  void csvReadsBackAsWritten_data() {
    QTest::addColumn<bool>("inch");
    QTest::newRow("mm") << false;
    QTest::newRow("in") << true;
  }
  void csvReadsBackAsWritten() {
    QFETCH(bool, inch);
    FakeSource source;
    source.show(10, "H7/g6", inch);
    BatchTableWindow window(source);
    window.setCallouts(kCallouts);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("limits.csv"));
    QCOMPARE(window.exportCsv(path), SaveOutcome::Written);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    // UTF-8 with a byte order mark: a spreadsheet opened by a double-click
    // reads "Ø" as such.
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    const auto records = parseCsv(
        std::string_view(bytes.constData() + 3, static_cast<std::size_t>(bytes.size() - 3)));
    QCOMPARE(records.size(), std::size_t{21});
    QCOMPARE(records[0], limitsCsvHeader());
    for (std::size_t i = 0; i < window.model().rows().size(); ++i) {
      const LimitsRow& row = window.model().rows()[i];
      QCOMPARE(records[i + 1], limitsCsvFields(row, inch));
      if (row.error.empty() && row.hole && row.evaluation.hole.defined()) {
        // Shortest round-trip: the number read back is the number computed.
        const double upper = std::stod(records[i + 1][3]);
        QCOMPARE(upper,
                 inch ? row.evaluation.hole.upperMm() / 25.4 : row.evaluation.hole.upperMm());
      }
    }
    QCOMPARE(records[1][0], std::string("Ø50 H7/g6"));
    if (!inch) {
      QCOMPARE(records[1][3], std::string("0.025"));
      QCOMPARE(records[1][10], std::string("49.991"));
    }
    // The file follows the order the table shows.
    window.table->sortByColumn(BatchTableModel::Size, Qt::DescendingOrder);
    const QByteArray sortedBytes = window.csvFile();
    const auto sortedRecords = parseCsv(std::string_view(
        sortedBytes.constData() + 3, static_cast<std::size_t>(sortedBytes.size() - 3)));
    for (int r = 0; r < window.sorted().rowCount(); ++r) {
      QCOMPARE(QString::fromStdString(sortedRecords[static_cast<std::size_t>(r) + 1][0]),
               window.sorted().index(r, BatchTableModel::Source).data().toString());
    }
  }

  void pdfHasThePagesItsRowsNeed_data() {
    QTest::addColumn<int>("copies");
    QTest::addColumn<bool>("severalPages");
    QTest::newRow("20 rows") << 1 << false;
    QTest::newRow("200 rows") << 10 << true;
  }
  void pdfHasThePagesItsRowsNeed() {
    QFETCH(int, copies);
    QFETCH(bool, severalPages);
    FakeSource source;
    BatchTableWindow window(source);
    window.setCallouts(kCallouts.repeated(copies));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("limits.pdf"));
    const int pages = writePdf(path, QPageLayout::Landscape,
                               [&](QPagedPaintDevice& d) { return window.writeReport(d); });
    QCOMPARE(pages > 1, severalPages);
    QCOMPARE(pdfPages(path), pages);
    // The result page: one page whatever the fit.
    const QString result = dir.filePath(QStringLiteral("result.pdf"));
    source.show(120, "H7/s6");
    QCOMPARE(writePdf(result, QPageLayout::Portrait,
                      [&](QPagedPaintDevice& d) {
                        return printResult(
                            d, source.view(), source.language(),
                            reportHeader(source.language(), QStringLiteral("t"), false));
                      }),
             1);
    QCOMPARE(pdfPages(result), 1);
    // A file that cannot be written gives no pages.
    QCOMPARE(writePdf(dir.filePath(QStringLiteral("missing/x.pdf")), QPageLayout::Portrait,
                      [&](QPagedPaintDevice& d) { return window.writeReport(d); }),
             0);
  }

  void snapshots() {
    for (const LanguageCode code : {kLanguageEnglish, kLanguageGerman, kLanguageBulgarian}) {
      FakeSource source(code);
      BatchTableWindow window(source);
      window.setCallouts(kCallouts);
      window.show();
      QVERIFY(QTest::qWaitForWindowExposed(&window));
      test::snapshot(window, QStringLiteral("batch_table_") + test::languageSuffix(code));
      if (!qEnvironmentVariable("KALMO_SNAPSHOT_DIR").isEmpty()) {
        writePdf(qEnvironmentVariable("KALMO_SNAPSHOT_DIR") + QStringLiteral("/batch_table_") +
                     test::languageSuffix(code) + QStringLiteral(".pdf"),
                 QPageLayout::Landscape,
                 [&](QPagedPaintDevice& d) { return window.writeReport(d); });
        source.show(120, "H7/s6");
        writePdf(qEnvironmentVariable("KALMO_SNAPSHOT_DIR") + QStringLiteral("/result_") +
                     test::languageSuffix(code) + QStringLiteral(".pdf"),
                 QPageLayout::Portrait, [&](QPagedPaintDevice& d) {
                   return printResult(
                       d, source.view(), source.language(),
                       reportHeader(source.language(), source.language().text(TextId::ResultTitle),
                                    false));
                 });
      }
    }
  }
};

QTEST_MAIN(BatchTableTest)
#include "batch_table_test.moc"
