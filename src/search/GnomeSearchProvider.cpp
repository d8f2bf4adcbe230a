#include "search/GnomeSearchProvider.h"

#include <QMetaObject>
#include <algorithm>
#include <utility>

#include "search/SearchService.h"

namespace vantrel::search {
namespace {

// The shell splits what was typed at blanks; the query reads it whole.
QString QueryOf(const QStringList& terms) { return terms.join(QLatin1Char(' ')); }

}  // namespace

GnomeSearchProvider::GnomeSearchProvider(SearchService* service)
    : QDBusAbstractAdaptor(service), service_(*service) {}

QStringList GnomeSearchProvider::GetInitialResultSet(const QStringList& terms) {
  const QString query = QueryOf(terms);
  if (!service_.Answer(query)) return {};
  return {query};
}

QStringList GnomeSearchProvider::GetSubsearchResultSet(const QStringList&,
                                                       const QStringList& terms) {
  // A longer query is a new conversion, not a subset of the last one's.
  return GetInitialResultSet(terms);
}

QList<QVariantMap> GnomeSearchProvider::GetResultMetas(const QStringList& identifiers,
                                                       const QDBusMessage& message) {
  PendingMetas now{message, identifiers.mid(0, kMostMetas), {}};
  AddMetas(now);
  if (now.ids.isEmpty()) return now.metas;
  message.setDelayedReply(true);
  ContinueMetas(std::make_shared<PendingMetas>(std::move(now)));
  return {};
}

void GnomeSearchProvider::AddMetas(PendingMetas& pending) {
  const qsizetype count = std::min(kMetasAtOnce, pending.ids.size());
  for (const QString& id : pending.ids.first(count)) {
    const std::optional<cli::QueryAnswer> answer = service_.Answer(id);
    if (!answer) continue;
    const QString result = QString::fromStdString(answer->result);
    pending.metas.append(
        {{QStringLiteral("id"), id},
         {QStringLiteral("name"), result},
         {QStringLiteral("description"), QString::fromStdString(answer->description)},
         {QStringLiteral("gicon"), QString::fromLatin1(kIconName)},
         {QStringLiteral("clipboardText"), result}});
  }
  pending.ids.remove(0, count);
}

void GnomeSearchProvider::ContinueMetas(std::shared_ptr<PendingMetas> pending) {
  // Queued behind what the bus has brought meanwhile.
  QMetaObject::invokeMethod(
      this,
      [this, pending] {
        AddMetas(*pending);
        if (pending->ids.isEmpty()) {
          service_.Reply(pending->call, QVariant::fromValue(pending->metas));
        } else {
          ContinueMetas(pending);
        }
      },
      Qt::QueuedConnection);
}

void GnomeSearchProvider::ActivateResult(const QString& identifier, const QStringList&, uint) {
  service_.Copy(identifier);
}

void GnomeSearchProvider::LaunchSearch(const QStringList& terms, uint) {
  service_.Open(QueryOf(terms));
}

}  // namespace vantrel::search
