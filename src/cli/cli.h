#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace kalmo::cli {

// Exit statuses of kalmo-cli.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;  // output not written, input not read, internal failure
inline constexpr int kExitUsage = 2;    // bad input or a usage error

// The streams a command works on and the status it leaves. Commands never
// touch std::cin/std::cout/std::cerr, so tests can run them on strings.
struct Context {
  std::istream& in;
  std::ostream& out;
  std::ostream& err;
  int exitCode = kExitOk;
  bool writeFailed = false;  // set by outputFailed
};

// Runs kalmo-cli on the arguments after the program name ("fit", "10",
// "H7/g6"). Writes results to `out`, one line per error to `err`, and returns
// the exit status. `out` is flushed at the end; if any of it could not be
// written the status is kExitFailure, with one line on `err`. Never throws.
int runCli(std::vector<std::string> args, std::istream& in, std::ostream& out, std::ostream& err);

// Writes "cannot write the output" with the system's reason for errorNumber
// (none for 0) as one line on `err`; returns kExitFailure.
int reportWriteFailure(std::ostream& err, int errorNumber);

// After a write or flush: false while ctx.out is good; otherwise reports the
// failure once, sets ctx.exitCode to kExitFailure and returns true, and the
// command stops writing.
bool outputFailed(Context& ctx);

}  // namespace kalmo::cli
