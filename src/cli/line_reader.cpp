#include "line_reader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <exception>
#include <istream>
#include <ostream>
#include <string>
#include <system_error>

namespace kalmo::cli {

namespace {

// Read size; also the most a skipped line occupies at a time.
constexpr std::size_t kBlockBytes = 64 * 1024;
static_assert(kBlockBytes > 2 * LineReader::kMaxLineBytes);

}  // namespace

LineReader::LineReader(std::istream& in) : in_(in), buffer_(kBlockBytes) {}

bool LineReader::fill() {
  if (atEnd_ || failed_) return false;
  if (std::ostream* tied = in_.tie()) tied->flush();
  // Keep the unread part, moved to the front.
  if (begin_ > 0) {
    std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
  }
  std::streambuf* source = in_.rdbuf();
  if (source == nullptr || !in_.good()) {
    failed_ = true;
    return false;
  }
  errno = 0;
  try {
    // One read of the stream's own buffer at a time (sgetn would wait for the
    // whole block): what a pipe or terminal holds is answered at once, and a
    // failed read loses nothing read before it.
    if (std::char_traits<char>::eq_int_type(source->sgetc(), std::char_traits<char>::eof())) {
      atEnd_ = true;
      return false;
    }
    const std::streamsize ready =
        std::min(source->in_avail(), static_cast<std::streamsize>(buffer_.size() - end_));
    end_ += static_cast<std::size_t>(
        source->sgetn(buffer_.data() + end_, std::max<std::streamsize>(ready, 1)));
    return true;
  } catch (const std::system_error& e) {
    // The file streams throw on a failed read(2) and carry its errno.
    errorNumber_ = e.code().value() != 0 ? e.code().value() : errno;
  } catch (const std::exception&) {
    errorNumber_ = errno;
  }
  failed_ = true;
  in_.setstate(std::ios::badbit);
  return false;
}

LineReader::Status LineReader::next() {
  line_ = {};
  for (;;) {
    const char* start = buffer_.data() + begin_;
    const std::size_t available = end_ - begin_;
    if (const void* lf = std::memchr(start, '\n', available)) {
      const auto length = static_cast<std::size_t>(static_cast<const char*>(lf) - start);
      begin_ += length + 1;
      ++lineNumber_;
      if (length > kMaxLineBytes) return Status::TooLong;
      line_ = std::string_view(start, length);
      return Status::Line;
    }
    if (available > kMaxLineBytes) {
      // Too long already: drop what is here and read on to its line end.
      ++lineNumber_;
      for (;;) {
        begin_ = end_ = 0;
        if (!fill()) return failed_ ? Status::ReadError : Status::TooLong;
        if (const void* lf = std::memchr(buffer_.data(), '\n', end_)) {
          begin_ = static_cast<std::size_t>(static_cast<const char*>(lf) - buffer_.data()) + 1;
          return Status::TooLong;
        }
      }
    }
    if (!fill()) {
      if (failed_) return Status::ReadError;
      if (begin_ == end_) return Status::End;
      // The last line has no line end.
      ++lineNumber_;
      line_ = std::string_view(buffer_.data() + begin_, end_ - begin_);
      begin_ = end_;
      return Status::Line;
    }
  }
}

}  // namespace kalmo::cli
