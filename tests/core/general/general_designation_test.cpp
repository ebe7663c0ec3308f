#include "general/general_designation.h"

#include <gtest/gtest.h>

namespace kalmo {
namespace {

TEST(GeneralDesignation, ReadsTitleBlockNotesAndSaysWhyOthersFail) {
  using E = GeneralDesignationError;
  using L = LinearClass;
  using G = GeometricClass;
  const struct {
    const char* text;
    std::optional<GeneralDesignation> value;
    E error;
  } cases[] = {
      {"ISO 2768-m", GeneralDesignation{L::m, std::nullopt}, E::None},
      {"ISO 2768-mK", GeneralDesignation{L::m, G::K}, E::None},
      {"2768-cL", GeneralDesignation{L::c, G::L}, E::None},
      {"mK", GeneralDesignation{L::m, G::K}, E::None},
      {" iso2768 - fH ", GeneralDesignation{L::f, G::H}, E::None},
      {"v", GeneralDesignation{L::v, std::nullopt}, E::None},
      {"ISO 2768\u2013mK", GeneralDesignation{L::m, G::K}, E::None},
      {"ISO 2768-K", GeneralDesignation{std::nullopt, G::K}, E::None},
      {"", std::nullopt, E::Empty},
      {"ISO 286-m", std::nullopt, E::NotIso2768},
      {"DIN ISO 2768-mK", std::nullopt, E::NotIso2768},
      {"ISO", std::nullopt, E::NotIso2768},
      {"ISO 2768-1", std::nullopt, E::PartNumber},
      {"ISO 2768", std::nullopt, E::MissingClass},
      {"ISO 2768-", std::nullopt, E::MissingClass},
      {"MK", std::nullopt, E::LinearUpperCase},
      {"ISO 2768-F", std::nullopt, E::LinearUpperCase},
      {"mk", std::nullopt, E::GeometricLowerCase},
      {"k", std::nullopt, E::GeometricLowerCase},
      {"xK", std::nullopt, E::UnknownLinear},
      {"mX", std::nullopt, E::UnknownGeometric},
      {"ISO 2768-mK-E", std::nullopt, E::Envelope},
      {"mKK", std::nullopt, E::TrailingText},
      {"Km", std::nullopt, E::TrailingText},
      {"2768mK", std::nullopt, E::TrailingText},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const GeneralDesignationRead read = readGeneralDesignation(c.text);
    EXPECT_EQ(read.value, c.value);
    EXPECT_EQ(read.error, c.error);
    if (read.value) {
      // The canonical text reads back as the same designation.
      EXPECT_EQ(readGeneralDesignation(generalDesignationText(*read.value)).value, read.value);
    }
  }
}

}  // namespace
}  // namespace kalmo
