#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "lang/text_id.h"

namespace kalmo {

// The numbered interface texts of one language: the lines of its resource in
// file order, decoded to UTF-8 ("n=text"). Empty when no language is loaded.
struct LangTable {
  std::vector<std::string> lines;
  friend bool operator==(const LangTable&, const LangTable&) = default;
};

// Decodes a language resource: UTF-16 little-endian after the byte-order mark
// FF FE, lines split at CR LF (a lone CR or LF also ends a line). Bytes that
// are not such a text never fail: without the mark the table stays empty, an
// odd trailing byte is dropped and lone surrogates become U+FFFD.
LangTable LoadLangTable(std::span<const std::uint8_t> bytes);

// The text of an interface text: everything after the first "=" of the first
// line whose name (the text before that "=") equals the decimal text of its
// number, compared without regard to letter case; lines without "=" are
// skipped. The empty text when no line matches.
std::string GetLangString(const LangTable& table, TextId id);

// Copies the embedded resource of the given name ("BG", "DE", "EN") into the
// stream, replacing its content. Returns false, leaving the stream as it was,
// when there is no such resource.
bool LoadLangResource(std::string_view name, std::vector<std::uint8_t>& stream);

// The interface languages. The numbers are the stored setting "Lang".
enum class LanguageCode : int { Bulgarian = 1, German = 2, English = 3 };
inline constexpr LanguageCode kLanguageBulgarian = LanguageCode::Bulgarian;
inline constexpr LanguageCode kLanguageGerman = LanguageCode::German;
inline constexpr LanguageCode kLanguageEnglish = LanguageCode::English;

// The language of a stored number (1, 2 or 3); nullopt for any other number.
std::optional<LanguageCode> languageFromNumber(int number);
constexpr int languageNumber(LanguageCode code) {
  return static_cast<int>(code);
}

// Resource name of a language ("BG", "DE", "EN").
std::string_view LangResourceName(LanguageCode language);

// The table of a language.
LangTable LoadLanguage(LanguageCode language);

}  // namespace kalmo
