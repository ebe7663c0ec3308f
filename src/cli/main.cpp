#include <iostream>
#include <string>
#include <vector>

#include "cli.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  return kalmo::cli::runCli(std::move(args), std::cin, std::cout, std::cerr);
}
