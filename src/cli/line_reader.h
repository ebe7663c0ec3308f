#pragma once

#include <cstddef>
#include <iosfwd>
#include <string_view>
#include <vector>

namespace kalmo::cli {

// Reads a stream line by line in large blocks, without the stream's own line
// functions (a call per character) and with bounded memory whatever the
// input: a line longer than kMaxLineBytes is skipped as it is read, never
// held. Tells the end of input from a read error. Before each block it
// flushes the stream tied to the input, so that answers to the lines read so
// far are out before the reader waits for more.
class LineReader {
 public:
  // Longest line handed out, bytes without its line end.
  static constexpr std::size_t kMaxLineBytes = 4096;

  enum class Status {
    Line,       // line() holds the next line (without LF; a CR stays)
    TooLong,    // the next line was longer than kMaxLineBytes and is skipped
    End,        // no more input
    ReadError,  // the input could not be read; errorNumber() tells why
  };

  explicit LineReader(std::istream& in);

  Status next();
  // The line of the last Status::Line; valid until the next call.
  std::string_view line() const { return line_; }
  // Number of the line last handed out or skipped, from 1.
  long lineNumber() const { return lineNumber_; }
  // errno of the failed read, 0 when unknown.
  int errorNumber() const { return errorNumber_; }

 private:
  // Reads more input behind the unread part; false at the end or on error.
  bool fill();

  std::istream& in_;
  std::vector<char> buffer_;
  std::size_t begin_ = 0;  // unread input is buffer_[begin_, end_)
  std::size_t end_ = 0;
  std::string_view line_;
  long lineNumber_ = 0;
  bool atEnd_ = false;
  bool failed_ = false;
  int errorNumber_ = 0;
};

}  // namespace kalmo::cli
