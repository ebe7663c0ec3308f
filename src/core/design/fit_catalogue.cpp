#include "design/fit_catalogue.h"

#include <algorithm>

#include "design/class_lists.h"
#include "design/designation_literal.h"

namespace kalmo {

namespace {

consteval CatalogueEntry fit(std::string_view designation) {
  return {designation, detail::fitLiteral(designation), false};
}
consteval CatalogueEntry preferredFit(std::string_view designation) {
  return {designation, detail::fitLiteral(designation), true};
}
consteval CatalogueEntry separator() {
  return {"", {}, false};
}
consteval CatalogueEntry blank() {
  return {" ", {}, false};
}

// Standard fits of ISO 286-1 (hole-basis and shaft-basis systems) for
// nominal sizes up to and including 500 mm. Preferred entries are bold.
constexpr std::array<CatalogueEntry, 159> kUpTo500 = {
    // hole basis, clearance, 49
    fit("H5/g4"), fit("H5/h4"), fit("H6/f5"), fit("H6/g5"), fit("H6/h5"), fit("H7/c8"),
    fit("H7/d8"), fit("H7/e7"), fit("H7/e8"), fit("H7/f6"), fit("H7/f7"), preferredFit("H7/g6"),
    preferredFit("H7/h6"), fit("H8/c8"), fit("H8/d8"), fit("H8/d9"), fit("H8/e7"),
    preferredFit("H8/e8"), fit("H8/e9"), preferredFit("H8/f7"), fit("H8/f8"), fit("H8/f9"),
    fit("H8/g7"), preferredFit("H8/h7"), fit("H8/h8"), fit("H8/h9"), fit("H9/c9"), fit("H9/d8"),
    preferredFit("H9/d9"), preferredFit("H9/e8"), fit("H9/e9"), fit("H9/f8"), fit("H9/f9"),
    fit("H9/h8"), preferredFit("H9/h9"), fit("H10/d10"), fit("H10/h9"), fit("H10/h10"),
    fit("H11/a11"), preferredFit("H11/b11"), preferredFit("H11/c11"), fit("H11/d9"), fit("H11/d10"),
    fit("H11/d11"), fit("H11/h9"), fit("H11/h10"), fit("H11/h11"), fit("H12/b12"), fit("H12/h12"),
    // hole basis, transition, 19
    fit("H5/js4"), fit("H5/k4"), fit("H5/m4"), fit("H6/js5"), fit("H6/j5"), fit("H6/k5"),
    fit("H6/m5"), preferredFit("H7/js6"), fit("H7/j6"), preferredFit("H7/k6"), fit("H7/m6"),
    preferredFit("H7/n6"), fit("H8/js7"), fit("H8/j7"), fit("H8/k7"), fit("H8/m7"), fit("H8/n7"),
    fit("H8/p7"), fit("H8/r7"),
    // hole basis, interference, 20
    fit("H6/n5"), fit("H6/p5"), fit("H6/r5"), fit("H6/s5"), fit("H6/t5"), fit("H6/u5"),
    preferredFit("H7/p6"), preferredFit("H7/r6"), preferredFit("H7/s6"), fit("H7/s7"), fit("H7/t6"),
    fit("H7/u6"), fit("H7/u7"), fit("H7/x6"), fit("H8/s7"), fit("H8/t7"), fit("H8/u7"),
    fit("H8/u8"), fit("H8/x8"), fit("H8/z8"),
    // empty entry between the hole-basis and the shaft-basis sections
    separator(),
    // shaft basis, clearance, 44
    fit("G5/h4"), fit("H5/h4"), fit("F7/h5"), fit("G6/h5"), fit("H6/h5"), fit("D8/h6"),
    fit("E8/h6"), fit("F7/h6"), fit("F8/h6"), preferredFit("G7/h6"), preferredFit("H7/h6"),
    fit("D8/h7"), fit("E8/h7"), preferredFit("F8/h7"), preferredFit("H8/h7"), fit("D8/h8"),
    fit("D9/h8"), fit("E8/h8"), fit("E9/h8"), fit("F8/h8"), fit("F9/h8"), fit("H8/h8"),
    fit("H9/h8"), preferredFit("B11/h9"), fit("C10/h9"), fit("D9/h9"), preferredFit("D10/h9"),
    fit("E8/h9"), preferredFit("E9/h9"), preferredFit("F8/h9"), fit("F9/h9"), preferredFit("H8/h9"),
    preferredFit("H9/h9"), fit("H10/h9"), fit("H11/h9"), fit("D10/h10"), fit("H10/h10"),
    fit("A11/h11"), fit("B11/h11"), fit("C11/h11"), fit("D11/h11"), fit("H11/h11"), fit("B12/h12"),
    fit("H12/h12"),
    // shaft basis, transition, 17
    fit("JS5/h4"), fit("K5/h4"), fit("M5/h4"), fit("JS6/h5"), fit("J6/h5"), fit("K6/h5"),
    fit("M6/h5"), preferredFit("JS7/h6"), fit("J7/h6"), preferredFit("K7/h6"), fit("M7/h6"),
    preferredFit("N7/h6"), fit("JS8/h7"), fit("J8/h7"), fit("K8/h7"), fit("M8/h7"), fit("N8/h7"),
    // shaft basis, interference, 9
    fit("N6/h5"), fit("P6/h5"), preferredFit("P7/h6"), preferredFit("R7/h6"), preferredFit("S7/h6"),
    fit("T7/h6"), fit("U7/h6"), fit("U8/h7"), fit("X7/h6")};

// The reduced selection above 500 mm: each section keeps the order of the
// list up to 500 mm with some fits left out. D10/h9 keeps its place there but
// is not preferred. The trailing blank is part of the list, never of a section.
constexpr std::array<CatalogueEntry, 135> kAbove500 = {
    // hole basis, clearance, 42
    fit("H5/g4"), fit("H5/h4"), fit("H6/f5"), fit("H6/g5"), fit("H6/h5"), fit("H7/d8"),
    fit("H7/e7"), fit("H7/e8"), fit("H7/f6"), fit("H7/f7"), preferredFit("H7/g6"),
    preferredFit("H7/h6"), fit("H8/d8"), fit("H8/d9"), fit("H8/e7"), preferredFit("H8/e8"),
    fit("H8/e9"), preferredFit("H8/f7"), fit("H8/f8"), fit("H8/f9"), fit("H8/g7"),
    preferredFit("H8/h7"), fit("H8/h8"), fit("H8/h9"), fit("H9/d8"), preferredFit("H9/d9"),
    preferredFit("H9/e8"), fit("H9/e9"), fit("H9/f8"), fit("H9/f9"), fit("H9/h8"),
    preferredFit("H9/h9"), fit("H10/d10"), fit("H10/h9"), fit("H10/h10"), fit("H11/d9"),
    fit("H11/d10"), fit("H11/d11"), fit("H11/h9"), fit("H11/h10"), fit("H11/h11"), fit("H12/h12"),
    // hole basis, transition, 19
    fit("H5/js4"), fit("H5/k4"), fit("H5/m4"), fit("H6/js5"), fit("H6/j5"), fit("H6/k5"),
    fit("H6/m5"), preferredFit("H7/js6"), fit("H7/j6"), preferredFit("H7/k6"), fit("H7/m6"),
    preferredFit("H7/n6"), fit("H8/js7"), fit("H8/j7"), fit("H8/k7"), fit("H8/m7"), fit("H8/n7"),
    fit("H8/p7"), fit("H8/r7"),
    // hole basis, interference, 14
    fit("H6/n5"), fit("H6/p5"), fit("H6/r5"), fit("H6/s5"), fit("H6/u5"), preferredFit("H7/p6"),
    preferredFit("H7/r6"), preferredFit("H7/s6"), fit("H7/s7"), fit("H7/u6"), fit("H7/u7"),
    fit("H8/s7"), fit("H8/u7"), fit("H8/u8"),
    // empty entry between the hole-basis and the shaft-basis sections
    separator(),
    // shaft basis, clearance, 37
    fit("G5/h4"), fit("H5/h4"), fit("F7/h5"), fit("H6/h5"), fit("D8/h6"), fit("E8/h6"),
    fit("F7/h6"), fit("F8/h6"), preferredFit("G7/h6"), preferredFit("H7/h6"), fit("D8/h7"),
    fit("E8/h7"), preferredFit("F8/h7"), preferredFit("H8/h7"), fit("D8/h8"), fit("D9/h8"),
    fit("E8/h8"), fit("E9/h8"), fit("F8/h8"), fit("F9/h8"), fit("H8/h8"), fit("H9/h8"),
    fit("D9/h9"), fit("D10/h9"), fit("E8/h9"), preferredFit("E9/h9"), preferredFit("F8/h9"),
    fit("F9/h9"), preferredFit("H8/h9"), preferredFit("H9/h9"), fit("H10/h9"), fit("H11/h9"),
    fit("D10/h10"), fit("H10/h10"), fit("D11/h11"), fit("H11/h11"), fit("H12/h12"),
    // shaft basis, transition, 14
    fit("JS5/h4"), fit("K5/h4"), fit("M5/h4"), fit("JS6/h5"), fit("K6/h5"), fit("M6/h5"),
    preferredFit("JS7/h6"), preferredFit("K7/h6"), fit("M7/h6"), preferredFit("N7/h6"),
    fit("JS8/h7"), fit("K8/h7"), fit("M8/h7"), fit("N8/h7"),
    // shaft basis, interference, 7
    fit("N6/h5"), fit("P6/h5"), preferredFit("P7/h6"), preferredFit("R7/h6"), preferredFit("S7/h6"),
    fit("U7/h6"), fit("U8/h7"),
    // a single blank after the last section
    blank()};

constexpr std::array<CatalogueSection, 6> kUpTo500Sections = {{
    {FitBasis::Hole, FitType::Clearance, 0, 49},
    {FitBasis::Hole, FitType::Transition, 49, 19},
    {FitBasis::Hole, FitType::Interference, 68, 20},
    {FitBasis::Shaft, FitType::Clearance, 89, 44},
    {FitBasis::Shaft, FitType::Transition, 133, 17},
    {FitBasis::Shaft, FitType::Interference, 150, 9},
}};
constexpr std::array<CatalogueSection, 6> kAbove500Sections = {{
    {FitBasis::Hole, FitType::Clearance, 0, 42},
    {FitBasis::Hole, FitType::Transition, 42, 19},
    {FitBasis::Hole, FitType::Interference, 61, 14},
    {FitBasis::Shaft, FitType::Clearance, 76, 37},
    {FitBasis::Shaft, FitType::Transition, 113, 14},
    {FitBasis::Shaft, FitType::Interference, 127, 7},
}};

// Sections in list order, indexed by basis and type; every position is a fit
// except the separator right after the hole-basis sections and, when the
// list has one, the blank after the last section.
template <std::size_t N>
consteval bool validLayout(const std::array<CatalogueEntry, N>& entries,
                           const std::array<CatalogueSection, 6>& sections) {
  std::size_t next = 0;
  for (std::size_t i = 0; i < sections.size(); ++i) {
    const CatalogueSection& s = sections[i];
    if (sectionIndex(s.basis, s.type) != i) return false;
    if (i == sectionIndex(FitBasis::Shaft, FitType::Clearance)) {
      if (entries[next].designation != "") return false;
      ++next;
    }
    if (s.first != next || s.count == 0) return false;
    for (std::size_t k = s.first; k < s.first + s.count; ++k) {
      if (!entries[k].isFit()) return false;
      // A hole-basis fit has the hole H, a shaft-basis fit the shaft h.
      const FitClasses& c = entries[k].classes;
      if ((s.basis == FitBasis::Hole ? c.hole.letter : c.shaft.letter) != letter::H) return false;
    }
    next = s.first + s.count;
  }
  return next == N || (next + 1 == N && entries[next].designation == " ");
}

static_assert(validLayout(kUpTo500, kUpTo500Sections));
static_assert(validLayout(kAbove500, kAbove500Sections));

// The part of the size's list that a system and a type consult; empty for a
// value outside either enum.
std::span<const CatalogueEntry> queryRange(DesignSystem system, FitType type,
                                           double nominalSizeMm) {
  if (fitKindOf(type) == FitKind::Undefined) return {};
  const FitCatalogue& catalogue = fitCatalogueFor(nominalSizeMm);
  switch (system) {
    case DesignSystem::HoleBasis:
    case DesignSystem::HoleTolerance: return catalogue.section(FitBasis::Hole, type);
    case DesignSystem::ShaftBasis:
    case DesignSystem::ShaftTolerance: return catalogue.section(FitBasis::Shaft, type);
    case DesignSystem::AllCombinations: return catalogue.entries;
  }
  return {};
}

}  // namespace

constinit const FitCatalogue fitsUpTo500{kUpTo500, kUpTo500Sections};
constinit const FitCatalogue fitsAbove500{kAbove500, kAbove500Sections};

std::span<const CatalogueEntry> FitCatalogue::section(FitBasis basis, FitType type) const {
  const CatalogueSection& s = sectionAt(basis, type);
  return entries.subspan(s.first, s.count);
}

const FitCatalogue& fitCatalogueFor(double nominalSizeMm) {
  return isAbove500(nominalSizeMm) ? fitsAbove500 : fitsUpTo500;
}

bool IsStandardFit(FitClasses fit, DesignSystem system, FitType type, double nominalSizeMm) {
  const auto range = queryRange(system, type, nominalSizeMm);
  return std::any_of(range.begin(), range.end(),
                     [&](const CatalogueEntry& e) { return e.isFit() && e.classes == fit; });
}

CatalogueQuery::CatalogueQuery(DesignSystem system, FitType type, double nominalSizeMm)
    : standard_(kClassCodes * kClassCodes), preferred_(kClassCodes * kClassCodes) {
  for (const CatalogueEntry& e : queryRange(system, type, nominalSizeMm)) {
    if (!e.isFit()) continue;
    standard_[keyOf(e.classes)] = true;
    if (e.preferred) preferred_[keyOf(e.classes)] = true;
  }
}

}  // namespace kalmo
