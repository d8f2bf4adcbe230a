// What vantrel-convert does with the settings file: reads it as the window
// left it, warns once when it cannot, and never writes or creates anything.
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "CliRun.h"
#include "settings/SettingsLocation.h"

namespace vantrel::cli {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

TEST(SettingsFileTest, ReadsCustomDefinitionsVisibilityAndFormatButNeverWrites) {
  const TempDir dir;
  const fs::path settings = dir / "Mensura.ini";
  const std::string file =
      "[Settings]\nFormat=2\nPrecision=3\n"
      "[Visibility]\nRadiation=1\nData=0\n"
      "[CustomCategories]\nGadgets=\n"
      "[CustomUnits]\nsmoot=@Distance?val=170.18?i=0\nwidget=@Gadgets?val=1?i=0\n"
      "gizmo=@Gadgets?val=4?i=0\n";
  WriteBytes(settings, file);

  EXPECT_EQ(RunCli({"1", "smoot", "cm"}, "", settings).out, "170.180\n");
  EXPECT_EQ(RunCli({"1", "gizmo", "widget", "--format", "auto"}, "", settings).out, "4\n");
  const Outcome categories = RunCli({"--categories"}, "", settings);
  EXPECT_NE(categories.out.find("Gadgets\t1\t2\n"), std::string::npos);
  EXPECT_NE(categories.out.find("Radiation\t1\t19\n"), std::string::npos);
  EXPECT_NE(categories.out.find("Data\t0\t31\n"), std::string::npos);
  EXPECT_NE(RunCli({"--list", "Gadgets"}, "", settings).out.find("Gadgets\tgizmo\t \t4\t0\t0\n"),
            std::string::npos);
  EXPECT_TRUE(RunCli({"--info", "smoot"}, "", settings)
                  .out.ends_with("provenance\tcustom\nsource\tthe settings file\n"));
  EXPECT_EQ(ReadBytes(settings), file);
}

// One warning line naming the file and the reason; the conversion done with
// the defaults; the file left as it was.
TEST(SettingsFileTest, WarnsOnceOfAFileItCannotUse) {
  const TempDir dir;
  fs::create_directory(dir / "folder");
  ::mkfifo((dir / "pipe").c_str(), 0600);
  WriteBytes(dir / "huge", "[Settings]\nFormat=2\n");
  fs::resize_file(dir / "huge", 16777217);
  fs::create_symlink("loop", dir / "loop");
  fs::create_symlink("/proc/self/mem", dir / "memory");
  const std::pair<const char*, const char*> cases[] = {
      {"folder", "cannot be used: it is a folder"},
      {"pipe", "cannot be used: it is not a regular file"},
      {"huge", "cannot be used: it is larger than 16 MB, far too large for a settings file"},
      {"loop", "cannot be read: Too many levels of symbolic links"},
      {"memory", "cannot be read: Input/output error"},
  };
  for (const auto& [name, reason] : cases) {
    const fs::path file = dir / name;
    std::error_code ec;
    const auto before = fs::last_write_time(file, ec);
    const Outcome outcome = RunCli({"1", "ft", "cm"}, "", file);
    EXPECT_EQ(outcome.out, "30.48\n");
    EXPECT_EQ(outcome.err, "vantrel-convert: warning: the settings file \"" + file.string() +
                               "\" " + reason + "; going on with the default settings\n");
    EXPECT_EQ(fs::last_write_time(file, ec), before) << name;
  }
}

// Hand-edited sizes that define no unit are left out, said on one line.
TEST(SettingsFileTest, UnitsWhoseCoefficientIsNoSizeAreLeftOutWithOneWarning) {
  const TempDir dir;
  const fs::path settings = dir / "Mensura.ini";
  const std::string units =
      "[CustomUnits]\nzero=@Distance?val=0?i=0\nfine=@Distance?val=2?i=0\nhuge=@Mass?val=1e999?i="
      "0\n";
  WriteBytes(settings, units);
  const Outcome outcome = RunCli({"1", "fine", "cm"}, "", settings);
  EXPECT_EQ(outcome.code, 0);
  EXPECT_EQ(outcome.out, "2\n");
  EXPECT_EQ(outcome.err, "vantrel-convert: warning: the settings file \"" + settings.string() +
                             "\" gives custom units a coefficient that defines no unit, left "
                             "out: 'zero' in 'Distance' (coefficient '0'), 'huge' in 'Mass' "
                             "(coefficient '1e999')\n");
  EXPECT_EQ(RunCli({"1", "zero", "cm"}, "", settings).code, 1);
  EXPECT_EQ(ReadBytes(settings), units);
}

// The real program finds the file as the window does, reads its standard
// input and reports through its exit status.
TEST(SettingsFileTest, TheProgramReadsTheFileItFindsAndCreatesNothing) {
  const TempDir config(ProgramFolder());
  EXPECT_EQ(RunProgram({"1", "foot"}, config.path()).code, 2);
  EXPECT_EQ(RunProgram({"1", "foot", "gram"}, config.path()).code, 1);
  EXPECT_TRUE(fs::is_empty(config.path()));

  fs::create_directory(config / "Mensura");
  const std::string file =
      "[Settings]\nFormat=1\nPrecision=2\n[CustomUnits]\nsmoot=@Distance?val=170.18?i=0\n";
  WriteBytes(config / "Mensura" / "Mensura.ini", file);
  EXPECT_EQ(RunProgram({"1", "smoot", "centimeter"}, config.path()).out, "1.70e+002\n");
  const Outcome batch = RunProgram({"--batch"}, config.path(), "1\tsmoot\tcm\n2\tsmoot\tcm\n");
  EXPECT_EQ(batch.out, "1.70e+002\n3.40e+002\n");
  EXPECT_EQ(batch.code, 0);
  EXPECT_EQ(ReadBytes(config / "Mensura" / "Mensura.ini"), file);
}

// A file its user may write but not read, tried by a process that really
// cannot read it (as root: setpriv to an unused user).
TEST(SettingsFileTest, WarnsWhenItsUserCannotReadTheFile) {
  const TempDir config(ProgramFolder());
  fs::create_directory(config / "Mensura");
  const fs::path file = config / "Mensura" / "Mensura.ini";
  WriteBytes(file, "[CustomUnits]\nsmoot=@Distance?val=170.18?i=0\n");
  fs::permissions(file, fs::perms::owner_write);
  Arguments runner;
  if (::geteuid() == 0) {
    uid_t uid = 54321;
    while (::getpwuid(uid)) ++uid;
    fs::permissions(config.path(), fs::perms::owner_all | fs::perms::group_exec |
                                       fs::perms::others_read | fs::perms::others_exec);
    for (const fs::path& path : {config.path(), config / "Mensura", file})
      ASSERT_EQ(::chown(path.c_str(), uid, uid), 0);
    const std::string id = std::to_string(uid);
    runner = {"setpriv", "--reuid=" + id, "--regid=" + id, "--clear-groups"};
    if (RunProgram({"--version"}, config.path(), "", runner).code != 0)
      GTEST_SKIP() << "no unprivileged run: setpriv is missing or user " << id
                   << " cannot run the program";
  }
  const Outcome outcome = RunProgram({"1", "ft", "cm"}, config.path(), "", runner);
  EXPECT_EQ(outcome.out, "30.48\n");
  EXPECT_EQ(outcome.err, "vantrel-convert: warning: the settings file \"" + file.string() +
                             "\" cannot be read: Permission denied; going on with the default "
                             "settings\n");
}

// Finding the settings file for reading creates no folder and copies nothing.
TEST(SettingsFileTest, FindsTheFileWithoutCreatingAnything) {
  const TempDir home;
  LocalFileSystem fileSystem;
  const SettingsLocationInputs inputs{home / "bin" / "vantrel-convert", home / "config"};
  EXPECT_EQ(SettingsFileForReading(inputs, fileSystem).settingsPath,
            home / "config" / "Mensura" / "Mensura.ini");
  EXPECT_FALSE(fs::exists(home / "config"));
}

}  // namespace
}  // namespace vantrel::cli
