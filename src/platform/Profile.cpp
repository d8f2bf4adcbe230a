#include "platform/Profile.h"

#include <optional>

#include "platform/NumberText.h"
#include "platform/TextEncoding.h"

namespace vantrel {
namespace {

IniDocument Parse(const FileContent& content) {
  return content.exists && !content.problem ? IniDocument::Parse(DecodeTextFile(content.bytes))
                                            : IniDocument{};
}

}  // namespace

struct Profile::OpenBatch {
  ProfileChanges changes;
  // The file with the changes applied, once something has been read.
  std::optional<IniDocument> document;
};

IniDocument Profile::Load() const {
  return file_.empty() ? IniDocument{} : Parse(store_->Read(file_));
}

Profile Profile::Snapshot(std::filesystem::path file, FileStore& store) {
  Profile profile(std::move(file), store);
  const FileContent content = profile.file_.empty() ? FileContent{} : store.Read(profile.file_);
  profile.readProblem_ = content.problem;
  profile.snapshot_ = std::make_shared<const IniDocument>(Parse(content));
  return profile;
}

template <typename Read>
auto Profile::WithDocument(Read read) const {
  if (snapshot_) return read(*snapshot_);
  if (batch_) {
    if (!batch_->document) {
      batch_->document = Load();
      batch_->changes.ApplyTo(*batch_->document);
    }
    return read(*batch_->document);
  }
  const IniDocument document = Load();
  return read(document);
}

int Profile::GetInt(std::string_view section, std::string_view key, int defaultValue) const {
  const auto value = WithDocument([&](const IniDocument& d) { return d.Find(section, key); });
  return value ? ParseLeadingInt(*value) : defaultValue;
}

std::string Profile::GetString(std::string_view section, std::string_view key,
                               std::string_view defaultValue) const {
  auto value = WithDocument([&](const IniDocument& d) { return d.Find(section, key); });
  return value ? std::move(*value) : std::string(defaultValue);
}

std::vector<IniEntry> Profile::GetSection(std::string_view section) const {
  return WithDocument([&](const IniDocument& d) { return d.Section(section); });
}

bool Profile::Apply(const ProfileChanges& changes) {
  return ApplyIf(changes, nullptr) == Outcome::kWritten;
}

Profile::Outcome Profile::ApplyIf(const ProfileChanges& changes, const Condition& admit) {
  if (file_.empty() || snapshot_) return Outcome::kFailed;
  if (batch_) {
    if (admit && !WithDocument(admit)) return Outcome::kRefused;
    batch_->changes.Append(changes);
    if (batch_->document) changes.ApplyTo(*batch_->document);
    return Outcome::kWritten;
  }
  if (changes.Empty() && !admit) return Outcome::kWritten;
  bool refused = false;
  const FileProblem problem = store_->Update(file_, [&](const FileContent& old) {
    IniDocument document = Parse(old);
    if (admit && !admit(document)) {
      refused = true;
      return old.bytes;  // unchanged: nothing is written
    }
    changes.ApplyTo(document);
    return document.Text();
  });
  if (problem && problemHandler_) problemHandler_(problem);
  if (problem) return Outcome::kFailed;
  return refused ? Outcome::kRefused : Outcome::kWritten;
}

bool Profile::WriteString(std::string_view section, std::string_view key, std::string_view value,
                          KeySpelling spelling) {
  ProfileChanges change;
  return change.WriteString(section, key, value, spelling) && Apply(change);
}

bool Profile::WriteInt(std::string_view section, std::string_view key, int value) {
  ProfileChanges change;
  return change.WriteInt(section, key, value) && Apply(change);
}

bool Profile::DeleteKey(std::string_view section, std::string_view key) {
  ProfileChanges change;
  return change.DeleteKey(section, key) && Apply(change);
}

Profile::Batch::Batch(Profile& profile) : profile_(profile), outermost_(!profile.batch_) {
  if (outermost_) profile_.batch_ = std::make_shared<OpenBatch>();
}

bool Profile::Batch::Commit() {
  if (!open_) return written_;
  open_ = false;
  if (!outermost_) return true;
  const std::shared_ptr<OpenBatch> batch = std::move(profile_.batch_);
  profile_.batch_.reset();
  written_ = profile_.Apply(batch->changes);
  return written_;
}

}  // namespace vantrel
