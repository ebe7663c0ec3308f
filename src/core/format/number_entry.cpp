#include "format/number_entry.h"

#include <utility>

#include "format/callout.h"
#include "format/number_format.h"

namespace kalmo {

namespace {

std::string_view trim(std::string_view text) {
  return trimBlanks(text);
}

EntryRead incomplete(EntryProblem problem) {
  EntryRead read;
  read.state = EntryState::Incomplete;
  read.problem = problem;
  return read;
}

// Places a complete number against the limits.
EntryRead placed(double number, const EntryRules& rules, EntryState complete) {
  EntryRead read;
  read.number = number;
  read.held = number;
  read.state = complete;
  if (number > rules.maximum) {
    read.state = EntryState::OutOfRange;
    read.problem = EntryProblem::AboveMaximum;
    read.held = rules.maximum;
  } else if (number < rules.minimum) {
    read.state = EntryState::OutOfRange;
    read.problem = EntryProblem::BelowMinimum;
    read.held = rules.minimum;
  }
  return read;
}

// A target: an optional "-" where the minimum is negative, digits and at
// most one "." or ",".
EntryRead readPlainNumber(std::string_view text, const EntryRules& rules) {
  if (text.empty()) return {};
  std::string_view digits = text;
  if (rules.minimum < 0 && digits.starts_with('-')) digits.remove_prefix(1);
  int separators = 0;
  bool anyDigit = false;
  for (char c : digits) {
    if (c >= '0' && c <= '9') {
      anyDigit = true;
    } else if ((c == '.' || c == ',') && ++separators == 1) {
      continue;
    } else {
      return incomplete(EntryProblem::NotANumber);
    }
  }
  const std::optional<double> number = anyDigit ? parseNumber(text, ",") : std::nullopt;
  if (!number) return incomplete(EntryProblem::NotANumber);
  return placed(*number, rules, EntryState::Number);
}

// The text without a trailing inch sign ("in" or '"'), in inch mode.
std::string_view withoutInchUnit(std::string_view text) {
  if (text.ends_with('"')) return trim(text.substr(0, text.size() - 1));
  if (text.ends_with("in")) return trim(text.substr(0, text.size() - 2));
  return text;
}

// A text that is no callout, with the reason the callout grammar gives.
EntryRead refusedCallout(EntryProblem problem, CalloutFailure failure) {
  EntryRead read = incomplete(problem);
  read.failure = std::move(failure);
  return read;
}

}  // namespace

EntryRead readEntry(std::string_view text, const EntryRules& rules) {
  text = trim(text);
  if (!rules.callouts) return readPlainNumber(text, rules);
  if (rules.inchMode) {
    // The callout reader takes "mm" as its unit; in inch mode it would mislead.
    if (text.find("mm") != std::string_view::npos) {
      return refusedCallout(EntryProblem::WrongUnit,
                            {TextId::CalloutMmInInches, userTextExcerpt(text), {}});
    }
    text = withoutInchUnit(text);
  }
  const CalloutParse parse = parseCallout(text);
  switch (parse.error) {
    case CalloutError::None: break;
    case CalloutError::Empty: return {};
    case CalloutError::MissingSize:
    case CalloutError::BadSize: return incomplete(EntryProblem::NotANumber);
    case CalloutError::BadDesignation:
    case CalloutError::TrailingText:
      // The grammar names what is wrong after the size, as it does for a
      // batch line or a command line.
      return refusedCallout(EntryProblem::BadDesignation,
                            readCallout(text, {rules.inchMode, ClassesWanted::Any}).failure);
  }
  const Callout& callout = *parse.value;
  const bool classes = callout.hole || callout.shaft;
  EntryRead read = placed(callout.size, rules, classes ? EntryState::Callout : EntryState::Number);
  read.hole = callout.hole;
  read.shaft = callout.shaft;
  return read;
}

TextId entryProblemText(EntryProblem problem) {
  switch (problem) {
    case EntryProblem::None: return TextId::None;
    case EntryProblem::NotANumber: return TextId::EntryNotANumber;
    case EntryProblem::BadDesignation: return TextId::EntryBadDesignation;
    case EntryProblem::WrongUnit: return TextId::EntryWrongUnit;
    case EntryProblem::AboveMaximum: return TextId::EntryAboveMaximum;
    case EntryProblem::BelowMinimum: return TextId::EntryBelowMinimum;
  }
  return TextId::None;
}

}  // namespace kalmo
