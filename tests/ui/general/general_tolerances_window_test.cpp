#include "general/general_tolerances_window.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QPageLayout>
#include <QPainter>
#include <QScreen>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

#include "memory_store.h"
#include "page_test_support.h"
#include "report/report_printer.h"
#include "storage/language.h"
#include "widgets/number_field.h"

namespace kalmo::test {

class GeneralTolerancesWindowTest : public QObject {
  Q_OBJECT

 private slots:
  // The title-block example in each language: the answers for 125 mm, the
  // rows of the size marked in the whole table, the window on one 200 % screen.
  void answersTheTitleBlockExample_data() {
    QTest::addColumn<int>("language");
    QTest::newRow("EN") << static_cast<int>(kLanguageEnglish);
    QTest::newRow("DE") << static_cast<int>(kLanguageGerman);
    QTest::newRow("BG") << static_cast<int>(kLanguageBulgarian);
  }
  void answersTheTitleBlockExample() {
    QFETCH(int, language);
    const auto code = static_cast<LanguageCode>(language);
    MemoryStore store;
    Language lang(store);
    lang.SetLanguage(code);
    GeneralTolerancesWindow w(lang, 125, false);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.answers->rowCount(), 7);
    const QString sep = QString::fromStdString(localeDecimalSeparator());
    QCOMPARE(w.answers->item(0, 2)->text(),
             QStringLiteral("\u00B10") + sep + QStringLiteral("5 mm"));
    QCOMPARE(w.answers->item(1, 2)->text(), QStringLiteral("\u00B11 mm"));
    QCOMPARE(w.answers->item(2, 2)->text(), QStringLiteral("\u00B10\u00B010'"));
    QCOMPARE(w.answers->item(3, 2)->text(), QStringLiteral("0") + sep + QStringLiteral("4 mm"));
    QCOMPARE(w.answers->item(4, 1)->text(),
             QString::fromStdString(GetLangString(lang.table(), TextId::GeneralNotConfirmed)));
    int marked = 0;
    for (int r = 0; r < w.standard->rowCount(); ++r) {
      if (w.standard->item(r, 0)->font().bold() && w.standard->columnSpan(r, 0) == 1) ++marked;
    }
    QCOMPARE(marked, 4);  // linear, edge, angle, straightness and flatness
    // One screen of 1920 x 1080 at 200 %.
    QVERIFY(w.width() <= 960 && w.height() <= 540);
    QVERIFY(w.minimumSizeHint().width() <= 960 && w.minimumSizeHint().height() <= 540);
    snapshot(w, QStringLiteral("general_tolerances_") +
                    QString::fromLatin1(LangResourceName(code).data(), 2));
  }

  // Sizes and designations the window cannot answer show the reason and
  // nothing of an earlier answer; below 0.5 mm the linear row says so.
  void showsReasonsAndNoStaleAnswer() {
    MemoryStore store;
    Language lang(store);
    lang.SetLanguage(kLanguageEnglish);
    GeneralTolerancesWindow w(lang, 50, false);
    const struct {
      const char* designation;
      const char* size;
      int rows;
      TextId headingOrReason;  // the heading's text when there is no answer
    } cases[] = {
        {"mk", "50", 0, TextId::GeneralErrGeometricCase},
        {"ISO 2768-1", "50", 0, TextId::GeneralErrPart},
        {"ISO 2768-mK", "abc", 0, TextId::EntryNotANumber},
        {"ISO 2768-mK", "", 0, TextId::GeneralNoSize},
        {"ISO 2768-mK", "20000", 0, TextId::EntryAboveMaximum},
        {"ISO 2768-m", "0,3", 7, TextId::None},
    };
    for (const auto& c : cases) {
      w.setDesignation(QString::fromLatin1(c.designation));
      w.setSizeText(QString::fromLatin1(c.size));
      QCOMPARE(w.answers->rowCount(), c.rows);
      QCOMPARE(w.answer().has_value(), c.rows > 0);
      if (c.headingOrReason != TextId::None) {
        QVERIFY(w.heading->text().startsWith(lang.text(c.headingOrReason).left(12)));
      }
    }
    QCOMPARE(w.answers->item(0, 1)->text(), lang.text(TextId::GeneralBelowTable));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    snapshot(w, QStringLiteral("general_tolerances_below_half_mm"));
  }

  void copiesPrintsAndClosesWithEsc() {
    MemoryStore store;
    Language lang(store);
    lang.SetLanguage(kLanguageEnglish);
    GeneralTolerancesWindow w(lang, 40, false);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    // Picking from the list answers for the picked classes.
    w.designation->setCurrentIndex(w.designation->findText(QStringLiteral("ISO 2768-cL")));
    QVERIFY(w.answer().has_value());
    QCOMPARE(*w.answer()->designation.geometric, GeometricClass::L);
    w.setDesignation(QStringLiteral("ISO 2768-mK"));
    w.copyText();
    const QString copied = QApplication::clipboard()->text();
    QVERIFY(copied.startsWith(QStringLiteral("ISO 2768-mK at 40 mm\n")));
    QVERIFY(copied.contains(QStringLiteral("Table of ISO 2768-mK\n")));
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("general.pdf"));
    if (const QString snapDir = qEnvironmentVariable("KALMO_SNAPSHOT_DIR"); !snapDir.isEmpty()) {
      // The printed report's content, as a picture to look at.
      QTextDocument document;
      document.setHtml(w.reportHtml());
      document.setTextWidth(700);
      QImage page(document.size().toSize(), QImage::Format_RGB32);
      page.fill(Qt::white);
      QPainter painter(&page);
      document.drawContents(&painter);
      painter.end();
      QVERIFY(page.save(snapDir + QStringLiteral("/general_tolerances_report.png")));
    }
    QVERIFY(writePdf(pdf, QPageLayout::Portrait,
                     [&w](QPagedPaintDevice& device) { return w.writeReport(device); }) >= 1);
    w.size->setFocus();
    QTest::keyClick(w.size, Qt::Key_Escape);
    QVERIFY(!w.isVisible());
  }
};

}  // namespace kalmo::test

QTEST_MAIN(kalmo::test::GeneralTolerancesWindowTest)
#include "general_tolerances_window_test.moc"
