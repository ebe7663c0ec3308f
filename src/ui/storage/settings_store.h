#pragma once

#include <QHash>
#include <QString>
#include <QVariant>
#include <optional>

#include "general/general_designation.h"
#include "lang/lang_table.h"
#include "mech/assembly_statistics.h"
#include "mech/materials.h"
#include "mech/operating_fit.h"

namespace kalmo {

// The per-user store of the program's settings: the window's (Lang, mm_in,
// ResCn, Prep, Inside), all 32-bit integers, the operating page's choices,
// and the press-fit window's inputs, integers and decimal numbers. Reads and
// writes never report failures to the user:
// a value that is missing or cannot be read yields nullopt, and a value that
// cannot be written is skipped.
//
// A store may skip a write of the value it last read or wrote for that name:
// a window then stores only what it changed, and a value another window
// stored in the meantime survives this one's close.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // nullopt when the value is missing or is not a 32-bit integer.
  virtual std::optional<int> readInt(const QString& name) const = 0;
  // false when the value could not be stored.
  virtual bool writeInt(const QString& name, int value) = 0;
  // A decimal number, kept as its shortest round-trip text with "." in every
  // locale; nullopt when missing, empty or no finite number.
  virtual std::optional<double> readNumber(const QString& name) const = 0;
  // nullopt stores the empty text: "no number" (a field left empty).
  virtual bool writeNumber(const QString& name, std::optional<double> value) = 0;
  // A line of text as typed (the report's title fields); nullopt when missing.
  virtual std::optional<QString> readText(const QString& name) const = 0;
  virtual bool writeText(const QString& name, const QString& value) = 0;
  // Tells the store the value a reader took in place of one that was missing
  // or unusable (its default): a later write of it is then no change either.
  // A store that writes every value needs no note.
  virtual void noteDefault(const QString& /*name*/, int /*value*/) const {}
  virtual void noteDefault(const QString& /*name*/, double /*value*/) const {}
};

// What the start-up check finds at the settings store.
enum class SettingsAccess {
  Usable,       // also when another program holds the lock: writes are then skipped
  NotWritable,  // no right to write the file or to create its folder
  // The file's name is taken by something that is no regular file (a pipe, a
  // device, a folder, also behind a link): it is neither read nor written.
  NotRegularFile,
};

// The platform store (registry, plist or INI file) below organisation
// "Brenholt", application "ISO286", group "Default".
// A write waits at most a second for the file's lock; when that passes, or
// the lock's name is taken by something that is no regular file, the store
// writes nothing more for the rest of the run. A file that cannot be parsed
// completely is read as far as it can be, and rewritten only by a write.
// A write of the value last read or written for the name is skipped.
class QtSettingsStore final : public SettingsStore {
 public:
  QtSettingsStore();

  std::optional<int> readInt(const QString& name) const override;
  bool writeInt(const QString& name, int value) override;
  std::optional<double> readNumber(const QString& name) const override;
  bool writeNumber(const QString& name, std::optional<double> value) override;
  std::optional<QString> readText(const QString& name) const override;
  bool writeText(const QString& name, const QString& value) override;
  void noteDefault(const QString& name, int value) const override;
  void noteDefault(const QString& name, double value) const override;

  // The settings file; empty where the store is no file (registry, plist).
  const QString& fileName() const { return file_; }
  // The start-up check: looks at the file and its folder, writes nothing.
  SettingsAccess check() const;

 private:
  bool usable() const;
  QVariant read(const QString& name) const;
  bool write(const QString& name, const QVariant& value, const QString& text);

  QString file_;
  bool lockBlocked_ = false;
  // Each name's value as this store last read or wrote it, as stored text.
  mutable QHash<QString, QString> held_;
};

// Names of the stored values.
namespace settings {
inline const QString kLang = QStringLiteral("Lang");
inline const QString kInchMode = QStringLiteral("mm_in");
inline const QString kResultCount = QStringLiteral("ResCn");
inline const QString kOnlyStandardFits = QStringLiteral("Prep");
inline const QString kOnlyInsideTargets = QStringLiteral("Inside");
// The operating page: material entries (MaterialId), typed α and
// temperatures (decimal numbers), the size distribution (0 normal, 1 uniform),
// and the design page's "at operating conditions" (0 or 1).
inline const QString kHoleMaterial = QStringLiteral("OpHoleMat");
inline const QString kHoleAlpha = QStringLiteral("OpHoleAlpha");
inline const QString kHoleTemperature = QStringLiteral("OpHoleTemp");
inline const QString kShaftMaterial = QStringLiteral("OpShaftMat");
inline const QString kShaftAlpha = QStringLiteral("OpShaftAlpha");
inline const QString kShaftTemperature = QStringLiteral("OpShaftTemp");
inline const QString kSizeDistribution = QStringLiteral("OpStats");
inline const QString kDesignAtOperating = QStringLiteral("OpDesign");
// The design page's fit type (0 clearance, 1 transition, 2 interference) and
// its targets in mm (decimal numbers).
inline const QString kDesignFitType = QStringLiteral("DesType");
inline const QString kDesignMax = QStringLiteral("DesMax");
inline const QString kDesignMin = QStringLiteral("DesMin");
// The press-fit window: the two material entries (MaterialId), and a switch
// set once the window has stored its inputs: from then on an empty stored
// field stays empty instead of getting its initial value. Each entry field
// is stored under its own object name (windows/press_fit_fields.h).
inline const QString kPressHubMaterial = QStringLiteral("PressHubMaterial");
inline const QString kPressShaftMaterial = QStringLiteral("PressShaftMaterial");
inline const QString kPressStored = QStringLiteral("PressStored");
// Its conventions: the smoothing (0 for 0.8, 1 for 0.4) and the hub stress
// (0 maximum shear stress, 1 von Mises); missing or another number: 0.
inline const QString kPressSmoothing = QStringLiteral("PressSmoothing");
inline const QString kPressHubStress = QStringLiteral("PressHubStress");
// Its load panel: the fit system and IT range entries, and whether the
// fits must carry the load in operation too (0 or 1). The load fields are
// stored under their object names (press/press_design_panel.cpp).
inline const QString kPressDesignSystem = QStringLiteral("PressDesignSystem");
inline const QString kPressDesignRange = QStringLiteral("PressDesignRange");
inline const QString kPressDesignInOperation = QStringLiteral("PressDesignInOperation");
// The general-tolerance class compared under the main window's grid: 10 ×
// (class of dimensions f, m, c, v as 1..4) + geometrical class (H, K, L as
// 1..3); 0 or missing for none.
inline const QString kGeneralCompared = QStringLiteral("GenCompare");
// The title fields of the printed reports, as typed.
inline const QString kReportPart = QStringLiteral("RepPart");
inline const QString kReportDrawing = QStringLiteral("RepDrawing");
inline const QString kReportAuthor = QStringLiteral("RepAuthor");
}  // namespace settings

// The values the main window reads when it is shown and writes when it closes.
struct WindowSettings {
  bool inchMode = false;
  int resultCountIndex = 0;  // entry of the design page's result count picker, 0..4
  bool onlyStandardFits = false;
  bool onlyInsideTargets = false;  // the design page's inside filter
  friend bool operator==(const WindowSettings&, const WindowSettings&) = default;
};

// Missing or unreadable values take their defaults (noted with the store); a result-count index
// outside the list (only from a hand-edited store) takes the first entry, so
// the design search always has a count. Switches are true for any value but 0.
WindowSettings readWindowSettings(const SettingsStore& store);
void writeWindowSettings(SettingsStore& store, const WindowSettings& values);

// The target fields' limits in the unit shown: fit values, none comes near 10 m.
inline constexpr double kDesignTargetLimit = 10000;

// The design page's values the main window reads when it is shown and writes
// when it closes.
struct DesignSettings {
  bool atOperatingConditions = false;
  int fitType = 0;   // 0 clearance, 1 transition, 2 interference
  double minMm = 0;  // the targets in mm, within ±kDesignTargetLimit
  double maxMm = 0;
  friend bool operator==(const DesignSettings&, const DesignSettings&) = default;
};

// Missing or unreadable values, and values outside their range (only from a
// hand-edited store), take their defaults, noted with the store, so a value
// another window stored meanwhile survives this one's close.
DesignSettings readDesignSettings(const SettingsStore& store);
void writeDesignSettings(SettingsStore& store, const DesignSettings& values);

// The choices of the operating page, as the window keeps them between
// sessions. A preset material brings its own α; customAlpha is the typed α
// of MaterialId::Custom.
struct PartChoice {
  MaterialId material = MaterialId::Steel;
  double customAlphaUmPerMK = 12;
  double temperatureC = kReferenceTemperatureC;
  friend bool operator==(const PartChoice&, const PartChoice&) = default;
};

struct OperatingChoices {
  PartChoice hole;
  PartChoice shaft;
  SizeDistribution model = SizeDistribution::Normal;
  friend bool operator==(const OperatingChoices&, const OperatingChoices&) = default;
};

// The operating page's field limits. With α in [-50, 500] µm/(m·K) and t in [-273.15, 2000] °C
// every size factor stays within (0, 2], so whatever the fields hold is a
// condition checkPartTemperature accepts. Solids stay far inside: steel 12,
// aluminium 23, polyethylene about 200.
inline constexpr double kAlphaFieldMin = -50;
inline constexpr double kAlphaFieldMax = 500;
inline constexpr double kTemperatureFieldMax = 2000;

// The operating page's choices, α and temperatures as typed (µm/(m·K), °C);
// a missing or unreadable value, or one outside its field's limits, takes its
// default (steel at 20 °C, normal distribution).
OperatingChoices readOperatingChoices(const SettingsStore& store);
void writeOperatingChoices(SettingsStore& store, const OperatingChoices& choices);

// The stored language code, or nullopt when missing, unreadable or not one of
// the three languages; the caller then keeps English (noted with the store).
std::optional<LanguageCode> readLanguageCode(const SettingsStore& store);

// The general-tolerance class compared under the main window's grid; a
// stored code that names no class reads as none.
std::optional<GeneralDesignation> readComparedGeneralClass(const SettingsStore& store);
void writeComparedGeneralClass(SettingsStore& store,
                               const std::optional<GeneralDesignation>& designation);

}  // namespace kalmo
