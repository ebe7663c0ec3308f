#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli_test_support.h"

namespace kalmo::cli {
namespace {

TEST(PreferredCommand, PrintsTheRowsOfOneSeries) {
  struct Case {
    std::vector<std::string> args;
    std::size_t rows;
    std::string first;
    std::string last;
  };
  const Case cases[] = {
      {{"preferred"}, 58, "0.01\t0.1\t1\t10\t100\t1000", "0.1\t1\t10\t100\t1000\t10000"},
      {{"preferred", "all"}, 58, "0.01\t0.1\t1\t10\t100\t1000", "0.1\t1\t10\t100\t1000\t10000"},
      {{"preferred", "R5"}, 6, "0.01\t0.1\t1\t10\t100\t1000", "0.1\t1\t10\t100\t1000\t10000"},
      {{"preferred", "R40"}, 41, "0.01\t0.1\t1\t10\t100\t1000", "0.1\t1\t10\t100\t1000\t10000"},
      {{"preferred", "R\"5"}, 6, "0.01\t0.1\t1\t10\t100\t1000", "0.1\t1\t10\t100\t1000\t10000"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args.back());
    const CliRun r = run(c.args);
    ASSERT_EQ(r.status, kExitOk) << r.err;
    EXPECT_TRUE(r.err.empty());
    const auto text = lines(r.out);
    ASSERT_EQ(text.size(), c.rows + 1);
    EXPECT_EQ(text.front(), "x0,001\tx0,01\tx0,1\tx1\tx10\tx100");
    EXPECT_EQ(text[1], c.first);
    EXPECT_EQ(text.back(), c.last);
  }
}

TEST(PreferredCommand, TextShowsWhatTheWindowShows) {
  const auto text = lines(run({"preferred", "R40"}).out);
  // 11.2 and 31.5 print as their decimal products, not as binary neighbours.
  EXPECT_EQ(text[3], "0.0112\t0.112\t1.12\t11.2\t112\t1120");
  EXPECT_EQ(text[21], "0.0315\t0.315\t3.15\t31.5\t315\t3150");
}

TEST(PreferredCommand, WritesJson) {
  const CliRun r = run({"preferred", "R5", "--json"});
  ASSERT_EQ(r.status, kExitOk) << r.err;
  EXPECT_EQ(r.out,
            "{\"series\":\"R5\",\"columns\":[\"x0,001\",\"x0,01\",\"x0,1\",\"x1\",\"x10\","
            "\"x100\"],\"rows\":[[0.01,0.1,1,10,100,1000],[0.016,0.16,1.6,16,160,1600],"
            "[0.025,0.25,2.5,25,250,2500],[0.04,0.4,4,40,400,4000],"
            "[0.063,0.63,6.3,63,630,6300],[0.1,1,10,100,1000,10000]]}\n");

  const CliRun quoted = run({"preferred", "R\"10", "--json"});
  ASSERT_EQ(quoted.status, kExitOk);
  EXPECT_EQ(quoted.out.rfind("{\"series\":\"R\\\"10\",", 0), 0u) << quoted.out;

  const CliRun all = run({"preferred", "--json"});
  EXPECT_EQ(all.out.rfind("{\"series\":\"all\",", 0), 0u) << all.out;
}

TEST(PreferredCommand, UnknownSeriesGivesOneErrorLineAndStatus2) {
  for (const char* name : {"R7", "(all)", "", "R'5", "R5x"}) {
    SCOPED_TRACE(name);
    const CliRun r = run({"preferred", name});
    EXPECT_EQ(r.status, kExitUsage);
    EXPECT_TRUE(r.out.empty());
    EXPECT_EQ(lines(r.err).size(), 1u) << r.err;
    EXPECT_NE(r.err.find("unknown series"), std::string::npos) << r.err;
  }
  EXPECT_EQ(run({"preferred", "R5", "R10"}).status, kExitUsage);
}

}  // namespace
}  // namespace kalmo::cli
