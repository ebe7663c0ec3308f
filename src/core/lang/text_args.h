#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace kalmo {

// An interface text with %1, %2 ... (up to %9) replaced by the arguments in
// order; a number without an argument stays as it is.
std::string filled(std::string_view text, std::initializer_list<std::string_view> args);

}  // namespace kalmo
