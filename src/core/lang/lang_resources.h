#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace kalmo {

// Bytes of a language resource embedded at build time from resources/lang/
// ("BG", "DE", "EN"); empty for an unknown name.
std::span<const std::uint8_t> embeddedLangResource(std::string_view name);

}  // namespace kalmo
