#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

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

// The text of number n: everything after the first "=" of the first line whose
// name (the text before that "=") equals the decimal text of n, compared
// without regard to letter case; lines without "=" are skipped. The empty text
// when no line matches.
std::string GetLangString(const LangTable& table, int n);

// Copies the embedded resource of the given name ("BG", "DE", "EN") into the
// stream, replacing its content. Returns false, leaving the stream as it was,
// when there is no such resource.
bool LoadLangResource(std::string_view name, std::vector<std::uint8_t>& stream);

// Language codes: 1 Bulgarian, 2 German, 3 English.
inline constexpr int kLanguageBulgarian = 1;
inline constexpr int kLanguageGerman = 2;
inline constexpr int kLanguageEnglish = 3;

// Resource name of a language code; empty for any other code.
std::string_view LangResourceName(int languageCode);

// The table of a language code; empty for a code other than 1, 2 or 3.
LangTable LoadLanguage(int languageCode);

}  // namespace kalmo
