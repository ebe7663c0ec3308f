#include "general/general_designation.h"

#include <cctype>

namespace kalmo {

namespace {

constexpr std::string_view kLinearLetters = "fmcv";    // LinearClass order
constexpr std::string_view kGeometricLetters = "HKL";  // GeometricClass order

bool isBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

GeneralDesignationRead failed(GeneralDesignationError error) {
  return {std::nullopt, error};
}

// The class letters after "ISO 2768-".
GeneralDesignationRead readClasses(std::string_view text) {
  if (text.empty()) return failed(GeneralDesignationError::MissingClass);
  if (isDigit(text.front())) return failed(GeneralDesignationError::PartNumber);
  GeneralDesignation d;
  std::size_t i = 0;
  const char first = text[0];
  if (const std::size_t k = kLinearLetters.find(first); k != std::string_view::npos) {
    d.linear = static_cast<LinearClass>(k);
    ++i;
  } else if (std::islower(static_cast<unsigned char>(first))) {
    // A lower-case geometrical letter alone ("k") is a case slip, not a new class.
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(first)));
    return failed(kGeometricLetters.find(upper) != std::string_view::npos
                      ? GeneralDesignationError::GeometricLowerCase
                      : GeneralDesignationError::UnknownLinear);
  } else if (kGeometricLetters.find(first) == std::string_view::npos) {
    // "M", "C", "F", "V": letters of ISO 2768-1 in the wrong case.
    const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(first)));
    if (kLinearLetters.find(lower) != std::string_view::npos) {
      return failed(GeneralDesignationError::LinearUpperCase);
    }
    return failed(std::isupper(static_cast<unsigned char>(first))
                      ? GeneralDesignationError::UnknownGeometric
                      : GeneralDesignationError::UnknownLinear);
  }
  if (i < text.size()) {
    const char second = text[i];
    if (const std::size_t k = kGeometricLetters.find(second); k != std::string_view::npos) {
      d.geometric = static_cast<GeometricClass>(k);
      ++i;
    } else if (!d.linear) {
      return failed(GeneralDesignationError::TrailingText);
    } else if (std::islower(static_cast<unsigned char>(second))) {
      const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(second)));
      return failed(kGeometricLetters.find(upper) != std::string_view::npos
                        ? GeneralDesignationError::GeometricLowerCase
                        : GeneralDesignationError::TrailingText);
    } else if (std::isupper(static_cast<unsigned char>(second))) {
      return failed(GeneralDesignationError::UnknownGeometric);
    }
  }
  std::string_view rest = trimmed(text.substr(i));
  if (rest.empty()) return {d, GeneralDesignationError::None};
  if (rest.front() == '-' && trimmed(rest.substr(1)) == "E") {
    return failed(GeneralDesignationError::Envelope);
  }
  return failed(GeneralDesignationError::TrailingText);
}

}  // namespace

GeneralDesignationRead readGeneralDesignation(std::string_view text) {
  text = trimmed(text);
  if (text.empty()) return failed(GeneralDesignationError::Empty);
  if (text.size() >= 3 && std::toupper(static_cast<unsigned char>(text[0])) == 'I' &&
      std::toupper(static_cast<unsigned char>(text[1])) == 'S' &&
      std::toupper(static_cast<unsigned char>(text[2])) == 'O') {
    text = trimmed(text.substr(3));
    if (text.empty() || !isDigit(text.front())) return failed(GeneralDesignationError::NotIso2768);
  }
  if (!text.empty() && isDigit(text.front())) {
    std::size_t n = 0;
    while (n < text.size() && isDigit(text[n])) ++n;
    if (text.substr(0, n) != "2768") return failed(GeneralDesignationError::NotIso2768);
    text = trimmed(text.substr(n));
    if (text.empty()) return failed(GeneralDesignationError::MissingClass);
    // The hyphen, or the en dash a copy from a PDF often brings instead.
    constexpr std::string_view kEnDash = "\xE2\x80\x93";
    if (text.starts_with(kEnDash)) {
      text.remove_prefix(kEnDash.size() - 1);
    } else if (text.front() != '-') {
      return failed(GeneralDesignationError::TrailingText);
    }
    text = trimmed(text.substr(1));
  } else if (text.find_first_of(" \t0123456789") != std::string_view::npos) {
    // Classes alone have neither blanks nor digits ("DIN ISO 2768-mK", "m 2").
    return failed(GeneralDesignationError::NotIso2768);
  }
  return readClasses(text);
}

char linearClassLetter(LinearClass cls) {
  return kLinearLetters[static_cast<std::size_t>(cls)];
}

char geometricClassLetter(GeometricClass cls) {
  return kGeometricLetters[static_cast<std::size_t>(cls)];
}

std::string generalDesignationText(const GeneralDesignation& designation) {
  std::string text = "ISO 2768-";
  if (designation.linear) text += linearClassLetter(*designation.linear);
  if (designation.geometric) text += geometricClassLetter(*designation.geometric);
  return text;
}

}  // namespace kalmo
