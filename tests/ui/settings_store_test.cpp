#include "settings_store.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "language.h"

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
  void probeLeavesNothingBehind();
  void probeFailsWhereTheStoreCannotBeWritten();

 private:
  static QSettings raw() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Brenholt", "ISO286");
  }
  QTemporaryDir dir_;
};

void SettingsStoreTest::initTestCase() {
  QVERIFY(dir_.isValid());
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
  QCOMPARE(language.text(TextId{500}), QString());
}

void SettingsStoreTest::probeLeavesNothingBehind() {
  QVERIFY(settingsStoreWritable());
  QVERIFY(QDir(dir_.path() + "/Brenholt").entryList({"brenholt-probe*"}).isEmpty());
  QVERIFY(!QFile::exists(dir_.path() + "/BrenholtLtd.conf"));
}

void SettingsStoreTest::probeFailsWhereTheStoreCannotBeWritten() {
  // A path below a regular file cannot be created, not even by an administrator.
  QFile blocker(dir_.path() + "/blocker");
  QVERIFY(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, blocker.fileName() + "/config");
  const bool writable = settingsStoreWritable();
  QtSettingsStore store;
  const bool written = store.writeInt(settings::kLang, 2);
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path());
  QVERIFY(!writable);
  QVERIFY(!written);
}

QTEST_GUILESS_MAIN(SettingsStoreTest)
#include "settings_store_test.moc"
