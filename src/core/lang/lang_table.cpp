#include "lang/lang_table.h"

#include <algorithm>
#include <cctype>

#include "lang/lang_resources.h"

namespace kalmo {

namespace {

void appendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

constexpr char32_t kReplacement = 0xFFFD;

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

}  // namespace

LangTable LoadLangTable(std::span<const std::uint8_t> bytes) {
  LangTable table;
  if (bytes.size() < 2 || bytes[0] != 0xFF || bytes[1] != 0xFE) {
    return table;
  }
  const std::size_t units = (bytes.size() - 2) / 2;
  const auto unitAt = [&](std::size_t i) -> char16_t {
    return static_cast<char16_t>(bytes[2 + 2 * i] | (bytes[3 + 2 * i] << 8));
  };

  std::string line;
  bool lineOpen = false;  // a text that ends without a line end still forms a line
  for (std::size_t i = 0; i < units; ++i) {
    const char16_t u = unitAt(i);
    if (u == u'\r' || u == u'\n') {
      table.lines.push_back(std::move(line));
      line.clear();
      lineOpen = false;
      if (u == u'\r' && i + 1 < units && unitAt(i + 1) == u'\n') {
        ++i;
      }
      continue;
    }
    lineOpen = true;
    char32_t cp = u;
    if (u >= 0xD800 && u <= 0xDBFF) {
      if (i + 1 < units && unitAt(i + 1) >= 0xDC00 && unitAt(i + 1) <= 0xDFFF) {
        cp = 0x10000 + ((static_cast<char32_t>(u) - 0xD800) << 10) + (unitAt(i + 1) - 0xDC00);
        ++i;
      } else {
        cp = kReplacement;
      }
    } else if (u >= 0xDC00 && u <= 0xDFFF) {
      cp = kReplacement;
    }
    appendUtf8(line, cp);
  }
  if (lineOpen) {
    table.lines.push_back(std::move(line));
  }
  return table;
}

std::string GetLangString(const LangTable& table, TextId id) {
  const std::string key = std::to_string(static_cast<int>(id));
  for (const std::string& line : table.lines) {
    const std::size_t eq = line.find('=');
    if (eq == std::string::npos) {
      continue;
    }
    if (equalsIgnoringCase(std::string_view(line).substr(0, eq), key)) {
      return line.substr(eq + 1);
    }
  }
  return {};
}

bool LoadLangResource(std::string_view name, std::vector<std::uint8_t>& stream) {
  const std::span<const std::uint8_t> resource = embeddedLangResource(name);
  if (resource.empty()) {
    return false;
  }
  stream.assign(resource.begin(), resource.end());
  return true;
}

std::optional<LanguageCode> languageFromNumber(int number) {
  switch (number) {
    case languageNumber(LanguageCode::Bulgarian): return LanguageCode::Bulgarian;
    case languageNumber(LanguageCode::German): return LanguageCode::German;
    case languageNumber(LanguageCode::English): return LanguageCode::English;
    default: return std::nullopt;
  }
}

std::string_view LangResourceName(LanguageCode language) {
  switch (language) {
    case LanguageCode::Bulgarian: return "BG";
    case LanguageCode::German: return "DE";
    case LanguageCode::English: break;
  }
  return "EN";
}

LangTable LoadLanguage(LanguageCode language) {
  std::vector<std::uint8_t> stream;
  LoadLangResource(LangResourceName(language), stream);
  return LoadLangTable(stream);
}

}  // namespace kalmo
