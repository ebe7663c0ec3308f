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
};

// Standard fits for nominal sizes up to and including 500 mm (159 positions)
// and above 500 mm (135 positions, the last a single blank).
extern const FitCatalogue fitsUpTo500;
extern const FitCatalogue fitsAbove500;

// fitsAbove500 above 500 mm, otherwise fitsUpTo500.
const FitCatalogue& fitCatalogueFor(double nominalSizeMm);

// Catalogue queries of the design search. designSystem is the design page's
// system index (0 hole basis, 1 shaft basis, 2 hole tolerance, 3 shaft
// tolerance, 4 all combinations), fitType its type index (0 clearance,
// 1 transition, 2 interference). Systems 0 and 2 consult the hole-basis
// section of the type, 1 and 3 the shaft-basis section, 4 the whole list
// whatever the type. The list is that of the nominal size (mm).
// IsStandardFit: an entry of that range has exactly this designation
// (case-sensitive, whole text). IsPreferredFit: such an entry is marked
// preferred. Both are false when an index is outside its range (negative for
// a picker without a selection) and for text that is no fit designation.
bool IsStandardFit(std::string_view designation, int designSystem, int fitType,
                   double nominalSizeMm);
bool IsPreferredFit(std::string_view designation, int designSystem, int fitType,
                    double nominalSizeMm);

// The same questions asked with the two classes instead of their text. Every
// designation that names two classes is their canonical text, so both forms
// answer alike.
bool IsStandardFit(FitClasses fit, int designSystem, int fitType, double nominalSizeMm);
bool IsPreferredFit(FitClasses fit, int designSystem, int fitType, double nominalSizeMm);

// The catalogue range of one design search, captured once: a search asks the
// same range up to 40602 times, and a scan of up to 159 entries per question
// would dominate it. Answers exactly as the functions above with the same
// system, type and size.
class CatalogueQuery {
 public:
  CatalogueQuery(int designSystem, int fitType, double nominalSizeMm);

  bool isStandard(FitClasses fit) const { return standard_[keyOf(fit)]; }
  bool isPreferred(FitClasses fit) const { return preferred_[keyOf(fit)]; }

 private:
  // One bit per possible fit (28 x 20 hole classes by as many shaft
  // classes, about 39 KB per set): the answer is one lookup, without the
  // unpredictable branches of a search.
  static constexpr std::size_t kGrades = kGradeLabels.size();
  static constexpr std::size_t kClassCodes = kLetterCount * kGrades;
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
