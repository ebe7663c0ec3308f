#include "format/units.h"

#include <gtest/gtest.h>

namespace kalmo {
namespace {

TEST(Units, LengthTextFollowsTheUnit) {
  const struct {
    double mm;
    bool inch;
    const char* expected;
  } cases[] = {
      {0.015, false, "0.0150"},
      {0.015, true, "0.00059"},
      {-0.005, false, "-0.0050"},
      {-0.032, true, "-0.00126"},
      {10.015, true, "0.39429"},
      {25.4, true, "1.00000"},
      {-0.00001, true, "0.00000"},
      // Halves round away from zero on the exact decimal, whatever side of it
      // the nearest double lies on (0.00035 lies below, 0.039375 in exactly).
      {0.00035, false, "0.0004"},
      {-0.00035, false, "-0.0004"},
      {1.000127, true, "0.03938"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.mm << (c.inch ? " in" : " mm"));
    EXPECT_EQ(lengthText(c.mm, c.inch), c.expected);
  }
  EXPECT_EQ(lengthText(0.015, false, ","), "0,0150");
}

// The inspection and press-fit windows convert a typed length on each unit
// switch; with the Input decimals a length typed in inches comes back as typed
// after a switch to mm and back, however often the user switches.
TEST(LengthDecimals, InputTypedInInchesSurvivesSwitchesToMmAndBack) {
  const int toMm = lengthDecimals(LengthUnit::Millimetre, LengthUse::Input);
  const int toInch = lengthDecimals(LengthUnit::Inch, LengthUse::Input);
  for (const double typed : {0.000001, 0.000049, 0.123457, 1.969291, 9.999999, 393.700787}) {
    SCOPED_TRACE(testing::Message() << typed << " in");
    double inch = typed;
    for (int i = 0; i < 3; ++i) inch = roundTo(mmToInch(roundTo(inchToMm(inch), toMm)), toInch);
    EXPECT_EQ(inch, typed);
  }
}

TEST(Units, DiagramValuesAreMicrometresOrThousandthsOfAnInch) {
  EXPECT_EQ(diagramValue(0.015, false), 15);
  EXPECT_EQ(diagramValue(-0.0105, false), -10.5);
  EXPECT_EQ(diagramValue(0.015, true), 0.59);
  EXPECT_EQ(diagramValue(-0.048, true), -1.89);
  EXPECT_EQ(diagramUnitTag(false), " [\xC2\xB5m]");
  EXPECT_EQ(diagramUnitTag(true), " [milli in]");
}

TEST(Units, UnitNoteFollowsLanguageAndUnit) {
  const struct {
    LanguageCode language;
    bool inch;
    const char* expected;
  } cases[] = {
      {kLanguageEnglish, false, "Values and tolerances in [mm]."},
      {kLanguageEnglish, true, "Values and tolerances in [in]."},
      {kLanguageGerman, true, "Masse und Toleranzen in [in]."},
      {kLanguageBulgarian, false, "Всички размери и допуски в [mm]."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.expected);
    EXPECT_EQ(unitNote(LoadLanguage(c.language), c.inch), c.expected);
  }
}

// The size field shows inches with 5 decimals and millimetres with 4; a size
// switched back and forth settles after one round.
TEST(Units, SizeFieldRoundTripsSettle) {
  EXPECT_EQ(formatPlain(roundTo(mmToInch(10), 5)), "0.3937");
  EXPECT_EQ(formatPlain(roundTo(inchToMm(1), 4)), "25.4");

  const double typedInch = 0.12345;
  const double storedMm = inchToMm(typedInch);
  EXPECT_EQ(formatPlain(storedMm), "3.13563");
  const double shownMm = roundTo(storedMm, 4);
  EXPECT_EQ(formatPlain(shownMm), "3.1356");
  EXPECT_EQ(formatPlain(roundTo(mmToInch(shownMm), 5)), "0.12345");
  EXPECT_EQ(roundTo(inchToMm(roundTo(mmToInch(shownMm), 5)), 4), shownMm);
}

TEST(NominalFieldValueForPick, ShowsThePickInTheFieldsUnitWithinItsLimits) {
  struct Case {
    double mm;
    bool inchMode;
    double field;
  };
  const Case cases[] = {
      {3150, false, 3150},   {3150, true, 124.01575},  {25, true, 0.98425},
      {0.01, false, 0.01},   {0.01, true, 0.00039},    {0.0254, true, 0.001},
      {10000, false, 10000}, {10000, true, 393.70078}, {1, true, 0.03937},
      {3, false, 3},         {20000, false, 10000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.mm << (c.inchMode ? " in" : " mm"));
    EXPECT_EQ(nominalFieldValueForPick(c.mm, c.inchMode), c.field);
  }
}

}  // namespace
}  // namespace kalmo
