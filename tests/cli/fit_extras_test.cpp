#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_test_support.h"
#include "format/csv.h"

namespace kalmo::cli {
namespace {

bool contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST(FitAnswers, SingleClassLeavesTheOtherMemberEmpty) {
  const struct {
    std::vector<std::string> args;
    std::vector<std::string> parts;  // each in the output
  } cases[] = {
      {{"fit", "50", "H7", "--json"},
       {R"({"size":50,"hole":{"class":"H7","it":0.025,"upper":0.025,"lower":0,"defined":true},)"
        R"("shaft":null,"fit":null,"statistics":null,"boundary":{"bound":50,"size":50.001,)"
        R"("hole":{"class":"H7","it":0.03,"upper":0.03,"lower":0,"defined":true},)"
        R"("shaft":null,"fit":null})"}},
      {{"fit", "60", "g6", "--json"}, {R"("hole":null,"shaft":{"class":"g6",)", R"("fit":null,)"}},
      {{"fit", "60", "H7"}, {"60 H7\t\t0 \r\n", "Designation\tN\r\n", "Type of fit\t\r\n"}},
      {{"fit", "60", "g6"}, {"0 \t\t60 g6\r\n", "Upper deviation (es)\t-0.0100\r\n"}},
      {{"fit", "60", "H7", "--format", "callout"},
       {"\xC3\x98"
        "60 H7 (+0.03/0)\n"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args[2]);
    const CliRun r = run(c.args);
    EXPECT_EQ(r.status, kExitOk) << r.err;
    for (const std::string& part : c.parts) EXPECT_TRUE(contains(r.out, part)) << r.out;
  }
  const CliRun batch = run({"fit", "--batch", "--json"}, "60 H7\n60 g6\n60 H7/g6\n");
  EXPECT_EQ(batch.status, kExitOk) << batch.err;
  const std::vector<std::string> out = lines(batch.out);
  ASSERT_EQ(out.size(), 3u);
  EXPECT_TRUE(
      contains(out[0], R"("shaft":null,"fit":null,"statistics":null,"boundary":null,"use":null})"));
  EXPECT_TRUE(contains(out[1], R"("hole":null,)"));
  EXPECT_TRUE(contains(out[2], R"("fit":{"kind":"clearance")"));
}

TEST(FitAnswers, CalloutsAsDrawingsWriteThem) {
  const struct {
    std::vector<std::string> args;
    const char* out;
  } cases[] = {
      {{"fit", "50", "H7/g6", "--format", "callout"},
       "\xC3\x98"
       "50 H7 (+0.025/0)\n\xC3\x98"
       "50 g6 (-0.009/-0.025)\n\xC3\x98"
       "50 H7/g6\n"},
      {{"fit", "30", "K9/js6", "--format", "callout"},
       "\xC3\x98"
       "30 K9 (N)\n\xC3\x98"
       "30 js6 (\xC2\xB1"
       "0.0065)\n\xC3\x98"
       "30 K9/js6\n"},
      {{"fit", "50", "H7/f7", "--format", "callout"},
       "\xC3\x98"
       "50 H7 (+0.025/0)\n\xC3\x98"
       "50 f7 (-0.025/-0.050)\n\xC3\x98"
       "50 H7/f7\n"},
      {{"fit", "0.0005", "H7/g6", "--format", "callout"},  // below 0.001 mm: no part shown
       "\xC3\x98"
       "0.0005 H7 (N)\n\xC3\x98"
       "0.0005 g6 (N)\n\xC3\x98"
       "0.0005 H7/g6\n"},
      {{"fit", "2", "H7", "--inch", "--format", "callout"},
       "\xC3\x98"
       "2 H7 (+0.00118/0)\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args[2]);
    const CliRun r = run(c.args);
    EXPECT_EQ(r.status, kExitOk);
    EXPECT_EQ(r.out, c.out);
  }
  const CliRun batch = run({"fit", "--batch", "--format", "callout"}, "60 H7\n60 g6\n");
  EXPECT_EQ(batch.out,
            "\xC3\x98"
            "60 H7 (+0.03/0)\n\n\xC3\x98"
            "60 g6 (-0.010/-0.029)\n");
}

TEST(FitAnswers, SizesNearARangeBoundCarryTheNeighbour) {
  const CliRun near = run({"fit", "120", "H7/s6", "--json"});
  EXPECT_TRUE(contains(near.out, R"("boundary":{"bound":120,"size":120.001,)"
                                 R"("hole":{"class":"H7","it":0.04,"upper":0.04,)"));
  EXPECT_TRUE(
      contains(near.out, R"("value2":-0.052,"tolerance":0.065}},"use":"Medium drive fit: )"));
  EXPECT_EQ(near.err, "");
  EXPECT_TRUE(contains(run({"fit", "60", "H7/s6", "--json"}).out, R"(,"boundary":null,"use":)"));

  const CliRun text = run({"fit", "120.5", "H7/s6"});
  EXPECT_EQ(text.status, kExitOk);
  EXPECT_EQ(text.err,
            "kalmo-cli: warning: 120.5 mm lies within 1 % of the size-range bound 120 mm; at "
            "120 mm: H7 +0.035/0, s6 +0.101/+0.079, interference fit -0.101 to -0.044 (mm)\n");
  EXPECT_EQ(run({"fit", "60", "H7/s6"}).err, "");

  const CliRun batch = run({"fit", "--batch", "--json"}, "120 H7/s6\n60 H7/s6\n");
  const std::vector<std::string> out = lines(batch.out);
  ASSERT_EQ(out.size(), 2u);
  EXPECT_TRUE(contains(out[0], R"("boundary":{"bound":120,)"));
  EXPECT_TRUE(contains(out[1], R"("boundary":null,)"));
}

TEST(FitAnswers, StandardFitsSayWhatTheyAreFor) {
  const struct {
    std::vector<std::string> args;
    const char* part;
  } cases[] = {
      {{"fit", "60", "H7/g6", "--json"}, R"("use":"Sliding fit: not for running; )"},
      {{"fit", "60", "G7/h6", "--json", "--lang", "de"}, R"("use":"Gleitpassung: )"},
      {{"fit", "60", "H7/p6", "--json", "--lang", "bg"},
       "\"use\":\"\xD0\xA6\xD0\xB5\xD0\xBD\xD1\x82\xD1\x80"},  // "Центр"
      {{"fit", "60", "H7/a5", "--json"}, R"("use":null})"},
      {{"design", "60", "--max", "0.06", "--min", "0.01", "--json", "--standard-only"},
       R"("designation":"H7/g6",)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.part);
    const CliRun r = run(c.args);
    EXPECT_EQ(r.status, kExitOk);
    EXPECT_TRUE(contains(r.out, c.part)) << r.out.substr(0, 400);
  }
  const CliRun design = run({"design", "60", "--max", "0.06", "--min", "0.01", "--json"});
  EXPECT_TRUE(contains(design.out, R"("preferred":true,"inside":true,"use":"Sliding fit: )"));
}

TEST(FitAnswers, BatchAsCsvKeepsBadLines) {
  const CliRun r = run({"fit", "--batch", "--csv"}, "50 H7/g6\n# skip\n12 k6\nabc H7\n3150 H7\n");
  EXPECT_EQ(r.status, kExitUsage);
  EXPECT_EQ(r.err, "line 4: size \"abc\" is not a number\n");
  const auto records = parseCsv(r.out);
  ASSERT_EQ(records.size(), 5u);
  EXPECT_EQ(records[0].front(), "callout");
  EXPECT_EQ(records[0].back(), "error");
  EXPECT_EQ(records[1],
            (std::vector<std::string>{"50 H7/g6", "50", "H7", "0.025", "0", "50.025", "50", "g6",
                                      "-0.009", "-0.025", "49.991", "49.975", "clearance", "0.05",
                                      "0.009", "0.041", ""}));
  EXPECT_EQ(records[2][7], "k6");
  EXPECT_EQ(records[3].back(), "size \"abc\" is not a number");
  EXPECT_EQ(records[4][5], "3150.21");
  EXPECT_EQ(run({"fit", "50", "H7", "--csv"}).out.substr(r.out.find("\r\n") + 2, 15),
            "50 H7,50,H7,0.0");
}

// A part the views do not show has empty cells, as the grid shows "N".
TEST(FitAnswers, CsvLeavesPartsNotShownEmpty) {
  const struct {
    std::vector<std::string> args;
    std::vector<std::string> record;
  } cases[] = {
      {{"fit", "0.0005", "H7/g6", "--csv"},
       {"0.0005 H7/g6", "0.0005", "H7", "", "", "", "", "g6", "", "", "", "", "", "", "", "", ""}},
      {{"fit", "30", "K9/g6", "--csv"},
       {"30 K9/g6", "30", "K9", "", "", "", "", "g6", "-0.007", "-0.02", "29.993", "29.98", "", "",
        "", "", ""}},
      {{"fit", "4000", "H1", "--csv"},  // no tolerance above 3150 mm
       {"4000 H1", "4000", "H1", "", "", "", "", "", "", "", "", "", "", "", "", "", ""}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args[1]);
    const auto records = parseCsv(run(c.args).out);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1], c.record);
  }
}

// SIZE and HOLE/SHAFT as two arguments or one callout, written as drawings do.
TEST(FitAnswers, ACalloutComesAsOneArgumentOrTwo) {
  const struct {
    std::vector<std::string> args;
    std::vector<std::string> same;  // gives the same output
  } cases[] = {
      {{"fit", "42 H7/f6"}, {"fit", "42", "H7/f6"}},
      {{"fit",
        "\xC3\x98"
        "42",
        "H7/f6"},
       {"fit", "42", "H7/f6"}},
      {{"fit",
        "\xE2\x8C\x80"
        "42H7/f6 mm"},
       {"fit", "42", "H7/f6"}},
      {{"fit", "50,5", "H7", "--json"}, {"fit", "50.5", "H7", "--json"}},
      {{"inspect", "50 H7", "--hole", "50.01"}, {"inspect", "50", "H7", "--hole", "50.01"}},
      {{"press", "50 H7/s6", "--hub-diameter", "80", "--length", "40", "--friction", "0.12"},
       {"press", "50", "H7/s6", "--hub-diameter", "80", "--length", "40", "--friction", "0.12"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args[1]);
    const CliRun r = run(c.args);
    EXPECT_EQ(r.status, kExitOk) << r.err;
    EXPECT_EQ(r.out, run(c.same).out);
  }
  EXPECT_EQ(
      run({"press", "50 H7", "--hub-diameter", "80", "--length", "40", "--friction", "0.1"}).err,
      "kalmo-cli: fit \"H7\" has no \"/\": expected HOLE/SHAFT such as H7/g6\n");
}

TEST(FitAnswers, BadSingleClassesAndFormats) {
  const struct {
    std::vector<std::string> args;
    const char* message;
  } cases[] = {
      {{"fit", "10", "q7"}, R"(class "q7": "q" is no deviation letter)"},
      {{"fit", "10", "H77"}, R"(hole class "H77": "77" is no tolerance grade)"},
      {{"fit", "10", "g"}, R"(shaft class "g": tolerance grade missing)"},
      {{"fit", "10", "7"}, R"(hole class "7": deviation letter missing)"},
      {{"fit", "10", "H7", "--json", "--format", "callout"}, "exclude each other"},
      {{"fit", "10", "H7", "--json", "--csv"}, "exclude each other"},
      {{"fit", "10", "H7", "--format", "pdf"}, "--format"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    const CliRun r = run(c.args);
    EXPECT_EQ(r.status, kExitUsage);
    EXPECT_TRUE(contains(r.err, c.message)) << r.err;
  }
}

}  // namespace
}  // namespace kalmo::cli
