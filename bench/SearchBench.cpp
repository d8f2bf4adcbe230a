// What the desktop's search waits for on every keystroke: the service's
// answer to a query in its own process, and the whole round trip the GNOME
// Shell makes over a (private) session bus, the result set and then its
// metas.
#include <benchmark/benchmark.h>

#include <QDBusMessage>
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

void BM_SearchRoundTrip(benchmark::State& state) {
  bench::EnsureApplication();
  if (!testing::PrivateSessionBus::DaemonAvailable()) {
    state.SkipWithError("dbus-daemon is missing");
    return;
  }
  testing::PrivateSessionBus bus;
  bus.Environment().insert(QStringLiteral("XDG_CONFIG_HOME"),
                           QString::fromStdString((bus.Folder() / "config").string()));
  bus.AddService(QString::fromLatin1(kBusName), {QStringLiteral(VANTREL_SEARCH)});
  std::string error;
  if (!bus.Start(error)) {
    state.SkipWithError(error.c_str());
    return;
  }
  const QStringList terms{"100", "mi", "in", "km"};
  // The first call starts the service: not timed.
  CallProvider(bus, "GetInitialResultSet", {terms});
  for (auto _ : state) {
    const QDBusMessage ids = CallProvider(bus, "GetInitialResultSet", {terms});
    const QDBusMessage metas = CallProvider(bus, "GetResultMetas", {ids.arguments().value(0)});
    if (metas.type() != QDBusMessage::ReplyMessage || metas.arguments().isEmpty()) {
      state.SkipWithError("the service did not answer");
      return;
    }
  }
}
BENCHMARK(BM_SearchRoundTrip)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vantrel::search
