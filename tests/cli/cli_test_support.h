#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli.h"

namespace kalmo::cli {

// What one call of the command line gave back.
struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
};

inline CliRun run(std::vector<std::string> args, const std::string& input = "") {
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  CliRun r;
  r.status = runCli(std::move(args), in, out, err);
  r.out = out.str();
  r.err = err.str();
  return r;
}

// The lines of a text ended by LF (a CR before it stays in the line).
inline std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> result;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) result.push_back(line);
  return result;
}

}  // namespace kalmo::cli
