#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_common.h"
#include "cli_test_support.h"

namespace kalmo::cli {
namespace {

TEST(ErrorLine, ControlsAndBidiMarksBecomeQuestionMarks) {
  const struct {
    std::string text;
    std::string expected;
  } cases[] = {
      {"plain H7/g6 \xC3\xA4", "plain H7/g6 \xC3\xA4"},
      {std::string("\0\x1b[2J\x7f", 6), "??[2J?"},
      {"\xC2\x80\xC2\x9B"
       "31m\xC2\xA0",
       "??31m\xC2\xA0"},  // C1; U+00A0 stays
      {"\xE2\x80\xAA\xE2\x80\xAE\xE2\x81\xA6\xE2\x81\xA9\xE2\x80\xA9", "????\xE2\x80\xA9"},
      {"\xFF", "\xEF\xBF\xBD"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.expected);
    EXPECT_EQ(safeErrorText(c.text), c.expected);
  }
}

TEST(ErrorLine, EveryErrorIsOneSafeLineOfBoundedLength) {
  std::vector<std::string> manyArgs = {"fit", "10", "H7/g6"};
  manyArgs.resize(100000, "x");
  const std::vector<std::vector<std::string>> cases = {
      {"fit", "10", "H7/g6", "--" + std::string(100000, 'o')},
      manyArgs,
      {"fit", "10", std::string(3000, '\xC3') + "/g6"},
      {"fit",
       "\xC2\x9B"
       "31m\xE2\x80\xAE"
       "10",
       "H7/g6"},
      {"fit", "10", "H7/g6", "--lang", "\x1b]0;title\x07"},
      {std::string(1000, 'f') + "\xE2\x80\xAE"},
  };
  for (const auto& args : cases) {
    SCOPED_TRACE(args.size() > 1 ? args[1] : args[0].substr(0, 10));
    const CliRun r = run(args);
    EXPECT_EQ(r.status, kExitUsage);
    ASSERT_EQ(lines(r.err).size(), 1u);
    EXPECT_LE(r.err.size(), kMaxErrorLineBytes + 1);
    EXPECT_EQ(safeErrorText(r.err.substr(0, r.err.size() - 1)), r.err.substr(0, r.err.size() - 1));
  }
  EXPECT_TRUE(run(cases[0]).err.ends_with("\xE2\x80\xA6\n"));
}

}  // namespace
}  // namespace kalmo::cli
