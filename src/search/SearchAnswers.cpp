#include "search/SearchAnswers.h"

#include <sys/stat.h>

#include <cstdio>
#include <utility>

#include "settings/SettingsLocation.h"
#include "settings/SettingsProblem.h"
#include "units/UnitCatalogue.h"

namespace vantrel::search {

bool SearchAnswers::FileStamp::operator==(const FileStamp& other) const {
  return path == other.path && exists == other.exists && device == other.device &&
         inode == other.inode && size == other.size && modified.tv_sec == other.modified.tv_sec &&
         modified.tv_nsec == other.modified.tv_nsec;
}

SearchAnswers::SearchAnswers() { Refresh(); }

SearchAnswers::~SearchAnswers() = default;

SearchAnswers::FileStamp SearchAnswers::StampOf(std::filesystem::path path) {
  FileStamp stamp;
  struct stat status {};
  if (!path.empty() && ::stat(path.c_str(), &status) == 0) {
    stamp.exists = true;
    stamp.device = status.st_dev;
    stamp.inode = status.st_ino;
    stamp.size = status.st_size;
    stamp.modified = status.st_mtim;
  }
  stamp.path = std::move(path);
  return stamp;
}

void SearchAnswers::Refresh() {
  const SettingsLocation location = LocateSettingsForReading();
  // A root passed over stays passed over for the whole run: said once.
  if (location.distrust != RootDistrust::kNone && !std::exchange(untrustedRootSaid_, true)) {
    std::fprintf(stderr, "vantrel-search: warning: the %s\n", UntrustedRootText(location).c_str());
  }
  FileStamp stamp = StampOf(location.settingsPath);
  if (session_ && stamp == stamp_) return;
  session_.reset();  // the old catalogue goes before the new one is built
  recent_.clear();
  older_.clear();
  session_ = std::make_unique<cli::Session>(stamp.path, math_);
  // A file that cannot be read gives the default settings, as it does to
  // vantrel-convert; said once for each state of the file.
  if (const FileProblem& problem = session_->ReadProblem()) {
    std::fprintf(stderr, "vantrel-search: warning: the %s; going on with the default settings\n",
                 SettingsProblemText(stamp.path, problem).c_str());
  }
  stamp_ = std::move(stamp);
}

std::optional<cli::QueryAnswer> SearchAnswers::Compute(std::string_view text) {
  auto answer = cli::AnswerQuery(*session_, text);
  if (!answer) return std::nullopt;
  const CCategory* category = session_->Catalogue().FindCategory(answer.value.category);
  if (!category || !category->Visible()) return std::nullopt;
  return std::move(answer.value);
}

bool SearchAnswers::Answer(std::string_view text, cli::QueryAnswer& answer) {
  Refresh();
  const std::string key(text);
  auto known = recent_.find(key);
  if (known == recent_.end()) {
    if (const auto older = older_.find(key); older != older_.end()) {
      known = recent_.insert(older_.extract(older)).position;
    } else {
      if (recent_.size() >= kRemembered) older_ = std::exchange(recent_, {});
      known = recent_.emplace(key, Compute(text)).first;
    }
  }
  if (!known->second) return false;
  answer = *known->second;
  return true;
}

}  // namespace vantrel::search
