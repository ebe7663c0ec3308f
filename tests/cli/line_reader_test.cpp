#include "line_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ios>
#include <sstream>
#include <streambuf>
#include <string>

#include "cli_test_support.h"

namespace kalmo::cli {
namespace {

using Status = LineReader::Status;

// What the reader hands out, one entry per call: the line, "<long>" for a
// skipped one, "<error>" for a read error; the end is left out.
std::string readAll(std::istream& in) {
  LineReader reader(in);
  std::string seen;
  for (Status s; (s = reader.next()) != Status::End;) {
    seen += s == Status::Line      ? std::string(reader.line())
            : s == Status::TooLong ? "<long>"
                                   : "<error>";
    seen += "|" + std::to_string(reader.lineNumber()) + ";";
    if (s == Status::ReadError) break;
  }
  return seen;
}

TEST(LineReader, SplitsLinesAndSkipsOverlongOnes) {
  const std::string limit(LineReader::kMaxLineBytes, 'a');
  const std::string huge(3 * 1024 * 1024, 'b');  // many blocks long
  const std::string shortLines = [] {
    std::string s;
    for (int i = 0; i < 20000; ++i) s += "10 H7/g6\n";  // crosses block borders
    return s;
  }();
  const struct {
    std::string input;
    std::string expected;
  } cases[] = {
      {"", ""},
      {"a\nb", "a|1;b|2;"},
      {"a\r\n\n", "a\r|1;|2;"},
      {limit + "\nx\n", limit + "|1;x|2;"},
      {limit + "a\nx\n", "<long>|1;x|2;"},
      {"x\n" + huge + "\ny", "x|1;<long>|2;y|3;"},
      {"x\n" + huge, "x|1;<long>|2;"},
      {limit + "a", "<long>|1;"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.input.substr(0, 20));
    std::istringstream in(c.input);
    EXPECT_EQ(readAll(in), c.expected);
  }
  std::istringstream in(shortLines);
  const std::string seen = readAll(in);
  EXPECT_EQ(std::count(seen.begin(), seen.end(), ';'), 20000);
  EXPECT_TRUE(seen.ends_with(";10 H7/g6|20000;"));
}

// Hands out its text once, then fails as a file stream does on a bad read(2).
class FailingBuffer : public std::streambuf {
 public:
  explicit FailingBuffer(std::string text) : text_(std::move(text)) {
    setg(text_.data(), text_.data(), text_.data() + text_.size());
  }

 protected:
  int_type underflow() override { throw std::ios_base::failure("read error"); }

 private:
  std::string text_;
};

TEST(LineReader, ReadErrorIsNotTheEnd) {
  FailingBuffer buffer("10 H7/g6\npartial");
  std::istream in(&buffer);
  EXPECT_EQ(readAll(in), "10 H7/g6|1;<error>|1;");

  // The batch answers what it read, then reports the error with status 1.
  FailingBuffer batchInput("10 H7/g6\n30 H7/s6\n");
  std::istream batch(&batchInput);
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(runCli({"fit", "--batch", "--json"}, batch, out, err), kExitFailure);
  EXPECT_EQ(lines(out.str()).size(), 2u);
  EXPECT_EQ(err.str().rfind("kalmo-cli: cannot read the input", 0), 0u) << err.str();
  EXPECT_EQ(lines(err.str()).size(), 1u);
}

TEST(LineReader, BatchAnswersTheLinesAfterAnOverlongOne) {
  const CliRun r = run({"fit", "--batch", "--json"},
                       "10 H7/g6\n" + std::string(5000, '9') + " H7/g6\n30 H7/s6\n");
  EXPECT_EQ(r.status, kExitUsage);
  const std::vector<std::string> out = lines(r.out);
  ASSERT_EQ(out.size(), 3u) << r.out;
  EXPECT_EQ(out[1], R"({"line":2,"error":"line longer than 4096 bytes"})");
  EXPECT_EQ(out[2].rfind(R"({"size":30,)", 0), 0u);
  EXPECT_EQ(r.err, "line 2: line longer than 4096 bytes\n");
}

}  // namespace
}  // namespace kalmo::cli
