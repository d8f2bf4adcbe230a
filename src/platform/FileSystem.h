// File-system questions and actions the settings location needs, behind an
// interface so that tests can stage every situation.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

namespace vantrel {

// Who may change what stands at a path.
struct Ownership {
  bool mine = false;            // owned by the user running the program
  bool othersMayWrite = false;  // its group or everyone may write to it
};

class FileSystemProbe {
 public:
  virtual ~FileSystemProbe() = default;
  virtual bool IsDirectory(const std::filesystem::path& path) const = 0;
  virtual bool IsFile(const std::filesystem::path& path) const = 0;
  // Identifies the file system holding the path, or its nearest existing
  // ancestor when the path does not exist yet.
  virtual std::optional<std::uint64_t> FileSystemId(const std::filesystem::path& path) const = 0;
  // The mount point of the file system holding the path.
  virtual std::filesystem::path MountRoot(const std::filesystem::path& path) const = 0;
  virtual bool IsWritableDirectory(const std::filesystem::path& path) const = 0;
  // Of the path itself (a link, not where it leads) or, following links, of
  // what it leads to; none when nothing is there.
  virtual std::optional<Ownership> OwnershipOf(const std::filesystem::path& path,
                                               bool followLinks) const = 0;
  // Creates the folder and any missing parents.
  virtual bool CreateDirectories(const std::filesystem::path& path) = 0;
  // Copies a file over another (atomically), replacing it if it exists.
  virtual bool CopyFile(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
};

// The real file system.
class LocalFileSystem final : public FileSystemProbe {
 public:
  bool IsDirectory(const std::filesystem::path& path) const override;
  bool IsFile(const std::filesystem::path& path) const override;
  std::optional<std::uint64_t> FileSystemId(const std::filesystem::path& path) const override;
  std::filesystem::path MountRoot(const std::filesystem::path& path) const override;
  bool IsWritableDirectory(const std::filesystem::path& path) const override;
  std::optional<Ownership> OwnershipOf(const std::filesystem::path& path,
                                       bool followLinks) const override;
  bool CreateDirectories(const std::filesystem::path& path) override;
  bool CopyFile(const std::filesystem::path& from, const std::filesystem::path& to) override;
};

// The running program's own path (from /proc/self/exe), or empty.
std::filesystem::path RunningExecutablePath();

}  // namespace vantrel
