#include "format/csv.h"

#include "format/safe_text.h"

namespace kalmo {

std::string csvField(std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

std::string csvText(std::string_view text) {
  const bool formulaStart =
      !text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos;
  return formulaStart ? "'" + safeText(text) : safeText(text);
}

std::string csvRecord(std::span<const std::string> fields) {
  std::string record;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) record += ',';
    record += csvField(fields[i]);
  }
  return record + "\r\n";
}

std::vector<std::vector<std::string>> parseCsv(std::string_view text) {
  std::vector<std::vector<std::string>> records;
  std::vector<std::string> record;
  std::string field;
  std::size_t i = 0;
  const auto endRecord = [&] {
    record.push_back(std::move(field));
    records.push_back(std::move(record));
    field.clear();
    record.clear();
  };
  while (i < text.size()) {
    if (field.empty() && text[i] == '"') {
      // A quoted field: up to the quote not followed by another one.
      for (++i; i < text.size(); ++i) {
        if (text[i] == '"') {
          if (i + 1 < text.size() && text[i + 1] == '"') {
            field += '"';
            ++i;
          } else {
            ++i;
            break;
          }
        } else {
          field += text[i];
        }
      }
      continue;
    }
    const char c = text[i++];
    if (c == ',') {
      record.push_back(std::move(field));
      field.clear();
    } else if (c == '\n' || (c == '\r' && i < text.size() && text[i] == '\n')) {
      if (c == '\r') ++i;
      endRecord();
    } else {
      field += c;
    }
  }
  if (!field.empty() || !record.empty()) endRecord();
  return records;
}

}  // namespace kalmo
