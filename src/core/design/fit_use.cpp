#include "design/fit_use.h"

#include <array>

#include "design/fit_catalogue.h"

namespace kalmo {

namespace {

// The use by fundamental-deviation letter index (a, b ... zc).
// clang-format off
constexpr std::array<TextId, kLetterCount> kUseByLetter = {
    TextId::UseLooseRunning, TextId::UseLooseRunning, TextId::UseLooseRunning,
    TextId::UseLooseRunning,                                   // a, b, c, cd
    TextId::UseFreeRunning,                                    // d
    TextId::UseEasyRunning, TextId::UseEasyRunning,            // e, ef
    TextId::UseCloseRunning, TextId::UseCloseRunning,          // f, fg
    TextId::UseSliding,                                        // g
    TextId::None,                                              // h: by grade (see below)
    TextId::UseLocationalTransition, TextId::UseLocationalTransition,  // js, j
    TextId::UseLocationalTransitionK,                          // k
    TextId::UseTransitionM,                                    // m
    TextId::UseLocationalTransitionN,                          // n
    TextId::UseLocationalInterference,                         // p
    TextId::UseLightPress,                                     // r
    TextId::UseMediumDrive,                                    // s
    TextId::UseForce, TextId::UseForce,                        // t, u
    TextId::UseHeavyShrink, TextId::UseHeavyShrink, TextId::UseHeavyShrink,
    TextId::UseHeavyShrink, TextId::UseHeavyShrink, TextId::UseHeavyShrink,
    TextId::UseHeavyShrink};                                   // v, x, y, z, za, zb, zc
// clang-format on

constexpr Grade kIT9 = Grade::it(9);

// Positions of the two standard lists: any size up to 500 mm, any above.
constexpr double kSizeUpTo500 = 10;
constexpr double kSizeAbove500 = 600;

// The use of a fit known to be in a standard list.
TextId useOfStandardFit(FitClasses fit) {
  const bool holeBasis = fit.hole.letter == letter::H;
  const bool shaftBasis = fit.shaft.letter == letter::H;
  if (holeBasis && shaftBasis) {
    return fit.hole.grade <= kIT9 ? TextId::UseLocationalClearance : TextId::UseSimpleClearance;
  }
  const int letterIndex = holeBasis ? fit.shaft.letter : fit.hole.letter;
  return kUseByLetter[static_cast<std::size_t>(letterIndex)];
}

}  // namespace

std::optional<TextId> fitUseTextId(FitClasses fit) {
  const bool standard =
      IsStandardFit(fit, DesignSystem::AllCombinations, FitType::Clearance, kSizeUpTo500) ||
      IsStandardFit(fit, DesignSystem::AllCombinations, FitType::Clearance, kSizeAbove500);
  if (!standard) return std::nullopt;
  return useOfStandardFit(fit);
}

FitUses::FitUses()
    : upTo500_(DesignSystem::AllCombinations, FitType::Clearance, kSizeUpTo500),
      above500_(DesignSystem::AllCombinations, FitType::Clearance, kSizeAbove500) {}

std::optional<TextId> FitUses::textId(FitClasses fit) const {
  if (!upTo500_.isStandard(fit) && !above500_.isStandard(fit)) return std::nullopt;
  return useOfStandardFit(fit);
}

}  // namespace kalmo
