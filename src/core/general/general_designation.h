#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "tables/iso2768_bands.h"

namespace kalmo {

// The general-tolerance note of a title block: "ISO 2768-mK" names the
// class of linear and angular dimensions (ISO 2768-1) and the geometrical
// class (ISO 2768-2). Either may be missing ("ISO 2768-m", "ISO 2768-K"),
// not both.
struct GeneralDesignation {
  std::optional<LinearClass> linear;
  std::optional<GeometricClass> geometric;
  friend bool operator==(const GeneralDesignation&, const GeneralDesignation&) = default;
};

// Why a text is not a general-tolerance designation.
enum class GeneralDesignationError {
  None,
  Empty,               // nothing typed
  NotIso2768,          // a number other than 2768 ("ISO 286-m")
  PartNumber,          // a part of the standard instead of a class ("ISO 2768-1")
  MissingClass,        // "ISO 2768" or "ISO 2768-" without a class
  LinearUpperCase,     // "M", "ISO 2768-MK": the class of dimensions is lower case
  GeometricLowerCase,  // "mk", "k": the geometrical class is upper case
  UnknownLinear,       // a lower-case letter other than f, m, c, v ("xK")
  UnknownGeometric,    // an upper-case letter other than H, K, L ("mX")
  Envelope,            // "-E" after the classes: the envelope requirement is not evaluated
  TrailingText,        // anything else after the classes ("mKK", "mK 2")
};

struct GeneralDesignationRead {
  std::optional<GeneralDesignation> value;
  GeneralDesignationError error = GeneralDesignationError::None;
  friend bool operator==(const GeneralDesignationRead&, const GeneralDesignationRead&) = default;
};

// Reads "ISO 2768-mK", "2768-cL", "mK", "ISO 2768-m", "ISO 2768-K": an
// optional "ISO" (any letter case), then "2768-" (blanks allowed around the
// hyphen; an en dash is read as the hyphen) or nothing, then the classes:
// first the letter of ISO 2768-1 in lower case (f, m, c, v), then the letter
// of ISO 2768-2 in upper case (H, K, L), as the standard writes them.
// Surrounding blanks are ignored.
GeneralDesignationRead readGeneralDesignation(std::string_view text);

// "ISO 2768-mK" for a designation.
std::string generalDesignationText(const GeneralDesignation& designation);
// "m", "K": the letter of a class.
char linearClassLetter(LinearClass cls);
char geometricClassLetter(GeometricClass cls);

}  // namespace kalmo
