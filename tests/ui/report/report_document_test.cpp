#include "report/report_document.h"

#include <QPainter>
#include <QTest>

#include "memory_store.h"
#include "storage/language.h"

using namespace kalmo;

// A section's picture is never split from its heading, nor drawn past the
// page's foot: a section of a heading and a picture alone moves whole to the
// next page when the page has too little room left.
class ReportDocumentTest : public QObject {
  Q_OBJECT

 private slots:
  void pictureStaysWithItsHeading_data() {
    QTest::addColumn<int>("rowsBefore");
    QTest::addColumn<int>("pictureHeight");
    QTest::addColumn<int>("pictureOnPage");  // from 0
    QTest::newRow("room left") << 5 << 200 << 0;
    QTest::newRow("page nearly full") << 50 << 300 << 1;
  }
  void pictureStaysWithItsHeading() {
    QFETCH(int, rowsBefore);
    QFETCH(int, pictureHeight);
    QFETCH(int, pictureOnPage);
    test::MemoryStore store;
    Language language(store);
    ReportDocument document(reportHeader(language, QStringLiteral("Title"), false));
    ReportSection text{QStringLiteral("Rows"), {}};
    for (int r = 0; r < rowsBefore; ++r) text.rows.push_back({QStringLiteral("row %1").arg(r)});
    document.addSection(text);
    bool drawn = false;
    document.addSection({QStringLiteral("Chart"),
                         {},
                         ReportPicture{{600, qreal(pictureHeight)},
                                       [&drawn](QPainter&, const QRectF&) { drawn = true; }}});
    const std::vector<ReportPage> pages = document.paginate();
    QCOMPARE(static_cast<int>(pages.size()), pictureOnPage + 1);
    const ReportRun& last = pages.back().runs.back();
    QCOMPARE(last.section, 1);
    QVERIFY(last.withHeading);
    QVERIFY(last.withPicture);
    QVERIFY(!document.pageImage(pictureOnPage).isNull());
    QVERIFY(drawn);
  }
};

QTEST_MAIN(ReportDocumentTest)
#include "report_document_test.moc"
