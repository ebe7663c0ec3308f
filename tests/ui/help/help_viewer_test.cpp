#include <QDir>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QTextDocument>
#include <QtTest>

#include "help/chm_browser.h"
#include "help/help_file.h"
#include "help/help_viewer.h"

using namespace kalmo;

namespace {

const QString kHelpDir = QStringLiteral(KALMO_HELP_DIR);

QString fromView(std::string_view text) {
  return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QString helpFile(int language) { return helpFilePath(kHelpDir, language); }
QString startTopic(int language) { return fromView(helpTarget(language).topic); }

QByteArray resource(ChmBrowser& browser, QTextDocument::ResourceType type, const QUrl& url) {
  return browser.loadResource(type, url).toByteArray();
}

}  // namespace

class HelpViewerTest : public QObject {
  Q_OBJECT

 private slots:
  void opensTheCompiledFileAtItsTopic_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("phrase");
    QTest::newRow("Bulgarian") << 1 << "KALMO Допуски и сглобки – Помощ"
                               << "Всяка промяна на входните данни преизчислява веднага";
    QTest::newRow("German") << 2 << "KALMO Toleranzen und Passungen – Hilfe"
                            << "Jede Änderung einer Eingabe rechnet sofort neu";
    QTest::newRow("English") << 3 << "KALMO Tolerances and fits – Help"
                             << "Every change of an input recalculates at once";
  }
  void opensTheCompiledFileAtItsTopic() {
    QFETCH(int, language);
    QFETCH(QString, phrase);
    HelpViewer viewer;
    QVERIFY(viewer.openHelp(helpFile(language), startTopic(language)));
    QTEST(viewer.windowTitle(), "title");
    QCOMPARE(viewer.browser()->source(),
             ChmBrowser::pageUrl(helpTopicPath(helpTarget(language).topic)));
    const QString text = viewer.browser()->toPlainText().simplified();
    QVERIFY2(text.contains(phrase), qPrintable(text.left(300)));
  }

  void everyLinkAndPictureIsInTheFile_data() {
    QTest::addColumn<int>("language");
    QTest::newRow("Bulgarian") << 1;
    QTest::newRow("German") << 2;
    QTest::newRow("English") << 3;
  }
  void everyLinkAndPictureIsInTheFile() {
    QFETCH(int, language);
    ChmBrowser browser;
    QVERIFY(browser.openFile(helpFile(language), helpTopicPath(helpTarget(language).topic)));

    static const QRegularExpression reference(QStringLiteral("(href|src)=\"([^\"]+)\""));
    QList<QUrl> queue = {browser.source()};
    QSet<QString> pages;
    int pictures = 0;
    while (!queue.isEmpty()) {
      const QUrl page = queue.takeFirst();
      if (pages.contains(page.path())) continue;
      pages.insert(page.path());
      browser.followLink(page);
      QCOMPARE(browser.source(), page);
      QVERIFY2(!browser.documentTitle().isEmpty(), qPrintable(page.toString()));

      const QString html = QString::fromUtf8(resource(browser, QTextDocument::HtmlResource, page));
      for (auto match = reference.globalMatch(html); match.hasNext();) {
        const auto m = match.next();
        const QUrl target = page.resolved(QUrl(m.captured(2)));
        const QString where = page.path() + " -> " + m.captured(2);
        QCOMPARE(target.scheme(), QStringLiteral("chm"));  // no way out of the file
        if (target.path().endsWith(QStringLiteral(".htm"))) {
          const QByteArray linked = resource(browser, QTextDocument::HtmlResource, target);
          QVERIFY2(!linked.isEmpty(), qPrintable(where));
          if (target.hasFragment()) {
            QVERIFY2(linked.contains("id=\"" + target.fragment().toUtf8() + "\""),
                     qPrintable(where));
          }
          queue << target.adjusted(QUrl::RemoveFragment);
        } else if (target.path().endsWith(QStringLiteral(".css"))) {
          QVERIFY2(!browser.loadResource(QTextDocument::StyleSheetResource, target)
                        .toString()
                        .isEmpty(),
                   qPrintable(where));
        } else {
          const QImage image =
              QImage::fromData(resource(browser, QTextDocument::ImageResource, target));
          QVERIFY2(!image.isNull(), qPrintable(where));
          ++pictures;
        }
      }
    }
    QCOMPARE(pages.size(), 10);
    QVERIFY(pictures >= 1);
  }

  void followsOnlyLinksIntoTheFile() {
    HelpViewer viewer;
    QVERIFY(viewer.openHelp(helpFile(3), startTopic(3)));
    ChmBrowser* browser = viewer.browser();
    const QUrl start = browser->source();

    browser->followLink(start.resolved(QUrl(QStringLiteral("results.htm"))));
    QCOMPARE(viewer.windowTitle(), QStringLiteral("Reading the results"));
    QVERIFY(browser->toPlainText().contains(QStringLiteral("Max. clearance 0.0290")));

    browser->followLink(QUrl(QStringLiteral("https://example.org/")));
    browser->followLink(QUrl::fromLocalFile(helpFile(3)));
    QCOMPARE(viewer.windowTitle(), QStringLiteral("Reading the results"));

    browser->backward();
    QCOMPARE(browser->source(), start);
    // Nothing but the help file is read, not even a local file.
    QVERIFY(browser->loadResource(QTextDocument::HtmlResource, QUrl::fromLocalFile(helpFile(3)))
                .isNull());
  }

  void refusesAFileWithoutTheTopic() {
    HelpViewer viewer;
    QVERIFY(!viewer.openHelp(helpFile(3), QStringLiteral("::/TISO286DE.htm")));
    QVERIFY(!viewer.openHelp(QDir(kHelpDir).filePath(QStringLiteral("missing.chm")),
                             startTopic(3)));
    QVERIFY(viewer.browser()->source().isEmpty());
  }

  void snapshot() {
    const QString dir = qEnvironmentVariable("KALMO_SNAPSHOT_DIR");
    if (dir.isEmpty()) QSKIP("KALMO_SNAPSHOT_DIR not set");
    QDir().mkpath(dir);
    const struct {
      int language;
      const char* page;
      const char* file;
    } shots[] = {{3, "results.htm#diagram", "help_viewer_en_results.png"},
                 {1, "TISO286BG.htm", "help_viewer_bg_start.png"},
                 {2, "design.htm", "help_viewer_de_design.png"},
                 {3, "press.htm#example", "help_viewer_en_press.png"}};
    for (const auto& shot : shots) {
      HelpViewer viewer;
      QVERIFY(viewer.openHelp(helpFile(shot.language), startTopic(shot.language)));
      viewer.browser()->followLink(
          viewer.browser()->source().resolved(QUrl(QString::fromLatin1(shot.page))));
      viewer.show();
      QVERIFY(QTest::qWaitForWindowExposed(&viewer));
      QVERIFY(viewer.grab().save(QDir(dir).filePath(QString::fromLatin1(shot.file))));
    }
  }
};

QTEST_MAIN(HelpViewerTest)
#include "help_viewer_test.moc"
