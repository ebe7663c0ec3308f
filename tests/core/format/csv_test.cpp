#include "format/csv.h"

#include <gtest/gtest.h>

#include <cmath>

#include "format/limits_table.h"
#include "format/shortest_number.h"

namespace kalmo {
namespace {

TEST(Csv, QuotesOnlyWhatNeedsItAndReadsItBack) {
  const std::vector<std::string> fields = {
      "plain",
      "with,comma",
      "with \"quotes\"",
      "two\r\nlines",
      "lf\nonly",
      "",
      "\xC3\x98"
      "50 H7/g6",
      " blanks ",
      "\"",
  };
  const std::string record = csvRecord(fields);
  EXPECT_EQ(record,
            "plain,\"with,comma\",\"with \"\"quotes\"\"\",\"two\r\nlines\",\"lf\nonly\",,"
            "\xC3\x98"
            "50 H7/g6, blanks ,\"\"\"\"\r\n");
  const auto records = parseCsv(record + record);
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0], fields);
  EXPECT_EQ(records[1], fields);
  EXPECT_EQ(parseCsv("a,b\nc"), (std::vector<std::vector<std::string>>{{"a", "b"}, {"c"}}));
}

TEST(Csv, NumbersAreShortestRoundTrip) {
  const struct {
    double value;
    const char* text;
  } cases[] = {{30, "30"},         {0.021, "0.021"}, {-0.048, "-0.048"},
               {100000, "100000"}, {-0.0, "0"},      {0.1 + 0.2, "0.30000000000000004"},
               {1e-7, "1e-07"},    {NAN, ""},        {INFINITY, ""}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(formatShortest(c.value), c.text);
    if (*c.text) {
      EXPECT_EQ(std::stod(formatShortest(c.value)), c.value);
    }
  }
}

TEST(Csv, LimitsRowsKeepEveryLine) {
  const ToleranceClass H7{letter::H, Grade::atIndex(8)};
  const ToleranceClass g6{letter::G, Grade::atIndex(7)};
  const std::vector<std::vector<std::string>> rows = {
      limitsCsvHeader(),
      limitsCsvFields(evaluatedLimitsRow("\xC3\x98"
                                         "50 H7/g6",
                                         50, 50, H7, g6),
                      false),
      limitsCsvFields(
          evaluatedLimitsRow("30 K9", 30, 30, ToleranceClass{letter::K, Grade::atIndex(10)}, {}),
          false),
      limitsCsvFields(evaluatedLimitsRow("2 H7", 2, 50.8, H7, {}), true),
      limitsCsvFields(errorLimitsRow("Q7", "no size"), false),
  };
  std::string text;
  for (const auto& row : rows) text += csvRecord(row);
  EXPECT_EQ(parseCsv(text), rows);
  for (const auto& row : rows) EXPECT_EQ(row.size(), rows[0].size());
  EXPECT_EQ(text.substr(text.find("\r\n") + 2, 81),
            "\xC3\x98"
            "50 H7/g6,50,H7,0.025,0,50.025,50,g6,-0.009,-0.025,49.991,49.975,clearance,"
            "0.05,");
  EXPECT_EQ(rows[2][2], "K9");
  EXPECT_EQ(rows[2][3], "");  // undefined: no deviation
  EXPECT_EQ(rows[3][3], formatShortest(0.03 / 25.4));
  EXPECT_EQ(rows[4].back(), "no size");
}

// Text from the input that a spreadsheet would run as a formula gets a
// leading "'"; controls and broken UTF-8 are made safe; numbers never change.
TEST(Csv, TextFromTheInputIsGuardedNumbersAreNot) {
  const struct {
    std::string text;
    std::string expected;
  } cases[] = {
      {"=1+2", "'=1+2"},
      {"+50 H7", "'+50 H7"},
      {"-5 H7", "'-5 H7"},
      {"@SUM(A1)", "'@SUM(A1)"},
      {"\t=1", "'?=1"},
      {"\r=1", "'?=1"},
      {"50 H7 =1", "50 H7 =1"},
      {"\xC3\x98"
       "50 H7/g6",
       "\xC3\x98"
       "50 H7/g6"},
      {"50\x1b[31m H7", "50?[31m H7"},
      {"50 \xFF H7", "50 \xEF\xBF\xBD H7"},
      {"", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(csvText(c.text), c.expected);
    // The same in both places a limits row carries text from the input.
    const std::vector<std::string> bad = limitsCsvFields(errorLimitsRow(c.text, c.text), false);
    EXPECT_EQ(bad.front(), c.expected);
    EXPECT_EQ(bad.back(), c.expected);
  }
  const ToleranceClass g6{letter::G, Grade::atIndex(7)};
  const std::vector<std::string> good =
      limitsCsvFields(evaluatedLimitsRow("50 g6", 50, 50, {}, g6), false);
  EXPECT_EQ(good[8], "-0.009");  // a negative deviation stays a number
}

}  // namespace
}  // namespace kalmo
