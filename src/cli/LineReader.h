// The lines of a stream, read in large pieces rather than a getline each,
// held once however long they are. Before it waits for more input it calls
// `idle`, so that a caller can make sure that whoever converses with it line
// by line has every answer first.
#pragma once

#include <functional>
#include <istream>
#include <string>
#include <string_view>

namespace vantrel::cli {

class LineReader {
 public:
  LineReader(std::istream& in, std::function<void()> idle);

  // The next line, without its "\n" or "\r\n", with every UTF-8 byte-order
  // mark and no-break space (U+00A0, U+202F, U+2007) made one blank, as text
  // editors and spreadsheets put them where blanks are meant; false at the end
  // of the input. The view holds until the next call, and a NUL follows it. A
  // last line without "\n" counts unless it is empty, as with std::getline.
  bool Next(std::string_view& line);

 private:
  // Reads what the stream has (waiting for it when it has nothing); false at
  // the end of the input.
  bool Fill();
  // Makes [begin_, end) the line handed out, and leaves begin_ at `next`.
  std::string_view TakeLine(std::size_t end, std::size_t next);

  std::streambuf& source_;
  std::function<void()> idle_;
  std::string buffer_;  // grows only for a line longer than it
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
  std::size_t scanned_ = 0;  // [begin_, scanned_) holds no '\n'
  bool ended_ = false;
};

}  // namespace vantrel::cli
