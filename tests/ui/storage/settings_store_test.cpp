#include "storage/settings_store.h"

#include <sys/stat.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMap>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "device_node_support.h"
#include "lang/lang_table.h"
#include "main/main_window.h"
#include "pages/operating_page.h"
#include "storage/language.h"

using namespace kalmo;

class SettingsStoreTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void init();

  void readsWindowSettingsWithFallbacks_data();
  void readsWindowSettingsWithFallbacks();
  void loadsTheStoredLanguageBeforeAnyWindow_data();
  void loadsTheStoredLanguageBeforeAnyWindow();
  void storesTheLanguageItSets();
  void keepsNumbersExactly_data();
  void keepsNumbersExactly();
  void checkFailsWhereTheStoreCannotBeWritten();
  void windowStartsOnAnyFileAndLeavesIt_data();
  void windowStartsOnAnyFileAndLeavesIt();
  void neverWaitsOnOrWritesOverAFileThatIsNone_data();
  void neverWaitsOnOrWritesOverAFileThatIsNone();
  void storesOnlyWhatThisWindowChanged_data();
  void storesOnlyWhatThisWindowChanged();
  void windowStartsPromptlyWhenTheLockStaysTaken_data();
  void windowStartsPromptlyWhenTheLockStaysTaken();

 private:
  static QSettings raw() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Brenholt", "ISO286");
  }
  QTemporaryDir dir_;
};

void SettingsStoreTest::initTestCase() {
  QVERIFY(dir_.isValid());
  // Nothing of the user's own configuration is read or written.
  qputenv("HOME", dir_.path().toUtf8());
  qputenv("XDG_CONFIG_HOME", dir_.path().toUtf8());
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path());
}

void SettingsStoreTest::init() {
  QSettings settings = raw();
  settings.clear();
  settings.sync();
}

// Values as a store may hold them: integers, their text, other text, or
// numbers out of range; each falls back to its default where it is no value
// of ours.
void SettingsStoreTest::readsWindowSettingsWithFallbacks_data() {
  QTest::addColumn<QVariant>("mmIn");
  QTest::addColumn<QVariant>("resCn");
  QTest::addColumn<QVariant>("prep");
  QTest::addColumn<bool>("inch");
  QTest::addColumn<int>("count");
  QTest::addColumn<bool>("only");
  QTest::newRow("nothing stored") << QVariant() << QVariant() << QVariant() << false << 0 << false;
  QTest::newRow("all set") << QVariant(1) << QVariant(3) << QVariant(1) << true << 3 << true;
  QTest::newRow("any non-zero is true")
      << QVariant(7) << QVariant(4) << QVariant(-1) << true << 4 << true;
  QTest::newRow("zero is false") << QVariant(0) << QVariant(0) << QVariant(0) << false << 0
                                 << false;
  QTest::newRow("count beyond the list")
      << QVariant(0) << QVariant(5) << QVariant(0) << false << 0 << false;
  QTest::newRow("negative count") << QVariant(0) << QVariant(-1) << QVariant(0) << false << 0
                                  << false;
  QTest::newRow("text values") << QVariant("abc") << QVariant("2.5") << QVariant("true") << false
                               << 0 << false;
  QTest::newRow("beyond 32 bits") << QVariant(qint64(1) << 33) << QVariant(2) << QVariant(0)
                                  << false << 2 << false;
}

void SettingsStoreTest::readsWindowSettingsWithFallbacks() {
  QFETCH(QVariant, mmIn);
  QFETCH(QVariant, resCn);
  QFETCH(QVariant, prep);
  {
    QSettings settings = raw();
    settings.beginGroup("Default");
    const std::pair<const char*, QVariant> values[] = {
        {"mm_in", mmIn}, {"ResCn", resCn}, {"Prep", prep}};
    for (const auto& [name, value] : values) {
      if (value.isValid()) {
        settings.setValue(name, value);
      }
    }
  }
  const WindowSettings read = readWindowSettings(QtSettingsStore());
  QTEST(read.inchMode, "inch");
  QTEST(read.resultCountIndex, "count");
  QTEST(read.onlyStandardFits, "only");
}

void SettingsStoreTest::loadsTheStoredLanguageBeforeAnyWindow_data() {
  QTest::addColumn<QVariant>("stored");
  QTest::addColumn<int>("code");
  QTest::addColumn<QString>("hole");
  QTest::newRow("first start") << QVariant() << 3 << "Hole";
  QTest::newRow("German") << QVariant(2) << 2 << " Bohrung";
  QTest::newRow("Bulgarian") << QVariant(1) << 1 << "Отвор";
  // A hand-edited code would leave every text empty; English serves instead.
  QTest::newRow("unknown code") << QVariant(7) << 3 << "Hole";
  QTest::newRow("not a number") << QVariant("de") << 3 << "Hole";
}

void SettingsStoreTest::loadsTheStoredLanguageBeforeAnyWindow() {
  QFETCH(QVariant, stored);
  if (stored.isValid()) {
    raw().setValue("Default/Lang", stored);
  }
  QtSettingsStore store;
  Language language(store);
  language.InitLanguage();
  QTEST(languageNumber(language.code()), "code");
  QTEST(language.text(TextId{1}), "hole");
  // Loading writes nothing.
  QCOMPARE(raw().value("Default/Lang").toString(), stored.toString());
}

void SettingsStoreTest::storesTheLanguageItSets() {
  QtSettingsStore store;
  Language language(store);
  language.InitLanguage();
  language.SetLanguage(kLanguageGerman);
  QCOMPARE(raw().value("Default/Lang").toInt(), 2);
  QCOMPARE(language.text(TextId{3}), QStringLiteral(" Passungen"));
  QCOMPARE(language.text(TextId{9999}), QString());
}

// Decimal numbers come back bit for bit; a text that is no number, and the
// empty text a cleared field leaves, read as none.
void SettingsStoreTest::keepsNumbersExactly_data() {
  QTest::addColumn<QVariant>("written");  // a double, or raw text put into the store
  QTest::addColumn<QVariant>("read");     // a double, or invalid for none
  QTest::newRow("friction") << QVariant(0.12) << QVariant(0.12);
  QTest::newRow("not a short decimal") << QVariant(80 / 25.4) << QVariant(80 / 25.4);
  QTest::newRow("tiny") << QVariant(1e-7) << QVariant(1e-7);
  QTest::newRow("large") << QVariant(210000.5) << QVariant(210000.5);
  QTest::newRow("empty") << QVariant(QString()) << QVariant();
  QTest::newRow("comma") << QVariant(QString("0,12")) << QVariant();
  QTest::newRow("overflow") << QVariant(QString("1e999")) << QVariant();
  QTest::newRow("nothing stored") << QVariant() << QVariant();
}

void SettingsStoreTest::keepsNumbersExactly() {
  QFETCH(QVariant, written);
  QFETCH(QVariant, read);
  QtSettingsStore store;
  if (written.typeId() == QMetaType::Double) {
    QVERIFY(store.writeNumber("Number", written.toDouble()));
  } else if (written.isValid()) {
    raw().setValue("Default/Number", written);
  }
  const std::optional<double> value = store.readNumber("Number");
  QCOMPARE(value.has_value(), read.isValid());
  if (value) {
    QVERIFY(*value == read.toDouble());  // exact, not QCOMPARE's fuzzy equality
  }
  QVERIFY(store.writeNumber("Number", std::nullopt));
  QVERIFY(!store.readNumber("Number"));
}

void SettingsStoreTest::checkFailsWhereTheStoreCannotBeWritten() {
  // A path below a regular file cannot be created, not even by an administrator.
  QFile blocker(dir_.path() + "/blocker");
  QVERIFY(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, blocker.fileName() + "/config");
  QtSettingsStore store;
  const SettingsAccess access = store.check();
  const bool written = store.writeInt(settings::kLang, 2);
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path());
  QCOMPARE(access, SettingsAccess::NotWritable);
  QVERIFY(!written);
}

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

QByteArray fileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

QString ourFile() {
  return qEnvironmentVariable("XDG_CONFIG_HOME") + "/Brenholt/ISO286.conf";
}

}  // namespace

// Files as an editor, a crash or another program may leave them: the window
// starts, reads what can be read, and the start writes no byte of any file.
void SettingsStoreTest::windowStartsOnAnyFileAndLeavesIt_data() {
  QTest::addColumn<QString>("file");  // below the settings folder
  QTest::addColumn<QByteArray>("content");
  QTest::addColumn<int>("language");
  QTest::addColumn<bool>("inch");
  const QByteArray values = "[Default]\nLang=2\nmm_in=1\n";
  QTest::newRow("no file yet") << "" << QByteArray() << 3 << false;
  QTest::newRow("plain") << "Brenholt/ISO286.conf" << values << 2 << true;
  QTest::newRow("byte order mark") << "Brenholt/ISO286.conf"
                                   << "\xEF\xBB\xBF" + values << 2 << true;
  QTest::newRow("NUL") << "Brenholt/ISO286.conf"
                       << QByteArray("[Default]\nLang=2\n\0\nmm_in=1\n", 27) << 2 << true;
  QTest::newRow("stray bytes") << "Brenholt/ISO286.conf"
                               << QByteArray("[Default]\nLang=2\n\xFF\xFE]]\nmm_in=1\n") << 2
                               << true;
  QTest::newRow("line without value") << "Brenholt/ISO286.conf"
                                      << "junk\n" + values << 2 << true;
  QTest::newRow("other program") << "BrenholtLtd.conf" << QByteArray("[General]\nkey=1\n") << 3
                                 << false;
}

void SettingsStoreTest::windowStartsOnAnyFileAndLeavesIt() {
  QFETCH(QString, file);
  QFETCH(QByteArray, content);
  QFile::remove(ourFile());
  const QString path = dir_.path() + "/" + file;
  if (!file.isEmpty()) writeFile(path, content);
  QtSettingsStore store;
  QCOMPARE(store.check(), SettingsAccess::Usable);
  Language language(store);
  language.InitLanguage();
  QTEST(languageNumber(language.code()), "language");
  QTEST(readWindowSettings(store).inchMode, "inch");
  {
    MainWindow window(language, store);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    if (file.isEmpty()) {
      QVERIFY(!QFile::exists(ourFile()));
    } else {
      QCOMPARE(fileBytes(path), content);
    }
    window.hide();
  }
  // Stored when there is something to store: the file then holds it.
  QVERIFY(store.writeInt(settings::kResultCount, 3));
  QCOMPARE(QtSettingsStore().readInt(settings::kResultCount), 3);
  QTEST(languageNumber(readLanguageCode(QtSettingsStore()).value_or(kLanguageEnglish)), "language");
  QFile::remove(path);
}

// A pipe, a device or a folder under the name of the settings file or of its
// lock: nothing waits on it, nothing is written over it.
void SettingsStoreTest::neverWaitsOnOrWritesOverAFileThatIsNone_data() {
  QTest::addColumn<QString>("suffix");  // "" for the settings file, ".lock" for its lock
  QTest::addColumn<QString>("kind");
  QTest::addColumn<SettingsAccess>("access");
  QTest::newRow("pipe as settings file") << ""
                                         << "pipe" << SettingsAccess::NotRegularFile;
  QTest::newRow("link to a device as settings file") << ""
                                                     << "device" << SettingsAccess::NotRegularFile;
  QTest::newRow("folder as settings file") << ""
                                           << "folder" << SettingsAccess::NotRegularFile;
  QTest::newRow("pipe as lock") << ".lock"
                                << "pipe" << SettingsAccess::Usable;
  QTest::newRow("link to a device as lock") << ".lock"
                                            << "device" << SettingsAccess::Usable;
}

void SettingsStoreTest::neverWaitsOnOrWritesOverAFileThatIsNone() {
  QFETCH(QString, suffix);
  QFETCH(QString, kind);
  if (suffix.isEmpty()) QFile::remove(ourFile());
  const QString path = ourFile() + suffix;
  QDir().mkpath(QFileInfo(path).path());
  // Removed whatever the checks find: the next test's start writes the file.
  const auto removeNode = qScopeGuard([&] {
    if (QFileInfo(path).isDir() && !QFileInfo(path).isSymLink()) {
      QDir(path).removeRecursively();
    } else {
      QFile::remove(path);
    }
  });
  const QString device = test::deviceNode(dir_.path());
  if (kind == "pipe") {
    QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
  } else if (kind == "device") {
    QVERIFY(QFile::link(device, path));
  } else {
    QVERIFY(QDir().mkpath(path));
  }
  QElapsedTimer clock;
  clock.start();
  QtSettingsStore store;
  QTEST(store.check(), "access");
  Language language(store);
  language.InitLanguage();
  QCOMPARE(language.code(), kLanguageEnglish);
  QVERIFY(!store.writeInt(settings::kLang, 2));
  QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
  const QFileInfo node(path);
  QCOMPARE(node.isSymLink(), kind == "device");
  if (kind == "device") QCOMPARE(node.symLinkTarget(), device);
  QCOMPARE(node.isDir(), kind == "folder");
  QCOMPARE(node.isFile(), false);
}

// Two windows on one file: each stores what it changed and leaves the
// values the other one stored meanwhile, also on the first start.
void SettingsStoreTest::storesOnlyWhatThisWindowChanged_data() {
  QTest::addColumn<QByteArray>("content");
  QTest::newRow("first start") << QByteArray();
  QTest::newRow("file of an earlier run")
      << QByteArray("[Default]\nLang=3\nmm_in=0\nResCn=0\nPrep=0\nInside=0\nOpStats=0\n");
}

void SettingsStoreTest::storesOnlyWhatThisWindowChanged() {
  QFETCH(QByteArray, content);
  QFile::remove(ourFile());
  if (!content.isEmpty()) writeFile(ourFile(), content);
  QtSettingsStore first;
  QtSettingsStore second;
  WindowSettings a = readWindowSettings(first);
  WindowSettings b = readWindowSettings(second);
  OperatingChoices operatingA = readOperatingChoices(first);
  const OperatingChoices operatingB = readOperatingChoices(second);
  const DesignSettings designA = readDesignSettings(first);
  DesignSettings designB = readDesignSettings(second);
  Language languageA(first);
  languageA.InitLanguage();
  Language languageB(second);
  languageB.InitLanguage();

  languageB.SetLanguage(kLanguageGerman);
  b.inchMode = true;
  writeWindowSettings(second, b);
  writeOperatingChoices(second, operatingB);
  designB.atOperatingConditions = true;
  writeDesignSettings(second, designB);
  a.resultCountIndex = 2;
  operatingA.model = SizeDistribution::Uniform;
  languageA.SetLanguage(kLanguageEnglish);  // as the window shows itself
  writeWindowSettings(first, a);
  writeOperatingChoices(first, operatingA);
  writeDesignSettings(first, designA);

  QtSettingsStore later;
  QCOMPARE(readWindowSettings(later), (WindowSettings{true, 2, false, false}));
  QCOMPARE(readOperatingChoices(later).model, SizeDistribution::Uniform);
  QCOMPARE(readLanguageCode(later), std::optional(kLanguageGerman));
  QCOMPARE(readDesignSettings(later).atOperatingConditions, true);
}

// A lock that is never let go: the window still comes up at once (one wait of
// a second), and saving is skipped without a word.
void SettingsStoreTest::windowStartsPromptlyWhenTheLockStaysTaken_data() {
  QTest::addColumn<bool>("folder");
  QTest::newRow("folder as lock file") << true;
  QTest::newRow("fresh garbage lock file") << false;
}

void SettingsStoreTest::windowStartsPromptlyWhenTheLockStaysTaken() {
  QFETCH(bool, folder);
  const QString lock = raw().fileName() + ".lock";
  if (folder) {
    QVERIFY(QDir().mkpath(lock));
  } else {
    writeFile(lock, "garbage");
  }
  QElapsedTimer clock;
  clock.start();
  QtSettingsStore store;
  Language language(store);
  language.InitLanguage();
  QCOMPARE(store.check(), SettingsAccess::Usable);
  auto window = std::make_unique<MainWindow>(language, store);
  window->show();
  QVERIFY(QTest::qWaitForWindowExposed(window.get()));
  QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
  // Later writes wait once more, then the store stops trying.
  clock.restart();
  language.SetLanguage(kLanguageGerman);
  window.reset();  // closing writes the window's settings
  QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
  QVERIFY(!store.writeInt(settings::kLang, 1));
  QCOMPARE(QFileInfo(lock).isDir(), folder);
  if (folder) {
    QDir(lock).removeRecursively();
  } else {
    QFile::remove(lock);
  }
}

QTEST_MAIN(SettingsStoreTest)
#include "settings_store_test.moc"
