// Where the settings file lives. Normally <application-data>/Mensura/Mensura.ini;
// a program started from another file system (a removable disk) keeps its
// settings at that file system's root when it may write there, and an older
// file found at the root is carried into a new settings folder once. The file
// system mounted at "/" has no such root file, and a root is used only when
// nobody else can have put a file there: the user owns the folder and the
// file, and nobody else may write to either.
#pragma once

#include <filesystem>
#include <string_view>

#include "platform/FileSystem.h"

namespace vantrel {

inline constexpr std::string_view kSettingsFolderName = "Mensura";
inline constexpr std::string_view kSettingsFileName = "Mensura.ini";

struct SettingsLocationInputs {
  std::filesystem::path executable;     // the running program; empty when unknown
  std::filesystem::path appDataFolder;  // the user's configuration folder; empty when unknown
};

// Why a file system's root that would hold the settings was passed over.
enum class RootDistrust { kNone, kFolderNotMine, kFolderShared, kFileNotMine, kFileShared };

struct SettingsLocation {
  std::filesystem::path programDirectory;  // empty when the program's path is unknown
  std::filesystem::path settingsPath;      // empty when no place could be found
  // The settings file at the root that would have been used (or copied) but
  // is not trusted, and why; empty and kNone otherwise.
  std::filesystem::path untrustedRootFile;
  RootDistrust distrust = RootDistrust::kNone;
};

// Chooses the settings file, creating its folder and copying an older file as
// needed. Never fails: the worst case is a path whose writes fail.
SettingsLocation ChooseSettingsLocation(const SettingsLocationInputs& inputs,
                                        FileSystemProbe& fileSystem);

// $XDG_CONFIG_HOME when it is an absolute path, else $HOME/.config, else empty.
std::filesystem::path ApplicationDataFolder();

// The settings location of this process on the real file system.
SettingsLocation LocateSettings();

// The settings file a reader that must change nothing should read, as
// `settingsPath`: the one LocateSettings would choose, found without creating
// a folder or copying a file. Where a first start would copy an older file
// into place, that older file is the one returned. Empty when no place could
// be found.
SettingsLocation SettingsFileForReading(const SettingsLocationInputs& inputs,
                                        const FileSystemProbe& fileSystem);
SettingsLocation LocateSettingsForReading();

}  // namespace vantrel
