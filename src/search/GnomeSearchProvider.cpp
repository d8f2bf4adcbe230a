#include "search/GnomeSearchProvider.h"

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

QList<QVariantMap> GnomeSearchProvider::GetResultMetas(const QStringList& identifiers) {
  QList<QVariantMap> metas;
  for (const QString& id : identifiers) {
    const std::optional<cli::QueryAnswer> answer = service_.Answer(id);
    if (!answer) continue;
    const QString result = QString::fromStdString(answer->result);
    metas.append({{QStringLiteral("id"), id},
                  {QStringLiteral("name"), result},
                  {QStringLiteral("description"), QString::fromStdString(answer->description)},
                  {QStringLiteral("gicon"), QString::fromLatin1(kIconName)},
                  {QStringLiteral("clipboardText"), result}});
  }
  return metas;
}

void GnomeSearchProvider::ActivateResult(const QString& identifier, const QStringList&, uint) {
  service_.Copy(identifier);
}

void GnomeSearchProvider::LaunchSearch(const QStringList& terms, uint) {
  service_.Open(QueryOf(terms));
}

}  // namespace vantrel::search
