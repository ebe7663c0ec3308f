#include "general/general_tolerances_window.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QPageLayout>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "memory_store.h"
#include "page_test_support.h"
#include "report/report_buttons.h"
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
    const QString tag = QString::fromLatin1(LangResourceName(code).data(), 2);
    snapshot(w, QStringLiteral("general_tolerances_") + tag);
    if (const QString dir = qEnvironmentVariable("KALMO_SNAPSHOT_DIR"); !dir.isEmpty()) {
      QVERIFY(w.reportDocument().pageImage(0).save(dir + QStringLiteral("/general_report_") + tag +
                                                   QStringLiteral(".png")));
    }
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

  // The report holds the answer the window shows, and nothing of it while
  // the size field holds no valid number: then only the class's table.
  void reportHoldsOnlyTheShownAnswer() {
    const struct {
      const char* size;
      bool answered;
    } cases[] = {{"125", true},  {"0,3", true}, {"12,5.3", false},
                 {"abc", false}, {"", false},   {"20000", false}};
    for (const LanguageCode code : {kLanguageEnglish, kLanguageGerman, kLanguageBulgarian}) {
      MemoryStore store;
      Language lang(store);
      lang.SetLanguage(code);
      GeneralTolerancesWindow w(lang, 50, false);
      for (const auto& c : cases) {
        w.setSizeText(QString::fromLatin1(c.size));
        const std::vector<ReportSection> sections = w.reportSections();
        QCOMPARE(sections.size(), c.answered ? 2U : 1U);
        const ReportSection& table = sections.back();
        QCOMPARE(table.heading, w.tableHeading->text());
        QCOMPARE(table.rows.back().join(QString()), w.editions->text());
        for (const QStringList& row : table.rows) QVERIFY(row.size() <= 2);
        if (!c.answered) continue;
        const ReportSection& answer = sections.front();
        QCOMPARE(answer.heading, w.heading->text());
        QCOMPARE(static_cast<int>(answer.rows.size()), w.answers->rowCount());
        for (int r = 0; r < w.answers->rowCount(); ++r) {
          const QString printed = answer.rows[static_cast<std::size_t>(r)].join(u'|');
          for (int col = 0; col < 3; ++col)
            QVERIFY(printed.contains(w.answers->item(r, col)->text()));
        }
      }
    }
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
    w.reportButtons->copyButton->click();
    const QString copied = QApplication::clipboard()->text();
    QVERIFY(copied.startsWith(QStringLiteral("General tolerances\n\nISO 2768-mK at 40 mm\n")));
    const QString sep = QString::fromStdString(localeDecimalSeparator());
    QVERIFY(copied.contains(QStringLiteral("Linear dimension\tover 30 up to 120 mm\t\u00B10") +
                            sep + QStringLiteral("3 mm\n")));
    QVERIFY(copied.contains(QStringLiteral("\nTable of ISO 2768-mK\n")));
    QVERIFY(copied.endsWith(w.editions->text() + u'\n'));
    QTemporaryDir dir;
    const ReportDocument report = w.reportDocument();
    QVERIFY(writePdf(dir.filePath(QStringLiteral("general.pdf")), QPageLayout::Portrait,
                     [&report](QPagedPaintDevice& device) { return report.print(device); }) >= 1);
    w.size->setFocus();
    QTest::keyClick(w.size, Qt::Key_Escape);
    QVERIFY(!w.isVisible());
  }
};

}  // namespace kalmo::test

QTEST_MAIN(kalmo::test::GeneralTolerancesWindowTest)
#include "general_tolerances_window_test.moc"
