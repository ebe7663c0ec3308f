#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calc/tolerance_class.h"
#include "format/callout_line.h"
#include "lang/text_id.h"

namespace kalmo {

// What a number entry field (the nominal size, a design target) holds while
// the user types or pastes, read the same way in every locale.

// The limits of a field and what it takes besides a plain number.
struct EntryRules {
  double minimum = 0;  // in the unit the field shows
  double maximum = 0;
  bool callouts = false;  // a size with classes ("42 H7/f6") is accepted
  bool inchMode = false;  // a trailing "in" or '"' is accepted instead of "mm"
};

enum class EntryState {
  Number,      // a complete number within the limits
  Callout,     // a complete size within the limits with a class or fit
  Empty,       // nothing but blanks
  OutOfRange,  // a complete number beyond a limit (a size of 0 too); see EntryRead::held
  Incomplete,  // anything else; see EntryRead::problem
};

// Why a text is not a complete entry, for the field's tooltip.
enum class EntryProblem {
  None,
  NotANumber,      // no number where one belongs ("abc", "4.2.1", "-5" as a size)
  BadDesignation,  // a size followed by something that is no class or fit ("42 H", "42 h7/g6");
                   // see EntryRead::failure
  WrongUnit,       // "mm" in inch mode; see EntryRead::failure
  AboveMaximum,    // OutOfRange, above the maximum
  BelowMinimum,    // OutOfRange, below the minimum
};

struct EntryRead {
  EntryState state = EntryState::Empty;
  EntryProblem problem = EntryProblem::None;
  double number = 0;                   // Number, Callout, OutOfRange: the number as typed
  double held = 0;                     // Number, Callout, OutOfRange: the number within the limits
  std::optional<ToleranceClass> hole;  // Callout: the classes it names
  std::optional<ToleranceClass> shaft;
  // BadDesignation, WrongUnit: the reason as the callout grammar gives it to
  // the batch table and kalmo-cli (readCallout), so the field names a bad
  // class in the same words.
  CalloutFailure failure;
  friend bool operator==(const EntryRead&, const EntryRead&) = default;
};

// Reads a field's text:
// - surrounding blanks are ignored; "." and "," are both decimal separators
//   (one of them, once), whatever the locale; no grouping, no exponent;
// - a leading Ø, ø or ⌀ and a trailing "mm" are accepted (in inch mode "in"
//   or '"' instead of "mm"); a sign only where the minimum is negative;
// - with callouts, a size followed by a class or fit by the rules of
//   parseCallout (holes upper case, shafts lower case);
// - a number beyond a limit is OutOfRange with `held` the nearer limit (so is
//   0 where the minimum is positive: no size is no size at all); nothing is
//   truncated or merged.
EntryRead readEntry(std::string_view text, const EntryRules& rules);

// The tooltip text that says why an entry is not applied; None for a
// complete entry.
TextId entryProblemText(EntryProblem problem);

}  // namespace kalmo
