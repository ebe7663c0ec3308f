#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

#include "calc/evaluation.h"
#include "calc/tolerance_class.h"

namespace kalmo {

// Fit type as the type pickers of the catalogue and the design page order it
// (the value is the picker index). The catalogue sections follow this order.
enum class FitType { Clearance = 0, Transition = 1, Interference = 2 };

inline constexpr int kFitTypeCount = 3;

constexpr FitKind fitKindOf(FitType type) {
  switch (type) {
    case FitType::Clearance: return FitKind::Clearance;
    case FitType::Transition: return FitKind::Transition;
    case FitType::Interference: return FitKind::Interference;
  }
  return FitKind::Undefined;
}

// The fit system of a catalogue section (the value is the system picker index).
enum class FitBasis { Hole = 0, Shaft = 1 };

// Position of a section among the six of a list: hole basis first, each
// basis in fit type order.
constexpr std::size_t sectionIndex(FitBasis basis, FitType type) {
  return static_cast<std::size_t>(basis) * kFitTypeCount + static_cast<std::size_t>(type);
}

// The fit system of a design search (the value is the system picker index);
// it decides which part of a catalogue list the standard-fit questions consult.
enum class DesignSystem {
  HoleBasis = 0,        // H of each grade in range with every shaft class in range
  ShaftBasis = 1,       // every hole class in range with h of each grade in range
  HoleTolerance = 2,    // the fixed hole class with every shaft class in range
  ShaftTolerance = 3,   // every hole class in range with the fixed shaft class
  AllCombinations = 4,  // every hole class in range with every shaft class in range
};

// One entry of a catalogue list. Besides the fits a list holds an empty
// separator between its hole-basis and shaft-basis sections and, in the list
// above 500 mm, a trailing single blank; neither is a fit nor matches one.
struct CatalogueEntry {
  std::string_view designation;  // "H7/g6"; "" for the separator, " " for the blank
  FitClasses classes;            // the two classes of a fit; zeros otherwise
  bool preferred = false;        // the entry is drawn bold; a mark of this entry only

  constexpr bool isFit() const { return designation.find('/') != std::string_view::npos; }
};

// Position of one section in its list.
struct CatalogueSection {
  FitBasis basis;
  FitType type;
  std::size_t first;
  std::size_t count;
};

// One list of standard fits: six sections (hole basis clearance, transition,
// interference, then the same for shaft basis) in list order.
struct FitCatalogue {
  std::span<const CatalogueEntry> entries;  // every position, separator and blank included
  std::array<CatalogueSection, 6> sections;

  std::span<const CatalogueEntry> section(FitBasis basis, FitType type) const;
  const CatalogueSection& sectionAt(FitBasis basis, FitType type) const {
    return sections[sectionIndex(basis, type)];
  }
};

// Standard fits for nominal sizes up to and including 500 mm (159 positions)
// and above 500 mm (135 positions, the last a single blank).
extern const FitCatalogue fitsUpTo500;
extern const FitCatalogue fitsAbove500;

// fitsAbove500 above 500 mm, otherwise fitsUpTo500.
const FitCatalogue& fitCatalogueFor(double nominalSizeMm);

// Catalogue question of the design search: is the fit an entry of the part
// of the list that the system and type consult? Hole basis and hole tolerance
// consult the hole-basis section of the type, shaft basis and shaft tolerance
// the shaft-basis section, all combinations the whole list whatever the
// type. The list is that of the nominal size (mm). False for a value outside
// either enum.
bool IsStandardFit(FitClasses fit, DesignSystem system, FitType type, double nominalSizeMm);

// The catalogue range of one design search, captured once: a search asks the
// same range up to 40602 times, and a scan of up to 159 entries per question
// would dominate it. Answers as IsStandardFit with the same system, type and
// size; isPreferred: such an entry is marked preferred.
class CatalogueQuery {
 public:
  CatalogueQuery(DesignSystem system, FitType type, double nominalSizeMm);

  // A bearing ring is in no list (and has no key).
  bool isStandard(FitClasses fit) const { return !hasBearing(fit) && standard_[keyOf(fit)]; }
  bool isPreferred(FitClasses fit) const { return !hasBearing(fit) && preferred_[keyOf(fit)]; }

 private:
  // One bit per possible fit (28 x 20 hole classes by as many shaft
  // classes, about 39 KB per set): the answer is one lookup, without the
  // unpredictable branches of a search.
  static constexpr std::size_t kGrades = kGradeLabels.size();
  static constexpr std::size_t kClassCodes = kLetterCount * kGrades;
  static constexpr bool hasBearing(FitClasses fit) {
    return fit.hole.isBearing() || fit.shaft.isBearing();
  }
  static constexpr std::size_t keyOf(FitClasses fit) {
    const auto code = [](ToleranceClass c) {
      return static_cast<std::size_t>(c.letter) * kGrades +
             static_cast<std::size_t>(c.grade.index());
    };
    return code(fit.hole) * kClassCodes + code(fit.shaft);
  }

  std::vector<bool> standard_;
  std::vector<bool> preferred_;
};

}  // namespace kalmo
