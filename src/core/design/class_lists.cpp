#include "design/class_lists.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

#include "design/designation_literal.h"

namespace kalmo {

namespace {

template <std::size_t N>
consteval std::array<ToleranceClass, N> classLiterals(
    Side side, const std::array<std::string_view, N>& texts) {
  std::array<ToleranceClass, N> classes{};
  for (std::size_t i = 0; i < N; ++i) classes[i] = detail::classLiteral(side, texts[i]);
  return classes;
}

// Preferred tolerance classes of ISO 286-2 (bold in the lists).
constexpr auto kPreferredHoles =
    classLiterals<17>(Side::Hole, {"A11", "B11", "C11", "D10", "E9", "F8", "G7", "H7", "H8", "H9",
                                   "H11", "JS7", "K7", "N7", "P7", "R7", "S7"});
constexpr auto kPreferredShafts =
    classLiterals<17>(Side::Shaft, {"a11", "b11", "c11", "d9", "e8", "f7", "g6", "h6", "h7", "h9",
                                    "h11", "js6", "k6", "n6", "p6", "r6", "s6"});

constexpr bool preferred(Side side, ToleranceClass cls) {
  const auto& set = side == Side::Hole ? kPreferredHoles : kPreferredShafts;
  return std::find(set.begin(), set.end(), cls) != set.end();
}

// One letter's grades in a list, as grade numbers (1 = IT1 .. 18 = IT18).
struct ClassRange {
  std::string_view letters;
  int firstGrade;
  int lastGrade;
};

// ISO 286-2, tables of limit deviations: the classes tabulated for sizes up
// to 500 mm and the reduced selection above 500 mm.
constexpr auto kHolesUpTo500 = std::to_array<ClassRange>(
    {{"A", 9, 13},  {"B", 8, 13},  {"C", 8, 13},  {"CD", 6, 10}, {"D", 6, 13}, {"E", 5, 10},
     {"EF", 3, 10}, {"F", 3, 10},  {"FG", 3, 10}, {"G", 3, 10},  {"H", 1, 18}, {"JS", 1, 18},
     {"J", 6, 8},   {"K", 3, 8},   {"M", 3, 10},  {"N", 3, 11},  {"P", 3, 10}, {"R", 3, 10},
     {"S", 3, 10},  {"T", 5, 8},   {"U", 5, 10},  {"V", 5, 8},   {"X", 5, 10}, {"Y", 6, 10},
     {"Z", 6, 11},  {"ZA", 6, 11}, {"ZB", 7, 11}, {"ZC", 7, 11}});
constexpr auto kHolesAbove500 = std::to_array<ClassRange>({{"D", 6, 13},
                                                           {"E", 6, 10},
                                                           {"F", 6, 9},
                                                           {"G", 6, 8},
                                                           {"H", 1, 18},
                                                           {"JS", 1, 18},
                                                           {"K", 6, 8},
                                                           {"M", 6, 8},
                                                           {"N", 6, 9},
                                                           {"P", 6, 9},
                                                           {"R", 6, 8},
                                                           {"S", 6, 8},
                                                           {"T", 6, 8},
                                                           {"U", 6, 8}});
constexpr auto kShaftsUpTo500 = std::to_array<ClassRange>(
    {{"a", 9, 13},  {"b", 9, 13},  {"c", 8, 12},  {"cd", 5, 10}, {"d", 5, 13}, {"e", 5, 10},
     {"ef", 3, 10}, {"f", 3, 10},  {"fg", 3, 10}, {"g", 3, 10},  {"h", 1, 18}, {"js", 1, 18},
     {"j", 5, 7},   {"k", 3, 13},  {"m", 3, 9},   {"n", 3, 9},   {"p", 3, 10}, {"r", 3, 10},
     {"s", 3, 10},  {"t", 5, 8},   {"u", 5, 9},   {"v", 5, 8},   {"x", 5, 10}, {"y", 6, 10},
     {"z", 6, 11},  {"za", 6, 11}, {"zb", 7, 11}, {"zc", 7, 11}});
// g8 is not offered above 500 mm, so g takes two ranges.
constexpr auto kShaftsAbove500 = std::to_array<ClassRange>({{"d", 7, 11},
                                                            {"e", 6, 10},
                                                            {"f", 6, 9},
                                                            {"g", 5, 7},
                                                            {"g", 9, 9},
                                                            {"h", 1, 18},
                                                            {"js", 1, 18},
                                                            {"k", 5, 13},
                                                            {"m", 5, 7},
                                                            {"n", 5, 7},
                                                            {"p", 5, 8},
                                                            {"r", 5, 8},
                                                            {"s", 5, 8},
                                                            {"t", 5, 7},
                                                            {"u", 6, 8}});
static_assert(kHolesUpTo500.size() == 28 && kShaftsUpTo500.size() == 28);

template <std::size_t R>
consteval std::size_t itemCount(const std::array<ClassRange, R>& ranges) {
  std::size_t n = 0;
  for (const ClassRange& r : ranges) n += static_cast<std::size_t>(r.lastGrade - r.firstGrade + 1);
  return n;
}

template <std::size_t N, std::size_t R>
consteval std::array<ClassListItem, N> expand(Side side, const std::array<ClassRange, R>& ranges) {
  std::array<ClassListItem, N> items{};
  std::size_t n = 0;
  for (const ClassRange& r : ranges) {
    // Assigned rather than initialised: clang 14 rejects a consteval call
    // that initialises a local variable of a consteval function template.
    int letter = 0;
    letter = detail::literalLetter(side, r.letters);
    for (int g = r.firstGrade; g <= r.lastGrade; ++g) {
      const ToleranceClass cls{letter, Grade::it(g)};
      items[n++] = {cls, preferred(side, cls)};
    }
  }
  return items;
}

// Picker order of letters, ascending grades within a letter, no repeats.
template <std::size_t N>
consteval bool inListOrder(const std::array<ClassListItem, N>& items) {
  for (std::size_t i = 1; i < N; ++i) {
    if (!(items[i - 1].cls < items[i].cls)) return false;
  }
  return true;
}

template <std::size_t N>
consteval std::size_t preferredCount(const std::array<ClassListItem, N>& items) {
  std::size_t n = 0;
  for (const ClassListItem& item : items) n += item.preferred ? 1 : 0;
  return n;
}

constexpr auto holeClassesUpTo500 = expand<itemCount(kHolesUpTo500)>(Side::Hole, kHolesUpTo500);
constexpr auto holeClassesAbove500 = expand<itemCount(kHolesAbove500)>(Side::Hole, kHolesAbove500);
constexpr auto shaftClassesUpTo500 = expand<itemCount(kShaftsUpTo500)>(Side::Shaft, kShaftsUpTo500);
constexpr auto shaftClassesAbove500 =
    expand<itemCount(kShaftsAbove500)>(Side::Shaft, kShaftsAbove500);

static_assert(holeClassesUpTo500.size() == 201 && holeClassesAbove500.size() == 82);
static_assert(shaftClassesUpTo500.size() == 202 && shaftClassesAbove500.size() == 87);
static_assert(inListOrder(holeClassesUpTo500) && inListOrder(holeClassesAbove500));
static_assert(inListOrder(shaftClassesUpTo500) && inListOrder(shaftClassesAbove500));
// Every preferred class is in the full list; A11, B11, C11 (a11, b11, c11)
// are not offered above 500 mm.
static_assert(preferredCount(holeClassesUpTo500) == 17 &&
              preferredCount(shaftClassesUpTo500) == 17);
static_assert(preferredCount(holeClassesAbove500) == 14 &&
              preferredCount(shaftClassesAbove500) == 14);

}  // namespace

std::span<const ClassListItem> classList(Side side, bool above500) {
  if (side == Side::Hole) {
    return above500 ? std::span<const ClassListItem>(holeClassesAbove500) : holeClassesUpTo500;
  }
  return above500 ? std::span<const ClassListItem>(shaftClassesAbove500) : shaftClassesUpTo500;
}

}  // namespace kalmo
