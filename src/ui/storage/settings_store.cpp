#include "storage/settings_store.h"

#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <limits>

#include "design/fit_catalogue.h"
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
// would hold the window back for half a minute or for ever.
constexpr int kLockWaitMs = 1000;

QSettings userStore() {
  return QSettings(QSettings::NativeFormat, QSettings::UserScope, kOrganisation, kApplication);
}

// A name that a file may be written under: nothing there yet, or a regular
// file, also behind links. A pipe would hold the program for ever on open,
// and a file written over a device would replace the device node.
bool regularOrMissing(const QString& path) {
  const QFileInfo info(path);
  return !info.exists() || info.isFile();
}

// The settings file's name, found without opening it: QSettings reads its
// file as soon as it is made, and a pipe there would never answer. The
// organisation's own file lies beside our folder and has the same suffix
// ("~/.config/Brenholt.conf" beside "~/.config/Brenholt/ISO286.conf").
QString settingsFilePath() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
  const QFileInfo organisation(
      QSettings(QSettings::NativeFormat, QSettings::UserScope, kOrganisation, QString())
          .fileName());
  return organisation.path() + QLatin1Char('/') + kOrganisation + QLatin1Char('/') + kApplication +
         QLatin1Char('.') + organisation.suffix();
#else
  return {};
#endif
}

// false when the store's lock stays taken for waitMs, or its name is taken
// by something that is no regular file (reading a pipe there would wait for
// ever). A lock we get is let go at once: QSettings takes it again for the
// write, and a lock of our own would make it wait on us. Other failures (no
// folder yet, no right to write) are left to QSettings, which creates the
// folder or reports them. Stores that are not files need no lock.
bool lockAvailable(const QString& file, int waitMs) {
  if (file.isEmpty()) return true;
  const QString name = file + QStringLiteral(".lock");
  if (!regularOrMissing(name)) return false;
  QLockFile lock(name);
  if (lock.tryLock(waitMs)) {
    lock.unlock();
  } else if (lock.error() == QLockFile::LockFailedError) {
    return false;
  }
  return true;
}

QString numberText(std::optional<double> value) {
  return value ? QString::fromStdString(formatShortest(*value)) : QString();
}

}  // namespace

QtSettingsStore::QtSettingsStore() : file_(settingsFilePath()) {}

bool QtSettingsStore::usable() const {
  return file_.isEmpty() || regularOrMissing(file_);
}

SettingsAccess QtSettingsStore::check() const {
  if (!usable()) return SettingsAccess::NotRegularFile;
  // Opens an existing file for writing without changing it, or makes the
  // folder and a temporary file in it; writes no value and flushes nothing.
  return userStore().isWritable() ? SettingsAccess::Usable : SettingsAccess::NotWritable;
}

QVariant QtSettingsStore::read(const QString& name) const {
  if (!usable()) return {};
  QSettings store = userStore();
  store.beginGroup(kGroup);
  QVariant value = store.value(name);
  if (value.isValid()) {
    held_.insert(name, value.toString());
  } else {
    held_.remove(name);
  }
  return value;
}

std::optional<int> QtSettingsStore::readInt(const QString& name) const {
  return toInt32(read(name));
}

bool QtSettingsStore::writeInt(const QString& name, int value) {
  return write(name, static_cast<qint32>(value), QString::number(value));
}

std::optional<double> QtSettingsStore::readNumber(const QString& name) const {
  const QVariant value = read(name);
  if (value.typeId() != QMetaType::QString && value.typeId() != QMetaType::QByteArray) {
    return std::nullopt;
  }
  return parseNumber(value.toString().trimmed().toStdString());
}

bool QtSettingsStore::writeNumber(const QString& name, std::optional<double> value) {
  const QString text = numberText(value);
  return write(name, text, text);
}

std::optional<QString> QtSettingsStore::readText(const QString& name) const {
  const QVariant value = read(name);
  if (value.typeId() != QMetaType::QString && value.typeId() != QMetaType::QByteArray) {
    return std::nullopt;
  }
  return value.toString();
}

bool QtSettingsStore::writeText(const QString& name, const QString& value) {
  return write(name, value, value);
}

void QtSettingsStore::noteDefault(const QString& name, int value) const {
  held_.insert(name, QString::number(value));
}

void QtSettingsStore::noteDefault(const QString& name, double value) const {
  held_.insert(name, numberText(value));
}

bool QtSettingsStore::write(const QString& name, const QVariant& value, const QString& text) {
  if (const auto held = held_.constFind(name); held != held_.cend() && *held == text) {
    return true;  // unchanged since read: a value another window stored stays
  }
  if (lockBlocked_ || !usable()) {
    return false;
  }
  QSettings store = userStore();
  if (!store.isWritable()) {
    return false;
  }
  if (!lockAvailable(file_, kLockWaitMs)) {
    lockBlocked_ = true;  // one wait per run, not one per value
    return false;
  }
  store.beginGroup(kGroup);
  store.setValue(name, value);
  store.endGroup();
  store.sync();
  // FormatError only says that the file held lines QSettings could not
  // read; what it could read was kept and the write was made.
  if (store.status() == QSettings::AccessError) {
    return false;
  }
  held_.insert(name, text);
  return true;
}

namespace {

// The stored integer when it lies in [min, max]; else the default, which the
// store notes as what the window holds.
int readInt(const SettingsStore& store, const QString& name, int fallback, int min, int max) {
  if (const auto value = store.readInt(name); value && *value >= min && *value <= max) {
    return *value;
  }
  store.noteDefault(name, fallback);
  return fallback;
}

bool readSwitch(const SettingsStore& store, const QString& name) {
  return readInt(store, name, 0, std::numeric_limits<int>::min(),
                 std::numeric_limits<int>::max()) != 0;
}

// The same for a decimal number in [min, max].
double readNumber(const SettingsStore& store, const QString& name, double fallback, double min,
                  double max) {
  if (const auto value = store.readNumber(name); value && *value >= min && *value <= max) {
    return *value;
  }
  store.noteDefault(name, fallback);
  return fallback;
}

}  // namespace

WindowSettings readWindowSettings(const SettingsStore& store) {
  const WindowSettings defaults;
  return {readSwitch(store, settings::kInchMode),
          readInt(store, settings::kResultCount, defaults.resultCountIndex, 0, 4),
          readSwitch(store, settings::kOnlyStandardFits),
          readSwitch(store, settings::kOnlyInsideTargets)};
}

void writeWindowSettings(SettingsStore& store, const WindowSettings& values) {
  store.writeInt(settings::kInchMode, values.inchMode ? 1 : 0);
  store.writeInt(settings::kResultCount, values.resultCountIndex);
  store.writeInt(settings::kOnlyStandardFits, values.onlyStandardFits ? 1 : 0);
  store.writeInt(settings::kOnlyInsideTargets, values.onlyInsideTargets ? 1 : 0);
}

DesignSettings readDesignSettings(const SettingsStore& store) {
  const DesignSettings defaults;
  return {readSwitch(store, settings::kDesignAtOperating),
          readInt(store, settings::kDesignFitType, defaults.fitType, 0, kFitTypeCount - 1),
          readNumber(store, settings::kDesignMin, defaults.minMm, -kDesignTargetLimit,
                     kDesignTargetLimit),
          readNumber(store, settings::kDesignMax, defaults.maxMm, -kDesignTargetLimit,
                     kDesignTargetLimit)};
}

void writeDesignSettings(SettingsStore& store, const DesignSettings& values) {
  store.writeInt(settings::kDesignAtOperating, values.atOperatingConditions ? 1 : 0);
  store.writeInt(settings::kDesignFitType, values.fitType);
  store.writeNumber(settings::kDesignMax, values.maxMm);
  store.writeNumber(settings::kDesignMin, values.minMm);
}

namespace {

void readPart(const SettingsStore& store, const QString& material, const QString& alpha,
              const QString& temperature, PartChoice& part) {
  part.material = static_cast<MaterialId>(readInt(store, material, static_cast<int>(part.material),
                                                  0, static_cast<int>(MaterialId::Custom)));
  part.customAlphaUmPerMK =
      readNumber(store, alpha, part.customAlphaUmPerMK, kAlphaFieldMin, kAlphaFieldMax);
  part.temperatureC =
      readNumber(store, temperature, part.temperatureC, kAbsoluteZeroC, kTemperatureFieldMax);
}

void writePart(SettingsStore& store, const QString& material, const QString& alpha,
               const QString& temperature, const PartChoice& part) {
  store.writeInt(material, static_cast<int>(part.material));
  store.writeNumber(alpha, part.customAlphaUmPerMK);
  store.writeNumber(temperature, part.temperatureC);
}

}  // namespace

OperatingChoices readOperatingChoices(const SettingsStore& store) {
  OperatingChoices choices;
  readPart(store, settings::kHoleMaterial, settings::kHoleAlpha, settings::kHoleTemperature,
           choices.hole);
  readPart(store, settings::kShaftMaterial, settings::kShaftAlpha, settings::kShaftTemperature,
           choices.shaft);
  if (readInt(store, settings::kSizeDistribution, 0, 0, 1) == 1) {
    choices.model = SizeDistribution::Uniform;
  }
  return choices;
}

void writeOperatingChoices(SettingsStore& store, const OperatingChoices& choices) {
  writePart(store, settings::kHoleMaterial, settings::kHoleAlpha, settings::kHoleTemperature,
            choices.hole);
  writePart(store, settings::kShaftMaterial, settings::kShaftAlpha, settings::kShaftTemperature,
            choices.shaft);
  store.writeInt(settings::kSizeDistribution, choices.model == SizeDistribution::Uniform ? 1 : 0);
}

std::optional<LanguageCode> readLanguageCode(const SettingsStore& store) {
  const std::optional<int> number = store.readInt(settings::kLang);
  const std::optional<LanguageCode> code = number ? languageFromNumber(*number) : std::nullopt;
  if (!code) store.noteDefault(settings::kLang, languageNumber(kLanguageEnglish));
  return code;
}

std::optional<GeneralDesignation> readComparedGeneralClass(const SettingsStore& store) {
  const int code = store.readInt(settings::kGeneralCompared).value_or(0);
  const int linear = code / 10;
  const int geometric = code % 10;
  if (code <= 0 || linear > 4 || geometric > 3 || (linear == 0 && geometric == 0)) {
    return std::nullopt;
  }
  GeneralDesignation d;
  if (linear > 0) d.linear = static_cast<LinearClass>(linear - 1);
  if (geometric > 0) d.geometric = static_cast<GeometricClass>(geometric - 1);
  return d;
}

void writeComparedGeneralClass(SettingsStore& store,
                               const std::optional<GeneralDesignation>& designation) {
  int code = 0;
  if (designation) {
    if (designation->linear) code += 10 * (static_cast<int>(*designation->linear) + 1);
    if (designation->geometric) code += static_cast<int>(*designation->geometric) + 1;
  }
  store.writeInt(settings::kGeneralCompared, code);
}

}  // namespace kalmo
