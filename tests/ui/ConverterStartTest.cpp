// The converter window's start and close as the settings file sees them: how
// often the file is read and replaced, and what the window says, once, when
// the file cannot be used.
#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QTest>
#include <functional>
#include <memory>

#include "WindowTest.h"
#include "support/StagedFileStore.h"
#include "ui/ConverterDlg.h"
#include "ui/ResourceIds.h"
#include "ui/kit/DropDownList.h"

namespace vantrel {
namespace {

namespace fs = std::filesystem;
using testing::ProgramRun;
using testing::ReadBytes;
using testing::StagedFileStore;
using testing::WriteBytes;

// What the kernel saw happen to one file of a folder: opens, and
// replacements (a file renamed onto its name).
class FileWatch {
 public:
  FileWatch(const fs::path& folder, std::string name)
      : fd_(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)), name_(std::move(name)) {
    ::inotify_add_watch(fd_, folder.c_str(), IN_OPEN | IN_MOVED_TO);
  }
  ~FileWatch() { ::close(fd_); }
  int Opens() { return Drain(), opens_; }
  int Replacements() { return Drain(), replacements_; }

 private:
  void Drain() {
    alignas(inotify_event) char buffer[8192];
    for (ssize_t n; (n = ::read(fd_, buffer, sizeof buffer)) > 0;) {
      for (char* p = buffer; p < buffer + n;) {
        const auto* event = reinterpret_cast<const inotify_event*>(p);
        if (event->len && name_ == event->name) {
          opens_ += (event->mask & IN_OPEN) != 0;
          replacements_ += (event->mask & IN_MOVED_TO) != 0;
        }
        p += sizeof(inotify_event) + event->len;
      }
    }
  }
  int fd_;
  std::string name_;
  int opens_ = 0;
  int replacements_ = 0;
};

TEST(ConverterStartTest, FirstStartWritesOnceAfterThePaintAndEachCloseOnce) {
  ProgramRun run;
  FileWatch watch(run.dir_.path(), "Mensura.ini");
  CConverterDlg& dialog = run.Start();
  EXPECT_TRUE(dialog.windowIcon().isNull()) << "the icon waits for the first paint";
  EXPECT_FALSE(fs::exists(run.SettingsFile())) << "so does the start's write";
  run.FinishStart();
  EXPECT_EQ(watch.Replacements(), 1);
  EXPECT_EQ(Profile::Snapshot(run.SettingsFile()).GetSection("Visibility").size(), 45u);

  dialog.close();
  EXPECT_EQ(watch.Replacements(), 2) << "the three Last keys at once";
  EXPECT_EQ(Profile::Snapshot(run.SettingsFile()).GetInt("Settings", "LastUnitFrom", -9), 0);

  // The next start reads the file once and has nothing to write.
  const int opens = watch.Opens();
  run.Start();
  run.FinishStart();
  EXPECT_EQ(watch.Opens(), opens + 1);
  EXPECT_EQ(watch.Replacements(), 2);
  EXPECT_TRUE(run.shell_.messages.empty());
}

TEST(ConverterStartTest, ACloseBeforeTheFirstPaintWritesEverythingAtOnce) {
  ProgramRun run;
  FileWatch watch(run.dir_.path(), "Mensura.ini");
  run.Start().close();
  EXPECT_EQ(watch.Replacements(), 1);
  const Profile written = Profile::Snapshot(run.SettingsFile());
  EXPECT_EQ(written.GetSection("Visibility").size(), 45u);
  EXPECT_EQ(written.GetInt("Settings", "LastCategory", -9), 0);
}

// A window that is never painted does not hold back the start's write, nor
// the writes that would join it.
TEST(ConverterStartTest, AnUnpaintedWindowStillWritesItsStart) {
  ProgramRun run;
  CConverterDlg& dialog = run.Start();
  dialog.hide();
  QTest::qWait(300);
  EXPECT_FALSE(fs::exists(run.SettingsFile())) << "painted after all";
  EXPECT_TRUE(QTest::qWaitFor([&] { return fs::exists(run.SettingsFile()); }, 3000));
  EXPECT_EQ(Profile::Snapshot(run.SettingsFile()).GetSection("Visibility").size(), 45u);
}

// A settings file that cannot be used: the window opens with the defaults,
// says so once, naming the file and the reason, and leaves the file alone,
// however often it fails to write.
TEST(ConverterStartTest, AnUnusableSettingsFileIsSaidOnceAndLeftAlone) {
  const std::string stored = "[Settings]\nOnTop=0\nLastCategory=3\n";
  const struct {
    const char* what;
    std::function<void(const fs::path&, StagedFileStore&)> stage;
    const char* reason;
  } cases[] = {
      {"a folder", [](const fs::path& p, StagedFileStore&) { fs::create_directory(p); },
       "cannot be used: it is a folder"},
      {"a pipe", [](const fs::path& p, StagedFileStore&) { ::mkfifo(p.c_str(), 0644); },
       "cannot be used: it is not a regular file"},
      {"too large",
       [&](const fs::path& p, StagedFileStore&) {
         WriteBytes(p, stored);
         fs::resize_file(p, kMaxFileSize + 1);
       },
       "cannot be used: it is larger than 16 MB"},
      {"unreadable",
       [&](const fs::path& p, StagedFileStore& store) {
         WriteBytes(p, stored);
         store.readProblem = {FileProblem::Kind::kUnreadable, EACCES};
       },
       "cannot be read: Permission denied"},
      {"in a read-only folder",
       [](const fs::path&, StagedFileStore& store) {
         store.writeProblem = {FileProblem::Kind::kUnwritable, EACCES};
       },
       "cannot be written: Permission denied"},
      {"on a full disk",
       [&](const fs::path& p, StagedFileStore& store) {
         WriteBytes(p, stored);
         store.writeProblem = {FileProblem::Kind::kUnwritable, ENOSPC};
       },
       "cannot be written: No space left on device"},
      {"near 16 MB",
       [](const fs::path&, StagedFileStore& store) {
         store.writeProblem = {FileProblem::Kind::kWouldBeTooLarge, 0};
       },
       "would make it larger than 16 MB.\n\nThe converter goes on, and saves no change that would "
       "take the file past 16 MB."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    StagedFileStore store;
    ProgramRun run(store);
    c.stage(run.SettingsFile(), store);
    const auto type = fs::symlink_status(run.SettingsFile()).type();
    const std::string before =
        fs::is_regular_file(run.SettingsFile()) ? ReadBytes(run.SettingsFile()) : "";
    CConverterDlg& dialog = run.Start();
    run.FinishStart();
    dialog.close();
    run.Start().close();
    ASSERT_EQ(run.shell_.messages.size(), 1u) << "one message for the whole run";
    const testing::RecordedMessage& message = run.shell_.messages[0];
    EXPECT_EQ(message.caption, QStringLiteral("Error"));
    EXPECT_EQ(message.icon, MessageIcon::kExclamation);
    EXPECT_TRUE(message.text.contains(QString::fromStdString(run.SettingsFile().string())));
    EXPECT_TRUE(message.text.contains(QString::fromUtf8(c.reason))) << message.text.toStdString();
    EXPECT_EQ(fs::symlink_status(run.SettingsFile()).type(), type);
    if (!before.empty()) {
      EXPECT_EQ(ReadBytes(run.SettingsFile()), before);
    }
    EXPECT_EQ(store.replacements, 0);
    EXPECT_GT(run.window_->DropDownItem(ids::kCategoryList)->GetCount(), 0) << "the window works";
  }
}

// A settings file passed over at the drive's root is said once, by the first
// window of the run, in the words of the command line.
TEST(ConverterStartTest, AnUntrustedRootIsSaidOnce) {
  ProgramRun run;
  run.context_.untrustedRoot = "settings file \"/media/usb/Mensura.ini\" is not trusted: ...";
  for (int window = 0; window < 2; ++window) {
    run.Start();
    run.FinishStart();
  }
  ASSERT_EQ(run.shell_.messages.size(), 1u);
  EXPECT_TRUE(run.shell_.messages[0].text.startsWith(
      QStringLiteral("The settings file \"/media/usb/Mensura.ini\" is not trusted: ...")));
}

// Under a file-size limit the start's write fails with an error instead of
// a signal killing the window; the old file stays and no temporary file.
TEST(ConverterStartTest, AFileSizeLimitFailsTheWriteAndKeepsTheWindow) {
  ProgramRun run;
  const std::string original = "[Settings]\nFormat=1\n;" + std::string(6000, '-') + "\n";
  WriteBytes(run.SettingsFile(), original);
  IgnoreFileSizeSignal();
  rlimit saved{};
  ::getrlimit(RLIMIT_FSIZE, &saved);
  const rlimit limit{4096, saved.rlim_max};
  ::setrlimit(RLIMIT_FSIZE, &limit);
  run.Start();
  run.FinishStart();
  ::setrlimit(RLIMIT_FSIZE, &saved);
  ASSERT_EQ(run.shell_.messages.size(), 1u);
  EXPECT_TRUE(run.shell_.messages[0].text.contains(QStringLiteral("File too large")));
  EXPECT_EQ(ReadBytes(run.SettingsFile()), original);
  EXPECT_EQ(std::distance(fs::directory_iterator(run.dir_.path()), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace vantrel
