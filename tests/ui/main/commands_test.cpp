#include "main/commands.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QRegularExpression>
#include <QTest>
#include <QToolButton>

#include "main/main_window.h"
#include "memory_store.h"
#include "page_test_support.h"
#include "storage/language.h"

using namespace kalmo;

namespace {

QString readText(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) qFatal("cannot read %s", qPrintable(path));
  return QString::fromUtf8(file.readAll());
}

// "Strg+Umschalt+P" as the table writes it: "Ctrl+Shift+P".
QString portable(QString key) {
  return key.replace(QStringLiteral("Strg"), QStringLiteral("Ctrl"))
      .replace(QStringLiteral("Umschalt"), QStringLiteral("Shift"));
}

}  // namespace

class CommandsTest : public QObject {
  Q_OBJECT

 private slots:
  // Every row makes its action with its shortcut, its toolbar button, a
  // tooltip naming the shortcut and the same accessible name; a row with a
  // window opens it.
  void everyRowMakesItsCommand_data() {
    QTest::addColumn<int>("command");
    for (const CommandRow& row : commandTable()) {
      QTest::newRow(row.objectName) << static_cast<int>(row.command);
    }
  }
  void everyRowMakesItsCommand() {
    QFETCH(int, command);
    const CommandRow& row = commandRow(static_cast<Command>(command));
    test::MemoryStore store;
    Language language(store);
    language.SetLanguage(kLanguageEnglish);
    MainWindow w(language, store);
    w.show();
    const QString name = QString::fromLatin1(row.objectName);
    auto* action = w.findChild<QAction*>(name);
    QVERIFY(action);
    QCOMPARE(action->shortcuts(), row.keys.sequences());
    const QString tip = action->toolTip();
    QVERIFY2(tip.startsWith(language.text(row.tooltip)), qPrintable(tip));
    if (!row.keys.sequences().isEmpty()) {
      QVERIFY2(tip.endsWith(u'(' + row.keys.text() + u')'), qPrintable(tip));
    }
    if (row.place == CommandPlace::ToolsMenu) {
      auto* tools = w.findChild<QToolButton*>(QStringLiteral("moreToolsButton"));
      QVERIFY(tools && tools->menu());
      QVERIFY(tools->menu()->actions().contains(action));
      QCOMPARE(tools->accessibleName(), language.text(TextId::MoreTools));
    } else if (row.place != CommandPlace::Grid) {
      auto* button = w.findChild<QToolButton*>(name);
      QVERIFY(button);
      QCOMPARE(button->defaultAction(), action);
      QCOMPARE(button->accessibleName(), tip);
    }
    if (row.window) {
      const auto windows = [&w] {
        int n = 0;
        for (QWidget* child : w.findChildren<QWidget*>())
          n += child->isWindow() && child->isVisible();
        return n;
      };
      const int before = windows();
      action->trigger();
      QCOMPARE(windows(), before + 1);
      action->trigger();  // brought to the front, not made again
      QCOMPARE(windows(), before + 1);
      if (row.command == Command::GeneralTolerances) {
        for (QWidget* child : w.findChildren<QWidget*>()) {
          if (child->isWindow() && child->isVisible())
            test::snapshot(*child, QStringLiteral("general_from_main"));
        }
      }
    }
  }

  void shortcutsAreUnique() {
    QList<QKeySequence> seen;
    for (const CommandRow& row : commandTable()) {
      for (const QKeySequence& key : row.keys.sequences()) {
        QVERIFY2(!seen.contains(key), row.objectName);
        seen << key;
      }
    }
  }

  // Where the help pages or the README name a command and give a shortcut
  // in brackets right after it, that is the command's shortcut in the table.
  void helpAndReadmeGiveTheTablesShortcuts_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("language");
    const QString root = QStringLiteral(KALMO_SOURCE_DIR);
    QTest::newRow("README.md") << root + QStringLiteral("/README.md")
                               << static_cast<int>(kLanguageEnglish);
    const std::pair<const char*, LanguageCode> folders[] = {
        {"en", kLanguageEnglish}, {"de", kLanguageGerman}, {"bg", kLanguageBulgarian}};
    for (const auto& [folder, code] : folders) {
      const QDir dir(root + QStringLiteral("/resources/help/") + QString::fromLatin1(folder));
      for (const QString& page : dir.entryList({QStringLiteral("*.htm")})) {
        QTest::newRow(qPrintable(QString::fromLatin1(folder) + u'/' + page))
            << dir.filePath(page) << static_cast<int>(code);
      }
    }
  }
  void helpAndReadmeGiveTheTablesShortcuts() {
    QFETCH(QString, path);
    QFETCH(int, language);
    test::MemoryStore store;
    Language lang(store);
    lang.SetLanguage(static_cast<LanguageCode>(language));
    const QString text = readText(path).replace(u'\n', u' ');
    const QRegularExpression key(QStringLiteral(
        "(?:Ctrl|Strg|Shift|Umschalt|Alt)(?:\\+(?:Ctrl|Strg|Shift|Umschalt|Alt))*\\+[A-Z0-9]\\b|"
        "\\bF[0-9]+\\b"));
    int checked = 0;
    for (const CommandRow& row : commandTable()) {
      if (row.keys.sequences().isEmpty()) continue;
      QString name = lang.text(row.text);
      name.remove(u'…').remove(QStringLiteral("..."));
      // The name, its closing markup, a few words, then the brackets.
      const QRegularExpression mention(QRegularExpression::escape(name) +
                                       QStringLiteral("(?:</b>|\\*\\*)?[^().]{0,40}\\(([^)]*)\\)"));
      const QString expected = row.keys.sequences().first().toString(QKeySequence::PortableText);
      for (auto it = mention.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QRegularExpressionMatch given = key.match(m.captured(1));
        if (!given.hasMatch()) continue;
        ++checked;
        QVERIFY2(portable(given.captured()) == expected,
                 qPrintable(m.captured() + QStringLiteral(" -- the table gives ") + expected));
      }
    }
    // The README names the window's commands with their shortcuts.
    if (path.endsWith(QStringLiteral("README.md"))) QVERIFY(checked >= 4);
  }
};

QTEST_MAIN(CommandsTest)
#include "commands_test.moc"
