#include "platform/FileSystem.h"

#include <sys/stat.h>
#include <unistd.h>

#include "platform/AtomicFile.h"

namespace vantrel {
namespace fs = std::filesystem;

bool LocalFileSystem::IsDirectory(const fs::path& path) const {
  std::error_code ec;
  return fs::is_directory(path, ec);
}

bool LocalFileSystem::IsFile(const fs::path& path) const {
  std::error_code ec;
  return fs::is_regular_file(path, ec);
}

std::optional<std::uint64_t> LocalFileSystem::FileSystemId(const fs::path& path) const {
  fs::path p = path;
  for (;;) {
    struct stat st {};
    if (::stat(p.c_str(), &st) == 0) return static_cast<std::uint64_t>(st.st_dev);
    if (!p.has_relative_path()) return std::nullopt;
    p = p.parent_path();
  }
}

fs::path LocalFileSystem::MountRoot(const fs::path& path) const {
  std::error_code ec;
  fs::path p = fs::weakly_canonical(path, ec);
  if (ec) p = path;
  if (!fs::is_directory(p, ec)) p = p.parent_path();
  struct stat st {};
  if (::stat(p.c_str(), &st) != 0) return p.root_path();
  // Climb while the parent still lies on the same device.
  while (p.has_relative_path()) {
    const fs::path parent = p.parent_path();
    struct stat up {};
    if (::stat(parent.c_str(), &up) != 0 || up.st_dev != st.st_dev) break;
    p = parent;
  }
  return p;
}

bool LocalFileSystem::IsWritableDirectory(const fs::path& path) const {
  return IsDirectory(path) && ::access(path.c_str(), W_OK | X_OK) == 0;
}

std::optional<Ownership> LocalFileSystem::OwnershipOf(const fs::path& path,
                                                      bool followLinks) const {
  struct stat st {};
  if ((followLinks ? ::stat(path.c_str(), &st) : ::lstat(path.c_str(), &st)) != 0)
    return std::nullopt;
  return Ownership{st.st_uid == ::geteuid(), (st.st_mode & (S_IWGRP | S_IWOTH)) != 0};
}

bool LocalFileSystem::CreateDirectories(const fs::path& path) {
  std::error_code ec;
  fs::create_directories(path, ec);
  return IsDirectory(path);
}

bool LocalFileSystem::CopyFile(const fs::path& from, const fs::path& to) {
  const FileContent content = ReadWholeFile(from);
  return content.exists && !content.problem && !WriteFileAtomically(to, content.bytes);
}

fs::path RunningExecutablePath() {
  std::error_code ec;
  fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  return ec ? fs::path() : exe;
}

}  // namespace vantrel
