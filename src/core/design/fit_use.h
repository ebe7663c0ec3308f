#pragma once

#include <optional>

#include "calc/tolerance_class.h"
#include "design/fit_catalogue.h"
#include "lang/text_id.h"

namespace kalmo {

// A short word on what a standard fit is for: the interface text of its use, or nullopt for a fit
// that is in neither standard catalogue list (up to 500 mm or above). The use follows the ISO 286
// preferred fits of the same character: the letter of the member that is not the basic one (the
// shaft of a hole-basis fit, the hole of a shaft-basis fit) decides, so
// H7/g6 and G7/h6 are both sliding fits; H/h fits are locational clearance
// fits up to grade 9 of the hole and simple clearance fits above.
std::optional<TextId> fitUseTextId(FitClasses fit);

// fitUseTextId for many fits (a design list, a batch): both standard lists
// captured once, each question then a lookup instead of two list scans.
class FitUses {
 public:
  FitUses();
  std::optional<TextId> textId(FitClasses fit) const;

 private:
  CatalogueQuery upTo500_;
  CatalogueQuery above500_;
};

}  // namespace kalmo
