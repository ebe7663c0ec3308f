#include "present/fit_view.h"

#include <gtest/gtest.h>

#include "lang/fit_texts.h"
#include "lang/lang_table.h"

namespace kalmo {
namespace {

FitInputs inputs(double sizeMm, const char* hole, const char* shaft) {
  FitInputs in;
  in.sizeMm = sizeMm;
  in.sizeText = "typed";
  if (*hole != '\0') in.hole = parseToleranceClass(hole, Side::Hole).value;
  if (*shaft != '\0') in.shaft = parseToleranceClass(shaft, Side::Shaft).value;
  return in;
}

TEST(FitView, DecidesPerPartWhatIsShown) {
  struct Case {
    double sizeMm;
    const char* hole;
    const char* shaft;
    bool holeComplete, holeShown, shaftShown;
    FitKind kind;
  };
  const Case cases[] = {
      {10, "H7", "g6", true, true, true, FitKind::Clearance},
      {24, "T7", "h6", false, false, true, FitKind::Undefined},  // T7 starts above 24 mm
      {24.001, "T7", "h6", true, true, true, FitKind::Interference},
      {10, "", "g6", false, false, true, FitKind::Undefined},        // no hole class
      {4000, "H1", "h6", true, false, true, FitKind::Undefined},     // IT1 has no value at 4000 mm
      {0.0005, "H7", "g6", true, false, false, FitKind::Clearance},  // below the nominal range
      {10001, "H7", "g6", true, false, false, FitKind::Clearance},   // above the nominal range
      {0, "H7", "g6", false, false, false, FitKind::Undefined},      // not evaluated
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.hole << "/" << c.shaft << " at " << c.sizeMm);
    const FitView view = presentFit(inputs(c.sizeMm, c.hole, c.shaft));
    EXPECT_EQ(view.hole.complete, c.holeComplete);
    EXPECT_EQ(view.hole.shown, c.holeShown);
    EXPECT_EQ(view.shaft.shown, c.shaftShown);
    EXPECT_EQ(view.fitShown, c.holeShown && c.shaftShown);
    EXPECT_EQ(view.fit.kind, c.kind);
    EXPECT_EQ(view.hole.classText, c.hole);
  }
}

TEST(FitView, CarriesResultsAndTheTypedDesignation) {
  const FitView view = presentFit(inputs(30, "H8", "s6"));
  EXPECT_DOUBLE_EQ(view.hole.result.upperMm(), 0.033);
  EXPECT_DOUBLE_EQ(view.shaft.result.upperMm(), 0.048);
  EXPECT_EQ(view.designation(), "typed H8/s6");
  // Texts come from the language when shown.
  const LangTable lang = LoadLanguage(kLanguageEnglish);
  EXPECT_EQ(GetLangString(lang, fitKindText(view.fit.kind)), "Interference fit");
  EXPECT_EQ(GetLangString(lang, fitValue1Caption(view.fit.kind)), "Max. interference");
  EXPECT_EQ(GetLangString(lang, fitValue2Caption(view.fit.kind)), "Min. interference");
  EXPECT_EQ(GetLangString(lang, fitKindText(FitKind::Undefined)), "");
  EXPECT_EQ(GetLangString(lang, fitValue1Caption(FitKind::Undefined)), "Max.");
}

}  // namespace
}  // namespace kalmo
