#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_test_support.h"

namespace kalmo::cli {
namespace {

bool has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST(FitOperatingOptions, AddTheFitAtTemperatureToTheJson) {
  struct Case {
    std::vector<std::string> options;
    std::vector<std::string> parts;  // each must occur in the answer
    bool operating;
  };
  const Case cases[] = {
      // Aluminium housing at 80 °C on a steel shaft (steel by default) at 60 °C.
      {{"--hole-material", "aluminium", "--hole-temp", "80", "--shaft-temp", "60"},
       {R"("operating":{"hole":{"temperature":80,"alpha":23,)",
        R"("shaft":{"temperature":60,"alpha":12,)", R"("fit":{"kind":"clearance",)",
        R"("kind_changed":true})"},
       true},
      // A part at 20 °C keeps its deviations bit for bit.
      {{"--hole-alpha", "23", "--shaft-material", "titanium"},
       {R"("hole":{"temperature":20,"alpha":23,"upper":0.025,"lower":0},)",
        R"("shaft":{"temperature":20,"alpha":8.6,"upper":0.018,"lower":0.002},)",
        R"("fit":{"kind":"transition","value1":0.023,"value2":-0.018,)",
        R"("kind_changed":false})"},
       true},
      {{"--stats", "uniform"}, {R"("statistics":{"model":"uniform","mean":0.0025,)"}, false},
      {{}, {R"("statistics":{"model":"normal",)"}, false},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = {"fit", "50", "H7/k6", "--json"};
    args.insert(args.end(), c.options.begin(), c.options.end());
    SCOPED_TRACE(args.size() > 4 ? args[4] : "no options");
    const CliRun r = run(args);
    EXPECT_EQ(r.status, kExitOk) << r.err;
    for (const std::string& part : c.parts) EXPECT_TRUE(has(r.out, part)) << part << "\n" << r.out;
    EXPECT_EQ(has(r.out, "\"operating\""), c.operating);
  }
  // Batch lines take the same options; an undefined fit has no statistics.
  const CliRun batch = run({"fit", "--batch", "--json", "--shaft-temp", "-40"}, "30 K9/g6\n");
  EXPECT_TRUE(has(batch.out, R"("statistics":null,"operating":)")) << batch.out;
}

// A member without a class, or without limits at the size, has no zone at
// temperature and forms no fit there: null, never the marker value 100000.
// An undefined fit is used for nothing.
TEST(FitOperatingOptions, MembersWithoutLimitsAreNullAtTemperature) {
  const struct {
    const char* line;
    const char* part;
  } cases[] = {
      {"30 K9/g6", R"("operating":{"hole":null,"shaft":{"temperature":-40,)"},
      {"30 K9/g6", R"("fit":null,"statistics":null,"kind_changed":false})"},
      {"30 H7", R"("shaft":null,"fit":null,"statistics":null,"kind_changed")"},
      {"600 H11/c11", R"("use":null})"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    const CliRun r = run({"fit", "--batch", "--json", "--shaft-temp", "-40"}, c.line);
    EXPECT_TRUE(has(r.out, c.part)) << r.out;
    EXPECT_FALSE(has(r.out, R"("upper":100000,"lower":0})")) << r.out;
  }
}

TEST(FitOperatingOptions, BadValuesAreUsageErrorsNamingTheOption) {
  struct Case {
    std::vector<std::string> options;
    const char* err;
  };
  const Case cases[] = {
      {{"--hole-temp", "-273.16"}, "--hole-temp \"-273.16\" is below -273.15 °C"},
      {{"--shaft-temp", "inf"}, "--shaft-temp \"inf\" is not a finite number"},
      {{"--shaft-alpha", "nan"}, "--shaft-alpha \"nan\" is not a finite number"},
      {{"--hole-material", "oak"},
       "--hole-material \"oak\" is no known material (steel, stainless, cast-iron, aluminium, "
       "copper, brass, bronze, titanium)"},
      {{"--shaft-alpha", "-1e6", "--shaft-temp", "30"},
       "--shaft-alpha and --shaft-temp would shrink the shaft to nothing or more than double it"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = {"fit", "50", "H7/k6", "--json"};
    args.insert(args.end(), c.options.begin(), c.options.end());
    SCOPED_TRACE(c.err);
    const CliRun r = run(args);
    EXPECT_EQ(r.status, kExitUsage);
    EXPECT_EQ(r.err, "kalmo-cli: " + std::string(c.err) + "\n");
    EXPECT_EQ(r.out, "");
  }
  // Without --json the result text stays the fit at 20 °C: refused, not ignored.
  EXPECT_EQ(run({"fit", "50", "H7/k6", "--hole-temp", "80"}).status, kExitUsage);
}

// design ranks the same candidates by their fits at temperature: 50 H7/k6
// leaves the transition fits and is the clearance fit closest to its own
// values at 80/60 °C.
TEST(DesignOperatingOptions, RankTheFitsAtTemperature) {
  const std::vector<std::string> alOnSteel = {"--hole-material", "aluminium", "--hole-temp", "80",
                                              "--shaft-temp",    "60"};
  struct Case {
    std::vector<std::string> args;
    std::vector<std::string> parts;  // each must occur in the answer
    bool hasH7k6;
  };
  const Case cases[] = {
      {{"--type", "clearance", "--max", "0.06803354", "--min", "0.02699136"},
       {R"("results":[{"designation":"H7/k6","deviation":2.08)",
        R"("value1":0.06803353999999999,"value2":0.026991359999999992,)",
        R"("operating":{"hole":{"temperature":80,"alpha":23},)"
        R"("shaft":{"temperature":60,"alpha":12}})"},
       true},
      {{"--type", "transition"}, {R"("operating":)"}, false},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = {"design", "50", "--json", "--count", "all"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    args.insert(args.end(), alOnSteel.begin(), alOnSteel.end());
    SCOPED_TRACE(c.args[1]);
    const CliRun r = run(args);
    EXPECT_EQ(r.status, kExitOk) << r.err;
    for (const std::string& part : c.parts) EXPECT_TRUE(has(r.out, part)) << part << "\n" << r.out;
    EXPECT_EQ(has(r.out, R"("designation":"H7/k6")"), c.hasH7k6);
  }
  EXPECT_FALSE(has(run({"design", "50", "--json"}).out, "operating"));
  EXPECT_EQ(run({"design", "50", "--hole-temp", "-300"}).status, kExitUsage);
  EXPECT_EQ(run({"design", "50", "--stats", "normal"}).status, kExitUsage);
}

}  // namespace
}  // namespace kalmo::cli
