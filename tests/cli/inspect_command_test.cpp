#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_test_support.h"

namespace kalmo::cli {
namespace {

TEST(InspectCommand, ReportsStatusMarginClassesGaugesAndFit) {
  const struct {
    std::vector<std::string> args;
    std::vector<std::string> parts;  // each in the output
  } cases[] = {
      {{"inspect", "50", "H7", "--hole", "50.018", "--json"},
       {R"({"size":50,"hole":{"class":"H7","upper":0.025,"lower":0,)"
        R"("measured":{"min":50.018,"max":50.018},"status":"ok","margin":0.007,"accepting":[)",
        R"({"class":"H7","preferred":true})", R"("gauge":{"go":50,"nogo":50.025}},)",
        R"("shaft":null,"fit":null,"gauge_note":"Gauge sizes are the limits of size; )"
        R"(gauge-maker tolerances and wear allowances are not included."})"}},
      {{"inspect", "50", "H7/s6", "--hole-min", "50.002", "--hole-max", "50.03", "--shaft", "50.05",
        "--json"},
       {R"("status":"over","margin":-0.005,)", R"("gauge":{"go":50.059,"nogo":50.043}})",
        R"("fit":{"kind":"interference","actual_min":-0.048,"actual_max":-0.02,)"
        R"("same_kind":true})"}},
      {{"inspect", "50", "H7/g6", "--shaft", "49.97", "--json"},
       {R"("hole":{"class":"H7","upper":0.025,"lower":0,"measured":null,"status":null,)"
        R"("margin":null,"accepting":null,"gauge":{"go":50,"nogo":50.025}})",
        R"("status":"under","margin":-0.005,)",
        R"("fit":{"kind":"clearance","actual_min":null,"actual_max":null,"same_kind":null})"}},
      {{"inspect", "2", "H7", "--hole", "2.0005", "--inch", "--json"},
       {R"({"size":2,)",
        R"("measured":{"min":2.0005,"max":2.0005},"status":"ok","margin":0.0005,)"}},
      {{"inspect", "50", "H7/g6", "--hole", "50.018", "--shaft", "49.98"},
       {"Hole 50 H7: limits of size 50 to 50.025 mm\n",
        "  measured 50.018 mm: ok, margin 0.007 mm\n  accepting classes: G5 G6 G7* H7* ",
        "  plug gauge: GO 50, NO-GO 50.025 mm\n",
        "  ring or snap gauge: GO 49.991, NO-GO 49.975 mm\n",
        "Fit: clearance, actual 0.038 to 0.038 mm, same kind\nGauge sizes are the limits"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args[2]);
    const CliRun r = run(c.args);
    EXPECT_EQ(r.status, kExitOk) << r.err;
    for (const std::string& part : c.parts) {
      EXPECT_NE(r.out.find(part), std::string::npos) << part << "\n" << r.out;
    }
  }
}

TEST(InspectCommand, BadInputGivesOneLineAndStatus2) {
  const struct {
    std::vector<std::string> args;
    const char* message;
  } cases[] = {
      {{"inspect", "50", "H7", "--hole", "abc"}, R"(--hole "abc" is not a number)"},
      {{"inspect", "50", "H7", "--hole", ""}, "--hole: a measured size cannot be empty"},
      {{"inspect", "50", "H7", "--hole", "-5"},
       "the measured hole must be greater than 0 and at most 20000 mm"},
      {{"inspect", "50", "H7/g6", "--shaft", "1e308"}, "the measured shaft must be greater than 0"},
      {{"inspect", "50", "H7", "--hole-min", "50.02", "--hole-max", "50.01"},
       "--hole-min is above --hole-max"},
      {{"inspect", "50", "H7", "--hole-min", "50.02"}, "--hole-min and --hole-max go together"},
      {{"inspect", "50", "H7", "--hole", "50", "--hole-max", "50.01"}, "--hole excludes"},
      {{"inspect", "50", "H7", "--shaft", "50"}, "the shaft is measured but has no class"},
      {{"inspect", "30", "K9"}, "hole class K9 has no limits at 30 mm"},
      {{"inspect", "50", "Q7"}, R"("Q" is no deviation letter)"},
      {{"inspect", "0", "H7"}, "size 0 mm is not greater than 0"},
      {{"inspect", "50"}, "required"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    const CliRun r = run(c.args);
    EXPECT_EQ(r.status, kExitUsage);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    EXPECT_EQ(lines(r.err).size(), 1u);
  }
}

}  // namespace
}  // namespace kalmo::cli
