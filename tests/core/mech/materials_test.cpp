#include "mech/materials.h"

#include <gtest/gtest.h>

namespace kalmo {
namespace {

TEST(Materials, EveryPresetIsFoundByItsNameAndOnlyThen) {
  for (const MaterialPreset& preset : kMaterialPresets) {
    SCOPED_TRACE(preset.name);
    EXPECT_EQ(materialByName(preset.name), preset.id);
    EXPECT_EQ(materialName(preset.id), preset.name);
    EXPECT_EQ(materialProperties(preset.id), preset.properties);
  }
  for (const char* other : {"custom", "Steel", "", "cast iron", "aluminum"}) {
    SCOPED_TRACE(other);
    EXPECT_FALSE(materialByName(other));
  }
  EXPECT_EQ(materialName(MaterialId::Custom), "custom");
}

}  // namespace
}  // namespace kalmo
