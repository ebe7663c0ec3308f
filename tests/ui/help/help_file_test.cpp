#include <QtTest>
#include <climits>

#include "help/help_file.h"

using namespace kalmo;

class HelpFileTest : public QObject {
  Q_OBJECT

 private slots:
  void choosesFileAndTopicByLanguage_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("topic");
    QTest::newRow("Bulgarian") << 1 << "TISO286_BG.chm" << "::/TISO286BG.htm";
    QTest::newRow("German") << 2 << "TISO286_DE.chm" << "::/TISO286DE.htm";
    QTest::newRow("English") << 3 << "TISO286_EN.chm" << "::/TISO286EN.htm";
    QTest::newRow("no language") << 0 << "TISO286_EN.chm" << "::/TISO286EN.htm";
    QTest::newRow("code 4") << 4 << "TISO286_EN.chm" << "::/TISO286EN.htm";
    QTest::newRow("negative") << -1 << "TISO286_EN.chm" << "::/TISO286EN.htm";
    QTest::newRow("largest") << INT_MAX << "TISO286_EN.chm" << "::/TISO286EN.htm";
  }
  void choosesFileAndTopicByLanguage() {
    QFETCH(int, language);
    const HelpTarget target = helpTarget(language);
    QTEST(QString::fromLatin1(target.fileName.data(), qsizetype(target.fileName.size())), "file");
    QTEST(QString::fromLatin1(target.topic.data(), qsizetype(target.topic.size())), "topic");
  }

  void topicBecomesAPathInsideTheFile() {
    QCOMPARE(helpTopicPath("::/TISO286DE.htm"), QStringLiteral("/TISO286DE.htm"));
    QCOMPARE(helpTopicPath("/inputs.htm"), QStringLiteral("/inputs.htm"));
    QCOMPARE(helpTopicPath("inputs.htm"), QStringLiteral("/inputs.htm"));
  }

  void keepsLongPathsWhole() {
    // Far beyond the 260 characters a fixed path buffer would hold.
    QString directory = QStringLiteral("/opt");
    while (directory.size() < 400) directory += QStringLiteral("/Toleranzen und Passungen äöü");
    const QString path = helpFilePath(directory, 2);
    QCOMPARE(path, directory + QStringLiteral("/TISO286_DE.chm"));
    QCOMPARE(helpFilePath(QStringLiteral("/opt/kalmo/"), 1),
             QStringLiteral("/opt/kalmo/TISO286_BG.chm"));
  }
};

QTEST_MAIN(HelpFileTest)
#include "help_file_test.moc"
