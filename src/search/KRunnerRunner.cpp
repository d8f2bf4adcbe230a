#include "search/KRunnerRunner.h"

#include <cstdio>

#include "search/SearchService.h"

namespace vantrel::search {
namespace {

constexpr char kOpenAction[] = "open";

}  // namespace

KRunnerRunner::KRunnerRunner(SearchService* service)
    : QDBusAbstractAdaptor(service), service_(*service) {}

KRunnerActions KRunnerRunner::Actions() {
  return {{QString::fromLatin1(kOpenAction), QStringLiteral("Open in the converter"),
           QString::fromLatin1(kIconName)}};
}

KRunnerMatches KRunnerRunner::Match(const QString& query) {
  const std::optional<cli::QueryAnswer> answer = service_.Answer(query);
  if (!answer) return {};
  KRunnerMatch match;
  match.id = query;
  match.text = QString::fromStdString(answer->result);
  match.icon = QString::fromLatin1(kIconName);
  match.properties.insert(QStringLiteral("subtext"), QString::fromStdString(answer->description));
  return {match};
}

void KRunnerRunner::Run(const QString& matchId, const QString& actionId) {
  if (actionId.isEmpty()) {
    service_.Copy(matchId);
  } else if (actionId == QLatin1String(kOpenAction)) {
    service_.Open(matchId);
  } else {
    std::fprintf(stderr, "vantrel-search: KRunner asked for an unknown action \"%s\"\n",
                 qPrintable(actionId));
  }
}

}  // namespace vantrel::search
