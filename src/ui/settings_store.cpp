#include "settings_store.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <limits>

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

// Writes and removes one entry of a probe application of the user's store.
// The probe applications hold nothing else, so the whole of one is cleared,
// and a file that the probe created is removed again.
bool probeOnce(const QString& organisation, const QString& application) {
  QSettings probe(QSettings::NativeFormat, QSettings::UserScope, organisation, application);
  const QString file = probe.fileName();
  const bool fileExisted = QFileInfo::exists(file);
  if (!probe.isWritable()) {
    return false;
  }
  probe.setValue(QStringLiteral("probe"), 1);
  probe.sync();
  const bool written = probe.status() == QSettings::NoError;
  probe.clear();
  probe.sync();
  if (!fileExisted && QFileInfo::exists(file)) {
    QFile::remove(file);
  }
  return written;
}

}  // namespace

std::optional<int> QtSettingsStore::readInt(const QString& name) const {
  QSettings store(QSettings::NativeFormat, QSettings::UserScope, kOrganisation, kApplication);
  store.beginGroup(kGroup);
  return toInt32(store.value(name));
}

bool QtSettingsStore::writeInt(const QString& name, int value) {
  QSettings store(QSettings::NativeFormat, QSettings::UserScope, kOrganisation, kApplication);
  if (!store.isWritable()) {
    return false;
  }
  store.beginGroup(kGroup);
  store.setValue(name, static_cast<qint32>(value));
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
  return values;
}

void writeWindowSettings(SettingsStore& store, const WindowSettings& values) {
  store.writeInt(settings::kInchMode, values.inchMode ? 1 : 0);
  store.writeInt(settings::kResultCount, values.resultCountIndex);
  store.writeInt(settings::kOnlyStandardFits, values.onlyStandardFits ? 1 : 0);
}

std::optional<LanguageCode> readLanguageCode(const SettingsStore& store) {
  const std::optional<int> number = store.readInt(settings::kLang);
  return number ? languageFromNumber(*number) : std::nullopt;
}

bool settingsStoreWritable() {
  return probeOnce(kOrganisation, QStringLiteral("brenholt-probe")) &&
         probeOnce(QStringLiteral("BrenholtLtd"), QString());
}

}  // namespace kalmo
