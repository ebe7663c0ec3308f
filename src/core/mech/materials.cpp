#include "mech/materials.h"

#include <cassert>

namespace kalmo {

std::optional<MaterialId> materialByName(std::string_view name) {
  for (const MaterialPreset& preset : kMaterialPresets) {
    if (preset.name == name) return preset.id;
  }
  return std::nullopt;
}

const MaterialProperties& materialProperties(MaterialId id) {
  assert(id != MaterialId::Custom);
  return kMaterialPresets[static_cast<std::size_t>(id)].properties;
}

std::string_view materialName(MaterialId id) {
  if (id == MaterialId::Custom) return "custom";
  return kMaterialPresets[static_cast<std::size_t>(id)].name;
}

}  // namespace kalmo
