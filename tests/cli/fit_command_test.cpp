#include <gtest/gtest.h>

#include <locale>
#include <sstream>
#include <string>
#include <vector>

#include "calc/tolerance_class.h"
#include "cli_test_support.h"
#include "test_data.h"

namespace kalmo::cli {
namespace {

std::vector<std::string> splitLines(const std::string& text, const std::string& end) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t at; (at = text.find(end, start)) != std::string::npos; start = at + end.size()) {
    lines.push_back(text.substr(start, at - start));
  }
  return lines;
}

// The English text of 10 H7/g6, as the core's export test reads it too.
const std::string kExample10H7g6 = kalmo::test::testData("export_10_H7_g6.txt");

// The computed doubles exactly: value2 = 0.021 - 0.035 carries its rounding.
const std::string kJson30H7s6 =
    R"({"size":30,"hole":{"class":"H7","it":0.021,"upper":0.021,"lower":0,"defined":true},)"
    R"("shaft":{"class":"s6","it":0.013,"upper":0.048,"lower":0.035,"defined":true},)"
    R"("fit":{"kind":"interference","label1":"Max. interference","value1":-0.048,)"
    R"("label2":"Min. interference","value2":-0.014,"tolerance":0.034},)"
    R"("statistics":{"model":"normal","mean":-0.031,"sd":0.004116363011742823,)"
    R"("p_interference":0.9999999999999748,"p_clearance":2.5192050919090697e-14,)"
    R"("probable":{"min":-0.043349089035228466,"max":-0.01865091096477153}},)"
    R"("boundary":{"bound":30,"size":30.001,)"
    R"("hole":{"class":"H7","it":0.025,"upper":0.025,"lower":0,"defined":true},)"
    R"("shaft":{"class":"s6","it":0.016,"upper":0.059,"lower":0.043,"defined":true},)"
    R"("fit":{"kind":"interference","label1":"Max. interference","value1":-0.059,)"
    R"("label2":"Min. interference","value2":-0.018,"tolerance":0.041}},)"
    R"("use":"Medium drive fit: permanent, shrink or heavy press; ordinary steel parts, )"
    R"(the tightest usable with cast iron"})"
    "\n";

TEST(FitCommand, WritesTheExportTextOfOneFit) {
  const CliRun r = run({"fit", "10", "H7/g6"});
  EXPECT_EQ(r.status, kExitOk);
  EXPECT_EQ(r.out, kExample10H7g6);
  // 10 mm ends a size range: the warning names what 10.001 mm gives.
  EXPECT_EQ(r.err,
            "kalmo-cli: warning: 10 mm lies within 1 % of the size-range bound 10 mm; at "
            "10.001 mm: H7 +0.018/0, g6 -0.006/-0.017, clearance fit +0.035 to +0.006 (mm)\n");
  // The size is normalised as the field would show it.
  EXPECT_EQ(run({"fit", "10.000", "H7/g6"}).out, kExample10H7g6);
  EXPECT_EQ(run({"fit", "10,0", "H7/g6"}).out, kExample10H7g6);
}

TEST(FitCommand, WritesJsonOfOneFit) {
  const CliRun r = run({"fit", "30", "H7/s6", "--json"});
  EXPECT_EQ(r.status, kExitOk);
  EXPECT_EQ(r.out, kJson30H7s6);
  EXPECT_EQ(
      run({"fit", "--json", "--lang", "de", "10", "H7/h6"})
          .out.rfind(R"({"size":10,"hole":{"class":"H7","it":0.015,"upper":0.015,"lower":0,)"
                     R"("defined":true},"shaft":{"class":"h6","it":0.009,"upper":0,)"
                     R"("lower":-0.009,"defined":true},"fit":{"kind":"clearance",)"
                     R"("label1":"Max. Spiel","value1":0.024,"label2":"Min. Spiel","value2":0,)"
                     R"("tolerance":0.024},)"
                     R"("statistics":{"model":"normal","mean":0.012,"sd":0.00291547594742265,)"
                     R"("p_interference":0.00001927805357810184,"p_clearance":0.9999807219464218,)"
                     R"("probable":{"min":0.0032535721577320494,"max":0.02074642784226795}},)"
                     R"("boundary":{"bound":10,"size":10.001,)",
                     0),
      0u);
}

TEST(FitCommand, UndefinedClassesAreResultsNotErrors) {
  const CliRun r = run({"fit", "30", "K9/g6", "--json"});
  EXPECT_EQ(r.status, kExitOk);
  EXPECT_EQ(r.err, "");
  EXPECT_NE(r.out.find(R"("hole":{"class":"K9","it":0,"upper":100000,"lower":0,"defined":false})"),
            std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find(R"("fit":{"kind":null,"label1":"Max.","value1":0,"label2":"Min.",)"
                       R"("value2":0,"tolerance":0})"),
            std::string::npos)
      << r.out;
  // H1 above 3150 mm has a zero tolerance: defined in the record, not for the views.
  EXPECT_NE(
      run({"fit", "4000", "H1/h6", "--json"}).out.find(R"("upper":0,"lower":0,"defined":false)"),
      std::string::npos);
}

TEST(FitCommand, AcceptsEveryClassThePickersCanForm) {
  // Pairs hole class (letter, grade) with the shaft class of the same indexes:
  // 560 runs cover all 1120 classes.
  for (int letter = 0; letter < kLetterCount; ++letter) {
    for (int grade = 0; grade < static_cast<int>(kGradeLabels.size()); ++grade) {
      const ToleranceClass cls{letter, Grade::atIndex(grade)};
      const std::string fit = Designation(Side::Hole, cls) + "/" + Designation(Side::Shaft, cls);
      const CliRun r = run({"fit", "10", fit, "--json"});
      ASSERT_EQ(r.status, kExitOk) << fit << ": " << r.err;
      ASSERT_NE(r.out.find("\"class\":\"" + Designation(Side::Hole, cls) + "\""), std::string::npos)
          << fit;
    }
  }
}

TEST(FitCommand, InchSizesAreConvertedAndShownInInches) {
  const CliRun text = run({"fit", "0.5", "H7/g6", "--inch"});
  ASSERT_EQ(text.status, kExitOk) << text.err;
  const std::vector<std::string> lines = splitLines(text.out, "\r\n");
  ASSERT_EQ(lines.size(), 22u);
  EXPECT_EQ(lines[2], "0.5 H7\t\t0.5 g6");
  EXPECT_EQ(lines[4], "Tolerance\t0.00071\tTolerance\t0.00043");  // 18 and 11 µm at 12.7 mm
  EXPECT_EQ(lines[11], "Upper limit of size\t0.50071\tUpper limit of size\t0.49976");
  EXPECT_EQ(lines[15], "Designation\t0.5 H7/g6");
  EXPECT_EQ(lines[21], "Values and tolerances in [in].");

  const CliRun json = run({"fit", "0.5", "H7/g6", "--inch", "--json"});
  EXPECT_EQ(json.out.rfind(R"({"size":12.7,"hole":{"class":"H7","it":0.018,)", 0), 0u) << json.out;
}

TEST(FitCommand, BadInputGivesOneErrorLineAndStatus2) {
  const struct {
    std::vector<std::string> args;
    const char* message;  // part of the error line
  } cases[] = {
      {{"fit", "10", "H77/g6"}, R"(hole class "H77": "77" is no tolerance grade)"},
      {{"fit", "10", "Q7/g6"}, R"(hole class "Q7": "Q" is no hole deviation letter)"},
      {{"fit", "10", "h7/H7"}, R"(hole class "h7": hole letters are upper case)"},
      {{"fit", "10", "H7/G6"}, R"(shaft class "G6": shaft letters are lower case)"},
      {{"fit", "10", "H7g6"}, R"(fit "H7g6" has no "/")"},
      {{"fit", "10", "H7/"}, "shaft class missing"},
      {{"fit", "10", "H/g6"}, R"(hole class "H": tolerance grade missing)"},
      {{"fit", "abc", "H7/g6"}, R"(size "abc" is not a number)"},
      {{"fit", "nan", "H7/g6"}, R"(size "nan" is not a number)"},
      {{"fit", "inf", "H7/g6"}, R"(size "inf" is not a number)"},
      {{"fit", "0x10", "H7/g6"}, R"(size "0x10" is not a number)"},
      {{"fit", "1e999", "H7/g6"}, R"(size "1e999" is not a number)"},
      {{"fit", "0", "H7/g6"}, "size 0 mm is not greater than 0"},
      {{"fit", "-5", "H7/g6"}, R"(size "-5" takes no sign)"},
      {{"fit", "10 H7/g6 x"}, R"(text after the tolerance class or fit "H7/g6": "x")"},
      {{"fit", "10000.001", "H7/g6"}, "size 10000.001 mm is above the largest nominal size"},
      {{"fit", "394", "H7/g6", "--inch"}, "size 394 in (10007.6 mm) is above"},
      {{"fit", "10", "H7/g6", "--lang", "fr"}, "--lang"},
      {{"fit", "10", "H7/g6", "--lang"}, "--lang"},
      {{"fit", "10", "H7/g6", "--bogus"}, "--bogus"},
      {{"fit", "10", "H7/g6", "extra"}, "extra"},
      {{"fit", "10"}, "no tolerance class or fit after the size"},
      {{"fit"}, "fit needs SIZE and HOLE/SHAFT"},
      {{"fit", "--batch", "10", "H7/g6"}, "give no SIZE or HOLE/SHAFT"},
      {{}, "a command is required: fit"},
      {{"fitt", "10", "H7/g6"}, R"(unknown command "fitt")"},
      {{"--bogus"}, "--bogus"},
  };
  for (const auto& c : cases) {
    std::string joined;
    for (const std::string& a : c.args) joined += a + " ";
    SCOPED_TRACE(joined);
    const CliRun r = run(c.args);
    EXPECT_EQ(r.status, kExitUsage);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.rfind("kalmo-cli: ", 0), 0u) << r.err;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    EXPECT_EQ(splitLines(r.err, "\n").size(), 1u) << r.err;
    EXPECT_TRUE(r.err.ends_with("\n"));
  }
}

TEST(FitCommand, BatchAnswersEveryGoodLineAndReportsTheBadOnes) {
  const std::string input =
      "# size fit\n"
      "10 H7/g6\n"
      "\n"
      "  abc H7/g6\r\n"
      "30 H7/s6\r\n"
      "10 H7 g6\n"
      "30 K9/g6";  // no line end after the last line
  const CliRun json = run({"fit", "--batch", "--json"}, input);
  EXPECT_EQ(json.status, kExitUsage);
  const std::vector<std::string> lines = splitLines(json.out, "\n");
  ASSERT_EQ(lines.size(), 5u) << json.out;
  EXPECT_EQ(lines[0], run({"fit", "10", "H7/g6", "--json"}).out.substr(0, lines[0].size()));
  EXPECT_EQ(lines[1], R"({"line":4,"error":"size \"abc\" is not a number"})");
  EXPECT_EQ(lines[2] + "\n", kJson30H7s6);
  EXPECT_EQ(lines[3],
            R"({"line":6,"error":"text after the tolerance class or fit \"H7\": \"g6\""})");
  EXPECT_NE(lines[4].find(R"("class":"K9")"), std::string::npos);
  EXPECT_EQ(json.err,
            "line 4: size \"abc\" is not a number\n"
            "line 6: text after the tolerance class or fit \"H7\": \"g6\"\n");

  // Text answers are separated by one empty line.
  const CliRun text = run({"fit", "--batch"}, "10 H7/g6\n10 H7/g6\n");
  EXPECT_EQ(text.status, kExitOk);
  EXPECT_EQ(text.out, kExample10H7g6 + "\r\n" + kExample10H7g6);
  EXPECT_EQ(text.err.rfind("line 1: warning: 10 mm lies within 1 %", 0), 0u);  // a range bound
  EXPECT_EQ(splitLines(text.err, "\n").size(), 2u);

  // Whatever bytes a line holds, its error stays one line and valid JSON.
  const CliRun garbage = run({"fit", "--batch", "--json"},
                             std::string("1\0\x1b[2J\xFF ", 8) + std::string(500, 'x') + " y\n");
  EXPECT_EQ(garbage.err,
            "line 1: text after the tolerance class or fit \"??[2J\xEF\xBF\xBD\": "
            "\"xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx...\"\n");
  EXPECT_EQ(garbage.out.find('\x1b'), std::string::npos);

  const CliRun empty = run({"fit", "--batch"}, "# nothing\n\n");
  EXPECT_EQ(empty.status, kExitOk);
  EXPECT_EQ(empty.out, "");
}

TEST(FitCommand, HelpAndVersionSucceed) {
  const CliRun help = run({"fit", "--help"});
  EXPECT_EQ(help.status, kExitOk);
  EXPECT_NE(help.out.find("--batch"), std::string::npos);
  EXPECT_EQ(run({"--version"}).status, kExitOk);
}

// A locale with a decimal comma and digit grouping must not leak into the output.
struct CommaNumpunct : std::numpunct<char> {
  char do_decimal_point() const override { return ','; }
  char do_thousands_sep() const override { return '.'; }
  std::string do_grouping() const override { return "\1"; }
};

TEST(FitCommand, OutputIgnoresTheGlobalLocale) {
  const std::locale previous =
      std::locale::global(std::locale(std::locale::classic(), new CommaNumpunct));
  const CliRun text = run({"fit", "10", "H7/g6"});
  const CliRun json = run({"fit", "30", "H7/s6", "--json"});
  const CliRun batch = run({"fit", "--batch", "--json"}, std::string(9, '\n') + "x\n");
  std::locale::global(previous);
  EXPECT_EQ(text.out, kExample10H7g6);
  EXPECT_EQ(json.out, kJson30H7s6);
  EXPECT_EQ(batch.out.rfind("{\"line\":10,", 0), 0u) << batch.out;
  EXPECT_EQ(batch.err.rfind("line 10: ", 0), 0u) << batch.err;
}

}  // namespace
}  // namespace kalmo::cli
