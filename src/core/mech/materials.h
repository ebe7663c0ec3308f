#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace kalmo {

// The material properties the fit at temperature and the press-fit method use.
struct MaterialProperties {
  double alphaUmPerMK = 0;       // linear expansion coefficient α, µm/(m·K), about 20..100 °C
  double elasticModulusMpa = 0;  // Young's modulus E, MPa
  double poisson = 0;            // Poisson's ratio ν, 0 < ν < 0.5
  double yieldMpa = 0;           // yield strength Re (or Rp0.2), MPa
  friend constexpr bool operator==(const MaterialProperties&, const MaterialProperties&) = default;
};

// The preset materials, in the order lists show them. Custom stands for
// values the user types; it has no row in kMaterialPresets.
enum class MaterialId {
  Steel,
  Stainless,
  CastIron,
  Aluminium,
  Copper,
  Brass,
  Bronze,
  Titanium,
  Custom
};

struct MaterialPreset {
  MaterialId id;
  std::string_view name;  // the command-line name: "steel", "cast-iron" ...
  MaterialProperties properties;
};

// Typical values of one common grade per material, at room temperature.
// Sources, per row:
//  steel      S355 structural / engineering steel: E, ν, α from EN 1993-1-1:2005,
//             3.2.6; Re from EN 10025-2 (S355, thickness up to 16 mm)
//  stainless  austenitic 1.4301 (X5CrNi18-10): E, α (20..100 °C) from EN 10088-1,
//             annex; ν from EN 1993-1-4; Rp0.2 from EN 10088-2 (hot-rolled plate)
//  cast-iron  grey cast iron EN-GJL-250: E (103..118 GPa), ν, α (20..200 °C) from
//             the informative annex of EN 1561; grey iron has no yield point, so
//             the minimum tensile strength Rm stands in for Re
//  aluminium  EN AW-6082 T6: E, ν, α from EN 1999-1-1, 3.2.5; f0 (Rp0.2) of
//             extruded rod from EN 1999-1-1, table 3.2b
//  copper     Cu-ETP (CW004A) R240: typical E, ν, α from the Deutsches
//             Kupferinstitut material data sheet; Rp0.2 from EN 13601
//  brass      CuZn39Pb3 (CW614N) R430: typical E, ν, α from the Deutsches
//             Kupferinstitut material data sheet; Rp0.2 from EN 12164
//  bronze     CuSn8 (CW453K) R390: typical E, ν, α from the Deutsches
//             Kupferinstitut material data sheet; Rp0.2 from EN 12163
//  titanium   Ti-6Al-4V (grade 5, 3.7165): E, ν, α from MMPDS; minimum yield
//             strength from ASTM B348
inline constexpr std::array<MaterialPreset, 8> kMaterialPresets{{
    {MaterialId::Steel, "steel", {12.0, 210000, 0.30, 355}},
    {MaterialId::Stainless, "stainless", {16.0, 200000, 0.30, 210}},
    {MaterialId::CastIron, "cast-iron", {11.7, 110000, 0.26, 250}},
    {MaterialId::Aluminium, "aluminium", {23.0, 70000, 0.30, 250}},
    {MaterialId::Copper, "copper", {17.0, 118000, 0.34, 180}},
    {MaterialId::Brass, "brass", {20.9, 96000, 0.35, 250}},
    {MaterialId::Bronze, "bronze", {18.5, 115000, 0.34, 260}},
    {MaterialId::Titanium, "titanium", {8.6, 114000, 0.34, 828}},
}};

static_assert([] {
  for (std::size_t i = 0; i < kMaterialPresets.size(); ++i) {
    if (kMaterialPresets[i].id != static_cast<MaterialId>(i)) return false;
    const MaterialProperties& p = kMaterialPresets[i].properties;
    if (!(p.alphaUmPerMK > 0 && p.elasticModulusMpa > 0 && p.poisson > 0 && p.poisson < 0.5 &&
          p.yieldMpa > 0)) {
      return false;
    }
  }
  return true;
}());

// The preset of a command-line name ("steel", "cast-iron" ...); nullopt for
// any other text, "custom" included (it has no values of its own).
std::optional<MaterialId> materialByName(std::string_view name);

// The values of a preset; Custom must not be passed.
const MaterialProperties& materialProperties(MaterialId id);

// The command-line name of a material: the preset's, or "custom".
std::string_view materialName(MaterialId id);

}  // namespace kalmo
