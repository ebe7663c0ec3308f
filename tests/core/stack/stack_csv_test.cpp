#include "stack/stack_csv.h"

#include <gtest/gtest.h>

namespace kalmo {
namespace {

constexpr const char* kHeader = "name,nominal,direction,tolerance,distribution\n";

TEST(StackCsv, NamesTheRowAndFieldOfABadFile) {
  struct Case {
    std::string text;
    StackCsvProblem problem;
    std::size_t row;
  };
  const std::string h = kHeader;
  const Case cases[] = {
      {"", StackCsvProblem::Header, 1},
      {"name,nominal,direction,tolerance\nA,1,+,\xC2\xB1"
       "0.1\n",
       StackCsvProblem::Header, 1},
      {h, StackCsvProblem::NoRows, 1},
      {h + "A,40,+,\xC2\xB1"
           "0.1,\nB,25,-\n",
       StackCsvProblem::FieldCount, 3},
      {h + "A,4O,+,\xC2\xB1"
           "0.1,\n",
       StackCsvProblem::Nominal, 2},
      {h + "A,40,up,\xC2\xB1"
           "0.1,\n",
       StackCsvProblem::Direction, 2},
      {h + "\n\nA,40,+,\xC2\xB1"
           "0.1,gauss\n",
       StackCsvProblem::Distribution, 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const StackCsvRead r = readStackCsv(c.text);
    EXPECT_EQ(r.problem, c.problem);
    EXPECT_EQ(r.row, c.row);
    EXPECT_TRUE(r.contributors.empty());
  }
}

// What the window writes reads back the same, also names a spreadsheet
// would take for formulas and tolerances starting with a sign; a byte order
// mark, blank rows, quoted fields, signs and letter case are read.
TEST(StackCsv, WrittenChainReadsBack) {
  const std::vector<StackContributor> chain = {
      {"=shaft, shoulder", 40, StackDirection::Plus, "+0.1/-0.05", StackDistribution::Normal},
      {"bearing \"6204\"", 14, StackDirection::Minus,
       "\xC2\xB1"
       "0.06",
       StackDistribution::Uniform},
      {"housing", 55.5, StackDirection::Minus, "H7", StackDistribution::Triangular}};
  const StackCsvRead back = readStackCsv(stackCsvText(chain));
  ASSERT_EQ(back.problem, StackCsvProblem::None);
  EXPECT_EQ(back.contributors, chain);
  EXPECT_EQ(back.rows, (std::vector<std::size_t>{2, 3, 4}));

  const StackCsvRead typed = readStackCsv(
      "\xEF\xBB\xBF"
      "name,nominal,direction,tolerance,distribution\r\n\r\n"
      "\"A, left\", 40 ,\xE2\x88\x92,\xC2\xB1"
      "0.1,Uniform\r\nB,2,+1,H7,\r\n");
  ASSERT_EQ(typed.problem, StackCsvProblem::None);
  ASSERT_EQ(typed.contributors.size(), 2u);
  EXPECT_EQ(typed.contributors[0].name, "A, left");
  EXPECT_EQ(typed.contributors[0].direction, StackDirection::Minus);
  EXPECT_EQ(typed.contributors[0].distribution, StackDistribution::Uniform);
  EXPECT_EQ(typed.contributors[1].distribution, StackDistribution::Normal);
  EXPECT_EQ(typed.rows, (std::vector<std::size_t>{3, 4}));
}

}  // namespace
}  // namespace kalmo
