// Lines read in pieces, and the batch's answers written out before it waits
// for more input.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "cli/LineReader.h"
#include "cli/Run.h"

namespace vantrel::cli {
namespace {

// Hands out its pieces one at a time, as a pipe does; calls `waiting` each
// time it has to wait for the next.
class Trickle : public std::streambuf {
 public:
  Trickle(std::vector<std::string> pieces, std::function<void()> waiting)
      : pieces_(std::move(pieces)), waiting_(std::move(waiting)) {}

 protected:
  int_type underflow() override {
    if (next_ == pieces_.size()) return traits_type::eof();
    waiting_();
    std::string& piece = pieces_[next_++];
    setg(piece.data(), piece.data(), piece.data() + piece.size());
    return traits_type::to_int_type(piece[0]);
  }

 private:
  std::vector<std::string> pieces_;
  std::size_t next_ = 0;
  std::function<void()> waiting_;
};

TEST(LineReader, SplitsLinesWhereverThePiecesEnd) {
  const std::string longLine(200000, 'x');
  std::vector<std::string> pieces{"a\tb",
                                  "\n\nc\r\n\xEF\xBB\xBFg\xC2",
                                  "\xA0h\xE2\x80\xAFi\xE2\x80\x87j\xC3\xA9\n",
                                  longLine.substr(0, 70000),
                                  longLine.substr(70000) + "\nd",
                                  "ef"};
  int idle = 0;
  Trickle source(pieces, [] {});
  std::istream in(&source);
  LineReader reader(in, [&] { ++idle; });
  std::vector<std::string> lines;
  for (std::string_view line; reader.Next(line);) lines.emplace_back(line);
  // Without "\r\n", and what reads as a blank made one.
  EXPECT_EQ(lines,
            (std::vector<std::string>{"a\tb", "", "c", " g h i j\xC3\xA9", longLine, "def"}));
  // Once before each piece, and once more at the end.
  EXPECT_EQ(idle, 7);
}

TEST(LineReader, TheBatchAnswersEachLineBeforeWaitingForTheNext) {
  std::ostringstream out, err;
  std::vector<std::string> seen;
  Trickle source({"1\tft\tcm\n2\tft", "\tcm\n", "3\tft\tcm\n"}, [&] { seen.push_back(out.str()); });
  std::istream in(&source);
  EXPECT_EQ(cli::Run({"--batch"}, {}, in, out, err), 0);
  EXPECT_EQ(seen, (std::vector<std::string>{"", "30.48\n", "30.48\n60.96\n"}));
  EXPECT_EQ(out.str(), "30.48\n60.96\n91.44\n");
}

}  // namespace
}  // namespace vantrel::cli
