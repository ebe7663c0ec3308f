#include "format/safe_text.h"

namespace kalmo {

std::string validUtf8(std::string_view text) {
  constexpr std::string_view kReplacement = "\xEF\xBF\xBD";
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char b = byte(i);
    std::size_t length = 0;
    char32_t min = 0;
    if (b < 0x80) {
      out += text[i++];
      continue;
    } else if ((b & 0xE0) == 0xC0) {
      length = 2;
      min = 0x80;
    } else if ((b & 0xF0) == 0xE0) {
      length = 3;
      min = 0x800;
    } else if ((b & 0xF8) == 0xF0) {
      length = 4;
      min = 0x10000;
    }
    bool ok = length > 0 && i + length <= text.size();
    char32_t cp = length > 0 ? b & (0x7F >> length) : 0;
    for (std::size_t k = 1; ok && k < length; ++k) {
      ok = (byte(i + k) & 0xC0) == 0x80;
      cp = (cp << 6) | (byte(i + k) & 0x3F);
    }
    ok = ok && cp >= min && cp <= 0x10FFFF && (cp < 0xD800 || cp > 0xDFFF);
    if (ok) {
      out += text.substr(i, length);
      i += length;
    } else {
      out += kReplacement;
      ++i;  // resynchronise on the next byte
    }
  }
  return out;
}

std::string safeText(std::string_view text) {
  const std::string valid = validUtf8(text);
  std::string out;
  out.reserve(valid.size());
  for (std::size_t i = 0; i < valid.size();) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(valid[i + k]); };
    const unsigned char b = byte(0);
    const std::size_t length = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
    bool unsafe = b < 0x20 || b == 0x7F;
    if (length == 2) unsafe = b == 0xC2 && byte(1) < 0xA0;  // U+0080..U+009F
    if (length == 3 && b == 0xE2) {
      const unsigned char b1 = byte(1);
      const unsigned char b2 = byte(2);
      unsafe = (b1 == 0x80 && b2 >= 0xAA && b2 <= 0xAE) ||  // U+202A..U+202E
               (b1 == 0x81 && b2 >= 0xA6 && b2 <= 0xA9);    // U+2066..U+2069
    }
    if (unsafe) {
      out += '?';
    } else {
      out.append(valid, i, length);
    }
    i += length;
  }
  return out;
}

}  // namespace kalmo
