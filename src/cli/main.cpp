#include <cerrno>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "cli.h"

int main(int argc, char** argv) {
  // The streams read and write the file descriptors themselves, and a read
  // error on standard input shows as one instead of as the end of input.
  std::ios::sync_with_stdio(false);
  std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  int status = kalmo::cli::runCli(std::move(args), std::cin, std::cout, std::cerr);
  // Closing reports what the last write could not (a file system that
  // accepts data and fails it on close).
  errno = 0;
  if (std::fclose(stdout) != 0 && status != kalmo::cli::kExitFailure) {
    status = kalmo::cli::reportWriteFailure(std::cerr, errno);
  }
  return status;
}
