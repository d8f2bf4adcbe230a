// The private-profile (INI) functions on one settings file. Nothing is cached:
// every read reads the file and every write re-reads it, changes it and
// replaces it atomically under a lock, so two processes writing the same file
// lose nothing. Writes that belong together go in one batch and replace the
// file once. The file is always written as UTF-8; it reads any encoding the
// Windows edition leaves behind (UTF-8 with or without byte-order mark,
// Windows-1252, UTF-16 with byte-order mark) and any line ends.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileStore.h"
#include "platform/IniDocument.h"
#include "platform/ProfileChanges.h"

namespace vantrel {

class Profile {
 public:
  class Batch;
  using ProblemHandler = std::function<void(const FileProblem&)>;

  Profile() = default;
  explicit Profile(std::filesystem::path file, FileStore& store = LocalFileStore())
      : file_(std::move(file)), store_(&store) {}

  // A read-only copy of the file as it is now, for readers that read many
  // keys: the file is read once, reads never go to the disk again and every
  // write fails.
  static Profile Snapshot(std::filesystem::path file, FileStore& store = LocalFileStore());
  Profile TakeSnapshot() const { return Snapshot(file_, *store_); }

  const std::filesystem::path& File() const { return file_; }

  // For a snapshot: why something at the path could not be read (its reads
  // then give the defaults). None for a missing file.
  const FileProblem& ReadProblem() const { return readProblem_; }

  // Called whenever a write fails because of the file (not because of a name
  // that cannot be written).
  void SetProblemHandler(ProblemHandler handler) { problemHandler_ = std::move(handler); }

  // Absent key: the default. A value that is not a number reads as its
  // leading integer, or 0.
  int GetInt(std::string_view section, std::string_view key, int defaultValue) const;
  std::string GetString(std::string_view section, std::string_view key,
                        std::string_view defaultValue) const;

  // Every key=value entry of the section, in file order (no size limit).
  std::vector<IniEntry> GetSection(std::string_view section) const;

  // Writes fail, changing nothing, when a name or value cannot be written
  // faithfully or the file cannot be replaced.
  bool WriteString(std::string_view section, std::string_view key, std::string_view value,
                   KeySpelling spelling = KeySpelling::kAsInFile);
  bool WriteInt(std::string_view section, std::string_view key, int value);

  // Deleting an absent key succeeds.
  bool DeleteKey(std::string_view section, std::string_view key);

  // Every change, in order, as one replace of the file: all of them or none.
  bool Apply(const ProfileChanges& changes);

  enum class Outcome { kWritten, kRefused, kFailed };
  using Condition = std::function<bool(const IniDocument&)>;
  // Apply, if `admit` accepts the file as it is when written: it is read under
  // the lock of the write, so no other program's write comes in between
  // (inside a batch: the file as the batch sees it). Refused, nothing is
  // written.
  Outcome ApplyIf(const ProfileChanges& changes, const Condition& admit);

 private:
  struct OpenBatch;

  IniDocument Load() const;
  // Runs read(document) on the snapshot, the open batch, or the file as it is now.
  template <typename Read>
  auto WithDocument(Read read) const;

  std::filesystem::path file_;
  FileStore* store_ = &LocalFileStore();
  std::shared_ptr<const IniDocument> snapshot_;
  FileProblem readProblem_;
  ProblemHandler problemHandler_;
  std::shared_ptr<OpenBatch> batch_;
};

// Collects every write to a profile while it lives; the outermost batch
// applies them all as one replace of the file when it is committed or ends (a
// batch opened inside another joins it). Reads inside a batch see the file,
// read once, with the batch's writes applied.
class Profile::Batch {
 public:
  explicit Batch(Profile& profile);
  ~Batch() { Commit(); }
  Batch(const Batch&) = delete;
  Batch& operator=(const Batch&) = delete;

  // The outermost batch writes now and says whether every change reached the
  // file; an inner one leaves that to the outermost and returns true.
  bool Commit();

 private:
  Profile& profile_;
  const bool outermost_;
  bool open_ = true;
  bool written_ = true;
};

}  // namespace vantrel
