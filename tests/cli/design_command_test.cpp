#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli_test_support.h"
#include "design/design_search.h"
#include "format/units.h"

namespace kalmo::cli {
namespace {

std::size_t occurrences(const std::string& text, const std::string& part) {
  std::size_t n = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
    ++n;
  }
  return n;
}

TEST(DesignCommand, DefaultsSearchHoleBasisClearanceForTargetsZero) {
  const CliRun r = run({"design", "30"});
  ASSERT_EQ(r.status, kExitOk) << r.err;
  // No fit lies within 0 .. 0: the closest are shown, and a line says so.
  EXPECT_EQ(r.err, "kalmo-cli: no fit lies inside the targets; the closest ones are shown\n");
  const auto text = lines(r.out);
  ASSERT_EQ(text.size(), 11u);
  EXPECT_EQ(text[0], "Fit\tMax. clear.\tMin. clear.\tDeviation\tInside");
  // H5/h5 at 30 mm: IT5 = 9 um on each side, so 0.018 and 0 from the targets 0.
  EXPECT_EQ(text[1], "H5/h5\t0.0180\t0.0000\t0.0180\t");

  // The defaults are the named options.
  EXPECT_EQ(run({"design", "30", "--type", "clearance", "--max", "0", "--min", "0", "--system",
                 "hole-basis", "--range", "precision", "--count", "10"})
                .out,
            r.out);
  EXPECT_EQ(run({"design", "30", "--range", "5:12"}).out, r.out);
}

TEST(DesignCommand, MarksPreferredFitsAndLimitsTheRows) {
  const CliRun all = run({"design", "30", "--count", "all", "--standard-only"});
  ASSERT_EQ(all.status, kExitOk) << all.err;
  const auto text = lines(all.out);
  // Hole-basis clearance entries of grades 5..12 at 30 mm.
  EXPECT_NE(std::find(text.begin(), text.end(), "H7/g6*\t0.0410\t0.0070\t0.0480\t"), text.end());
  EXPECT_EQ(occurrences(all.out, "H7/h6*\t"), 1u);
  EXPECT_EQ(occurrences(all.out, "H8/h9\t"), 1u);  // preferred only in the shaft-basis section

  const struct {
    const char* count;
    std::size_t rows;
  } cases[] = {{"10", 10}, {"20", 20}, {"50", 50}, {"100", 100}, {"all", 0}};
  const CliRun everything = run({"design", "30", "--count", "all", "--json"});
  const std::size_t total = occurrences(everything.out, "\"designation\"");
  ASSERT_GT(total, 100u);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.count);
    const CliRun r = run({"design", "30", "--count", c.count});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    EXPECT_EQ(lines(r.out).size(), (c.rows == 0 ? total : c.rows) + 1);
  }
}

TEST(DesignCommand, JsonHoldsEveryRankedRecordAndTheRowsShown) {
  const CliRun r = run({"design", "30", "--json"});
  ASSERT_EQ(r.status, kExitOk) << r.err;
  EXPECT_EQ(
      r.out.rfind(
          "{\"max\":0,\"min\":0,\"rows\":10,\"inside_count\":0,\"results\":["
          "{\"designation\":\"H5/h5\",\"deviation\":0.018,\"value1\":0.018,"
          "\"value2\":0,\"tolerance\":0.018,\"preferred\":false,\"inside\":false,\"use\":null},",
          0),
      0u)
      << r.out;
  EXPECT_EQ(r.out.substr(r.out.size() - 4), "}]}\n");
  EXPECT_EQ(lines(r.out).size(), 1u);

  DesignRequest request;
  request.nominalSizeMm = 30;
  request.grades = kItApplicationRanges[0].bounds();
  EXPECT_EQ(occurrences(r.out, "\"designation\""), runDesignSearch(request).results.size());

  const CliRun few = run({"design", "30", "--system", "hole", "--class", "H7", "--range", "7:7",
                          "--json", "--type", "transition"});
  ASSERT_EQ(few.status, kExitOk) << few.err;
  EXPECT_EQ(few.out.rfind("{\"max\":0,\"min\":0,\"rows\":", 0), 0u);
  const std::size_t records = occurrences(few.out, "\"designation\"");
  ASSERT_GT(records, 0u);
  ASSERT_LT(records, 10u);
  EXPECT_NE(few.out.find("\"rows\":" + std::to_string(records) + ","), std::string::npos);
}

TEST(DesignCommand, TargetSignsFollowTheFitType) {
  const struct {
    std::vector<std::string> args;
    const char* targets;
    const char* heading;
  } cases[] = {
      {{"--type", "interference", "--max", "0.05", "--min", "0.01"},
       "{\"max\":-0.05,\"min\":-0.01,",
       "Fit\tMax. interf.\tMin. interf.\tDeviation\tInside"},
      {{"--type", "transition", "--max", "-0.02", "--min", "0.01"},
       "{\"max\":0.02,\"min\":-0.01,",
       "Fit\tMax. clear.\tMax. interf.\tDeviation\tInside"},
      {{"--type", "clearance", "--max=-0.05", "--min=-0.01"},
       "{\"max\":0.05,\"min\":0.01,",
       "Fit\tMax. clear.\tMin. clear.\tDeviation\tInside"},
      {{"--type", "interference", "--max", "-0.05", "--min", "0"},
       "{\"max\":-0.05,\"min\":0,",
       "Fit\tMax. interf.\tMin. interf.\tDeviation\tInside"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.targets);
    std::vector<std::string> args = {"design", "30"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const CliRun text = run(args);
    ASSERT_EQ(text.status, kExitOk) << text.err;
    EXPECT_EQ(lines(text.out).front(), c.heading);
    args.push_back("--json");
    const CliRun json = run(args);
    ASSERT_EQ(json.status, kExitOk) << json.err;
    EXPECT_EQ(json.out.rfind(c.targets, 0), 0u) << json.out;
  }
}

TEST(DesignCommand, ReversedTargetsPrintText61AndExit2) {
  const struct {
    std::vector<std::string> args;
    const char* message;
  } cases[] = {
      {{"design", "30", "--min", "0.05", "--max", "0.02"},
       "kalmo-cli: Upper limit of size has to be greater than lower limit of size!\n"},
      {{"design", "30", "--type", "interference", "--max", "0.01", "--min", "0.05"},
       "kalmo-cli: Upper limit of size has to be greater than lower limit of size!\n"},
      {{"design", "30", "--min", "0.05", "--max", "0.02", "--json", "--lang", "de"},
       "kalmo-cli: Höchstmass muss grösser sein als Mindestmass!\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    const CliRun r = run(c.args);
    EXPECT_EQ(r.status, kExitUsage);
    EXPECT_TRUE(r.out.empty()) << r.out;
    EXPECT_EQ(r.err, c.message);
  }
  // Equal targets pass.
  EXPECT_EQ(run({"design", "30", "--min", "0.02", "--max", "0.02"}).status, kExitOk);
}

TEST(DesignCommand, FixedClassBelongsToTheToleranceSystems) {
  // The default fixed class is the first of the side's list in the range.
  EXPECT_EQ(run({"design", "30", "--system", "hole"}).out,
            run({"design", "30", "--system", "hole", "--class", "A9"}).out);
  EXPECT_EQ(run({"design", "600", "--system", "shaft"}).out,
            run({"design", "600", "--system", "shaft", "--class", "d7"}).out);

  const CliRun g6 = run({"design", "10", "--system", "shaft", "--class", "g6", "--count", "all"});
  ASSERT_EQ(g6.status, kExitOk) << g6.err;
  for (const std::string& line : lines(g6.out)) {
    if (line.rfind("Fit", 0) != 0) {
      EXPECT_NE(line.find("/g6"), std::string::npos) << line;
    }
  }

  const struct {
    std::vector<std::string> args;
    const char* reason;
  } errors[] = {
      {{"design", "30", "--class", "H7"}, "--class needs --system hole or --system shaft"},
      {{"design", "30", "--system", "all", "--class", "H7"}, "--class needs"},
      {{"design", "30", "--system", "hole", "--class", "g6"}, "is no hole class"},
      {{"design", "30", "--system", "shaft", "--class", "H7"}, "is no shaft class"},
      {{"design", "30", "--system", "hole", "--class", "H"}, "is no hole class"},
      // Outside the grade range, and not in the reduced list above 500 mm.
      {{"design", "30", "--system", "hole", "--class", "H4"}, "not in the class list"},
      {{"design", "600", "--system", "hole", "--class", "A11"}, "not in the class list"},
      {{"design", "600", "--system", "shaft", "--class", "g8"}, "not in the class list"},
  };
  for (const auto& c : errors) {
    SCOPED_TRACE(c.reason);
    const CliRun r = run(c.args);
    EXPECT_EQ(r.status, kExitUsage);
    EXPECT_TRUE(r.out.empty());
    EXPECT_EQ(lines(r.err).size(), 1u) << r.err;
    EXPECT_NE(r.err.find(c.reason), std::string::npos) << r.err;
  }
}

TEST(DesignCommand, BadOptionsGiveOneLineAndStatus2) {
  const std::vector<std::vector<std::string>> cases = {
      {"design"},
      {"design", "0"},
      {"design", "10001"},
      {"design", "x"},
      {"design", "30", "--type", "sliding"},
      {"design", "30", "--system", "hole_basis"},
      {"design", "30", "--range", "5-7"},
      {"design", "30", "--range", "5:19"},
      {"design", "30", "--range", "select"},
      {"design", "30", "--count", "7"},
      {"design", "30", "--max", "abc"},
      {"design", "30", "--max", "nan"},
      {"design", "30", "--min", "1e999"},
      // Targets beyond ±10000 mm, also only after the inch conversion.
      {"design", "30", "--max", "10000.001"},
      {"design", "30", "--min", "-1e308", "--type", "interference"},
      {"design", "30", "--inch", "--max", "1e308"},
      {"design", "30", "--inch", "--max", "393.8"},
      {"design", "30", "--lang", "fr"},
      {"design", "30", "--sort"},
  };
  for (const auto& args : cases) {
    SCOPED_TRACE(args.size() > 2 ? args[2] + " " + args.back() : args.back());
    const CliRun r = run(args);
    EXPECT_EQ(r.status, kExitUsage);
    EXPECT_TRUE(r.out.empty());
    ASSERT_EQ(lines(r.err).size(), 1u) << r.err;
    EXPECT_EQ(r.err.rfind("kalmo-cli: ", 0), 0u);
  }
  // The limits themselves are targets; every deviation stays finite.
  const CliRun edge = run(
      {"design", "30", "--inch", "--max", "393.7", "--min", "-393.7", "--count", "all", "--json"});
  EXPECT_EQ(edge.status, kExitOk) << edge.err;
  EXPECT_EQ(edge.out.find("\"deviation\":null"), std::string::npos);
}

TEST(DesignCommand, EmptyRangesGiveTheHeadingOnly) {
  // The lower bound above the upper, and grade 0, which no shaft class has.
  for (const char* range : {"12:5", "0:0"}) {
    SCOPED_TRACE(range);
    const CliRun r = run({"design", "30", "--range", range});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    EXPECT_EQ(lines(r.out).size(), 1u);
    EXPECT_EQ(r.err, "kalmo-cli: no fit of this type in the grade range\n");
    EXPECT_EQ(run({"design", "30", "--range", range, "--json"}).out,
              "{\"max\":0,\"min\":0,\"rows\":0,\"inside_count\":0,\"results\":[]}\n");
  }
}

TEST(DesignCommand, InchModeShowsInchesAndKeepsMillimetresInJson) {
  // 1 in = 25.4 mm, in the size row over 18 up to 30 mm like 30 mm itself.
  const CliRun text = run({"design", "1", "--inch"});
  ASSERT_EQ(text.status, kExitOk) << text.err;
  EXPECT_EQ(lines(text.out)[1],
            "H5/h5\t" + lengthText(0.018, true) + "\t0.00000\t" + lengthText(0.018, true) + "\t");
  EXPECT_EQ(lengthText(0.018, true), "0.00071");

  const CliRun json = run({"design", "1", "--inch", "--json", "--max", "0.001"});
  ASSERT_EQ(json.status, kExitOk) << json.err;
  EXPECT_EQ(json.out.rfind("{\"max\":0.001,\"min\":0,", 0), 0u) << json.out;
  EXPECT_NE(json.out.find("\"designation\":\"H5/h5\""), std::string::npos);
  EXPECT_NE(json.out.find("\"value1\":0.018,"), std::string::npos);

  // The same targets in both units rank the same fits.
  const auto firstFits = [](const std::string& out) {
    std::vector<std::string> fits;
    for (const std::string& line : lines(out)) fits.push_back(line.substr(0, line.find('\t')));
    return fits;
  };
  EXPECT_EQ(firstFits(run({"design", "1", "--inch", "--max", "0.002", "--min", "0.001"}).out),
            firstFits(run({"design", "25.4", "--max", "0.0508", "--min", "0.0254"}).out));
}

}  // namespace
}  // namespace kalmo::cli

namespace kalmo::cli {
namespace {

TEST(DesignCommand, MarksAndFiltersFitsInsideTheTargets) {
  const std::vector<std::string> search = {"design", "42", "--max", "0.05", "--min", "0.02"};
  const struct {
    std::vector<std::string> extra;
    const char* part;  // in the output
  } cases[] = {
      {{"--json"}, R"("rows":10,"inside_count":1,"results":[{"designation":"H6/f5",)"},
      {{"--json"},
       R"("designation":"H5/f5","deviation":0.008,"value1":0.047,)"
       R"("value2":0.025,"tolerance":0.022,"preferred":false,"inside":true,"use":null})"},
      {{"--json", "--inside"}, R"("rows":1,"inside_count":1,"results":[{"designation":"H5/f5",)"},
      {{}, "H5/f5\t0.0470\t0.0250\t0.0080\t\u2713\n"},
      {{"--inside"}, "Deviation\tInside\nH5/f5\t"},
      {{"--json"}, R"("inside":true)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.part);
    std::vector<std::string> args = search;
    args.insert(args.end(), c.extra.begin(), c.extra.end());
    const CliRun r = run(args);
    EXPECT_EQ(r.status, kExitOk);
    EXPECT_NE(r.out.find(c.part), std::string::npos) << r.out.substr(0, 300);
    EXPECT_EQ(r.err, "");
  }
  // Inch targets are converted to mm: 0.05 and 0.02 mm at 42 mm again.
  const CliRun inch =
      run({"design", "1.6535433070866141", "--inch", "--max", "0.0019685039370078742", "--min",
           "0.000787401574803149", "--json", "--inside"});
  EXPECT_NE(inch.out.find(R"("rows":1,"inside_count":1,"results":[{"designation":"H5/f5",)"),
            std::string::npos)
      << inch.out;
  // None inside: the closest still shown in the count over all, the filter leaves none.
  const CliRun none = run(
      {"design", "42", "--max", "0.05", "--min", "0.02", "--standard-only", "--inside", "--json"});
  EXPECT_EQ(none.status, kExitOk);
  EXPECT_EQ(none.out, "{\"max\":0.05,\"min\":0.02,\"rows\":0,\"inside_count\":0,\"results\":[]}\n");
  EXPECT_EQ(none.err, "kalmo-cli: no fit lies inside the targets\n");
}

}  // namespace
}  // namespace kalmo::cli
