#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "tables/delta_table.h"
#include "tables/deviation_tables.h"
#include "tables/it_table.h"

namespace kalmo {
namespace {

TEST(SizeRow, BoundBelongsToTheRangeItCloses) {
  struct Case {
    double size;
    std::size_t row;
  };
  const Case cases[] = {{0.5, 0},     {3, 0},      {3.0001, 1},    {10, 2},
                        {10.0001, 3}, {500, 12},   {500.0001, 13}, {3150, 20},
                        {3150.5, 21}, {10000, 25}, {20000, 25},    {std::nan(""), 0},
                        {-1, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.size);
    EXPECT_EQ(SizeRow(kItBoundsMm, c.size), c.row);
  }
}

TEST(ItTable, TellingValues) {
  struct Case {
    int grade;
    double size;
    double um;
  };
  const Case cases[] = {
      {8, 3, 10},      {8, 3.0001, 12}, {9, 500, 97},      {9, 500.0001, 110}, {8, 10000, 600},
      {8, 12000, 600}, {0, 4000, 0},    {19, 3150.5, 0},   {0, 0.5, 0.3},      {19, 0.5, 1400},
      {0, 600, 4.5},   {1, 3000, 18},   {19, 3000, 33000}, {7, 3200, 165},     {17, 9000, 38000},
      {18, 9000, 0},   {6, 9000, 240},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "grade " << c.grade << " at " << c.size);
    EXPECT_EQ(ItValue(c.grade, c.size), c.um);
  }
}

TEST(ItTable, ToleranceGrowsWithGradeAndSize) {
  for (std::size_t r = 0; r < ItTable.size(); ++r) {
    SCOPED_TRACE(ItTable[r].upperBoundMm);
    double previous = 0;
    for (double it : ItTable[r].toleranceUm) {
      if (it == 0) continue;  // grade not defined in this range
      EXPECT_GT(it, previous);
      previous = it;
    }
    if (r > 0) {
      EXPECT_GT(ItTable[r].upperBoundMm, ItTable[r - 1].upperBoundMm);
      for (int g = 0; g < kGradeCount; ++g) {
        if (ItTable[r].toleranceUm[g] != 0) {
          EXPECT_GE(ItTable[r].toleranceUm[g], ItTable[r - 1].toleranceUm[g]);
        }
      }
    }
  }
}

TEST(DeltaTable, TellingValues) {
  EXPECT_EQ(DeltaValue(8, 30), 8);
  EXPECT_EQ(DeltaValue(8, 30.5), 9);
  EXPECT_EQ(DeltaValue(8, 500), 23);
  EXPECT_EQ(DeltaValue(8, 0.5), 0);
  const std::array<double, 6> over3 = {1, 1.5, 1, 3, 4, 6};
  EXPECT_EQ(DeltaTable[1].deltaUm, over3);
  const std::array<double, 6> over450 = {5, 5, 7, 13, 23, 34};
  EXPECT_EQ(DeltaTable[24].deltaUm, over450);
  EXPECT_EQ(DeltaTable[3].deltaUm, DeltaTable[4].deltaUm);  // 10-14 and 14-18 share a row
}

TEST(DeviationTables, TellingCells) {
  struct Case {
    bool hole;
    int column;
    double size;
    int um;
  };
  constexpr int N = DeviationUndefined;
  const Case cases[] = {
      {true, 5, 60, 100},     {true, 5, 80, 100},      {false, 5, 60, -100},
      {true, 18, 70, -20},    {true, 18, 300, -34},    {true, 24, 190, -236},
      {true, 24, 210, -258},  {true, 23, 24, N},       {true, 23, 24.001, -41},
      {false, 21, 24, N},     {false, 21, 24.001, 41}, {false, 13, 3, -6},
      {false, 13, 3.001, N},  {true, 15, 3, 0},        {true, 15, 4, N},
      {true, 4, 10, 56},      {true, 4, 10.001, N},    {true, 31, 500, -2600},
      {true, 31, 500.001, N}, {true, 19, 3, -4},       {true, 19, 100, 0},
      {true, 19, 600, -44},   {false, 5, 10000, -880}, {false, 5, 50000, -880},
      {true, 5, 3200, 580},   {true, 14, 3200, 0},     {true, 15, 3200, N},
      {true, 16, 3200, -98},  {true, 17, 3200, -98},   {true, 24, 9500, -10000},
      {true, 11, 500, 33},    {true, 11, 500.001, N},  {true, 28, 3200, N},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << (c.hole ? "hole" : "shaft") << " column " << c.column << " at " << c.size);
    const int row = DeviationRow(c.size);
    EXPECT_EQ(c.hole ? HoleDeviationCell(row, c.column) : ShaftDeviationCell(row, c.column), c.um);
  }
}

TEST(DeviationTables, FirstRowsAsPrinted) {
  constexpr int N = DeviationUndefined;
  const HoleDeviationRow holes = {3,   270, 140, 60, 34,  20, 14,  10,  6,   4,  2,
                                  2,   4,   6,   0,  0,   -2, -2,  -4,  -4,  -6, -10,
                                  -14, N,   -18, N,  -20, N,  -26, -32, -40, -60};
  const ShaftDeviationRow shafts = {3,  -270, -140, -60, -34, -20, -14, -10, -6, -4,
                                    -2, -2,   -4,   -6,  0,   0,   2,   4,   6,  10,
                                    14, N,    18,   N,   20,  N,   26,  32,  40, 60};
  EXPECT_EQ(HoleDeviationTable[0], holes);
  EXPECT_EQ(ShaftDeviationTable[0], shafts);
}

// Every hole column that the standard derives from a shaft column holds the
// shaft value with the opposite sign, in every row.
TEST(DeviationTables, HoleColumnsMirrorTheShaftColumns) {
  struct Pair {
    int hole;
    int shaft;
  };
  std::vector<Pair> pairs;
  for (int c = 1; c <= 10; ++c) pairs.push_back({c, c});
  pairs.push_back({14, 14});
  pairs.push_back({16, 16});
  pairs.push_back({17, 16});
  pairs.push_back({18, 17});
  for (int c = 20; c <= 31; ++c) pairs.push_back({c, c - 2});
  for (int r = 0; r < kDeviationRows; ++r) {
    EXPECT_EQ(HoleDeviationTable[r][0], ShaftDeviationTable[r][0]);
    for (const Pair& p : pairs) {
      const int s = ShaftDeviationTable[r][p.shaft];
      const int expected = s == DeviationUndefined ? DeviationUndefined : -s;
      EXPECT_EQ(HoleDeviationTable[r][p.hole], expected) << "row " << r << " column " << p.hole;
    }
  }
}

}  // namespace
}  // namespace kalmo
