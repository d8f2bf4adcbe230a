#include "platform/AtomicFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>

namespace vantrel {
namespace fs = std::filesystem;
namespace {

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd = -1) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(FileDescriptor&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }

 private:
  int fd_;
};

bool WriteAll(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t n = ::write(fd, data.data(), data.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

FileProblem Problem(FileProblem::Kind kind, int error = 0) { return FileProblem{kind, error}; }

struct Target {
  fs::path path;
  FileProblem problem;
};

// Follows the user's own symbolic links, live or dangling, so that an update
// replaces the file they point to, not the link (dotfile managers link the
// settings file). Another user's link is never followed: in a folder others
// may write to, it could lead to any file of ours. What is found at the end
// is opened without following a link, so none swapped in meanwhile counts.
Target ResolveTarget(const fs::path& path) {
  fs::path p = path;
  for (int hops = 0; hops < 40; ++hops) {
    struct stat st {};
    if (::lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return {p, {}};
    if (st.st_uid != ::geteuid()) return {p, Problem(FileProblem::Kind::kForeignLink)};
    std::error_code ec;
    const fs::path target = fs::read_symlink(p, ec);
    if (ec) return {p, Problem(FileProblem::Kind::kUnreadable, ec.value())};
    p = target.is_absolute() ? target : p.parent_path() / target;
  }
  return {p, Problem(FileProblem::Kind::kUnreadable, ELOOP)};
}

// What kind of thing other than a regular file stands at the path.
FileProblem NotAFile(const struct stat& st) {
  return Problem(S_ISDIR(st.st_mode) ? FileProblem::Kind::kFolder : FileProblem::Kind::kNotRegular);
}

std::string TempPrefix(const fs::path& path) { return "." + path.filename().string() + ".tmp-"; }

// Temporary files left by a writer that died mid-update. Only called while the
// folder lock is held, so no live writer owns one.
void RemoveStaleTemporaries(const fs::path& folder, const std::string& prefix) {
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return;
  while (const dirent* entry = ::readdir(dir)) {
    if (std::strncmp(entry->d_name, prefix.c_str(), prefix.size()) == 0) {
      ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
  }
  ::closedir(dir);
}

mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

std::string DescribeFileProblem(const FileProblem& problem) {
  switch (problem.kind) {
    case FileProblem::Kind::kNone:
      return {};
    case FileProblem::Kind::kFolder:
      return "cannot be used: it is a folder";
    case FileProblem::Kind::kNotRegular:
      return "cannot be used: it is not a regular file";
    case FileProblem::Kind::kTooLarge:
      return "cannot be used: it is larger than " + std::to_string(kMaxFileSize >> 20) +
             " MB, far too large for a settings file";
    case FileProblem::Kind::kUnreadable:
      return std::string("cannot be read: ") + std::strerror(problem.error);
    case FileProblem::Kind::kUnwritable:
      return std::string("cannot be written: ") + std::strerror(problem.error);
    case FileProblem::Kind::kForeignLink:
      return "cannot be used: it is a symbolic link that another user owns, or leads through one";
    case FileProblem::Kind::kForeignFolder:
      return "cannot be written: its folder belongs to another user";
    case FileProblem::Kind::kWouldBeTooLarge:
      return "cannot be written: the change would make it larger than " +
             std::to_string(kMaxFileSize >> 20) + " MB";
  }
  return {};
}

namespace {

// Opens a regular file of at most kMaxFileSize bytes for reading; otherwise
// says in `content` what is there instead. Non-blocking, so that a named pipe
// in the file's place cannot hang us.
FileDescriptor OpenForReading(const fs::path& requested, FileContent& content, struct stat& st) {
  const Target target = ResolveTarget(requested);
  if (target.problem) {
    content.exists = true;
    content.problem = target.problem;
    return FileDescriptor();
  }
  const fs::path& path = target.path;
  FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW));
  if (!fd.valid()) {
    const int error = errno;
    if (error == ENOENT || error == ENOTDIR) return fd;
    content.exists = true;
    content.problem =
        ::lstat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode) && !S_ISLNK(st.st_mode)
            ? NotAFile(st)
            : Problem(FileProblem::Kind::kUnreadable, error);
    return fd;
  }
  content.exists = true;
  if (::fstat(fd.get(), &st) != 0) {
    content.problem = Problem(FileProblem::Kind::kUnreadable, errno);
  } else if (!S_ISREG(st.st_mode)) {
    content.problem = NotAFile(st);
  } else if (static_cast<std::uintmax_t>(st.st_size) > kMaxFileSize) {
    content.problem = Problem(FileProblem::Kind::kTooLarge);
  }
  return fd;
}

}  // namespace

FileContent ReadWholeFile(const fs::path& path) {
  FileContent content;
  struct stat st {};
  const FileDescriptor fd = OpenForReading(path, content, st);
  if (!fd.valid() || content.problem) return content;
  std::string& data = content.bytes;
  data.reserve(static_cast<size_t>(st.st_size));
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      content.problem = Problem(FileProblem::Kind::kUnreadable, errno);
      data.clear();
      return content;
    }
    if (n == 0) break;
    // A file that grows while we read it is still held to the limit.
    if (data.size() + static_cast<size_t>(n) > kMaxFileSize) {
      content.problem = Problem(FileProblem::Kind::kTooLarge);
      data.clear();
      return content;
    }
    data.append(buffer, static_cast<size_t>(n));
  }
  return content;
}

FileProblem UpdateFileAtomically(const fs::path& requested,
                                 const std::function<std::string(const FileContent&)>& change) {
  constexpr auto kUnwritable = FileProblem::Kind::kUnwritable;
  const Target target = ResolveTarget(requested);
  if (target.problem) return target.problem;
  const fs::path& path = target.path;
  fs::path folder = path.parent_path();
  if (folder.empty()) folder = ".";

  FileDescriptor dirFd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!dirFd.valid()) return Problem(kUnwritable, errno);
  // Only the folder's owner (and root) can be sure that nobody swaps what
  // the new file is renamed over.
  struct stat st {};
  if (::fstat(dirFd.get(), &st) != 0) return Problem(kUnwritable, errno);
  if (st.st_uid != ::geteuid()) return Problem(FileProblem::Kind::kForeignFolder);
  while (::flock(dirFd.get(), LOCK_EX) != 0) {
    if (errno != EINTR) return Problem(kUnwritable, errno);
  }

  mode_t mode = NewFileMode();
  if (::lstat(path.c_str(), &st) == 0) {
    if (S_ISLNK(st.st_mode)) return Problem(FileProblem::Kind::kUnreadable, ELOOP);
    if (!S_ISREG(st.st_mode)) return NotAFile(st);
    // Read-only for everyone holds for root too.
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return Problem(kUnwritable, EACCES);
    if (::access(path.c_str(), W_OK) != 0) return Problem(kUnwritable, errno);
    mode = st.st_mode & 07777;
  } else if (errno != ENOENT) {
    return Problem(FileProblem::Kind::kUnreadable, errno);
  }

  // A file that is there but cannot be read must not be taken for an empty one.
  const FileContent old = ReadWholeFile(path);
  if (old.problem) return old.problem;
  const std::string content = change(old);
  // Nothing changed (a missing file counts as empty): leave the file alone.
  if (content == old.bytes) return {};
  // A file the next read would refuse is not written.
  if (content.size() > kMaxFileSize) return Problem(FileProblem::Kind::kWouldBeTooLarge);

  const std::string prefix = TempPrefix(path);
  RemoveStaleTemporaries(folder, prefix);
  std::string temp = (folder / (prefix + "XXXXXX")).string();
  FileDescriptor tempFd(::mkstemp(temp.data()));
  if (!tempFd.valid()) return Problem(kUnwritable, errno);
  const bool written = ::fchmod(tempFd.get(), mode) == 0 && WriteAll(tempFd.get(), content) &&
                       ::fsync(tempFd.get()) == 0 && ::rename(temp.c_str(), path.c_str()) == 0;
  if (!written) {
    const int error = errno;
    ::unlink(temp.c_str());
    return Problem(kUnwritable, error);
  }
  ::fsync(dirFd.get());
  return {};
}

FileProblem WriteFileAtomically(const fs::path& path, std::string_view content) {
  return UpdateFileAtomically(path, [&](const FileContent&) { return std::string(content); });
}

void IgnoreFileSizeSignal() { ::signal(SIGXFSZ, SIG_IGN); }

}  // namespace vantrel
