#include "present/export_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "format/units.h"
#include "test_data.h"

namespace kalmo {
namespace {

struct ExportCase {
  const char* fit;
  double sizeMm;
  const char* nominalText;
  bool inch = false;
  LanguageCode language = kLanguageEnglish;
  const char* separator = ".";
};

FitView exportView(const ExportCase& c) {
  const FitParse fit = parseFitDesignation(c.fit);
  EXPECT_TRUE(fit.value) << c.fit;
  const FitClasses classes = fit.value.value_or(FitClasses{});
  FitInputs inputs;
  inputs.sizeMm = c.sizeMm;
  inputs.sizeText = c.nominalText;
  inputs.sizeShown = parseNumber(c.nominalText, c.separator);
  inputs.hole = classes.hole;
  inputs.shaft = classes.shaft;
  inputs.inch = c.inch;
  return presentFit(inputs);
}

std::string exportText(const ExportCase& c) {
  return BuildExportText(exportView(c), LoadLanguage(c.language), c.separator);
}

// The 22 lines without their CR LF; fails on a bare LF or a missing last CR LF.
std::vector<std::string> exportLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) {
      ADD_FAILURE() << "text does not end in CR LF";
      break;
    }
    lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(lines.back().find('\n'), std::string::npos) << lines.back();
    start = end + 2;
  }
  EXPECT_EQ(lines.size(), 22u);
  lines.resize(22);
  return lines;
}

TEST(ExportText, EnglishExampleByteForByte) {
  const std::string expected = test::testData("export_10_H7_g6.txt");
  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(exportText({"H7/g6", 10, "10"}), expected);
}

// Selected lines (1-based) of several results; every text must keep the
// 22-line layout.
TEST(ExportText, LinesOfTypicalResults) {
  const struct {
    ExportCase input;
    std::vector<std::pair<int, std::string>> lines;
  } cases[] = {
      {{"H7/s6", 10, "10"},  // interference: fit values keep their sign
       {{17, "Type of fit\tInterference fit"},
        {18, "Max. interference\t-0.0320"},
        {19, "Min. interference\t-0.0080"},
        {20, "Tolerance of the fit\t0.0240"}}},
      {{"K9/g6", 30, "30"},  // undefined hole: zeros, "N", no fit; the size as entered
       {{3, "30 K9\t\t30 g6"},
        {5, "Tolerance\t0.0000\tTolerance\t0.0130"},
        {8, "Upper deviation (ES)\t0.0000\tUpper deviation (es)\t-0.0070"},
        {9, "Lower deviation (EI)\t0.0000\tLower deviation (ei)\t-0.0200"},
        {12, "Upper limit of size\t0.0000\tUpper limit of size\t29.9930"},
        {13, "Lower limit of size\t0.0000\tLower limit of size\t29.9800"},
        {16, "Designation\tN"},
        {17, "Type of fit\t"},
        {18, "Max.\t0.0000"},
        {19, "Min.\t0.0000"},
        {20, "Tolerance of the fit\t0.0000"}}},
      {{"H1/f1", 4000, "4000"},  // no tolerance at this size: not shown, zeros
       {{3, "4000 H1\t\t4000 f1"},
        {9, "Lower deviation (EI)\t0.0000\tLower deviation (ei)\t0.0000"},
        {16, "Designation\tN"}}},
      {{"H7/g6", 0.0005, "0.0005"},  // below the nominal range: nothing shown
       {{3, "0.0005 H7\t\t0.0005 g6"},
        {5, "Tolerance\t0.0000\tTolerance\t0.0000"},
        {16, "Designation\tN"},
        {17, "Type of fit\t"},
        {18, "Max.\t0.0000"}}},
      {{"H7/g6", 10.5, "10.50"},  // the designation keeps the field's text as typed
       {{3, "10.5 H7\t\t10.5 g6"}, {16, "Designation\t10.50 H7/g6"}}},
      {{"H7/g6", 10, "10", false, kLanguageGerman},
       {{1, "Grundparameter: "},
        {2, " Bohrung\t\t Welle"},
        {8, " Oberes Abmass (ES)\t0.0150\t Oberes Abmass (es)\t-0.0050"},
        {15, " Passung"},
        {17, " Passungsart\t Spielpassung"},
        {18, " Max. Spiel\t0.0290"},
        {20, "Passtoleranz\t0.0240"},
        {22, "Masse und Toleranzen in [mm]."}}},
      {{"H7/g6", 10.5, "10,5", false, kLanguageEnglish, ","},
       {{3, "10,5 H7\t\t10,5 g6"}, {5, "Tolerance\t0,0180\tTolerance\t0,0110"}}},
      {{"H7/g6", 10, "0.3937", true},  // inch mode: the grid's numbers, signed
       {{3, "0.3937 H7\t\t0.3937 g6"},
        {5, "Tolerance\t0.00059\tTolerance\t0.00035"},
        {8, "Upper deviation (ES)\t0.00059\tUpper deviation (es)\t-0.00020"},
        {12, "Upper limit of size\t0.39429\tUpper limit of size\t0.39350"},
        {13, "Lower limit of size\t0.39370\tLower limit of size\t0.39315"},
        {16, "Designation\t0.3937 H7/g6"},
        {18, "Max. clearance\t0.00114"},
        {22, "Values and tolerances in [in]."}}},
      {{"H7/s6", 10, "0.3937", true}, {{18, "Max. interference\t-0.00126"}}},
      {{"H7/g6", 0.123456 * 25.4, "0.123456", true},  // every digit typed, not 5 decimals
       {{3, "0.123456 H7\t\t0.123456 g6"}, {16, "Designation\t0.123456 H7/g6"}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << c.input.fit << " at " << c.input.sizeMm << (c.input.inch ? " (inch)" : ""));
    const std::vector<std::string> lines = exportLines(exportText(c.input));
    for (const auto& [number, text] : c.lines) {
      EXPECT_EQ(lines[static_cast<std::size_t>(number - 1)], text) << "line " << number;
    }
  }
}

TEST(ExportText, PartWithoutClassIsInvalid) {
  FitInputs inputs = exportView({"H7/g6", 10, "10"}).inputs;
  inputs.shaft.reset();
  const std::vector<std::string> lines =
      exportLines(BuildExportText(presentFit(inputs), LoadLanguage(kLanguageEnglish)));
  EXPECT_EQ(lines[2], "10 H7\t\t0 ");
  EXPECT_EQ(lines[7], "Upper deviation (ES)\t0.0150\tUpper deviation (es)\t0.0000");
  EXPECT_EQ(lines[15], "Designation\tN");
}

}  // namespace
}  // namespace kalmo
