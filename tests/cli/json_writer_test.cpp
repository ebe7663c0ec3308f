#include "json_writer.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>

namespace kalmo::cli {
namespace {

TEST(JsonNumber, ShortestTextWithoutExponentForOurMagnitudes) {
  const struct {
    double value;
    const char* expected;
  } cases[] = {
      {30, "30"},
      {0, "0"},
      {-0.0, "0"},
      {0.021, "0.021"},
      {100000, "100000"},
      {-0.048, "-0.048"},
      {0.1 + 0.2, "0.30000000000000004"},
      {0.021 - 0.035, "-0.014000000000000002"},
      {0.00001, "0.00001"},
      {12.7, "12.7"},
      {1e-7, "1e-07"},
      {1e20, "1e+20"},
      {std::numeric_limits<double>::quiet_NaN(), "null"},
      {std::numeric_limits<double>::infinity(), "null"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.expected);
    EXPECT_EQ(jsonNumber(c.value), c.expected);
  }
}

TEST(JsonNumber, ReadsBackAsTheSameDouble) {
  for (int i = -20000; i <= 20000; i += 3) {
    for (const double v : {i / 1000.0, i / 1000.0 - 0.035, i / 25.4}) {
      const std::string text = jsonNumber(v);
      double back = 0;
      std::from_chars(text.data(), text.data() + text.size(), back);
      ASSERT_EQ(back, v) << text;
      ASSERT_FALSE(text.ends_with(".0")) << text;
    }
  }
}

TEST(JsonString, EscapesWhatJsonRequires) {
  EXPECT_EQ(jsonString("Max. clearance"), "\"Max. clearance\"");
  EXPECT_EQ(jsonString(" Max. \xC3\x9C"
                       "bermass"),
            "\" Max. \xC3\x9C"
            "bermass\"");
  EXPECT_EQ(jsonString("a\"b\\c"), "\"a\\\"b\\\\c\"");
  EXPECT_EQ(jsonString("\n\r\t\x01"), "\"\\n\\r\\t\\u0001\"");
}

TEST(JsonString, InvalidUtf8BecomesReplacementCharacters) {
  const std::string r = "\xEF\xBF\xBD";  // U+FFFD
  const struct {
    std::string text;
    std::string expected;
  } cases[] = {
      {"a\xFF"
       "b",
       "a" + r + "b"},
      {"\xC0\xAF", r + r},                  // overlong "/"
      {"\xED\xA0\x80", r + r + r},          // a UTF-16 surrogate
      {"x\xE2\x82", "x" + r + r},           // cut short at the end
      {"\xF4\x90\x80\x80", r + r + r + r},  // above U+10FFFF
      {"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.expected);
    EXPECT_EQ(jsonString(c.text), "\"" + c.expected + "\"");
  }
}

}  // namespace
}  // namespace kalmo::cli
