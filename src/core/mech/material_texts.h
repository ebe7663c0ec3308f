#pragma once

#include <array>
#include <cstddef>

#include "lang/text_id.h"
#include "mech/materials.h"

namespace kalmo {

// The interface texts of the materials, in MaterialId order with Custom last,
// so that an entry's index in a material picker is its MaterialId.

// The grade whose values a preset holds ("Aluminium (EN AW-6082 T6)"); Custom
// as "Custom values". The press-fit window's entries, the operating page's
// tooltips.
inline constexpr std::array<TextId, static_cast<std::size_t>(MaterialId::Custom) + 1>
    kMaterialGradeTexts{
        TextId::MaterialSteel,     TextId::MaterialStainless, TextId::MaterialCastIron,
        TextId::MaterialAluminium, TextId::MaterialCopper,    TextId::MaterialBrass,
        TextId::MaterialBronze,    TextId::MaterialTitanium,  TextId::MaterialCustom};

// The family, short enough for the narrow operating page ("Aluminium alloy");
// Custom as "Custom α", the material whose α is typed.
inline constexpr std::array<TextId, static_cast<std::size_t>(MaterialId::Custom) + 1>
    kMaterialFamilyTexts{
        TextId::FamilySteel,     TextId::FamilyStainless, TextId::FamilyCastIron,
        TextId::FamilyAluminium, TextId::FamilyCopper,    TextId::FamilyBrass,
        TextId::FamilyBronze,    TextId::FamilyTitanium,  TextId::MaterialCustomAlpha};

static_assert(kMaterialGradeTexts.size() == kMaterialPresets.size() + 1);

constexpr TextId materialGradeText(MaterialId id) {
  return kMaterialGradeTexts[static_cast<std::size_t>(id)];
}
constexpr TextId materialFamilyText(MaterialId id) {
  return kMaterialFamilyTexts[static_cast<std::size_t>(id)];
}

}  // namespace kalmo
