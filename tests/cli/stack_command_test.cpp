#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_test_support.h"

namespace kalmo::cli {
namespace {

const std::string kChain =
    "name,nominal,direction,tolerance,distribution\n"
    "A,40,+,\xC2\xB1"
    "0.10,normal\n"
    "B,25,-,\xC2\xB1"
    "0.05,\n"
    "C,2,-,+-0.03,\n"
    "D,10,\xE2\x88\x92,+0.05/-0.05,normal\n";

TEST(StackCommand, AnswersTheChainFromStandardInput) {
  const struct {
    std::vector<std::string> args;
    std::vector<std::string> parts;  // each in the output
  } cases[] = {
      {{"stack", "-", "--mc", "0", "--json"},
       {R"({"nominal":3,"worst_case":{"min":2.77,"max":3.23},"statistical":{"mean":3,)"
        R"("sd":0.04203173404306164,"min":2.873904797870815,"max":3.126095202129185},)"
        R"("contributors":[{"name":"A","nominal":40,"direction":1,"upper":0.1,"lower":-0.1,)"
        R"("mean":40,"sd":0.03333333333333333,"share":0.6289308176100629},)",
        R"({"name":"D","nominal":10,"direction":-1,"upper":0.05,"lower":-0.05,"mean":10,)",
        R"("spec":null,"monte_carlo":null})"}},
      {{"stack", "-", "--lsl", "2.9", "--usl", "3.1", "--json"},
       {R"("spec":{"lsl":2.9,"usl":3.1,"below":0.00867619459538067,)",
        R"("monte_carlo":{"n":1000000,"seed":1,"mean":2.999950042970535,)",
        R"("outside":0.017453,"outside_ci":[)"}},
      {{"stack", "-", "--mc", "1000", "--seed", "18446744073709551615", "--usl", "3.1", "--json"},
       {R"("spec":{"lsl":null,"usl":3.1,"below":null,)",
        R"("monte_carlo":{"n":1000,"seed":18446744073709551615,)"}},
      {{"stack", "-", "--mc", "0", "--inch", "--json"},
       {R"({"nominal":3,"worst_case":{"min":2.77,"max":3.23})"}},
      {{"stack", "-", "--mc", "0"},
       {"A\t+\t40\t+0.1/-0.1\tnormal\t40\t0.03333\t62.9\u00A0%\n",
        "Worst case: 2.77 \u2026 3.23 mm\n", "Standard deviation \u03C3: 0.04203 mm\n"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args.back());
    const CliRun r = run(c.args, kChain);
    EXPECT_EQ(r.status, 0) << r.err;
    for (const std::string& part : c.parts) EXPECT_NE(r.out.find(part), std::string::npos) << part;
  }
}

TEST(StackCommand, BadInputIsOneLineNamingRowAndField) {
  const std::string h = "name,nominal,direction,tolerance,distribution\n";
  const struct {
    std::vector<std::string> args;
    std::string input;
    int status;
    std::string err;
  } cases[] = {
      {{"stack", "-"},
       h + "A,40,+,\xC2\xB1"
           "0.1,\nB,25,-,H77,\n",
       2,
       "kalmo-cli: standard input: Row 3, tolerance: Not a tolerance: give \xC2\xB1t, +a/-b, an "
       "ISO 286 class, ISO 2768-x or bearing.\n"},
      {{"stack", "-"},
       h + "A,x,+,\xC2\xB1"
           "0.1,\n",
       2,
       "kalmo-cli: standard input: Row 2, nominal: The nominal is not a length from 0 up to "
       "100000 mm.\n"},
      {{"stack", "-"},
       "A,1,+,1,\n",
       2,
       "kalmo-cli: standard input: Row 1: The first row must be: "
       "name,nominal,direction,tolerance,distribution\n"},
      {{"stack", "-", "--lsl", "abc"}, h, 2, "kalmo-cli: --lsl \"abc\" is not a number\n"},
      {{"stack", "-", "--mc", "1"},
       h,
       2,
       "kalmo-cli: --mc \"1\": give 0 (no Monte Carlo) or 2 .. 1000000000 samples\n"},
      {{"stack", "-", "--seed", "-1"},
       h,
       2,
       "kalmo-cli: --seed \"-1\": give a whole number 0 .. 18446744073709551615\n"},
      {{"stack", "-", "--lsl", ""}, h, 2, "kalmo-cli: --lsl \"\" is not a number\n"},
      {{"stack", "/nonexistent/chain.csv"},
       "",
       1,
       "kalmo-cli: cannot read \"/nonexistent/chain.csv\" (No such file or directory)\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.err);
    const CliRun r = run(c.args, c.input);
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(r.err, c.err);
    EXPECT_EQ(r.out, "");
  }
}

}  // namespace
}  // namespace kalmo::cli
