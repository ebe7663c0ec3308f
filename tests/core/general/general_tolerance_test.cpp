#include "general/general_tolerance.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace kalmo {
namespace {

GeneralDesignation designation(const char* text) {
  return *readGeneralDesignation(text).value;
}

// Just above a bound: a typed size that a double cannot tell from the bound.
std::string above(const std::string& bound) {
  return bound + ".000000000000000001";
}

struct Case {
  std::string size;
  bool inch;
  const char* classes;
  GeneralKind kind;
  GeneralGap gap;
  std::optional<double> toleranceMm;
  std::optional<int> arcMinutes;
};

constexpr auto kNone = GeneralGap::None;

Case mm(std::string size, const char* classes, GeneralKind kind, double tol) {
  return {std::move(size), false, classes, kind, kNone, tol, std::nullopt};
}
Case angle(std::string size, const char* classes, int minutes) {
  return {std::move(size), false, classes, GeneralKind::Angle, kNone, std::nullopt, minutes};
}
Case gap(std::string size, const char* classes, GeneralKind kind, GeneralGap g) {
  return {std::move(size), false, classes, kind, g, std::nullopt, std::nullopt};
}

TEST(GeneralTolerance, PlacesEverySizeByOverUpToAndIncluding) {
  using K = GeneralKind;
  const Case cases[] = {
      // Table 1, class c (every range differs): from 0.5 inclusive, then over/up to.
      gap("0.499999999999999999", "c", K::Linear, GeneralGap::BelowTable),
      mm("0.5", "c", K::Linear, 0.2),
      mm("3", "c", K::Linear, 0.2),
      mm(above("3"), "c", K::Linear, 0.3),
      mm("6", "c", K::Linear, 0.3),
      mm(above("6"), "c", K::Linear, 0.5),
      mm("30", "c", K::Linear, 0.5),
      mm(above("30"), "c", K::Linear, 0.8),
      mm("120", "c", K::Linear, 0.8),
      mm(above("120"), "c", K::Linear, 1.2),
      mm("400", "c", K::Linear, 1.2),
      mm(above("400"), "c", K::Linear, 2),
      mm("1000", "c", K::Linear, 2),
      mm(above("1000"), "c", K::Linear, 3),
      mm("2000", "c", K::Linear, 3),
      mm(above("2000"), "c", K::Linear, 4),
      mm("4000", "c", K::Linear, 4),
      gap(above("4000"), "c", K::Linear, GeneralGap::AboveTable),
      // The empty cells: v from 0.5 up to 3 mm, f over 2000 mm.
      gap("0.5", "v", K::Linear, GeneralGap::EmptyCell),
      gap("3", "v", K::Linear, GeneralGap::EmptyCell),
      mm(above("3"), "v", K::Linear, 0.5),
      mm("2000", "f", K::Linear, 0.5),
      gap(above("2000"), "f", K::Linear, GeneralGap::EmptyCell),
      gap("4000", "f", K::Linear, GeneralGap::EmptyCell),
      // Table 2, class c: the last range is open.
      gap("0.499999999999999999", "c", K::Edge, GeneralGap::BelowTable),
      mm("0.5", "c", K::Edge, 0.4),
      mm("3", "c", K::Edge, 0.4),
      mm(above("3"), "c", K::Edge, 1),
      mm("6", "c", K::Edge, 1),
      mm(above("6"), "c", K::Edge, 2),
      mm("9000", "c", K::Edge, 2),
      // Table 3 by the shorter leg, class m: up to 10 mm, then over/up to; the last is open.
      angle("0.3", "m", 60),
      angle("10", "m", 60),
      angle(above("10"), "m", 30),
      angle("50", "m", 30),
      angle(above("50"), "m", 20),
      angle("120", "m", 20),
      angle(above("120"), "m", 10),
      angle("400", "m", 10),
      angle(above("400"), "m", 5),
      angle("40", "c", 60),
      angle("40", "v", 120),
      // ISO 2768-2 straightness and flatness, class K, up to 3000 mm.
      mm("0.3", "K", K::StraightnessFlatness, 0.05),
      mm("10", "K", K::StraightnessFlatness, 0.05),
      mm(above("10"), "K", K::StraightnessFlatness, 0.1),
      mm("30", "K", K::StraightnessFlatness, 0.1),
      mm(above("30"), "K", K::StraightnessFlatness, 0.2),
      mm("100", "K", K::StraightnessFlatness, 0.2),
      mm(above("100"), "K", K::StraightnessFlatness, 0.4),
      mm("300", "K", K::StraightnessFlatness, 0.4),
      mm(above("300"), "K", K::StraightnessFlatness, 0.6),
      mm("1000", "K", K::StraightnessFlatness, 0.6),
      mm(above("1000"), "K", K::StraightnessFlatness, 0.8),
      mm("3000", "K", K::StraightnessFlatness, 0.8),
      gap(above("3000"), "K", K::StraightnessFlatness, GeneralGap::AboveTable),
      mm("125", "mH", K::StraightnessFlatness, 0.2),
      mm("125", "mL", K::StraightnessFlatness, 0.8),
      // Not confirmed, and kinds the designation has no class for.
      gap("50", "mK", K::Perpendicularity, GeneralGap::NotConfirmed),
      gap("50", "mK", K::Symmetry, GeneralGap::NotConfirmed),
      gap("50", "mK", K::Runout, GeneralGap::NotConfirmed),
      gap("50", "m", K::StraightnessFlatness, GeneralGap::NoClass),
      gap("50", "K", K::Linear, GeneralGap::NoClass),
      gap("50", "K", K::Angle, GeneralGap::NoClass),
      // Inches: 3 mm is 0.118110236220472440944... in; the two inputs below lie a
      // hair under and over it, which a double product of 25.4 cannot tell apart.
      {"0.11811023622047244", true, "c", K::Linear, kNone, 0.2, std::nullopt},
      {"0.11811023622047245", true, "c", K::Linear, kNone, 0.3, std::nullopt},
      {"5", true, "m", K::Linear, kNone, 0.5, std::nullopt},  // 127 mm
      {"0.0196", true, "m", K::Linear, GeneralGap::BelowTable, std::nullopt, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.size + (c.inch ? " in " : " mm ") + c.classes);
    const GeneralAnswer answer =
        evaluateGeneral(*readTypedLength(c.size, c.inch), designation(c.classes));
    const GeneralValue& v = answer[c.kind];
    EXPECT_EQ(v.kind, c.kind);
    EXPECT_EQ(v.gap, c.gap);
    if (c.gap == kNone) {
      ASSERT_TRUE(v.cell && v.row);
      EXPECT_EQ(v.cell->toleranceMm, c.toleranceMm);
      EXPECT_EQ(v.cell->arcMinutes, c.arcMinutes);
      EXPECT_EQ(generalTable(c.kind, answer.designation)[*v.row], *v.cell);
    }
  }
}

TEST(GeneralTolerance, WholeTablesHoldEveryRangeOfTheClass) {
  const struct {
    GeneralKind kind;
    const char* classes;
    std::size_t rows;
  } cases[] = {
      {GeneralKind::Linear, "m", 8},
      {GeneralKind::Edge, "m", 3},
      {GeneralKind::Angle, "m", 5},
      {GeneralKind::StraightnessFlatness, "K", 6},
      {GeneralKind::StraightnessFlatness, "m", 0},
      {GeneralKind::Perpendicularity, "mK", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.classes);
    const std::vector<GeneralCell> table = generalTable(c.kind, designation(c.classes));
    ASSERT_EQ(table.size(), c.rows);
    for (std::size_t i = 0; i < table.size(); ++i) {
      // Only the first range of Tables 1 and 2 holds its lower bound (0.5 mm).
      EXPECT_EQ(table[i].fromInclusive, i == 0 && table[i].band.overUm == 500);
    }
  }
}

TEST(TypedLength, ReadsDecimalsExactlyAndRefusesOtherText) {
  const struct {
    const char* text;
    std::optional<std::string> shown;  // typedLengthText, nullopt when refused
  } cases[] = {
      {"125", "125"},
      {" 0.30 ", "0.3"},
      {"+3", "3"},
      {"3.", "3"},
      {".5", "0.5"},
      {"1.25e2", "125"},
      {"5E-1", "0.5"},
      {"007.50", "7.5"},
      {"0", "0"},
      {"", std::nullopt},
      {"-3", std::nullopt},
      {"3,5", std::nullopt},
      {"1e", std::nullopt},
      {"3..1", std::nullopt},
      {"abc", std::nullopt},
      {"3 mm", std::nullopt},
      {"1e999", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const std::optional<TypedLength> read = readTypedLength(c.text, false);
    ASSERT_EQ(read.has_value(), c.shown.has_value());
    if (read) {
      EXPECT_EQ(typedLengthText(*read), *c.shown);
    }
  }
  EXPECT_DOUBLE_EQ(typedLengthMm(*readTypedLength("5", true)), 127);
}

}  // namespace
}  // namespace kalmo
