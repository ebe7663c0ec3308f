#pragma once

// Files under tests/data that more than one test program compares with.

#include <fstream>
#include <sstream>
#include <string>

namespace kalmo::test {

// The bytes of tests/data/<name> as stored (no line-ending translation); ""
// when the file cannot be read, which then fails the comparison.
inline std::string testData(const char* name) {
  std::ifstream in(std::string(KALMO_TEST_DATA_DIR) + '/' + name, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

}  // namespace kalmo::test
