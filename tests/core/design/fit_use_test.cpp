#include "design/fit_use.h"

#include <gtest/gtest.h>

#include "design/designation_literal.h"
#include "design/fit_catalogue.h"
#include "lang/lang_table.h"

namespace kalmo {
namespace {

TEST(FitUse, EveryCatalogueFitHasAUseInEachLanguage) {
  const LangTable tables[] = {LoadLanguage(kLanguageBulgarian), LoadLanguage(kLanguageGerman),
                              LoadLanguage(kLanguageEnglish)};
  for (const FitCatalogue* catalogue : {&lbSgl_all, &lbSgl_all2}) {
    for (const CatalogueEntry& entry : catalogue->entries) {
      if (!entry.isFit()) continue;
      SCOPED_TRACE(entry.designation);
      const std::optional<int> id = fitUseTextId(entry.classes);
      ASSERT_TRUE(id);
      for (const LangTable& table : tables) EXPECT_FALSE(GetLangString(table, *id).empty());
    }
  }
}

TEST(FitUse, FollowsTheCharacterOfThePreferredFits) {
  using detail::fitLiteral;
  const struct {
    FitClasses fit;
    std::optional<int> id;
  } cases[] = {
      {fitLiteral("H11/c11"), 310},
      {fitLiteral("C11/h11"), 310},
      {fitLiteral("H9/d9"), 311},
      {fitLiteral("H8/f7"), 313},
      {fitLiteral("H7/g6"), 314},
      {fitLiteral("G7/h6"), 314},
      {fitLiteral("H7/h6"), 315},
      {fitLiteral("H11/h11"), 316},
      {fitLiteral("H7/k6"), 318},
      {fitLiteral("H7/n6"), 320},
      {fitLiteral("H7/p6"), 321},
      {fitLiteral("H7/s6"), 323},
      {fitLiteral("H7/u6"), 324},
      {fitLiteral("H8/x8"), 325},
      {fitLiteral("JS7/h6"), 317},
      {fitLiteral("H7/a5"), std::nullopt},  // not a standard fit
      {fitLiteral("G6/g5"), std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(FitDesignation(c.fit));
    EXPECT_EQ(fitUseTextId(c.fit), c.id);
  }
  EXPECT_EQ(GetLangString(LoadLanguage(kLanguageEnglish), 314).rfind("Sliding fit", 0), 0u);
}

}  // namespace
}  // namespace kalmo
