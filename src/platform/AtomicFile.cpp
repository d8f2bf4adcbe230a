#include "platform/AtomicFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
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

// Follows a symbolic link so that an update replaces the file it points to,
// not the link.
fs::path ResolveTarget(const fs::path& path) {
  std::error_code ec;
  if (fs::is_symlink(path, ec)) {
    const fs::path target = fs::canonical(path, ec);
    if (!ec) return target;
  }
  return path;
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

std::optional<std::string> ReadWholeFile(const fs::path& path) {
  // Non-blocking, so that a named pipe in the file's place cannot hang us; only
  // a regular file is read (not a pipe, a device or a folder).
  FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (!fd.valid()) return std::nullopt;
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  std::string data;
  if (st.st_size > 0) data.reserve(static_cast<size_t>(st.st_size));
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      return std::nullopt;
    }
    if (n == 0) break;
    data.append(buffer, static_cast<size_t>(n));
  }
  return data;
}

bool UpdateFileAtomically(
    const fs::path& requested,
    const std::function<std::optional<std::string>(const std::optional<std::string>&)>& change) {
  const fs::path path = ResolveTarget(requested);
  fs::path folder = path.parent_path();
  if (folder.empty()) folder = ".";

  FileDescriptor dirFd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!dirFd.valid()) return false;
  while (::flock(dirFd.get(), LOCK_EX) != 0) {
    if (errno != EINTR) return false;
  }

  struct stat st {};
  mode_t mode = NewFileMode();
  if (::stat(path.c_str(), &st) == 0) {
    if (!S_ISREG(st.st_mode)) return false;
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(path.c_str(), W_OK) != 0)
      return false;
    mode = st.st_mode & 07777;
  } else if (errno != ENOENT) {
    return false;
  }

  const std::optional<std::string> old = ReadWholeFile(path);
  const std::optional<std::string> content = change(old);
  if (!content) return false;
  // Nothing changed (a missing file counts as empty): leave the file alone.
  if (*content == old.value_or(std::string())) return true;

  const std::string prefix = TempPrefix(path);
  RemoveStaleTemporaries(folder, prefix);
  std::string temp = (folder / (prefix + "XXXXXX")).string();
  FileDescriptor tempFd(::mkstemp(temp.data()));
  if (!tempFd.valid()) return false;
  const bool written = ::fchmod(tempFd.get(), mode) == 0 && WriteAll(tempFd.get(), *content) &&
                       ::fsync(tempFd.get()) == 0;
  if (!written || ::rename(temp.c_str(), path.c_str()) != 0) {
    ::unlink(temp.c_str());
    return false;
  }
  ::fsync(dirFd.get());
  return true;
}

bool WriteFileAtomically(const fs::path& path, std::string_view content) {
  return UpdateFileAtomically(
      path, [&](const std::optional<std::string>&) { return std::string(content); });
}

}  // namespace vantrel
