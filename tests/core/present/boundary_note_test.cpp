#include "present/boundary_note.h"

#include <gtest/gtest.h>

namespace kalmo {
namespace {

TEST(BoundaryNote, SaysWhatTheClassesGiveAcrossANearbyBound) {
  struct Case {
    double sizeMm;
    const char* hole;
    const char* shaft;
    bool inch;
    LanguageCode lang;
    const char* separator;
    const char* note;
  };
  const Case cases[] = {
      {120, "H7", "s6", false, kLanguageEnglish, ".",
       "120 mm is the top of a size range: above it H7/s6 gives 0.052 / 0.117 mm interference"},
      {120.5, "H7", "s6", false, kLanguageEnglish, ".",
       "120 mm is the top of the size range below: at 120 mm H7/s6 gives 0.044 / 0.101 mm "
       "interference"},
      {120, "H7", "s6", true, kLanguageEnglish, ".",
       "4.72441 in is the top of a size range: above it H7/s6 gives 0.00205 / 0.00461 in "
       "interference"},
      {30, "H7", "g6", false, kLanguageGerman, ",",
       "30 mm ist die Obergrenze eines Nennmassbereichs: darüber ergibt H7/g6 0,009 / 0,05 mm "
       "Spiel"},
      {50, "H7", "k6", false, kLanguageEnglish, ".",
       "50 mm is the top of a size range: above it H7/k6 gives 0.028 mm clearance / 0.021 mm "
       "interference"},
      {10, "H7", "", false, kLanguageEnglish, ".",
       "10 mm is the top of a size range: above it H7 gives limit deviations +0.018 / 0 mm"},
      {60, "H7", "s6", false, kLanguageEnglish, ".", ""},     // no bound within 1 %
      {10000, "H7", "g6", false, kLanguageEnglish, ".", ""},  // the end of the tables
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.hole << "/" << c.shaft << " at " << c.sizeMm);
    FitInputs in;
    in.sizeMm = c.sizeMm;
    in.inch = c.inch;
    if (*c.hole != '\0') in.hole = parseToleranceClass(c.hole, Side::Hole).value;
    if (*c.shaft != '\0') in.shaft = parseToleranceClass(c.shaft, Side::Shaft).value;
    EXPECT_EQ(boundaryNote(LoadLanguage(c.lang), presentFit(in), c.separator), c.note);
  }
}

}  // namespace
}  // namespace kalmo
