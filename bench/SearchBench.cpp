// What the desktop's search waits for on every keystroke: the service's
// answer to a query in its own process, and the whole round trip the GNOME
// Shell makes over a (private) session bus, the result set and then its
// metas.
#include <benchmark/benchmark.h>

#include <QDBusMessage>
#include <memory>
#include <string>

#include "UiBenchSupport.h"
#include "search/SearchAnswers.h"
#include "search/SearchService.h"
#include "support/PrivateSessionBus.h"

namespace vantrel::search {
namespace {

void BM_SearchAnswer(benchmark::State& state, const char* text) {
  SearchAnswers answers;
  cli::QueryAnswer answer;
  for (auto _ : state) benchmark::DoNotOptimize(answers.Answer(text, answer));
}
BENCHMARK_CAPTURE(BM_SearchAnswer, Conversion, "100 mi in km")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SearchAnswer, NotAQuery, "firefox")->Unit(benchmark::kMicrosecond);

QDBusMessage CallProvider(const testing::PrivateSessionBus& bus, const char* method,
                          const QVariantList& arguments) {
  return bus.Call(QString::fromLatin1(kBusName), QString::fromLatin1(kObjectPath),
                  QStringLiteral("org.gnome.Shell.SearchProvider2"), QString::fromLatin1(method),
                  arguments);
}

// A private bus on which the service runs, started by a first call that is
// not timed; null, with the benchmark skipped, where there can be none.
std::unique_ptr<testing::PrivateSessionBus> RunningService(benchmark::State& state) {
  bench::EnsureApplication();
  if (!testing::PrivateSessionBus::DaemonAvailable()) {
    state.SkipWithError("dbus-daemon is missing");
    return nullptr;
  }
  auto bus = std::make_unique<testing::PrivateSessionBus>();
  bus->Environment().insert(QStringLiteral("XDG_CONFIG_HOME"),
                            QString::fromStdString((bus->Folder() / "config").string()));
  bus->AddService(QString::fromLatin1(kBusName), {QStringLiteral(VANTREL_SEARCH)});
  std::string error;
  if (!bus->Start(error)) {
    state.SkipWithError(error.c_str());
    return nullptr;
  }
  CallProvider(*bus, "GetInitialResultSet", {QStringList{"100", "mi", "in", "km"}});
  return bus;
}

void BM_SearchRoundTrip(benchmark::State& state) {
  const auto bus = RunningService(state);
  if (!bus) return;
  const QStringList terms{"100", "mi", "in", "km"};
  for (auto _ : state) {
    const QDBusMessage ids = CallProvider(*bus, "GetInitialResultSet", {terms});
    const QDBusMessage metas = CallProvider(*bus, "GetResultMetas", {ids.arguments().value(0)});
    if (metas.type() != QDBusMessage::ReplyMessage || metas.arguments().isEmpty()) {
      state.SkipWithError("the service did not answer");
      return;
    }
  }
}
BENCHMARK(BM_SearchRoundTrip)->Unit(benchmark::kMicrosecond);

// GetResultMetas with 10,000 ids of 248-byte queries, none asked before: the
// bound on one call's work (GnomeSearchProvider::kMostMetas ids).
void BM_SearchMetasOfTenThousandIds(benchmark::State& state) {
  const auto bus = RunningService(state);
  if (!bus) return;
  const QString tail = QStringLiteral("1 nautical mile ").repeated(14) + QStringLiteral("in km");
  int first = 0;
  for (auto _ : state) {
    state.PauseTiming();
    QStringList ids;
    for (int i = 0; i < 10000; ++i) ids << QStringLiteral("%1 nautical mile ").arg(first++) + tail;
    state.ResumeTiming();
    if (CallProvider(*bus, "GetResultMetas", {ids}).type() != QDBusMessage::ReplyMessage) {
      state.SkipWithError("the service did not answer");
      return;
    }
  }
}
BENCHMARK(BM_SearchMetasOfTenThousandIds)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vantrel::search
