#include "cli/LineReader.h"

#include <algorithm>
#include <cstring>

namespace vantrel::cli {
namespace {

constexpr std::size_t kPiece = 64 * 1024;

}  // namespace

LineReader::LineReader(std::istream& in, std::function<void()> idle)
    : source_(*in.rdbuf()), idle_(std::move(idle)), buffer_(kPiece, '\0') {}

bool LineReader::Next(std::string_view& line) {
  for (;;) {
    const char* const data = buffer_.data();
    if (const void* newline = std::memchr(data + scanned_, '\n', end_ - scanned_)) {
      const std::size_t at = static_cast<std::size_t>(static_cast<const char*>(newline) - data);
      line = std::string_view(data + begin_, at - begin_);
      begin_ = scanned_ = at + 1;
      return true;
    }
    scanned_ = end_;
    if (ended_ || !Fill()) {
      // A terminal would be read again after its end: remember it.
      ended_ = true;
      if (begin_ == end_) return false;
      line = std::string_view(buffer_.data() + begin_, end_ - begin_);
      begin_ = scanned_ = end_;
      return true;
    }
  }
}

bool LineReader::Fill() {
  // The part of a line read so far moves to the front; a line longer than
  // the buffer doubles it.
  if (begin_ > 0) {
    std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
    end_ -= begin_;
    scanned_ -= begin_;
    begin_ = 0;
  }
  if (end_ == buffer_.size()) buffer_.resize(buffer_.size() * 2);
  std::streamsize available = source_.in_avail();
  if (available <= 0) {
    idle_();
    if (std::istream::traits_type::eq_int_type(source_.sgetc(), std::istream::traits_type::eof()))
      return false;
    available = std::max<std::streamsize>(source_.in_avail(), 1);
  }
  const auto room = static_cast<std::streamsize>(buffer_.size() - end_);
  const std::streamsize read = source_.sgetn(buffer_.data() + end_, std::min(available, room));
  end_ += static_cast<std::size_t>(read > 0 ? read : 0);
  return read > 0;
}

}  // namespace vantrel::cli
