// What stands at the settings path but cannot be read is said to be so, reads
// as no entries, and is never replaced or truncated.
#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

#include "platform/Profile.h"
#include "support/TempDir.h"

namespace vantrel {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;
using Kind = FileProblem::Kind;

// Reading says what is wrong; writing says it again and changes nothing.
void ExpectRefused(const fs::path& file, Kind kind) {
  const Profile snapshot = Profile::Snapshot(file);
  EXPECT_EQ(snapshot.ReadProblem().kind, kind);
  EXPECT_EQ(snapshot.GetInt("Settings", "Format", 7), 7);
  Profile profile(file);
  FileProblem reported;
  profile.SetProblemHandler([&](const FileProblem& problem) { reported = problem; });
  EXPECT_FALSE(profile.WriteInt("Settings", "Format", 2));
  EXPECT_EQ(reported.kind, kind);
}

TEST(FileProblem, WhatIsNoReadableSettingsFileIsNeverReplaced) {
  TempDir dir;
  const std::string head = "[Settings]\nFormat=1\n";
  const struct {
    const char* name;
    std::function<void(const fs::path&)> make;
    Kind kind;
    const char* description;
  } cases[] = {
      {"folder.ini", [](const fs::path& p) { fs::create_directory(p); }, Kind::kFolder,
       "cannot be used: it is a folder"},
      {"pipe.ini", [](const fs::path& p) { ::mkfifo(p.c_str(), 0644); }, Kind::kNotRegular,
       "cannot be used: it is not a regular file"},
      {"huge.ini",
       [&](const fs::path& p) {
         WriteBytes(p, head);
         fs::resize_file(p, kMaxFileSize + 1);  // sparse: costs no disk
       },
       Kind::kTooLarge,
       "cannot be used: it is larger than 16 MB, far too large for a settings file"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const fs::path file = dir / c.name;
    c.make(file);
    const auto status = fs::status(file).type();
    const auto size = fs::is_regular_file(file) ? fs::file_size(file) : 0;
    ExpectRefused(file, c.kind);
    EXPECT_EQ(DescribeFileProblem({c.kind, 0}), c.description);
    EXPECT_EQ(fs::status(file).type(), status);
    if (size) {
      EXPECT_EQ(fs::file_size(file), size);
      EXPECT_EQ(ReadBytes(file).substr(0, head.size()), head);
    }
  }
  // Exactly at the limit is still a settings file, but no write takes it past.
  const fs::path limit = dir / "limit.ini";
  WriteBytes(limit, head);
  fs::resize_file(limit, kMaxFileSize);
  EXPECT_EQ(Profile::Snapshot(limit).GetInt("Settings", "Format", 7), 1);
  Profile profile(limit);
  FileProblem reported;
  profile.SetProblemHandler([&](const FileProblem& problem) { reported = problem; });
  EXPECT_FALSE(profile.WriteInt("Settings", "Precision", 1));
  EXPECT_EQ(reported.kind, Kind::kWouldBeTooLarge);
  EXPECT_EQ(fs::file_size(limit), kMaxFileSize);
}

// A user id no account has.
uid_t UnusedUid() {
  uid_t uid = 54321;
  while (::getpwuid(uid)) ++uid;
  return uid;
}

// A file its owner may write but not read, and a file in a folder that may
// not be written, tried by a process that really lacks the rights (root
// would have them all, so a root run drops to an unused user first).
TEST(FileProblem, UnprivilegedWriterKeepsAnUnreadableFileAndAReadOnlyFolder) {
  TempDir dir;
  const fs::path unreadable = dir / "Mensura.ini";
  const fs::path locked = dir / "locked";
  const std::string original = "[CustomUnits]\nsmoot=@Distance?val=170.18?i=0\n";
  WriteBytes(unreadable, original);
  fs::create_directory(locked);
  WriteBytes(locked / "Mensura.ini", original);
  const uid_t uid = ::geteuid() == 0 ? UnusedUid() : ::geteuid();
  for (const fs::path& p : {dir.path(), unreadable, locked, locked / "Mensura.ini"})
    ASSERT_EQ(::chown(p.c_str(), uid, static_cast<gid_t>(-1)), 0) << p;
  ::chmod(unreadable.c_str(), 0200);
  ::chmod(locked.c_str(), 0500);

  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(uid) != 0 ||
                             ::setuid(uid) != 0 || ::geteuid() != uid))
      ::_exit(2);
    ExpectRefused(unreadable, Kind::kUnreadable);
    Profile inLockedFolder(locked / "Mensura.ini");
    const bool refused = !inLockedFolder.WriteInt("Settings", "Format", 2);
    ::_exit(::testing::Test::HasFailure() || !refused ? 1 : 0);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  ::chmod(unreadable.c_str(), 0600);
  ::chmod(locked.c_str(), 0700);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "1: replaced or not refused; 2: could not drop to a user";
  EXPECT_EQ(ReadBytes(unreadable), original);
  EXPECT_EQ(ReadBytes(locked / "Mensura.ini"), original);
}

// Another user's link is never followed, even to a file of ours; a link of
// ours into another user's folder is read, but no file is replaced there.
TEST(FileProblem, AnotherUsersLinkOrFolderLeadsNoWriteAstray) {
  if (::geteuid() != 0) GTEST_SKIP() << "only root can give a link or folder to another user";
  TempDir dir;
  const uid_t other = UnusedUid();
  const std::string original = "[Settings]\nFormat=1\n";
  WriteBytes(dir / "private.ini", original);
  fs::create_symlink(dir / "private.ini", dir / "planted.ini");
  ASSERT_EQ(::lchown((dir / "planted.ini").c_str(), other, other), 0);
  ExpectRefused(dir / "planted.ini", Kind::kForeignLink);
  EXPECT_EQ(ReadBytes(dir / "private.ini"), original);

  fs::create_directory(dir / "theirs", dir.path());
  ASSERT_EQ(::chown((dir / "theirs").c_str(), other, other), 0);
  WriteBytes(dir / "theirs" / "Mensura.ini", original);
  fs::create_symlink(dir / "theirs" / "Mensura.ini", dir / "Mensura.ini");
  EXPECT_EQ(Profile::Snapshot(dir / "Mensura.ini").GetInt("Settings", "Format", 7), 1);
  EXPECT_EQ(WriteFileAtomically(dir / "Mensura.ini", "[Settings]\n").kind, Kind::kForeignFolder);
}

}  // namespace
}  // namespace vantrel
