#pragma once

// The entry fields of the press-fit window as a table: what each field holds,
// its caption, symbol and unit, the method's complaint that names its range,
// and the value the window starts with; and the material presets' fields.

#include <QString>
#include <array>
#include <limits>

#include "format/units.h"
#include "lang/text_id.h"
#include "mech/press_fit.h"
#include "windows/press_fit_window.h"

namespace kalmo::press {

enum class Unit { Length, Mpa, None, Alpha, Micrometre };

struct FieldDefinition {
  PressField field;
  const char* key;  // settings name and object name
  TextId caption;
  const char* symbol;  // rich text
  Unit unit;
  PressFitError error;  // the method's complaint about this field; names its range
  double initial;       // NaN: empty
  // An empty field stands for the method's default (μ_e = μ, s = defaultJoiningClearanceMm(D)).
  bool emptyIsDefault = false;
};

constexpr double kEmpty = std::numeric_limits<double>::quiet_NaN();

// Hub first, then shaft, then the joint; materials are filled from the picker.
constexpr std::array<FieldDefinition, kPressFieldCount> kFields{{
    {PressField::HubModulus, "PressHubE", TextId::ElasticModulus, "E<sub>A</sub>", Unit::Mpa,
     PressFitError::HubModulus, kEmpty},
    {PressField::HubPoisson, "PressHubNu", TextId::PoissonRatio, "ν<sub>A</sub>", Unit::None,
     PressFitError::HubPoisson, kEmpty},
    {PressField::HubYield, "PressHubRe", TextId::YieldStrength, "R<sub>eA</sub>", Unit::Mpa,
     PressFitError::HubYield, kEmpty},
    {PressField::HubAlpha, "PressHubAlpha", TextId::ExpansionCoefficient, "α<sub>A</sub>",
     Unit::Alpha, PressFitError::HubAlpha, kEmpty},
    {PressField::HubOuterDiameter, "PressHubOuter", TextId::HubOuterDiameter, "D<sub>aA</sub>",
     Unit::Length, PressFitError::HubOuterDiameter, kEmpty},
    {PressField::HubRoughness, "PressRzHub", TextId::Roughness, "Rz<sub>A</sub>", Unit::Micrometre,
     PressFitError::HubRoughness, 0},
    {PressField::ShaftModulus, "PressShaftE", TextId::ElasticModulus, "E<sub>I</sub>", Unit::Mpa,
     PressFitError::ShaftModulus, kEmpty},
    {PressField::ShaftPoisson, "PressShaftNu", TextId::PoissonRatio, "ν<sub>I</sub>", Unit::None,
     PressFitError::ShaftPoisson, kEmpty},
    {PressField::ShaftYield, "PressShaftRe", TextId::YieldStrength, "R<sub>eI</sub>", Unit::Mpa,
     PressFitError::ShaftYield, kEmpty},
    {PressField::ShaftAlpha, "PressShaftAlpha", TextId::ExpansionCoefficient, "α<sub>I</sub>",
     Unit::Alpha, PressFitError::ShaftAlpha, kEmpty},
    {PressField::ShaftBore, "PressShaftBore", TextId::ShaftBoreDiameter, "D<sub>iI</sub>",
     Unit::Length, PressFitError::ShaftBore, 0},
    {PressField::ShaftRoughness, "PressRzShaft", TextId::Roughness, "Rz<sub>I</sub>",
     Unit::Micrometre, PressFitError::ShaftRoughness, 0},
    {PressField::Length, "PressLength", TextId::JointLength, "l", Unit::Length,
     PressFitError::Length, kEmpty},
    {PressField::Friction, "PressFriction", TextId::Friction, "μ", Unit::None,
     PressFitError::Friction, kTypicalDrySteelFriction},
    {PressField::PressFriction, "PressPressFriction", TextId::PressInFriction, "μ<sub>e</sub>",
     Unit::None, PressFitError::PressFriction, kEmpty, true},
    {PressField::JoiningClearance, "PressJoiningClearance", TextId::JoiningClearance, "s",
     Unit::Length, PressFitError::JoiningClearance, kEmpty, true},
}};

static_assert([] {
  for (std::size_t i = 0; i < kFields.size(); ++i) {
    if (kFields[i].field != static_cast<PressField>(i)) return false;
  }
  return true;
}());

inline const FieldDefinition& definition(PressField which) {
  return kFields[static_cast<std::size_t>(which)];
}

// The hub's four material fields and the shaft's, in MaterialProperties order
// of the pickers: E, ν, Re, α.
constexpr std::array<PressField, 4> kHubMaterialFields{
    PressField::HubModulus, PressField::HubPoisson, PressField::HubYield, PressField::HubAlpha};
constexpr std::array<PressField, 4> kShaftMaterialFields{
    PressField::ShaftModulus, PressField::ShaftPoisson, PressField::ShaftYield,
    PressField::ShaftAlpha};

// The fields take any number of digits: the method's range of each input
// (pressFitRange) is checked by the window, which marks a number outside it
// and never holds it at a limit.
constexpr double kFieldMaximum = std::numeric_limits<double>::max();

inline QString unitText(Unit unit, bool inchMode) {
  switch (unit) {
    case Unit::Length: return inchMode ? QStringLiteral("in") : QStringLiteral("mm");
    case Unit::Mpa: return QStringLiteral("MPa");
    case Unit::Alpha: return QStringLiteral("µm/(m·K)");
    case Unit::Micrometre: return QStringLiteral("µm");
    case Unit::None: break;
  }
  return {};
}

inline double unitFactor(bool inchMode) {
  return inchMode ? kMmPerInch : 1.0;
}

inline std::array<double, 4> propertyValues(const MaterialProperties& m) {
  return {m.elasticModulusMpa, m.poisson, m.yieldMpa, m.alphaUmPerMK};
}

inline const std::array<PressField, 4>& materialFields(bool hub) {
  return hub ? kHubMaterialFields : kShaftMaterialFields;
}

}  // namespace kalmo::press
