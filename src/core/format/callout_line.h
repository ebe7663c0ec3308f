#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calc/tolerance_class.h"
#include "lang/lang_table.h"

namespace kalmo {

// A callout as the batch table and kalmo-cli read it (fit, fit --batch,
// inspect, press, and the sizes of design and catalogue): the grammar of
// parseCallout, the size checked against the nominal range, and one set of
// reasons for what is refused, worded alike in both front ends.

// What a callout asks for, read and checked.
struct CalloutRequest {
  double size = 0;    // as typed, in the unit of the reader (inches in inch mode)
  double sizeMm = 0;  // the nominal size: greater than 0, at most 10000 mm
  std::optional<ToleranceClass> hole;
  std::optional<ToleranceClass> shaft;
  friend bool operator==(const CalloutRequest&, const CalloutRequest&) = default;
};

// Why a callout was not read: the reason (a Callout... text of lang/text_id.h)
// and the texts it names, already cut for a message (userTextExcerpt).
struct CalloutFailure {
  TextId reason = TextId::None;
  std::string first;   // %1
  std::string second;  // %2
  friend bool operator==(const CalloutFailure&, const CalloutFailure&) = default;
};

struct CalloutReading {
  std::optional<CalloutRequest> value;
  CalloutFailure failure;  // reason None when value holds
};

// What a reader wants after the size.
enum class ClassesWanted {
  None,  // a size alone ("50", "Ø50 mm"): design, catalogue
  Any,   // a fit or one class: fit, inspect, batch lines
  Fit,   // a fit HOLE/SHAFT: press
};

struct CalloutRules {
  bool inchMode = false;  // the size is in inches; "mm" after it is refused
  ClassesWanted classes = ClassesWanted::Any;
};

// Reads one callout ("Ø50 H7/g6", "50,5 H7", "42 f6") and checks it: a size
// greater than 0 and at most 10000 mm after conversion, and the classes the
// rules want.
CalloutReading readCallout(std::string_view text, const CalloutRules& rules);

// The same from two parts, a size ("Ø50", "50,5") and a designation ("H7/g6",
// "H7"), as SIZE and HOLE/SHAFT come on a command line: each part must hold
// just its own.
CalloutReading readCallout(std::string_view sizeText, std::string_view classesText,
                           const CalloutRules& rules);

// The callout of one line of a list: the line without a CR before its end and
// without blanks around it; nullopt for a line with none (blank, or a comment
// starting with "#").
std::optional<std::string_view> calloutListLine(std::string_view line);

// The reason as one line in the table's language.
std::string calloutFailureText(const CalloutFailure& failure, const LangTable& lang);

// User text as a message names it: at most 40 bytes, cut before a character,
// "..." after a cut.
std::string userTextExcerpt(std::string_view text);

}  // namespace kalmo
