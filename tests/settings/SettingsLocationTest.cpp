#include <gtest/gtest.h>

#include <map>
#include <set>

#include "platform/Profile.h"
#include "settings/SettingsLocation.h"
#include "support/TempDir.h"

namespace vantrel {
namespace {

namespace fs = std::filesystem;

// A staged file system: two mounts ("/" and "/home", or a removable "/media/usb").
class FakeFileSystem final : public FileSystemProbe {
 public:
  std::set<fs::path> directories{"/",        "/home",      "/home/ann",     "/home/ann/.config",
                                 "/usr/bin", "/media/usb", "/media/usb/bin"};
  std::set<fs::path> files;
  std::map<fs::path, std::uint64_t> mounts{{"/", 1}, {"/home", 2}, {"/media/usb", 3}};
  std::set<fs::path> writable{"/home/ann/.config", "/media/usb"};
  // What is there is the user's alone unless listed; links by their own owner.
  std::map<fs::path, Ownership> owners;
  std::map<fs::path, Ownership> links;
  bool failCreate = false;
  bool failCopy = false;
  std::vector<std::pair<fs::path, fs::path>> copies;
  std::vector<fs::path> created;

  bool IsDirectory(const fs::path& p) const override { return directories.count(p) != 0; }
  bool IsFile(const fs::path& p) const override { return files.count(p) != 0; }
  std::optional<std::uint64_t> FileSystemId(const fs::path& p) const override {
    return mounts.at(MountRoot(p));
  }
  fs::path MountRoot(const fs::path& p) const override {
    fs::path best = "/";
    for (const auto& [root, id] : mounts) {
      const std::string r = root.string(), s = p.string();
      if (root != "/" && (s == r || s.rfind(r + "/", 0) == 0)) best = root;
    }
    return best;
  }
  bool IsWritableDirectory(const fs::path& p) const override { return writable.count(p) != 0; }
  std::optional<Ownership> OwnershipOf(const fs::path& p, bool followLinks) const override {
    if (const auto link = links.find(p); !followLinks && link != links.end()) return link->second;
    if (!IsDirectory(p) && !IsFile(p)) return std::nullopt;
    const auto owner = owners.find(p);
    return owner == owners.end() ? Ownership{true, false} : owner->second;
  }
  bool CreateDirectories(const fs::path& p) override {
    if (failCreate) return false;
    created.push_back(p);
    directories.insert(p);
    return true;
  }
  bool CopyFile(const fs::path& from, const fs::path& to) override {
    copies.emplace_back(from, to);
    if (failCopy) return false;
    files.insert(to);
    return true;
  }
};

const fs::path kAppData = "/home/ann/.config";
const fs::path kFolder = "/home/ann/.config/Mensura";
const fs::path kCandidate = "/home/ann/.config/Mensura/Mensura.ini";

TEST(SettingsLocation, FirstStartCreatesTheFolderInApplicationData) {
  FakeFileSystem fsys;
  fsys.mounts.erase("/home");  // one file system for everything
  const auto loc = ChooseSettingsLocation({"/usr/bin/vantrel", kAppData}, fsys);
  EXPECT_EQ(loc.programDirectory, "/usr/bin");
  EXPECT_EQ(loc.settingsPath, kCandidate);
  EXPECT_EQ(fsys.created, std::vector<fs::path>{kFolder});
  EXPECT_TRUE(fsys.copies.empty());
}

TEST(SettingsLocation, SeparateHomePartitionNeverSendsSettingsToAnUnwritableRoot) {
  FakeFileSystem fsys;  // "/" is not writable, /home is another file system
  const auto loc = ChooseSettingsLocation({"/usr/bin/vantrel", kAppData}, fsys);
  EXPECT_EQ(loc.settingsPath, kCandidate);
}

TEST(SettingsLocation, ProgramOnAnotherWritableFileSystemKeepsSettingsAtItsRoot) {
  FakeFileSystem fsys;
  const auto loc = ChooseSettingsLocation({"/media/usb/bin/vantrel", kAppData}, fsys);
  EXPECT_EQ(loc.programDirectory, "/media/usb/bin");
  EXPECT_EQ(loc.settingsPath, "/media/usb/Mensura.ini");
  EXPECT_TRUE(fsys.created.empty()) << "the application-data folder is neither created nor used";
}

// A program on the same file system as the settings folder, not the one at "/".
const fs::path kHomeProgram = "/home/ann/bin/vantrel";

TEST(SettingsLocation, DriveRootFileIsCopiedIntoANewFolderOnce) {
  FakeFileSystem fsys;
  fsys.files.insert("/home/Mensura.ini");
  auto loc = ChooseSettingsLocation({kHomeProgram, kAppData}, fsys);
  EXPECT_EQ(loc.settingsPath, kCandidate);
  ASSERT_EQ(fsys.copies.size(), 1u);
  EXPECT_EQ(fsys.copies[0].first, "/home/Mensura.ini");
  EXPECT_EQ(fsys.copies[0].second, kCandidate);
  // The next start finds its own file and copies nothing.
  loc = ChooseSettingsLocation({kHomeProgram, kAppData}, fsys);
  EXPECT_EQ(loc.settingsPath, kCandidate);
  EXPECT_EQ(fsys.copies.size(), 1u);
}

TEST(SettingsLocation, FailedCopyStartsAfresh) {
  FakeFileSystem fsys;
  fsys.files.insert("/home/Mensura.ini");
  fsys.failCopy = true;
  EXPECT_EQ(ChooseSettingsLocation({kHomeProgram, kAppData}, fsys).settingsPath, kCandidate);
}

TEST(SettingsLocation, FailedFolderCreationFallsBackToTheDriveRoot) {
  FakeFileSystem fsys;
  fsys.failCreate = true;
  EXPECT_EQ(ChooseSettingsLocation({kHomeProgram, kAppData}, fsys).settingsPath,
            "/home/Mensura.ini");
}

// A root is used, or copied from, only when nobody else can have put the
// file there or change it; otherwise the settings folder, and the reason.
TEST(SettingsLocation, OnlyARootNobodyElseCanChangeIsUsed) {
  using enum RootDistrust;
  const Ownership theirs{false, false}, shared{true, true};
  const fs::path usb = "/media/usb/bin/vantrel", file = "/media/usb/Mensura.ini";
  const struct {
    const char* what;
    fs::path program, path;
    Ownership owner;
    bool link;
    fs::path expected;
    RootDistrust distrust;
  } cases[] = {
      {"folder of another user", usb, "/media/usb", theirs, false, kCandidate, kFolderNotMine},
      {"file of another user", usb, file, theirs, false, kCandidate, kFileNotMine},
      {"link of another user", usb, file, theirs, true, kCandidate, kFileNotMine},
      {"own link, whatever its mode", usb, file, shared, true, file, kNone},
      {"older file of another user", kHomeProgram, "/home/Mensura.ini", theirs, false, kCandidate,
       kFileNotMine},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    FakeFileSystem fsys;
    if (c.path.has_extension()) fsys.files.insert(c.path);
    (c.link ? fsys.links : fsys.owners)[c.path] = c.owner;
    const SettingsLocation loc = ChooseSettingsLocation({c.program, kAppData}, fsys);
    EXPECT_EQ(loc.settingsPath, c.expected);
    EXPECT_EQ(loc.distrust, c.distrust);
    EXPECT_TRUE(fsys.copies.empty());
  }
}

// The file system mounted at "/" has no drive-root file, whoever runs the
// program and whatever may be written there.
TEST(SettingsLocation, TheSystemRootIsNeverTheDriveRoot) {
  const struct {
    const char* what;
    fs::path appData;
    bool failCreate;
    fs::path expected;
  } cases[] = {
      {"settings folder on another file system", kAppData, false, kCandidate},
      {"settings folder cannot be made", kAppData, true, kCandidate},
      {"no application-data folder", "", false, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    FakeFileSystem fsys;
    fsys.writable.insert("/");  // as root
    fsys.files.insert("/Mensura.ini");
    fsys.failCreate = c.failCreate;
    EXPECT_EQ(ChooseSettingsLocation({"/usr/bin/vantrel", c.appData}, fsys).settingsPath,
              c.expected);
    EXPECT_TRUE(fsys.copies.empty()) << "/Mensura.ini is no older settings file";
  }
}

TEST(SettingsLocation, MissingInputs) {
  FakeFileSystem fsys;
  // No application-data folder: the drive root.
  auto loc = ChooseSettingsLocation({"/media/usb/bin/vantrel", ""}, fsys);
  EXPECT_EQ(loc.settingsPath, "/media/usb/Mensura.ini");
  // No program path: no drive root, so the settings folder, even if it cannot be made.
  loc = ChooseSettingsLocation({"", kAppData}, fsys);
  EXPECT_TRUE(loc.programDirectory.empty());
  EXPECT_EQ(loc.settingsPath, kCandidate);
  fsys.failCreate = true;
  fsys.directories.erase(kFolder);
  EXPECT_EQ(ChooseSettingsLocation({"vantrel", kAppData}, fsys).settingsPath, kCandidate);
  // Neither: nowhere, and writes simply fail.
  EXPECT_TRUE(ChooseSettingsLocation({"", ""}, fsys).settingsPath.empty());
}

TEST(SettingsLocation, ApplicationDataFolderFollowsXdgThenHome) {
  const char* oldXdg = std::getenv("XDG_CONFIG_HOME");
  const std::string savedXdg = oldXdg ? oldXdg : "";
  ::setenv("XDG_CONFIG_HOME", "/tmp/xdg", 1);
  EXPECT_EQ(ApplicationDataFolder(), "/tmp/xdg");
  ::setenv("XDG_CONFIG_HOME", "relative/ignored", 1);
  ::setenv("HOME", "/home/ann", 1);
  EXPECT_EQ(ApplicationDataFolder(), "/home/ann/.config");
  ::unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(ApplicationDataFolder(), "/home/ann/.config");
  if (oldXdg) ::setenv("XDG_CONFIG_HOME", savedXdg.c_str(), 1);
}

// The real file system: folder made, older root file carried over and used.
TEST(SettingsLocation, RealFileSystemCopiesAndCreates) {
  testing::TempDir dir;
  LocalFileSystem local;
  EXPECT_TRUE(local.IsWritableDirectory(dir.path()));
  EXPECT_EQ(local.FileSystemId(dir / "not" / "yet"), local.FileSystemId(dir.path()));
  const fs::path root = local.MountRoot(dir.path());
  EXPECT_TRUE(root.is_absolute());
  EXPECT_EQ(local.FileSystemId(root), local.FileSystemId(dir.path()));

  testing::WriteBytes(dir / "old.ini", "[Settings]\nFormat=2\n");
  ASSERT_TRUE(local.CreateDirectories(dir / "a" / "b"));
  ASSERT_TRUE(local.CopyFile(dir / "old.ini", dir / "a" / "b" / "Mensura.ini"));
  EXPECT_EQ(Profile(dir / "a" / "b" / "Mensura.ini").GetInt("Settings", "Format", 0), 2);
  EXPECT_FALSE(local.CopyFile(dir / "missing.ini", dir / "a" / "copy.ini"));
  EXPECT_FALSE(RunningExecutablePath().empty());
}

}  // namespace
}  // namespace vantrel
