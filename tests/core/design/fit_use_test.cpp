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
  for (const FitCatalogue* catalogue : {&fitsUpTo500, &fitsAbove500}) {
    for (const CatalogueEntry& entry : catalogue->entries) {
      if (!entry.isFit()) continue;
      SCOPED_TRACE(entry.designation);
      const std::optional<TextId> id = fitUseTextId(entry.classes);
      ASSERT_TRUE(id);
      for (const LangTable& table : tables) EXPECT_FALSE(GetLangString(table, *id).empty());
    }
  }
}

TEST(FitUse, FollowsTheCharacterOfThePreferredFits) {
  using detail::fitLiteral;
  const struct {
    FitClasses fit;
    std::optional<TextId> id;
  } cases[] = {
      {fitLiteral("H11/c11"), TextId::UseLooseRunning},
      {fitLiteral("C11/h11"), TextId::UseLooseRunning},
      {fitLiteral("H9/d9"), TextId::UseFreeRunning},
      {fitLiteral("H8/f7"), TextId::UseCloseRunning},
      {fitLiteral("H7/g6"), TextId::UseSliding},
      {fitLiteral("G7/h6"), TextId::UseSliding},
      {fitLiteral("H7/h6"), TextId::UseLocationalClearance},
      {fitLiteral("H9/h9"), TextId::UseLocationalClearance},  // the hole's grade decides
      {fitLiteral("H10/h9"), TextId::UseSimpleClearance},
      {fitLiteral("H11/h11"), TextId::UseSimpleClearance},
      {fitLiteral("H7/k6"), TextId::UseLocationalTransitionK},
      {fitLiteral("H7/n6"), TextId::UseLocationalTransitionN},
      {fitLiteral("H7/p6"), TextId::UseLocationalInterference},
      {fitLiteral("H7/s6"), TextId::UseMediumDrive},
      {fitLiteral("H7/u6"), TextId::UseForce},
      {fitLiteral("H8/x8"), TextId::UseHeavyShrink},
      {fitLiteral("JS7/h6"), TextId::UseLocationalTransition},
      {fitLiteral("H7/a5"), std::nullopt},  // not a standard fit
      {fitLiteral("G6/g5"), std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(FitDesignation(c.fit));
    EXPECT_EQ(fitUseTextId(c.fit), c.id);
  }
  EXPECT_EQ(
      GetLangString(LoadLanguage(kLanguageEnglish), TextId::UseSliding).rfind("Sliding fit", 0),
      0u);
}

// The lookup built once answers as the list scans do, for catalogue fits
// and for fits outside it (every letter, grades 5 to 11, each way round).
TEST(FitUse, LookupBuiltOnceAnswersAsTheScans) {
  const FitUses uses;
  int standard = 0;
  for (int h = 0; h < kLetterCount; ++h) {
    for (int s = 0; s < kLetterCount; ++s) {
      for (int g = 5; g <= 11; ++g) {
        const FitClasses fit{{h, Grade::it(g)}, {s, Grade::it(g == 5 ? 5 : g - 1)}};
        SCOPED_TRACE(FitDesignation(fit));
        EXPECT_EQ(uses.textId(fit), fitUseTextId(fit));
        standard += fitUseTextId(fit).has_value();
      }
    }
  }
  EXPECT_GT(standard, 20);
}

}  // namespace
}  // namespace kalmo
