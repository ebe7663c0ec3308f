#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_test_support.h"

namespace kalmo::cli {
namespace {

TEST(GeneralCommand, AnswersEveryKindForTheSize) {
  const struct {
    std::vector<std::string> args;
    std::vector<std::string> parts;  // each in the output
  } cases[] = {
      {{"general", "125", "--class", "mK", "--json"},
       {R"({"size":125,"designation":"ISO 2768-mK","linear":{"upper":0.5,"lower":-0.5},)"
        R"("edge":{"upper":1,"lower":-1},"angle":{"degrees":0.16666666666666666,)"
        "\"text\":\"\u00B10\u00B010'\"},"
        R"("geometric":{"straightness_flatness":0.4,"perpendicularity":null,"symmetry":null,)"
        R"("runout":null},"note":"Perpendicularity, Symmetry, Circular run-out: Not available)",
        R"("editions":"ISO 2768-1:1989; ISO 2768-2:1989, replaced by ISO 22081:2021"})"}},
      {{"general", "0.3", "--class", "m"},
       {"ISO 2768-m at 0.3 mm\n",
        "Linear dimension: No general tolerance applies below 0.5 mm: give the tolerance next "
        "to the dimension.\n",
        "Angle, by its shorter leg (up to 10 mm): \u00B11\u00B0\n"}},
      {{"general", "0.3", "--class", "m", "--json"},
       {R"("linear":null,"edge":null,)", R"("geometric":null,"note":"Linear dimension, Broken)"}},
      {{"general", "5", "--class", "ISO 2768-mK", "--inch", "--json"},
       {R"({"size":5,)", R"("linear":{"upper":0.01968503937007874,"lower":-0.01968503937007874})"}},
      {{"general", "5", "--class", "m", "--inch"},
       {"ISO 2768-m at 5 in\n", "Linear dimension (over 120 up to 400 mm): \u00B10.01969 in\n"}},
      {{"general", "40", "--class", "mK", "--lang", "de"},
       {"ISO 2768-mK bei 40 mm\n", "L\u00E4ngenmass (\u00FCber 30 bis 120 mm): \u00B10.3 mm\n"}},
      {{"general", "--table", "--class", "2768-mK"},
       {"Table of ISO 2768-mK\nLinear dimension, class m\n  from 0.5 up to 3 mm\t\u00B10.1 mm\n",
        "  over 2000 up to 4000 mm\t\u00B12 mm\n", "  over 400 mm\t\u00B10\u00B05'\n",
        "Straightness and flatness, class K\n  up to 10 mm\t0.05 mm\n",
        "Perpendicularity: Not available"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args[1]);
    const CliRun r = run(c.args);
    EXPECT_EQ(r.status, kExitOk) << r.err;
    for (const std::string& part : c.parts) {
      EXPECT_NE(r.out.find(part), std::string::npos) << part << "\n" << r.out;
    }
  }
}

TEST(GeneralCommand, BadInputGivesOneLineAndStatus2) {
  const struct {
    std::vector<std::string> args;
    const char* message;
  } cases[] = {
      {{"general", "50", "--class", "mk"},
       R"(class "mk": The geometrical class is written in upper case: H, K, L)"},
      {{"general", "50", "--class", "ISO 2768-1"}, "names a part of ISO 2768, not a class"},
      {{"general", "50", "--class", "ISO 2768-mK-E"}, "envelope requirement"},
      {{"general", "50"}, "--class is required"},
      {{"general", "--class", "m"}, "SIZE missing"},
      {{"general", "50", "--table", "--class", "m"}, "--table takes no SIZE"},
      {{"general", "--table", "--class", "m", "--json"}, "--table writes text only"},
      {{"general", "abc", "--class", "m"}, R"(size "abc" is not a number)"},
      {{"general", "0", "--class", "m"}, "size 0 mm is not greater than 0"},
      {{"general", "1000", "--class", "m", "--inch"}, "above the largest nominal size"},
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
