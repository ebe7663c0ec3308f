#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace kalmo {

// An interface text with %1, %2 ... replaced by the arguments in order; a
// number without an argument stays as it is.
inline std::string fillText(std::string_view text, std::initializer_list<std::string_view> args) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const std::size_t n = i + 1 < text.size() ? static_cast<std::size_t>(text[i + 1] - '1') : 99;
    if (text[i] == '%' && n < args.size()) {
      out += *(args.begin() + n);
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

}  // namespace kalmo
