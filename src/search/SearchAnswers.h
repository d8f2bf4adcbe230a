// The answers the desktop's search gets: one-line queries converted with the
// user's own units, categories and result format, read again from the
// settings file whenever it changes (a unit added in the window is found by
// the next search). A conversion in a category the window hides is not
// offered, as the window does not offer it. The last answers are kept by
// their text, as the same few queries come again and again (the result set,
// then its metas, then the copy).
#pragma once

#include <sys/types.h>

#include <ctime>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "cli/Query.h"
#include "cli/Session.h"
#include "expr/MathContext.h"

namespace vantrel::search {

class SearchAnswers {
 public:
  // Settings are looked for where vantrel-convert looks, on every query.
  SearchAnswers();
  SearchAnswers(const SearchAnswers&) = delete;
  SearchAnswers& operator=(const SearchAnswers&) = delete;
  ~SearchAnswers();

  // True, with `answer` filled, for text that is a conversion that
  // succeeds. Text that is no conversion, and a conversion that fails,
  // answer nothing: a search list is no place for an error.
  bool Answer(std::string_view text, cli::QueryAnswer& answer);

  // How many answers are kept at least (and twice as many at most).
  static constexpr std::size_t kRemembered = 256;

 private:
  // What tells one state of the settings file from another: an atomic
  // write replaces the file (a new inode), an edit in place changes its
  // time or size.
  struct FileStamp {
    std::filesystem::path path;
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};

    bool operator==(const FileStamp& other) const;
  };
  static FileStamp StampOf(std::filesystem::path path);
  // Reopens the session when the settings file is not the one it was made
  // from, forgetting the answers.
  void Refresh();
  // The answer, or none, as the session gives it.
  std::optional<cli::QueryAnswer> Compute(std::string_view text);

  using Answers = std::unordered_map<std::string, std::optional<cli::QueryAnswer>>;
  // The answers of late, newest first: when the first is full it becomes
  // the second, and the second is forgotten.
  Answers recent_;
  Answers older_;

  // Values are evaluated quietly: the evaluator's diagnostics and help have
  // nowhere to go in a search.
  expr::MathContext math_{expr::MathSink{}, expr::MathSink{}};
  FileStamp stamp_;
  std::unique_ptr<cli::Session> session_;
  bool untrustedRootSaid_ = false;
};

}  // namespace vantrel::search
