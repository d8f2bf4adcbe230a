#include "settings/SettingsLocation.h"

#include <cstdlib>

namespace vantrel {
namespace fs = std::filesystem;

namespace {

// Whether nobody but the user can have put the settings file at a root, or
// can change it there. A link counts by its owner (its own mode says
// nothing), and what it leads to by both.
RootDistrust DistrustOf(const fs::path& root, const fs::path& file,
                        const FileSystemProbe& fileSystem) {
  const std::optional<Ownership> folder = fileSystem.OwnershipOf(root, true);
  if (!folder || !folder->mine) return RootDistrust::kFolderNotMine;
  if (folder->othersMayWrite) return RootDistrust::kFolderShared;
  const std::optional<Ownership> entry = fileSystem.OwnershipOf(file, false);
  if (!entry) return RootDistrust::kNone;
  const std::optional<Ownership> target = fileSystem.OwnershipOf(file, true);
  if (!entry->mine || (target && !target->mine)) return RootDistrust::kFileNotMine;
  if (target && target->othersMayWrite) return RootDistrust::kFileShared;
  return RootDistrust::kNone;
}

}  // namespace

SettingsLocation ChooseSettingsLocation(const SettingsLocationInputs& inputs,
                                        FileSystemProbe& fileSystem) {
  SettingsLocation location;
  const fs::path& exe = inputs.executable;
  if (exe.is_absolute() && exe.has_relative_path()) location.programDirectory = exe.parent_path();

  // The root of the file system the program runs from, unless that is the
  // system's own root: settings never go to "/".
  fs::path driveRootFile;
  fs::path driveRoot;
  if (!location.programDirectory.empty()) {
    const auto exeFs = fileSystem.FileSystemId(exe);
    const auto systemFs = fileSystem.FileSystemId("/");
    if (exeFs && systemFs && *exeFs != *systemFs) {
      driveRoot = fileSystem.MountRoot(exe);
      driveRootFile = driveRoot / kSettingsFileName;
    }
  }
  // Asked only where the root would be used: a root passed over is
  // remembered with the reason.
  const auto trusted = [&] {
    if (driveRootFile.empty()) return false;
    location.distrust = DistrustOf(driveRoot, driveRootFile, fileSystem);
    if (location.distrust == RootDistrust::kNone) return true;
    location.untrustedRootFile = driveRootFile;
    return false;
  };

  if (inputs.appDataFolder.empty()) {
    if (trusted()) location.settingsPath = driveRootFile;
    return location;
  }
  const fs::path folder = inputs.appDataFolder / kSettingsFolderName;
  const fs::path candidate = folder / kSettingsFileName;

  // A program on another file system than the settings folder keeps its
  // settings beside itself, but only where it may write.
  if (!driveRootFile.empty() && fileSystem.IsWritableDirectory(driveRoot)) {
    const auto exeFs = fileSystem.FileSystemId(exe);
    const auto dataFs = fileSystem.FileSystemId(inputs.appDataFolder);
    if (exeFs && dataFs && *exeFs != *dataFs && trusted()) {
      location.settingsPath = driveRootFile;
      return location;
    }
  }

  if (!fileSystem.IsDirectory(folder) && !fileSystem.CreateDirectories(folder)) {
    location.settingsPath = trusted() ? driveRootFile : candidate;
    return location;
  }

  location.settingsPath = candidate;
  if (!driveRootFile.empty() && !fileSystem.IsFile(candidate) && fileSystem.IsFile(driveRootFile) &&
      trusted())
    fileSystem.CopyFile(driveRootFile, candidate);  // a failed copy just starts afresh
  return location;
}

fs::path ApplicationDataFolder() {
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) {
    const fs::path folder(xdg);
    if (folder.is_absolute()) return folder;
  }
  if (const char* home = std::getenv("HOME"); home && *home) return fs::path(home) / ".config";
  return {};
}

namespace {

// Answers every question from the real file system but only pretends to act,
// remembering the file it was asked to copy.
class ReadOnlyFileSystem final : public FileSystemProbe {
 public:
  explicit ReadOnlyFileSystem(const FileSystemProbe& real) : real_(real) {}
  bool IsDirectory(const fs::path& path) const override { return real_.IsDirectory(path); }
  bool IsFile(const fs::path& path) const override { return real_.IsFile(path); }
  std::optional<std::uint64_t> FileSystemId(const fs::path& path) const override {
    return real_.FileSystemId(path);
  }
  fs::path MountRoot(const fs::path& path) const override { return real_.MountRoot(path); }
  bool IsWritableDirectory(const fs::path& path) const override {
    return real_.IsWritableDirectory(path);
  }
  std::optional<Ownership> OwnershipOf(const fs::path& path, bool followLinks) const override {
    return real_.OwnershipOf(path, followLinks);
  }
  bool CreateDirectories(const fs::path&) override { return true; }
  bool CopyFile(const fs::path& from, const fs::path&) override {
    copiedFrom_ = from;
    return true;
  }
  const fs::path& CopiedFrom() const { return copiedFrom_; }

 private:
  const FileSystemProbe& real_;
  fs::path copiedFrom_;
};

}  // namespace

SettingsLocation SettingsFileForReading(const SettingsLocationInputs& inputs,
                                        const FileSystemProbe& fileSystem) {
  ReadOnlyFileSystem readOnly(fileSystem);
  SettingsLocation location = ChooseSettingsLocation(inputs, readOnly);
  if (!readOnly.CopiedFrom().empty()) location.settingsPath = readOnly.CopiedFrom();
  return location;
}

SettingsLocation LocateSettingsForReading() {
  LocalFileSystem fileSystem;
  return SettingsFileForReading({RunningExecutablePath(), ApplicationDataFolder()}, fileSystem);
}

SettingsLocation LocateSettings() {
  LocalFileSystem fileSystem;
  return ChooseSettingsLocation({RunningExecutablePath(), ApplicationDataFolder()}, fileSystem);
}

}  // namespace vantrel
