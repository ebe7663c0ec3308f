#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace kalmo::cli {

// Exit statuses of kalmo-cli.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;  // an unexpected internal failure
inline constexpr int kExitUsage = 2;    // bad input or a usage error

// The streams a command works on and the status it leaves. Commands never
// touch std::cin/std::cout/std::cerr, so tests can run them on strings.
struct Context {
  std::istream& in;
  std::ostream& out;
  std::ostream& err;
  int exitCode = kExitOk;
};

// Runs kalmo-cli on the arguments after the program name ("fit", "10",
// "H7/g6"). Writes results to `out`, one line per error to `err`, and returns
// the exit status. Never throws.
int runCli(std::vector<std::string> args, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace kalmo::cli
