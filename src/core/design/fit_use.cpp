#include "design/fit_use.h"

#include <array>

#include "design/fit_catalogue.h"

namespace kalmo {

namespace {

// Text numbers by fundamental-deviation letter index (a, b ... zc).
// clang-format off
constexpr std::array<int, kLetterCount> kUseByLetter = {
    310, 310, 310, 310,  // a, b, c, cd: loose running
    311,                 // d: free running
    312, 312,            // e, ef: easy running
    313, 313,            // f, fg: close running
    314,                 // g: sliding
    0,                   // h: depends on the grade (see below)
    317, 317,            // js, j: locational transition, slight clearance or interference
    318,                 // k: locational transition
    319,                 // m: transition, mostly interference
    320,                 // n: locational transition, more interference
    321,                 // p: locational interference
    322,                 // r: light press
    323,                 // s: medium drive
    324, 324,            // t, u: force
    325, 325, 325, 325, 325, 325, 325};  // v, x, y, z, za, zb, zc: heavy shrink
// clang-format on

constexpr int kLocationalClearance = 315;
constexpr int kSimpleClearance = 316;
constexpr int kGradeIndexIT9 = 10;

// Positions of the two standard lists: any size up to 500 mm, any above.
constexpr double kSizeUpTo500 = 10;
constexpr double kSizeAbove500 = 600;
constexpr int kAllCombinations = 4;

}  // namespace

std::optional<int> fitUseTextId(FitClasses fit) {
  const bool standard = IsStandardFit(fit, kAllCombinations, 0, kSizeUpTo500) ||
                        IsStandardFit(fit, kAllCombinations, 0, kSizeAbove500);
  if (!standard) return std::nullopt;
  const bool holeBasis = fit.hole.letter == letter::H;
  const bool shaftBasis = fit.shaft.letter == letter::H;
  if (holeBasis && shaftBasis) {
    return fit.hole.grade <= kGradeIndexIT9 ? kLocationalClearance : kSimpleClearance;
  }
  const int letterIndex = holeBasis ? fit.shaft.letter : fit.hole.letter;
  return kUseByLetter[static_cast<std::size_t>(letterIndex)];
}

}  // namespace kalmo
