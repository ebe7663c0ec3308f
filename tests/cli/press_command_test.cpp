#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "cli_test_support.h"

namespace kalmo::cli {
namespace {

// The number after "key": in a one-line JSON answer (keys of "press" are unique).
double number(const std::string& json, const std::string& key) {
  const std::size_t at = json.find("\"" + key + "\":");
  EXPECT_NE(at, std::string::npos) << key;
  return at == std::string::npos ? NAN : std::strtod(json.c_str() + at + key.size() + 3, nullptr);
}

const std::vector<std::string> kExample = {"press", "50",       "H7/s6", "--hub-diameter",
                                           "80",    "--length", "40",    "--friction",
                                           "0.12",  "--json"};

TEST(PressCommand, WritesEveryFigureOfTheMethod) {
  struct Expected {
    const char* key;
    double value;  // from the formulas, evaluated to 40 digits
  };
  struct Case {
    std::vector<std::string> args;
    std::vector<Expected> expected;
  };
  const Case cases[] = {
      {kExample,
       {{"u_max", 0.059},
        {"u_min", 0.018},
        {"k", 1.5628815628815629e-5},
        {"p_max", 75.5015625},
        {"p_min", 23.034375},
        {"torque", 434.18773968019436},
        {"axial_force", 17367.509587207774},
        {"press_force", 56926.83698029215},
        {"hub_stress", 247.8},
        {"shaft_stress", 75.5015625},
        {"hub_safety", 1.4326069410815174},
        {"shaft_safety", 4.7018894476521595},
        {"hub_temperature", 201.66666666666667},
        {"shaft_temperature", -161.66666666666667}}},
      // 2 in = 50.8 mm: the 50..65 mm row; hub 3 in, length 1.5 in.
      {{"press", "2", "H7/s6", "--inch", "--hub-diameter", "3", "--length", "1.5", "--friction",
        "0.12", "--json"},
       {{"q_hub", 2.0 / 3},
        {"u_max", 0.072},
        {"p_max", 82.677165354330709},
        {"torque", 489.47942480818283},
        {"press_force", 60326.118771292646},
        {"hub_temperature", 221.44356955380577}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args[1]);
    const CliRun r = run(c.args);
    ASSERT_EQ(r.status, kExitOk) << r.err;
    for (const Expected& e : c.expected) {
      EXPECT_NEAR(number(r.out, e.key), e.value, 1e-12 * std::fabs(e.value)) << e.key;
    }
    // "fit" is the fit command's answer for the pair.
    std::vector<std::string> fitArgs = {"fit", c.args[1], "H7/s6", "--json"};
    if (c.args[3] == "--inch") fitArgs.push_back("--inch");
    std::string fit = run(fitArgs).out;
    fit.pop_back();
    EXPECT_NE(r.out.find(R"("fit":)" + fit + R"(,"press":{)"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find(R"("loose_at_min":false,"hub_yields":false,"shaft_yields":false,)"
                         R"("shaft_below_ln2":false,"no_interference":false,)"
                         R"("shaft_below_absolute_zero":false},"conventions":)"),
              std::string::npos);
  }
}

TEST(PressCommand, BadInputIsAUsageErrorNamingIt) {
  struct Case {
    std::vector<std::string> args;  // added to the example
    const char* err;
  };
  const Case cases[] = {
      {{"--hub-diameter", "50"},
       "--hub-diameter \"50\" must be greater than the size and at most 1000000"},
      {{"--bore", "50"}, "--bore \"50\" must be at least 0 and less than the size"},
      {{"--length", "0"}, "--length \"0\" must be greater than 0 and at most 1000000"},
      {{"--shaft-E", "-1"}, "--shaft-E \"-1\" must be at least 1 and at most 10000000"},
      {{"--hub-E", "1e-320"}, "--hub-E \"1e-320\" must be at least 1 and at most 10000000"},
      {{"--hub-nu", "0.5"}, "--hub-nu \"0.5\" must be greater than 0 and less than 0.5"},
      {{"--friction", "1e308"}, "--friction \"1e308\" must be greater than 0 and at most 10"},
      {{"--hub-re", "0"}, "--hub-re \"0\" must be greater than 0 and at most 100000"},
      {{"--shaft-alpha", "0"}, "--shaft-alpha \"0\" must be at least 0.01 and at most 1000"},
      {{"--rz-hub", "-1"}, "--rz-hub \"-1\" must be at least 0 and at most 1000"},
      {{"--joining-clearance", "nan"}, "--joining-clearance \"nan\" is not a finite number"},
      {{"--shaft-material", "oak"},
       "--shaft-material \"oak\" is no known material (steel, stainless, cast-iron, aluminium, "
       "copper, brass, bronze, titanium)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.err);
    std::vector<std::string> args = {"press", "50", "H7/s6"};
    for (std::size_t i = 3; i + 1 < kExample.size(); i += 2) {  // the example's value options
      if (std::find(c.args.begin(), c.args.end(), kExample[i]) == c.args.end()) {
        args.insert(args.end(), {kExample[i], kExample[i + 1]});
      }
    }
    args.insert(args.end(), c.args.begin(), c.args.end());
    const CliRun r = run(args);
    EXPECT_EQ(r.status, kExitUsage);
    EXPECT_EQ(r.err, "kalmo-cli: " + std::string(c.err) + "\n");
    EXPECT_EQ(r.out, "");
  }
  const CliRun noFriction = run({"press", "50", "H7/s6", "--hub-diameter", "80", "--length", "40"});
  EXPECT_EQ(noFriction.status, kExitUsage);
  EXPECT_EQ(noFriction.err, "kalmo-cli: --friction is missing\n");
  EXPECT_EQ(
      run({"press", "30", "K9/s6", "--hub-diameter", "80", "--length", "40", "--friction", "0.1"})
          .err,
      "kalmo-cli: fit K9/s6 is undefined at 30 mm\n");
}

TEST(PressCommand, TextWarnsWhereTheMethodStops) {
  struct Case {
    std::vector<std::string> args;
    std::vector<const char*> texts;
    std::size_t warnings;
  };
  const Case cases[] = {
      {{"50", "H7/x6", "--hub-diameter", "55"},
       {"Warning: The hub yields", "liquid nitrogen is not cold enough"},
       2},
      {{"50", "H7/p6", "--hub-diameter", "80", "--rz-hub", "2", "--rz-shaft", "2"},
       {"Warning: The smallest effective interference is not above 0"},
       1},
      {{"50", "H8/x8", "--hub-diameter", "60", "--hub-material", "aluminium"},
       {"cooling alone cannot join the parts", "shaft temperature\t-\n"},
       1},
      {{"50", "H11/c11", "--hub-diameter", "80"},
       {"Warning: Clearance fit", "hub temperature\t-\n", "shaft temperature\t-\n"},
       1},
      // U = +0.00015 and -0.00045 mm, ties whose doubles lie just inside:
      // rounded from the exact decimal, away from zero.
      {{"3", "H01/js01", "--hub-diameter", "10"},
       {"Interference max./min.\t0.0002 mm\t-0.0005 mm\n"},
       1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args[1]);
    std::vector<std::string> args = {"press", "--length", "40", "--friction", "0.12"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const CliRun r = run(args);
    EXPECT_EQ(r.status, kExitOk);
    for (const char* text : c.texts) {
      EXPECT_NE(r.out.find(text), std::string::npos) << text << "\n" << r.out;
    }
    EXPECT_EQ(lines(r.out).size(), 13 + c.warnings);  // 11 figures, 2 conventions
  }
}

// Load, temperatures and conventions reach the answer (the figures are the
// core's, checked there): by hand for 50 H7/s6, T = 400 N·m,
// S_R = 23.034375·240π/16000 = 1.0854693.
TEST(PressCommand, CarriesLoadTemperaturesAndConventions) {
  std::vector<std::string> args(kExample);
  args.insert(args.end(), {"--torque", "400", "--hole-temp", "60", "--smoothing", "0.4", "--stress",
                           "von-mises"});
  const CliRun r = run(args);
  ASSERT_EQ(r.status, kExitOk) << r.err;
  EXPECT_NEAR(number(r.out, "slip_safety"), 1.0854693492004859, 1e-12);
  EXPECT_NE(r.out.find(R"("conventions":{"smoothing":"0.4","smoothing_source":"DIN 7190-1:2017",)"
                       R"("stress":"von-mises"},"load":{"torque":400,"axial_force":0,)"
                       R"("resultant_force":16000,)"),
            std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find(R"("operating":{"hub_temperature":60,"shaft_temperature":20,)"),
            std::string::npos);
  // "fit" holds fit's operating values for the same temperatures.
  const CliRun fit = run({"fit", "50", "H7/s6", "--hole-temp", "60", "--json"});
  std::string fitJson = fit.out;
  fitJson.pop_back();
  EXPECT_NE(r.out.find(R"("fit":)" + fitJson + ","), std::string::npos);
  const CliRun none = run(kExample);
  EXPECT_NE(none.out.find(R"("load":null,"operating":null})"), std::string::npos);
}

TEST(PressDesignCommand, BadInputIsOneLine) {
  struct Case {
    std::vector<std::string> args;  // after the joint options
    const char* err;
  };
  const Case cases[] = {
      {{}, "--torque or --axial-force is missing"},
      {{"--torque", "0"}, "--torque and --axial-force give no load: one must be greater than 0"},
      {{"--axial-force", "-5"},
       "--axial-force \"-5\" must be at least 0 and at most 1000000000000"},
      {{"--torque", "400", "--slip-safety", "0.9"},
       "--slip-safety \"0.9\" must be at least 1 and at most 100"},
      {{"--torque", "400", "--yield-safety", "x"}, "--yield-safety \"x\" is not a finite number"},
      {{"--torque", "400", "--range", "5:99"},
       "range \"5:99\" is neither a named range (precision, gauges, semi-products, structures, "
       "non-tolerated) nor FROM:TO with grades 01, 0, 1 to 18"},
      {{"--torque", "400", "--bore", "50"},
       "--bore \"50\" must be at least 0 and less than the size"},
      {{"--torque", "400", "--in-operation"}, "--in-operation needs --hole-temp or --shaft-temp"},
      {{"--torque", "400", "--shaft-temp", "-300"}, "--shaft-temp \"-300\" is below -273.15 °C"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.err);
    std::vector<std::string> args = {"press-design", "50", "--hub-diameter", "80",
                                     "--length",     "40", "--friction",     "0.12"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const CliRun r = run(args);
    EXPECT_EQ(r.status, kExitUsage);
    EXPECT_EQ(r.err, "kalmo-cli: " + std::string(c.err) + "\n");
    EXPECT_EQ(r.out, "");
  }
}

// The worked example with the hub at 40 °C: each fit carries its values in
// operation (as press gives them for that fit); --in-operation keeps the four
// fits whose slip safety there reaches 1.5 and counts the eight others.
TEST(PressDesignCommand, InOperation) {
  const std::vector<std::string> base = {
      "press-design", "50",  "--hub-diameter", "80", "--length", "40", "--friction", "0.12",
      "--torque",     "400", "--hole-temp",    "40", "--json"};
  const CliRun all = run(base);
  ASSERT_EQ(all.status, kExitOk);
  EXPECT_NE(all.out.find(R"("operating":{"hub_temperature":40,"shaft_temperature":20},)"
                         R"("in_operation":false,"not_in_operation":0,)"),
            std::string::npos);
  const CliRun press =
      run({"press", "50", "H7/t6", "--hub-diameter", "80", "--length", "40", "--friction", "0.12",
           "--torque", "400", "--hole-temp", "40", "--json"});
  const std::size_t at = press.out.find(R"("operating":{"hub_temperature":40)");
  ASSERT_NE(at, std::string::npos);
  const std::size_t uMin = press.out.find(R"("u_min":)", at);
  const std::string uMinText = press.out.substr(uMin, press.out.find(',', uMin) - uMin);
  const std::size_t fit = all.out.find(R"({"fit":"H7/t6")");
  ASSERT_NE(fit, std::string::npos);
  const std::size_t fitOperating = all.out.find(R"("operating":{)", fit);
  EXPECT_EQ(all.out.find(uMinText + ",", fitOperating), all.out.find(R"("u_min":)", fitOperating));

  std::vector<std::string> kept = base;
  kept.push_back("--in-operation");
  const CliRun carried = run(kept);
  EXPECT_NE(carried.out.find(R"("in_operation":true,"not_in_operation":8,)"), std::string::npos);
  EXPECT_NE(carried.out.find(R"("count":4})"), std::string::npos);
  EXPECT_EQ(carried.out.find(R"({"fit":"H7/t6")"), std::string::npos);
}

TEST(MaterialsCommand, ListsEveryPresetAsTextAndJson) {
  const CliRun text = run({"materials"});
  EXPECT_EQ(text.status, kExitOk);
  EXPECT_EQ(lines(text.out).size(), 9u);
  EXPECT_EQ(lines(text.out)[1], "steel\t12\t210000\t0.3\t355");
  const CliRun json = run({"materials", "--json"});
  EXPECT_EQ(json.out.rfind(R"({"materials":[{"name":"steel","alpha":12,"E":210000,)", 0), 0u);
  EXPECT_NE(json.out.find(R"({"name":"titanium","alpha":8.6,"E":114000,"nu":0.34,"re":828}]})"),
            std::string::npos);
}

}  // namespace
}  // namespace kalmo::cli
