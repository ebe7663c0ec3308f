#include "design/fit_catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace kalmo {
namespace {

constexpr FitBasis kBases[] = {FitBasis::Hole, FitBasis::Shaft};
constexpr FitType kTypes[] = {FitType::Clearance, FitType::Transition, FitType::Interference};

std::vector<std::string> designations(std::span<const CatalogueEntry> entries) {
  std::vector<std::string> out;
  for (const CatalogueEntry& e : entries) out.emplace_back(e.designation);
  return out;
}

TEST(FitCatalogue, SectionSizesAndPositions) {
  struct Case {
    const FitCatalogue* list;
    std::size_t size;
    std::size_t counts[6];
    std::size_t separator;
    long preferred;  // D10/h9 is not preferred above 500 mm
  };
  const Case cases[] = {{&fitsUpTo500, 159, {49, 19, 20, 44, 17, 9}, 88, 32},
                        {&fitsAbove500, 135, {42, 19, 14, 37, 14, 7}, 75, 28}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.size);
    ASSERT_EQ(c.list->entries.size(), c.size);
    std::size_t k = 0;
    for (FitBasis basis : kBases) {
      for (FitType type : kTypes) {
        EXPECT_EQ(c.list->section(basis, type).size(), c.counts[k++]);
      }
    }
    EXPECT_EQ(c.list->entries[c.separator].designation, "");
    EXPECT_EQ(std::count_if(c.list->entries.begin(), c.list->entries.end(),
                            [](const CatalogueEntry& e) { return e.preferred; }),
              c.preferred);
    EXPECT_EQ(c.list->section(FitBasis::Shaft, FitType::Clearance).data(),
              c.list->entries.data() + c.separator + 1);
  }
  EXPECT_EQ(fitsAbove500.entries[134].designation, " ");
  EXPECT_EQ(&fitCatalogueFor(500), &fitsUpTo500);
  EXPECT_EQ(&fitCatalogueFor(500.001), &fitsAbove500);
}

// Above 500 mm each section is the same section up to 500 mm in the same
// order with some fits left out; an entry typed twice or swapped breaks this.
TEST(FitCatalogue, ReducedListKeepsTheOrderOfTheFullList) {
  struct Case {
    FitBasis basis;
    FitType type;
    std::vector<std::string> leftOut;
  };
  const Case cases[] = {
      {FitBasis::Hole,
       FitType::Clearance,
       {"H7/c8", "H8/c8", "H9/c9", "H11/a11", "H11/b11", "H11/c11", "H12/b12"}},
      {FitBasis::Hole, FitType::Transition, {}},
      {FitBasis::Hole,
       FitType::Interference,
       {"H6/t5", "H7/t6", "H7/x6", "H8/t7", "H8/x8", "H8/z8"}},
      {FitBasis::Shaft,
       FitType::Clearance,
       {"G6/h5", "B11/h9", "C10/h9", "A11/h11", "B11/h11", "C11/h11", "B12/h12"}},
      {FitBasis::Shaft, FitType::Transition, {"J6/h5", "J7/h6", "J8/h7"}},
      {FitBasis::Shaft, FitType::Interference, {"T7/h6", "X7/h6"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << static_cast<int>(c.basis) << "/" << static_cast<int>(c.type));
    std::vector<std::string> expected = designations(fitsUpTo500.section(c.basis, c.type));
    std::erase_if(expected, [&](const std::string& d) {
      return std::find(c.leftOut.begin(), c.leftOut.end(), d) != c.leftOut.end();
    });
    EXPECT_EQ(designations(fitsAbove500.section(c.basis, c.type)), expected);
  }
}

TEST(FitCatalogue, StandardAndPreferredQueries) {
  using enum DesignSystem;
  constexpr FitType C = FitType::Clearance, T = FitType::Transition, I = FitType::Interference;
  struct Case {
    const char* designation;
    DesignSystem system;
    FitType type;
    double size;
    bool standard;
    bool preferred;
  };
  const Case cases[] = {
      {"H7/g6", HoleBasis, C, 10, true, true},       {"H7/g6", ShaftBasis, C, 10, false, false},
      {"H7/g6", HoleTolerance, C, 10, true, true},   {"H7/g6", HoleBasis, T, 10, false, false},
      {"G7/h6", AllCombinations, C, 10, true, true}, {"G7/h6", AllCombinations, I, 10, true, true},
      {"G7/h6", ShaftTolerance, C, 10, true, true},  {"H8/h9", HoleBasis, C, 10, true, false},
      {"H8/h9", ShaftBasis, C, 10, true, true},      {"H8/h9", AllCombinations, C, 10, true, true},
      {"D10/h9", ShaftBasis, C, 400, true, true},    {"D10/h9", ShaftBasis, C, 600, true, false},
      {"H7/c8", HoleBasis, C, 500, true, false},     {"H7/c8", HoleBasis, C, 500.001, false, false},
      {"F8/h7", HoleTolerance, C, 10, false, false}, {"P7/h6", ShaftBasis, I, 600, true, true},
      {"U7/h6", ShaftBasis, I, 600, true, false},    {"T7/h6", ShaftBasis, I, 600, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.designation << " " << static_cast<int>(c.system) << " "
                                    << static_cast<int>(c.type) << " at " << c.size);
    const FitParse parsed = parseFitDesignation(c.designation);
    ASSERT_TRUE(parsed.value);
    const CatalogueQuery query(c.system, c.type, c.size);
    EXPECT_EQ(IsStandardFit(*parsed.value, c.system, c.type, c.size), c.standard);
    EXPECT_EQ(query.isStandard(*parsed.value), c.standard);
    EXPECT_EQ(query.isPreferred(*parsed.value), c.preferred);
  }
  // A value outside either enum consults nothing.
  const FitClasses h7g6 = *parseFitDesignation("H7/g6").value;
  EXPECT_FALSE(IsStandardFit(h7g6, static_cast<DesignSystem>(5), C, 10));
  EXPECT_FALSE(IsStandardFit(h7g6, AllCombinations, static_cast<FitType>(3), 10));
}

// Every entry holds the classes its text names, and the range captured once
// answers as the single question, for every catalogue fit and some others,
// in every system, type and band.
TEST(FitCatalogue, EntriesHoldTheirClassesAndQueriesAgree) {
  for (const FitCatalogue* list : {&fitsUpTo500, &fitsAbove500}) {
    for (const CatalogueEntry& e : list->entries) {
      if (!e.isFit()) continue;
      SCOPED_TRACE(e.designation);
      const FitParse parsed = parseFitDesignation(e.designation);
      ASSERT_TRUE(parsed.value);
      EXPECT_EQ(*parsed.value, e.classes);
    }
  }
  std::vector<std::string> fits = designations(fitsUpTo500.entries);
  fits.insert(fits.end(), {"H0/h1", "ZC11/zc11", "A9/a9", "JS7/js6", "F8/g7"});
  for (double size : {30.0, 600.0}) {
    for (int system = 0; system <= 4; ++system) {
      for (const FitType type : kTypes) {
        const DesignSystem s = static_cast<DesignSystem>(system);
        const CatalogueQuery query(s, type, size);
        for (const std::string& d : fits) {
          const FitParse parsed = parseFitDesignation(d);
          if (!parsed.value) continue;  // the separator
          SCOPED_TRACE(testing::Message()
                       << d << " " << system << " " << static_cast<int>(type) << " at " << size);
          EXPECT_EQ(query.isStandard(*parsed.value), IsStandardFit(*parsed.value, s, type, size));
        }
      }
    }
  }
}

}  // namespace
}  // namespace kalmo
