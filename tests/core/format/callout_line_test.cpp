#include "format/callout_line.h"

#include <gtest/gtest.h>

#include "format/shortest_number.h"

namespace kalmo {
namespace {

// Every line a front end reads gives these values or this reason, in the
// words both the batch table and kalmo-cli write.
TEST(CalloutLine, ReadsOrNamesTheReason) {
  const LangTable english = LoadLanguage(kLanguageEnglish);
  const struct {
    const char* text;
    CalloutRules rules;
    const char* expected;  // "size/sizeMm hole shaft", or the reason
  } cases[] = {
      {"\xC3\x98"
       "50 H7/g6",
       {},
       "50/50 H7 g6"},
      {"50,5 H7", {}, "50.5/50.5 H7 -"},
      {"\xE2\x8C\x80"
       "42H7/f6 mm",
       {},
       "42/42 H7 f6"},
      {"1 k6", {true}, "1/25.4 - k6"},
      {"0.0005 H7/g6", {}, "0.0005/0.0005 H7 g6"},  // in range for reading; no part shown
      {"50 mm", {false, ClassesWanted::None}, "50/50 - -"},
      {"", {}, "size missing: expected a size and a tolerance class or fit, such as 50 H7/g6"},
      {"H7/g6", {}, "size missing: expected a size and a tolerance class or fit, such as 50 H7/g6"},
      {"abc H7", {}, R"(size "abc" is not a number)"},
      {"4.2.1 H7", {}, R"(size "4.2.1" is not a number)"},
      {"-5 H7", {}, R"(size "-5" takes no sign)"},
      {"1e5", {false, ClassesWanted::None}, R"(size "1e5" is not a number)"},
      {"0 H7", {}, "size 0 mm is not greater than 0"},
      {"10000.001 H7", {}, "size 10000.001 mm is above the largest nominal size, 10000 mm"},
      {"394 H7", {true}, "size 394 in (10007.6 mm) is above the largest nominal size, 10000 mm"},
      {"1 mm H7", {true}, R"(size "1 mm H7": sizes are in inches here, not mm)"},
      {"50", {}, "no tolerance class or fit after the size, such as 50 H7/g6 or 50 H7"},
      {"50 H7 g6", {}, R"(text after the tolerance class or fit "H7": "g6")"},
      {"50 H7g6", {}, R"(fit "H7g6" has no "/": expected HOLE/SHAFT such as H7/g6)"},
      {"50 H7",
       {false, ClassesWanted::Fit},
       R"(fit "H7" has no "/": expected HOLE/SHAFT such as H7/g6)"},
      {"50 q7",
       {},
       R"(class "q7": "q" is no deviation letter (A to ZC for holes, a to zc for shafts))"},
      {"50 bearing/k5", {}, "50/50 bearing k5"},
      {"50 bearing7", {}, R"(class "bearing7": bearing takes no grade)"},
      {"50 H7/Bearing",
       {},
       R"(class "Bearing": the bearing ring is written bearing, in lower case and without a grade)"},
      {"50 H7/", {}, "shaft class missing"},
      {"50 7/g6", {}, R"(hole class "7": deviation letter missing (A to ZC))"},
      {"50 H7/q6", {}, R"(shaft class "q6": "q" is no shaft deviation letter (a to zc))"},
      {"50 h7/g6", {}, R"(hole class "h7": hole letters are upper case)"},
      {"50 H7/G6", {}, R"(shaft class "G6": shaft letters are lower case)"},
      {"50 g", {}, R"(shaft class "g": tolerance grade missing (01, 0, 1 to 18))"},
      {"50 H77", {}, R"(hole class "H77": "77" is no tolerance grade (01, 0, 1 to 18))"},
      {"50 H7 x0123456789012345678901234567890123456789",
       {},
       R"(text after the tolerance class or fit "H7": "x012345678901234567890123456789012345678...")"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const CalloutReading r = readCallout(c.text, c.rules);
    std::string got;
    if (r.value) {
      const auto name = [](Side side, const std::optional<ToleranceClass>& cls) {
        return cls ? Designation(side, *cls) : std::string("-");
      };
      got = formatShortest(r.value->size) + "/" + formatShortest(r.value->sizeMm) + " " +
            name(Side::Hole, r.value->hole) + " " + name(Side::Shaft, r.value->shaft);
    } else {
      got = calloutFailureText(r.failure, english);
    }
    EXPECT_EQ(got, c.expected);
  }
}

// SIZE and HOLE/SHAFT as two command-line arguments: each holds just its own.
TEST(CalloutLine, ReadsASizeAndClassesGivenApart) {
  const LangTable english = LoadLanguage(kLanguageEnglish);
  const struct {
    const char* size;
    const char* classes;
    const char* reason;  // empty when read
  } cases[] = {
      {"\xC3\x98"
       "50,5",
       "H7/g6", ""},
      {"50 mm", " g6 ", ""},
      {"1e1", "H7/g6", R"(size "1e1" is not a number)"},
      {"50 H7", "g6", R"(size "50 H7" is not a number)"},
      {"50", "", "no tolerance class or fit after the size, such as 50 H7/g6 or 50 H7"},
      {"50", "H7 g6", R"(fit "H7 g6" has no "/": expected HOLE/SHAFT such as H7/g6)"},
      {"50", "Q7/g6", R"(hole class "Q7": "Q" is no hole deviation letter (A to ZC))"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.size) + " | " + c.classes);
    const CalloutReading r = readCallout(c.size, c.classes, {});
    EXPECT_EQ(r.value ? "" : calloutFailureText(r.failure, english), c.reason);
  }
}

TEST(CalloutLine, SkipsBlankAndCommentLines) {
  EXPECT_EQ(calloutListLine("  50 H7/g6 \r"), "50 H7/g6");
  EXPECT_EQ(calloutListLine(" \t\r"), std::nullopt);
  EXPECT_EQ(calloutListLine("  # size fit"), std::nullopt);
}

}  // namespace
}  // namespace kalmo
