#pragma once

#include <string_view>

namespace kalmo {

// The SHA-256 (64 lower-case hex digits) that the build recorded for a help
// file it compiled, by file name ("TISO286_EN.chm"); empty for any other name.
// Defined in a source the build generates (resources/help).
std::string_view recordedHelpDigest(std::string_view fileName);

}  // namespace kalmo
