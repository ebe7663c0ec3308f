#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "format/safe_text.h"

namespace kalmo::cli {

// The shortest text that reads back as the same double, in plain decimal
// notation for the magnitudes of this program (30 not 30.0, 0.021, 100000,
// -0.048); an exponent only below 1e-6 or from 1e15 on. -0 prints as 0.
// NaN and infinities, which JSON cannot hold, print as null.
std::string jsonNumber(double value);
// The same, appended to `out` without a string of its own.
void appendJsonNumber(std::string& out, double value);
// The same, written at `at`, which has room for kJsonNumberMaxChars
// characters; returns the end.
inline constexpr std::size_t kJsonNumberMaxChars = 32;
char* writeJsonNumber(char* at, double value);

using kalmo::validUtf8;  // format/safe_text.h

// A JSON string literal: quotes, with '"', '\\' and control characters
// escaped; valid UTF-8 passes through unchanged, invalid bytes become U+FFFD
// so that the output stays valid JSON whatever a user typed.
std::string jsonString(std::string_view text);
// The same, appended to `out`; text that needs neither escape nor repair
// (plain ASCII) is copied as it is.
void appendJsonString(std::string& out, std::string_view text);

// Builds one JSON object on a single line, members in the order added.
//   JsonObject().add("size", 30).add("class", "H7").str()  ->  {"size":30,"class":"H7"}
class JsonObject {
 public:
  JsonObject& add(std::string_view key, double value);
  JsonObject& add(std::string_view key, int value) { return add(key, static_cast<double>(value)); }
  JsonObject& add(std::string_view key, bool value);
  JsonObject& add(std::string_view key, std::string_view value);
  JsonObject& add(std::string_view key, const char* value) {
    return add(key, std::string_view(value));
  }
  JsonObject& add(std::string_view key, const JsonObject& value);
  // The number, or null without one (a safety whose stress is 0).
  JsonObject& add(std::string_view key, const std::optional<double>& value) {
    return value ? add(key, *value) : addNull(key);
  }
  JsonObject& addNull(std::string_view key);
  // A member whose value is already JSON text (an array built elsewhere).
  JsonObject& addRaw(std::string_view key, std::string_view json);

  std::string str() const { return body_ + "}"; }

 private:
  std::string body_ = "{";
};

}  // namespace kalmo::cli
