#include "settings_store.h"

#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <limits>

#include "format/number_format.h"
#include "format/shortest_number.h"
#include "lang/lang_table.h"

namespace kalmo {

namespace {

const QString kOrganisation = QStringLiteral("Brenholt");
const QString kApplication = QStringLiteral("ISO286");
const QString kGroup = QStringLiteral("Default");

// Accepts what an integer value looks like in either kind of store: a native
// integer (registry DWORD) or its decimal text (INI file). Anything else, or
// a number beyond 32 bits, is not a value of ours.
std::optional<int> toInt32(const QVariant& value) {
  if (!value.isValid()) {
    return std::nullopt;
  }
  bool ok = false;
  qlonglong number = 0;
  switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong: number = value.toLongLong(&ok); break;
    case QMetaType::QString:
    case QMetaType::QByteArray: number = value.toString().trimmed().toLongLong(&ok); break;
    default: return std::nullopt;
  }
  if (!ok || number < std::numeric_limits<qint32>::min() ||
      number > std::numeric_limits<qint32>::max()) {
    return std::nullopt;
  }
  return static_cast<int>(number);
}

// How long a write waits for the lock of the settings file. Qt's own wait has
// no bound: a directory of that name, or a lock left by a crashed program,
// would hold the window back for half a minute or for ever. The start-up
// probe does not wait at all: the window's first write (the language, as it
// is shown) waits already, and the start should cost one such wait at most.
constexpr int kLockWaitMs = 1000;
constexpr int kProbeLockWaitMs = 0;

QSettings userStore() {
  return QSettings(QSettings::NativeFormat, QSettings::UserScope, kOrganisation, kApplication);
}

// false when the store's lock stays taken for waitMs. A lock we get is
// let go at once: QSettings takes it again for the write, and a lock of our
// own would make it wait on us. Other failures (no folder yet, no right to
// write) are left to QSettings, which creates the folder or reports them.
// Stores that are not files need no lock.
bool lockAvailable(const QSettings& store, int waitMs) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
  QLockFile lock(store.fileName() + QStringLiteral(".lock"));
  if (lock.tryLock(waitMs)) {
    lock.unlock();
  } else if (lock.error() == QLockFile::LockFailedError) {
    return false;
  }
#else
  Q_UNUSED(store);
  Q_UNUSED(waitMs);
#endif
  return true;
}

// The probe's own entry in our own file.
const QString kProbeKey = QStringLiteral("Probe/writable");

}  // namespace

std::optional<int> QtSettingsStore::readInt(const QString& name) const {
  QSettings store = userStore();
  store.beginGroup(kGroup);
  return toInt32(store.value(name));
}

bool QtSettingsStore::writeInt(const QString& name, int value) {
  return write(name, static_cast<qint32>(value));
}

std::optional<double> QtSettingsStore::readNumber(const QString& name) const {
  QSettings store = userStore();
  store.beginGroup(kGroup);
  const QVariant value = store.value(name);
  if (value.typeId() != QMetaType::QString && value.typeId() != QMetaType::QByteArray) {
    return std::nullopt;
  }
  return parseNumber(value.toString().trimmed().toStdString());
}

bool QtSettingsStore::writeNumber(const QString& name, std::optional<double> value) {
  return write(name, value ? QString::fromStdString(formatShortest(*value)) : QString());
}

bool QtSettingsStore::write(const QString& name, const QVariant& value) {
  if (lockBlocked_) {
    return false;
  }
  QSettings store = userStore();
  if (!store.isWritable()) {
    return false;
  }
  if (!lockAvailable(store, kLockWaitMs)) {
    lockBlocked_ = true;  // one wait per run, not one per value
    return false;
  }
  store.beginGroup(kGroup);
  store.setValue(name, value);
  store.endGroup();
  store.sync();
  return store.status() == QSettings::NoError;
}

WindowSettings readWindowSettings(const SettingsStore& store) {
  WindowSettings values;
  if (const auto inch = store.readInt(settings::kInchMode)) {
    values.inchMode = *inch != 0;
  }
  if (const auto count = store.readInt(settings::kResultCount);
      count && *count >= 0 && *count <= 4) {
    values.resultCountIndex = *count;
  }
  if (const auto only = store.readInt(settings::kOnlyStandardFits)) {
    values.onlyStandardFits = *only != 0;
  }
  if (const auto inside = store.readInt(settings::kOnlyInsideTargets)) {
    values.onlyInsideTargets = *inside != 0;
  }
  return values;
}

void writeWindowSettings(SettingsStore& store, const WindowSettings& values) {
  store.writeInt(settings::kInchMode, values.inchMode ? 1 : 0);
  store.writeInt(settings::kResultCount, values.resultCountIndex);
  store.writeInt(settings::kOnlyStandardFits, values.onlyStandardFits ? 1 : 0);
  store.writeInt(settings::kOnlyInsideTargets, values.onlyInsideTargets ? 1 : 0);
}

std::optional<LanguageCode> readLanguageCode(const SettingsStore& store) {
  const std::optional<int> number = store.readInt(settings::kLang);
  return number ? languageFromNumber(*number) : std::nullopt;
}

bool settingsStoreWritable() {
  QSettings store = userStore();
  const QString file = store.fileName();
  const bool fileExisted = QFileInfo::exists(file);
  if (!store.isWritable()) {
    return false;
  }
  if (!lockAvailable(store, kProbeLockWaitMs)) {
    return true;  // someone else's lock: run on; the writes will be skipped
  }
  // Whatever the probe finds under its key is put back afterwards.
  const QVariant previous = store.value(kProbeKey);
  store.setValue(kProbeKey, 1);
  store.sync();
  const bool written = store.status() == QSettings::NoError;
  if (previous.isValid()) {
    store.setValue(kProbeKey, previous);
  } else {
    store.remove(kProbeKey);
  }
  store.sync();
  if (!fileExisted && QFileInfo::exists(file) && store.allKeys().isEmpty()) {
    QFile::remove(file);
  }
  return written;
}

}  // namespace kalmo
