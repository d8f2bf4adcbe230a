// What happens to the settings file when writers die, race or run out of room.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <optional>
#include <random>
#include <string>
#include <thread>

#include "platform/AtomicFile.h"
#include "platform/NumberText.h"
#include "platform/Profile.h"
#include "support/TempDir.h"

namespace vantrel {
namespace {

using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

constexpr int kKeys = 10;

std::string KeyName(int i) { return "Key" + std::to_string(i); }

// Child process: writes round after round, each round giving every key the
// round's number (one key at a time, or all in one batch), until killed.
[[noreturn]] void WriteRoundsForever(const std::filesystem::path& file, int firstRound,
                                     bool batched) {
  Profile profile(file);
  for (int round = firstRound;; ++round) {
    std::optional<Profile::Batch> batch;
    if (batched) batch.emplace(profile);
    for (int i = 0; i < kKeys; ++i) profile.WriteInt("Rounds", KeyName(i), round);
  }
}

int FilesIn(const std::filesystem::path& folder) {
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    (void)entry;
    ++files;
  }
  return files;
}

void KillWritersAtRandom(bool batched, int kills) {
  TempDir dir;
  const auto file = dir / "Mensura.ini";
  WriteBytes(file, "; kept\n[Other]\nstay=1\n");
  Profile profile(file);
  for (int i = 0; i < kKeys; ++i) ASSERT_TRUE(profile.WriteInt("Rounds", KeyName(i), 0));

  std::mt19937 random(12345);
  std::uniform_int_distribution<int> delayMicros(0, 4000);
  int round = 1;
  for (int kill = 0; kill < kills; ++kill) {
    const std::string before = ReadBytes(file);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) WriteRoundsForever(file, round, batched);
    // Let the writer change the file at least once, then kill it at a random moment.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (ReadBytes(file) == before && std::chrono::steady_clock::now() < deadline)
      std::this_thread::sleep_for(std::chrono::microseconds(50));
    std::this_thread::sleep_for(std::chrono::microseconds(delayMicros(random)));
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);

    // Every key holds a whole number; at most one round separates them, so
    // each key holds either its old or its new value; none for a batch.
    int lowest = INT32_MAX, highest = -1;
    for (int i = 0; i < kKeys; ++i) {
      const int value = profile.GetInt("Rounds", KeyName(i), -1);
      ASSERT_GE(value, 0) << "key " << i << " lost after kill " << kill;
      lowest = std::min(lowest, value);
      highest = std::max(highest, value);
    }
    ASSERT_LE(highest - lowest, batched ? 0 : 1) << "after kill " << kill;
    ASSERT_EQ(profile.GetInt("Other", "stay", 0), 1);
    round = highest;  // the next writer first completes an interrupted round
  }
  EXPECT_GE(round, kills / kKeys) << "every writer wrote before it was killed";
  // The next write sweeps away what killed writers left behind.
  ASSERT_TRUE(profile.WriteInt("Rounds", "done", 1));
  EXPECT_EQ(FilesIn(dir.path()), 1) << "no temporary files remain";
  EXPECT_EQ(ReadBytes(file).substr(0, 22), "; kept\n[Other]\nstay=1\n");
}

// A single write leaves each key old or new; a batch leaves all of its keys
// or none.
TEST(ProfileDurability, KilledWritersLeaveOldOrNewValuesNeverAMix) {
  for (const bool batched : {false, true}) {
    SCOPED_TRACE(batched ? "batches" : "single writes");
    KillWritersAtRandom(batched, batched ? 100 : 200);
  }
}

void WriteFromTwoProcesses(int perBatch) {
  TempDir dir;
  const auto file = dir / "Mensura.ini";
  pid_t children[2];
  for (int p = 0; p < 2; ++p) {
    children[p] = ::fork();
    ASSERT_GE(children[p], 0);
    if (children[p] == 0) {
      Profile profile(file);
      bool ok = true;
      for (int i = 0; i < 500; i += perBatch) {
        Profile::Batch batch(profile);
        for (int j = i; j < i + perBatch; ++j) {
          ok &=
              profile.WriteString("CustomUnits", FormatText("p%d-unit%d", p, j), "@Data?val=8?i=0");
        }
        ok &= batch.Commit();
      }
      ::_exit(ok ? 0 : 1);
    }
  }
  for (pid_t child : children) {
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  const auto entries = Profile(file).GetSection("CustomUnits");
  EXPECT_EQ(entries.size(), 1000u);
  for (int p = 0; p < 2; ++p) {
    for (int i = 0; i < 500; ++i) {
      EXPECT_EQ(Profile(file).GetString("CustomUnits", FormatText("p%d-unit%d", p, i), ""),
                "@Data?val=8?i=0");
    }
  }
}

// Each process writes 500 keys, one by one or in batches of ten.
TEST(ProfileDurability, TwoProcessesWritingTogetherLoseNothing) {
  for (const int perBatch : {1, 10}) {
    SCOPED_TRACE(perBatch);
    WriteFromTwoProcesses(perBatch);
  }
}

// A full disk, staged with a file-size limit in a child process: the write
// (single or batched) fails, the old file is untouched and no temporary file
// stays behind.
TEST(ProfileDurability, FullDiskFailsAndKeepsTheOldFile) {
  TempDir dir;
  const auto file = dir / "Mensura.ini";
  const std::string original = "[Settings]\nFormat=1\n" + std::string(5000, ';') + "\n";
  WriteBytes(file, original);
  for (const bool batched : {false, true}) {
    SCOPED_TRACE(batched ? "batch" : "single write");
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      IgnoreFileSizeSignal();
      const rlimit limit{4096, 4096};
      ::setrlimit(RLIMIT_FSIZE, &limit);
      Profile profile(file);
      FileProblem reported;
      profile.SetProblemHandler([&](const FileProblem& problem) { reported = problem; });
      bool wrote = false;
      if (batched) {
        Profile::Batch batch(profile);
        profile.WriteInt("Settings", "Precision", 3);
        profile.WriteInt("Settings", "Format", 2);
        wrote = batch.Commit();
      } else {
        wrote = profile.WriteInt("Settings", "Format", 2);
      }
      const bool reads = profile.GetInt("Settings", "Format", 0) == 1;
      const bool said = reported == FileProblem{FileProblem::Kind::kUnwritable, EFBIG};
      ::_exit(!wrote && reads && said ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status)) << "killed by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the write reported success or the old value was lost";
    EXPECT_EQ(ReadBytes(file), original);
    EXPECT_EQ(FilesIn(dir.path()), 1);
  }
}

}  // namespace
}  // namespace vantrel
