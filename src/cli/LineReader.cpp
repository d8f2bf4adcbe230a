#include "cli/LineReader.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <string_view>

namespace vantrel::cli {
namespace {

constexpr std::size_t kPiece = 64 * 1024;

// The UTF-8 of what reads as a blank besides the blank itself.
constexpr std::string_view kWideBlanks[] = {"\xEF\xBB\xBF", "\xC2\xA0", "\xE2\x80\xAF",
                                            "\xE2\x80\x87"};

// Each of kWideBlanks in the text becomes one ' ', in place; the new size.
std::size_t WideBlanksAsBlanks(char* text, std::size_t size) {
  char* const end = text + size;
  // Most lines are ASCII and only looked at.
  char* from = std::find_if(text, end, [](char c) { return (c & 0x80) != 0; });
  char* to = from;
  while (from != end) {
    const std::string_view rest(from, static_cast<std::size_t>(end - from));
    const auto blank = std::find_if(std::begin(kWideBlanks), std::end(kWideBlanks),
                                    [&](std::string_view b) { return rest.starts_with(b); });
    if (blank != std::end(kWideBlanks)) {
      *to++ = ' ';
      from += blank->size();
    } else {
      *to++ = *from++;
    }
  }
  return static_cast<std::size_t>(to - text);
}

}  // namespace

LineReader::LineReader(std::istream& in, std::function<void()> idle)
    : source_(*in.rdbuf()), idle_(std::move(idle)), buffer_(kPiece, '\0') {}

bool LineReader::Next(std::string_view& line) {
  for (;;) {
    const char* const data = buffer_.data();
    if (const void* newline = std::memchr(data + scanned_, '\n', end_ - scanned_)) {
      const std::size_t at = static_cast<std::size_t>(static_cast<const char*>(newline) - data);
      line = TakeLine(at, at + 1);
      return true;
    }
    scanned_ = end_;
    if (ended_ || !Fill()) {
      // A terminal would be read again after its end: remember it.
      ended_ = true;
      if (begin_ == end_) return false;
      line = TakeLine(end_, end_);
      return true;
    }
  }
}

std::string_view LineReader::TakeLine(std::size_t end, std::size_t next) {
  char* const line = buffer_.data() + begin_;
  std::size_t size = end - begin_;
  if (size > 0 && line[size - 1] == '\r') --size;
  size = WideBlanksAsBlanks(line, size);
  // At most where the '\n' was, or the string's own terminator.
  line[size] = '\0';
  begin_ = scanned_ = next;
  return {line, size};
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
