// Reading an integer and writing a string in a settings file of 2,000 entries,
// writing 45 keys (every category's visibility) one by one and as one batch,
// and one batch of a visibility flag for each of N custom categories, as a
// start does for categories the file has no flag for.
#include <benchmark/benchmark.h>

#include <optional>
#include <string>

#include "SettingsFile.h"
#include "platform/Profile.h"

namespace {

class LargeProfile {
 public:
  LargeProfile() : file_(Text()), profile_(file_.Path()) {}
  vantrel::Profile& profile() { return profile_; }

 private:
  static std::string Text() {
    std::string text = "[Settings]\nFormat=0\nPrecision=5\n[CustomUnits]\n";
    for (int i = 0; i < 2000; ++i)
      text += "unit " + std::to_string(i) + "=@Distance?val=1.2345678?i=0\n";
    return text + "[Visibility]\nDistance=1\n";
  }

  vantrel::bench::SettingsFile file_;
  vantrel::Profile profile_;
};

void BM_ProfileReadInt(benchmark::State& state) {
  LargeProfile file;
  for (auto _ : state) benchmark::DoNotOptimize(file.profile().GetInt("Visibility", "Distance", 0));
}
BENCHMARK(BM_ProfileReadInt)->Unit(benchmark::kMicrosecond);

void BM_ProfileWriteString(benchmark::State& state) {
  LargeProfile file;
  int i = 0;
  for (auto _ : state)
    file.profile().WriteString("Settings", "FontName", (i++ % 2) ? "Verdana" : "DejaVu Sans");
}
BENCHMARK(BM_ProfileWriteString)->Unit(benchmark::kMicrosecond);

// Each write is a locked read-modify-write with its own fsync and rename.
void WriteVisibility(vantrel::Profile& profile, int round, bool batched) {
  std::optional<vantrel::Profile::Batch> batch;
  if (batched) batch.emplace(profile);
  for (int i = 0; i < 45; ++i)
    profile.WriteInt("Visibility", "Category " + std::to_string(i), (round + i) % 2);
}

void BM_ProfileWrite45Keys(benchmark::State& state) {
  LargeProfile file;
  int round = 0;
  for (auto _ : state) WriteVisibility(file.profile(), round++, state.range(0) != 0);
}
BENCHMARK(BM_ProfileWrite45Keys)->ArgName("batched")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_ProfileBatchOfNewFlags(benchmark::State& state) {
  const int categories = static_cast<int>(state.range(0));
  std::string text = "[Settings]\nFormat=0\n[CustomCategories]\n";
  for (int i = 0; i < categories; ++i) text += "Category " + std::to_string(i) + "=1\n";
  for (auto _ : state) {
    state.PauseTiming();
    vantrel::bench::SettingsFile file(text);
    vantrel::Profile profile(file.Path());
    state.ResumeTiming();
    vantrel::Profile::Batch batch(profile);
    for (int i = 0; i < categories; ++i)
      profile.WriteInt("Visibility", "Category " + std::to_string(i), 1);
    benchmark::DoNotOptimize(batch.Commit());
  }
}
BENCHMARK(BM_ProfileBatchOfNewFlags)
    ->ArgName("categories")
    ->Arg(1000)
    ->Arg(20000)
    ->Unit(benchmark::kMillisecond);

}  // namespace
