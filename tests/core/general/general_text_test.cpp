#include "general/general_text.h"

#include <gtest/gtest.h>

namespace kalmo {
namespace {

GeneralAnswer answerFor(const char* size, const char* classes, bool inch = false) {
  return evaluateGeneral(*readTypedLength(size, inch), *readGeneralDesignation(classes).value);
}

TEST(GeneralText, TitleBlockExampleReadsAsTheStandardWritesIt) {
  const LangTable en = LoadLanguage(kLanguageEnglish);
  EXPECT_EQ(generalAnswerText(en, answerFor("125", "ISO 2768-mK"), {}),
            "ISO 2768-mK at 125 mm\n"
            "Linear dimension (over 120 up to 400 mm): \u00B10.5 mm\n"
            "Broken edge (external radius, chamfer height) (over 6 mm): \u00B11 mm\n"
            "Angle, by its shorter leg (over 120 up to 400 mm): \u00B10\u00B010'\n"
            "Straightness and flatness (over 100 up to 300 mm): 0.4 mm\n"
            "Perpendicularity: Not available: no two public sources agree on the values of "
            "ISO 2768-2:1989.\n"
            "Symmetry: Not available: no two public sources agree on the values of ISO "
            "2768-2:1989.\n"
            "Circular run-out: Not available: no two public sources agree on the values of ISO "
            "2768-2:1989.\n"
            "ISO 2768-1:1989; ISO 2768-2:1989, replaced by ISO 22081:2021\n");
}

TEST(GeneralText, RangesValuesAndReasons) {
  const LangTable en = LoadLanguage(kLanguageEnglish);
  const struct {
    const char* size;
    const char* classes;
    bool inch;
    GeneralKind kind;
    const char* range;
    const char* value;
    const char* reason;
  } cases[] = {
      {"2", "m", false, GeneralKind::Linear, "from 0.5 up to 3 mm", "\u00B10.1 mm", ""},
      {"5", "m", true, GeneralKind::Linear, "over 120 up to 400 mm", "\u00B10.01969 in", ""},
      {"8", "m", false, GeneralKind::Angle, "up to 10 mm", "\u00B11\u00B0", ""},
      {"8", "c", false, GeneralKind::Angle, "up to 10 mm", "\u00B11\u00B030'", ""},
      {"0.3", "m", false, GeneralKind::Linear, "", "",
       "No general tolerance applies below 0.5 mm: give the tolerance next to the dimension."},
      {"2", "v", false, GeneralKind::Linear, "from 0.5 up to 3 mm", "",
       "Class v has no value in this range."},
      {"5000", "m", false, GeneralKind::Linear, "", "",
       "No general tolerance applies above 4000 mm: the table ends there."},
      {"50", "m", false, GeneralKind::Symmetry, "", "",
       "The designation has no geometrical class (H, K, L)."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.size);
    const std::vector<GeneralLine> lines =
        generalLines(en, answerFor(c.size, c.classes, c.inch), {c.inch, "."});
    const GeneralLine& line = lines[static_cast<std::size_t>(c.kind)];
    EXPECT_EQ(line.range, c.range);
    EXPECT_EQ(line.value, c.value);
    EXPECT_EQ(line.reason, c.reason);
  }
}

TEST(GeneralText, NoteNamesEachReasonOnce) {
  const LangTable en = LoadLanguage(kLanguageEnglish);
  EXPECT_EQ(generalNote(en, answerFor("0.3", "m")),
            "Linear dimension, Broken edge (external radius, chamfer height): No general tolerance "
            "applies below 0.5 mm: give the tolerance next to the dimension. Straightness and "
            "flatness, Perpendicularity, Symmetry, Circular run-out: The designation has no "
            "geometrical class (H, K, L).");
}

TEST(GeneralText, ComparisonLineUnderTheGrid) {
  const LangTable en = LoadLanguage(kLanguageEnglish);
  const struct {
    const char* size;
    const char* classes;
    bool inch;
    std::vector<ClassWidth> widths;
    const char* line;
  } cases[] = {
      {"50",
       "m",
       false,
       {{"H7", 0.025}},
       "ISO 2768-m at 50 mm: \u00B10.3 mm \u2014 H7 is 0.025 mm"},
      {"50",
       "mK",
       false,
       {{"H7", 0.025}, {"g6", 0.016}},
       "ISO 2768-mK at 50 mm: \u00B10.3 mm \u2014 H7 is 0.025 mm, g6 is 0.016 mm"},
      {"2",
       "f",
       true,
       {{"H7", 0.01}},
       "ISO 2768-f at 2 in: \u00B10.00591 in \u2014 H7 is 0.00039 in"},
      {"50", "m", false, {}, "ISO 2768-m at 50 mm: \u00B10.3 mm"},
      {"0.3",
       "m",
       false,
       {{"H7", 0.006}},
       "ISO 2768-m at 0.3 mm: No general tolerance applies below 0.5 mm: give the tolerance next "
       "to the dimension."},
      {"60",
       "K",
       false,
       {{"H7", 0.03}},
       "ISO 2768-K at 60 mm: The designation has no class for dimensions (f, m, c, v)."},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(
        generalComparisonLine(en, answerFor(c.size, c.classes, c.inch), c.widths, {.inch = c.inch}),
        c.line)
        << c.size << " " << c.classes;
  }
}

}  // namespace
}  // namespace kalmo
