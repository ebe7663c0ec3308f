#include "help/help_command.h"

#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <climits>

#include "help/chm_browser.h"
#include "help/help_file.h"
#include "help/help_viewer.h"

using namespace kalmo;

namespace {

const QString kHelpDir = QStringLiteral(KALMO_HELP_DIR);

QWidgetList visibleWindows() {
  QWidgetList shown;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->isVisible()) shown << w;
  }
  return shown;
}

void closeAndRelease(HelpViewer* viewer) {
  QPointer<HelpViewer> guard = viewer;
  viewer->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QVERIFY(guard.isNull());
}

}  // namespace

class HelpCommandTest : public QObject {
  Q_OBJECT

 private slots:
  // Files that are not the ones the build compiled: none, junk, a folder, and
  // compiled files damaged as a disk or a download would (one byte at an
  // offset that once crashed the help-file library, a cut-off end).
  void doesNothingWithoutAHelpFile_data() {
    QTest::addColumn<QString>("content");  // of a "help file"; empty: none
    QTest::addColumn<bool>("folder");      // the name is taken by a folder
    QTest::addColumn<int>("damagedAt");    // >= 0: the compiled file, one bit of this byte flipped
    QTest::addColumn<int>("cutTo");        // > 0: the compiled file, cut to this many bytes
    QTest::newRow("no file") << QString() << false << -1 << 0;
    QTest::newRow("damaged file") << "not a help file" << false << -1 << 0;
    QTest::newRow("empty file") << "" << false << -1 << 0;
    QTest::newRow("folder of that name") << QString() << true << -1 << 0;
    QTest::newRow("one byte changed") << QString() << false << 617 << 0;
    QTest::newRow("last byte changed") << QString() << false << INT_MAX << 0;
    QTest::newRow("truncated") << QString() << false << -1 << 4096;
  }
  void doesNothingWithoutAHelpFile() {
    QFETCH(QString, content);
    QFETCH(bool, folder);
    QFETCH(int, damagedAt);
    QFETCH(int, cutTo);
    QTemporaryDir dir;
    for (int language : {1, 2, 3, 7}) {
      const QString path = helpFilePath(dir.path(), language);
      if (folder) {
        QVERIFY(QDir().mkpath(path));
      } else if (!content.isNull()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content.toUtf8());
      } else if (damagedAt >= 0 || cutTo > 0) {
        QFile original(helpFilePath(kHelpDir, language));
        QVERIFY(original.open(QIODevice::ReadOnly));
        QByteArray bytes = original.readAll();
        if (damagedAt >= 0) bytes[std::min<qsizetype>(damagedAt, bytes.size() - 1)] ^= 1;
        if (cutTo > 0) bytes.truncate(cutTo);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
      }
      QCOMPARE(openHelpViewer(dir.path(), language), nullptr);
      QVERIFY(!helpFileIntact(dir.path(), language));
    }
    QVERIFY(visibleWindows().isEmpty());
  }

  void showHelpIsSilentBesideAnExecutableWithoutHelp() {
    // The test program's folder holds no help files.
    QVERIFY(!QFile::exists(helpFilePath(QCoreApplication::applicationDirPath(), 3)));
    QWidget owner;
    for (int language : {1, 2, 3, 0}) showHelp(&owner, language);
    QVERIFY(visibleWindows().isEmpty());
  }

  // F1 opens the topic of the window or page with the focus, in every language.
  void opensTheTopicOfTheActiveWindow_data() {
    QTest::addColumn<int>("topic");
    QTest::addColumn<QString>("page");
    QTest::newRow("main window") << int(HelpTopic::Start) << "/TISO286DE.htm";
    QTest::newRow("operating page") << int(HelpTopic::Operating) << "/design.htm";
    QTest::newRow("press fit") << int(HelpTopic::Press) << "/press.htm";
    QTest::newRow("general tolerances") << int(HelpTopic::General) << "/general.htm";
    QTest::newRow("inspection") << int(HelpTopic::Inspection) << "/tools.htm";
    QTest::newRow("batch table") << int(HelpTopic::BatchTable) << "/tools.htm";
    QTest::newRow("bearing seat") << int(HelpTopic::BearingSeat) << "/bearings.htm";
  }
  void opensTheTopicOfTheActiveWindow() {
    QFETCH(int, topic);
    QFETCH(QString, page);
    HelpViewer* viewer = openHelpViewer(kHelpDir, 2, nullptr, static_cast<HelpTopic>(topic));
    QVERIFY(viewer);
    QCOMPARE(viewer->browser()->source().path(), page);
    closeAndRelease(viewer);
  }

  void opensTheFileOfTheLanguageInOneViewer() {
    for (int language : {1, 2, 3}) QVERIFY(helpFileIntact(kHelpDir, language));
    HelpViewer* english = openHelpViewer(kHelpDir, 3);
    QVERIFY(english);
    QVERIFY(english->isVisible());
    QCOMPARE(english->windowTitle(), QStringLiteral("KALMO Tolerances and fits – Help"));
    // The program ends with its main window, help or no help.
    QVERIFY(!english->testAttribute(Qt::WA_QuitOnClose));

    HelpViewer* german = openHelpViewer(kHelpDir, 2);
    QCOMPARE(german, english);
    QCOMPARE(german->windowTitle(), QStringLiteral("KALMO Toleranzen und Passungen – Hilfe"));

    // A failed open leaves the viewer on its page.
    QTemporaryDir empty;
    QCOMPARE(openHelpViewer(empty.path(), 3), nullptr);
    QCOMPARE(german->windowTitle(), QStringLiteral("KALMO Toleranzen und Passungen – Hilfe"));
    closeAndRelease(german);
  }

  void opensAFileUnderAVeryLongPath() {
    QTemporaryDir base;
    QString directory = base.path();
    while (directory.size() < 300) directory += QStringLiteral("/Допуски und Passungen");
    QVERIFY(QDir().mkpath(directory));
    QVERIFY(QFile::copy(helpFilePath(kHelpDir, 1), helpFilePath(directory, 1)));
    HelpViewer* viewer = openHelpViewer(directory, 1);
    QVERIFY(viewer);
    QCOMPARE(viewer->windowTitle(), QStringLiteral("KALMO Допуски и сглобки – Помощ"));
    closeAndRelease(viewer);
  }

  void goesAwayWithItsOwner() {
    auto* owner = new QWidget;
    QPointer<HelpViewer> viewer = openHelpViewer(kHelpDir, 3, owner);
    QVERIFY(viewer);
    delete owner;
    QVERIFY(viewer.isNull());
  }
};

QTEST_MAIN(HelpCommandTest)
#include "help_command_test.moc"
