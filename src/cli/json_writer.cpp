#include "json_writer.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "format/shortest_number.h"

namespace kalmo::cli {

char* writeJsonNumber(char* at, double value) {
  static_assert(kJsonNumberMaxChars >= kShortestMaxChars);
  // JSON has no NaN or infinity.
  if (!std::isfinite(value)) {
    constexpr std::string_view null = "null";
    return std::copy(null.begin(), null.end(), at);
  }
  return writeShortest(at, value);
}

void appendJsonNumber(std::string& out, double value) {
  std::array<char, kJsonNumberMaxChars> buffer;
  out.append(buffer.data(), writeJsonNumber(buffer.data(), value));
}

std::string jsonNumber(double value) {
  std::string out;
  appendJsonNumber(out, value);
  return out;
}

namespace {

// Printable ASCII without '"' and '\\': what a JSON string holds as it is.
bool isPlainAscii(std::string_view text) {
  for (const char c : text) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x20 || b >= 0x80 || c == '"' || c == '\\') return false;
  }
  return true;
}

}  // namespace

std::string jsonString(std::string_view text) {
  std::string out;
  appendJsonString(out, text);
  return out;
}

void appendJsonString(std::string& out, std::string_view text) {
  out += '"';
  if (isPlainAscii(text)) {
    out += text;
    out += '"';
    return;
  }
  for (const char c : validUtf8(text)) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          constexpr std::string_view hex = "0123456789abcdef";
          out += "\\u00";
          out += hex[static_cast<unsigned char>(c) >> 4];
          out += hex[static_cast<unsigned char>(c) & 0xF];
        } else {
          out += c;
        }
    }
  }
  out += '"';
}

JsonObject& JsonObject::addRaw(std::string_view key, std::string_view json) {
  if (body_.size() > 1) body_ += ',';
  body_ += jsonString(key);
  body_ += ':';
  body_ += json;
  return *this;
}

JsonObject& JsonObject::add(std::string_view key, double value) {
  return addRaw(key, jsonNumber(value));
}

JsonObject& JsonObject::add(std::string_view key, bool value) {
  return addRaw(key, value ? "true" : "false");
}

JsonObject& JsonObject::add(std::string_view key, std::string_view value) {
  return addRaw(key, jsonString(value));
}

JsonObject& JsonObject::add(std::string_view key, const JsonObject& value) {
  return addRaw(key, value.str());
}

JsonObject& JsonObject::addNull(std::string_view key) {
  return addRaw(key, "null");
}

}  // namespace kalmo::cli
