#include "format/number_entry.h"

#include <gtest/gtest.h>

#include "format/units.h"

namespace kalmo {
namespace {

constexpr ToleranceClass H7{letter::H, Grade::atIndex(8)};
constexpr ToleranceClass f6{7, Grade::atIndex(7)};

constexpr EntryRules kSizeMm{0.001, 10000, true, false};
constexpr EntryRules kSizeInch{0.00004, 393.70078, true, true};
constexpr EntryRules kTarget{-10000, 10000, false, false};

TEST(NumberEntry, ReadsTypedAndPastedTextsAlike) {
  using S = EntryState;
  using P = EntryProblem;
  const struct {
    const char* text;
    EntryRules rules;
    EntryState state;
    EntryProblem problem;
    double number;
    double held;
    std::optional<ToleranceClass> hole;
    std::optional<ToleranceClass> shaft;
  } cases[] = {
      {"42", kSizeMm, S::Number, P::None, 42, 42, {}, {}},
      {"42,5", kSizeMm, S::Number, P::None, 42.5, 42.5, {}, {}},
      {"42.5", kSizeMm, S::Number, P::None, 42.5, 42.5, {}, {}},
      {" 50 ", kSizeMm, S::Number, P::None, 50, 50, {}, {}},
      {"50 mm", kSizeMm, S::Number, P::None, 50, 50, {}, {}},
      {"\xC3\x98"
       "50",
       kSizeMm,
       S::Number,
       P::None,
       50,
       50,
       {},
       {}},
      {"42 H7/f6", kSizeMm, S::Callout, P::None, 42, 42, H7, f6},
      {"\xE2\x8C\x80"
       "42H7/f6",
       kSizeMm, S::Callout, P::None, 42, 42, H7, f6},
      {"42 f6", kSizeMm, S::Callout, P::None, 42, 42, {}, f6},
      {"42 H7", kSizeMm, S::Callout, P::None, 42, 42, H7, {}},
      {"42 H", kSizeMm, S::Incomplete, P::BadDesignation, 0, 0, {}, {}},
      {"42 h7/g6", kSizeMm, S::Incomplete, P::BadDesignation, 0, 0, {}, {}},
      {"42 Q7", kSizeMm, S::Incomplete, P::BadDesignation, 0, 0, {}, {}},
      {"42 H77", kSizeMm, S::Incomplete, P::BadDesignation, 0, 0, {}, {}},
      {"4.2.1", kSizeMm, S::Incomplete, P::NotANumber, 0, 0, {}, {}},
      {"1,000.5", kSizeMm, S::Incomplete, P::NotANumber, 0, 0, {}, {}},
      {"42.", kSizeMm, S::Number, P::None, 42, 42, {}, {}},  // on the way to 42.5
      {"-5", kSizeMm, S::Incomplete, P::NotANumber, 0, 0, {}, {}},
      {"abc", kSizeMm, S::Incomplete, P::NotANumber, 0, 0, {}, {}},
      {"", kSizeMm, S::Empty, P::None, 0, 0, {}, {}},
      {"0", kSizeMm, S::OutOfRange, P::BelowMinimum, 0, 0.001, {}, {}},
      {"12000", kSizeMm, S::OutOfRange, P::AboveMaximum, 12000, 10000, {}, {}},
      {"0,0005", kSizeMm, S::OutOfRange, P::BelowMinimum, 0.0005, 0.001, {}, {}},
      {"12000 H7/f6", kSizeMm, S::OutOfRange, P::AboveMaximum, 12000, 10000, H7, f6},
      {"1,5 in", kSizeInch, S::Number, P::None, 1.5, 1.5, {}, {}},
      {"2\"", kSizeInch, S::Number, P::None, 2, 2, {}, {}},
      {"2 H7/f6", kSizeInch, S::Callout, P::None, 2, 2, H7, f6},
      {"2 mm", kSizeInch, S::Incomplete, P::WrongUnit, 0, 0, {}, {}},
      {"400", kSizeInch, S::OutOfRange, P::AboveMaximum, 400, 393.70078, {}, {}},
      {"2 in", kSizeMm, S::Incomplete, P::BadDesignation, 0, 0, {}, {}},
      {"-0,05", kTarget, S::Number, P::None, -0.05, -0.05, {}, {}},
      {"0", kTarget, S::Number, P::None, 0, 0, {}, {}},
      {"-", kTarget, S::Incomplete, P::NotANumber, 0, 0, {}, {}},
      {"0-5", kTarget, S::Incomplete, P::NotANumber, 0, 0, {}, {}},
      {"1e3", kTarget, S::Incomplete, P::NotANumber, 0, 0, {}, {}},
      {"42 H7", kTarget, S::Incomplete, P::NotANumber, 0, 0, {}, {}},
      {"-20000", kTarget, S::OutOfRange, P::BelowMinimum, -20000, -10000, {}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const EntryRead read = readEntry(c.text, c.rules);
    EXPECT_EQ(read.state, c.state);
    EXPECT_EQ(read.problem, c.problem);
    if (c.state != S::Incomplete) {
      EXPECT_EQ(read.number, c.number);
      EXPECT_EQ(read.held, c.held);
    }
    EXPECT_EQ(read.hole, c.hole);
    EXPECT_EQ(read.shaft, c.shaft);
  }
}

TEST(NumberEntry, InchLimitsHoldSizesWithinTheTables) {
  const FieldLimits inch = sizeFieldLimits(true);
  EXPECT_EQ(inch.minimum, 0.00004);
  EXPECT_EQ(inch.maximum, 393.70078);
  EXPECT_GE(inchToMm(inch.minimum), 0.001);
  EXPECT_LE(inchToMm(inch.maximum), 10000);
}

}  // namespace
}  // namespace kalmo
