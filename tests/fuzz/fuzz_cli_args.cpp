// The whole argument vector of kalmo-cli: the input split at NUL bytes into
// arguments ("fit\0" "10\0" "H7/g6"). Standard input holds two batch lines.
// Beyond not crashing: the status is 0 or 2 (1 means an exception escaped a
// command), a failure says why on clean lines of standard error, a success
// says there at most notes (a size-range warning, no fit inside the design
// targets), and JSON output parses.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_checks.h"

namespace {

using kalmo::fuzz::require;

std::vector<std::string> splitArguments(std::string_view bytes) {
  std::vector<std::string> args;
  if (bytes.empty()) return args;
  for (;;) {
    const std::size_t end = bytes.find('\0');
    args.emplace_back(bytes.substr(0, end));
    if (end == std::string_view::npos) break;
    bytes.remove_prefix(end + 1);
  }
  return args;
}

bool has(const std::vector<std::string>& args, std::string_view arg) {
  return std::find(args.begin(), args.end(), arg) != args.end();
}

// A note that a successful run may write: not an error, the run went on.
bool isNote(std::string_view line) {
  return line.find(": warning: ") != std::string_view::npos ||
         line.starts_with("kalmo-cli: no fit lies inside the targets");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string> args =
      splitArguments(std::string_view(reinterpret_cast<const char*>(data), size));
  const kalmo::fuzz::CliRun run = kalmo::fuzz::runCli(args, "10 H7/g6\n# comment\n30 H7/s6\n");

  require(run.status == 0 || run.status == 2);
  require(kalmo::fuzz::isCleanDiagnostic(run.err));
  if (run.status == 0) {
    for (std::string_view line : kalmo::fuzz::terminatedLines(run.err)) require(isNote(line));
  } else {
    require(!run.err.empty());
    // One line, unless the batch reported its lines one by one.
    if (!has(args, "--batch")) require(kalmo::fuzz::terminatedLines(run.err).size() == 1);
  }

  // Help and version are text even with --json ("-h" may also hide in a
  // cluster of short flags); anything else that succeeds with --json is JSON.
  if (run.status == 0 && has(args, "--json")) {
    if (run.out.starts_with("Usage:") || run.out.find("\nUsage: ") != std::string::npos ||
        run.out.starts_with("kalmo-cli ")) {
      return 0;
    }
    require(!run.out.empty() && run.out.back() == '\n');
    for (std::string_view line : kalmo::fuzz::terminatedLines(run.out)) {
      const auto value = nlohmann::json::parse(line, nullptr, /*allow_exceptions=*/false);
      require(!value.is_discarded() && value.is_object());
    }
  }
  return 0;
}
