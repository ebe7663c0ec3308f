#pragma once

#include <string>
#include <string_view>

namespace kalmo {

// The text with every byte sequence that is not valid UTF-8 (a stray byte,
// an overlong form, a surrogate, a truncated sequence) replaced by U+FFFD.
std::string validUtf8(std::string_view text);

// The text as it may reach a terminal or a spreadsheet cell: invalid UTF-8
// replaced by U+FFFD, and every control character (C0, DEL, C1
// U+0080..U+009F) and every bidirectional override or isolate
// (U+202A..U+202E, U+2066..U+2069) shown as "?", so that no typed byte can
// move the cursor or reorder the line.
std::string safeText(std::string_view text);

}  // namespace kalmo
