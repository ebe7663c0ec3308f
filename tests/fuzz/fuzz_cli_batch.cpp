// Standard input of `kalmo-cli fit --batch`, as text and as JSON Lines.
// Beyond not crashing: every JSON line parses, there is one answer per
// request line in input order, errors name the right line, and both forms
// agree on the exit status and on standard error.
#include <cstddef>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_checks.h"

namespace {

using kalmo::fuzz::require;

// Numbers of the lines that ask for an answer: the batch skips blank lines
// and comments, after dropping a CR before the line end and surrounding blanks.
std::vector<long> requestLines(std::string_view input) {
  std::vector<long> lines;
  long number = 0;
  while (!input.empty()) {
    ++number;
    const std::size_t end = input.find('\n');
    std::string_view line = input.substr(0, end);
    input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos || line[first] == '#') continue;
    lines.push_back(number);
  }
  return lines;
}

std::size_t count(std::string_view text, std::string_view what) {
  std::size_t n = 0;
  for (std::size_t at = text.find(what); at != std::string_view::npos;
       at = text.find(what, at + what.size())) {
    ++n;
  }
  return n;
}

// Standard error without the size-range warnings, which only the text form
// writes (JSON carries them as "boundary").
std::string withoutWarnings(std::string_view err) {
  std::string kept;
  for (std::string_view line : kalmo::fuzz::terminatedLines(err)) {
    if (line.find(": warning: ") == std::string_view::npos) kept.append(line).append("\n");
  }
  return kept;
}

// Lines of the answer text, each ending in CR LF.
constexpr std::size_t kTextAnswerLines = 22;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const std::vector<long> requests = requestLines(input);
  static const char* const kLanguages[] = {"en", "de", "bg"};
  const std::string lang = kLanguages[size % 3];

  const kalmo::fuzz::CliRun json =
      kalmo::fuzz::runCli({"fit", "--batch", "--json", "--lang", lang}, input);
  const kalmo::fuzz::CliRun text = kalmo::fuzz::runCli({"fit", "--batch", "--lang", lang}, input);

  require(json.status == 0 || json.status == 2);
  require(text.status == json.status);
  require(withoutWarnings(text.err) == json.err);
  require(kalmo::fuzz::isCleanDiagnostic(text.err));
  require(kalmo::fuzz::isCleanDiagnostic(json.err));
  require(json.out.empty() || json.out.back() == '\n');

  const std::vector<std::string_view> answers = kalmo::fuzz::terminatedLines(json.out);
  const std::vector<std::string_view> errors = kalmo::fuzz::terminatedLines(json.err);
  require(answers.size() == requests.size());
  std::size_t failed = 0;
  for (std::size_t i = 0; i < answers.size(); ++i) {
    const auto value = nlohmann::json::parse(answers[i], nullptr, /*allow_exceptions=*/false);
    require(!value.is_discarded() && value.is_object());
    if (value.contains("error")) {
      require(value.at("error").is_string());
      require(value.at("line").is_number_integer() && value.at("line").get<long>() == requests[i]);
      require(failed < errors.size());
      require(errors[failed].starts_with("line " + std::to_string(requests[i]) + ": "));
      ++failed;
    } else {
      const auto& sizeMm = value.at("size");
      require(sizeMm.is_number() && sizeMm.get<double>() > 0 && sizeMm.get<double>() <= 10000);
      // One class alone leaves the other member and the fit null.
      const bool hole = value.at("hole").is_object();
      const bool shaft = value.at("shaft").is_object();
      require(hole || value.at("hole").is_null());
      require(shaft || value.at("shaft").is_null());
      require(hole || shaft);
      require(value.at("fit").is_object() == (hole && shaft));
      require(value.at("boundary").is_object() || value.at("boundary").is_null());
    }
  }
  require(failed == errors.size());
  require((json.status == 2) == (failed > 0));

  // Text answers: 22 lines each, an empty line between two answers.
  const std::size_t good = answers.size() - failed;
  require(count(text.out, "\r\n") == (good == 0 ? 0 : good * kTextAnswerLines + good - 1));
  return 0;
}
