// Checks shared by the command-line fuzz targets. A failed check traps, so
// libFuzzer records the input as a crash.
#pragma once

#include <cstddef>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli.h"

namespace kalmo::fuzz {

inline void require(bool condition) {
  if (!condition) __builtin_trap();
}

struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
};

inline CliRun runCli(std::vector<std::string> args, const std::string& input) {
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  CliRun r;
  r.status = cli::runCli(std::move(args), in, out, err);
  r.out = out.str();
  r.err = err.str();
  return r;
}

// Strict UTF-8: no stray continuation bytes, overlong forms, surrogates or
// code points above U+10FFFF.
inline bool isValidUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto c = static_cast<unsigned char>(text[i]);
    std::size_t length = 0;
    char32_t min = 0;
    char32_t cp = 0;
    if (c < 0x80) {
      ++i;
      continue;
    } else if ((c & 0xE0) == 0xC0) {
      length = 2, min = 0x80, cp = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
      length = 3, min = 0x800, cp = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
      length = 4, min = 0x10000, cp = c & 0x07;
    } else {
      return false;
    }
    if (i + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      const auto d = static_cast<unsigned char>(text[i + k]);
      if ((d & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (d & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    i += length;
  }
  return true;
}

// Text lines as split by '\n'; a last line without '\n' is not returned, so
// that an unterminated line shows as a missing line.
inline std::vector<std::string_view> terminatedLines(std::string_view text) {
  std::vector<std::string_view> lines;
  for (std::size_t at; (at = text.find('\n')) != std::string_view::npos;) {
    lines.push_back(text.substr(0, at));
    text.remove_prefix(at + 1);
  }
  return lines;
}

// A diagnostic on standard error: whole lines of valid UTF-8 whose only
// control character is the line end, so a terminal shows what was meant.
inline bool isCleanDiagnostic(std::string_view err) {
  if (!err.empty() && err.back() != '\n') return false;
  if (!isValidUtf8(err)) return false;
  for (char c : err) {
    const auto u = static_cast<unsigned char>(c);
    if ((u < 0x20 && c != '\n') || u == 0x7F) return false;
  }
  return true;
}

}  // namespace kalmo::fuzz
