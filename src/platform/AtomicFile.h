// Whole-file reads and crash-safe whole-file updates. An update runs under an
// advisory lock on the file's folder, writes the new content to a temporary
// file in the same folder, flushes it to disk and renames it over the old file,
// so a reader or a crash sees either the old content or the new, never a mix.
// A file that is there but cannot be read is never replaced. Symbolic links
// are followed only where the user owns them, and a file is replaced only in
// a folder of the user's: another user's link or folder could lead a write
// anywhere.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace vantrel {

// A settings file is a few kilobytes; anything past this is not one.
inline constexpr std::uintmax_t kMaxFileSize = 16u * 1024u * 1024u;

// Why a file could not be read or replaced.
struct FileProblem {
  enum class Kind {
    kNone,
    kFolder,
    kNotRegular,
    kUnreadable,
    kTooLarge,
    kUnwritable,
    kForeignLink,    // a symbolic link on the way belongs to another user
    kForeignFolder,  // the folder to replace the file in belongs to another user
    kWouldBeTooLarge,
  };
  Kind kind = Kind::kNone;
  int error = 0;  // the system's error number, where it gave one

  explicit operator bool() const { return kind != Kind::kNone; }
  bool operator==(const FileProblem&) const = default;
};

// "cannot be read: Permission denied", "cannot be used: it is a folder", ...
std::string DescribeFileProblem(const FileProblem& problem);

struct FileContent {
  bool exists = false;  // false: nothing there, which is no problem
  std::string bytes;
  FileProblem problem;  // set when something is there that cannot be read
};

// The bytes of a regular file of at most kMaxFileSize bytes. Never blocks on
// a named pipe.
FileContent ReadWholeFile(const std::filesystem::path& path);

// Computes new content from the present one (empty, with exists false, when
// there is no file yet) and writes it atomically. A symbolic link of the
// user's, live or dangling, is written through to its target. Fails, leaving
// the file as it was, when it cannot be read, is read-only, is no regular
// file, would pass kMaxFileSize, or anything fails on the way. Content equal
// to the present one writes nothing. The folder is not created.
FileProblem UpdateFileAtomically(const std::filesystem::path& path,
                                 const std::function<std::string(const FileContent&)>& change);

// Replaces the file's content atomically.
FileProblem WriteFileAtomically(const std::filesystem::path& path, std::string_view content);

// A file-size limit (ulimit -f) otherwise kills a writer that passes it; with
// the signal ignored the write fails with an error and the old file stays.
void IgnoreFileSizeSignal();

}  // namespace vantrel
