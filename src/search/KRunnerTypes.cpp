#include "search/KRunnerTypes.h"

#include <QDBusMetaType>

namespace vantrel::search {

QDBusArgument& operator<<(QDBusArgument& argument, const KRunnerMatch& match) {
  argument.beginStructure();
  argument << match.id << match.text << match.icon << match.type << match.relevance
           << match.properties;
  argument.endStructure();
  return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, KRunnerMatch& match) {
  argument.beginStructure();
  argument >> match.id >> match.text >> match.icon >> match.type >> match.relevance >>
      match.properties;
  argument.endStructure();
  return argument;
}

QDBusArgument& operator<<(QDBusArgument& argument, const KRunnerAction& action) {
  argument.beginStructure();
  argument << action.id << action.text << action.icon;
  argument.endStructure();
  return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, KRunnerAction& action) {
  argument.beginStructure();
  argument >> action.id >> action.text >> action.icon;
  argument.endStructure();
  return argument;
}

void RegisterSearchTypes() {
  qDBusRegisterMetaType<KRunnerMatch>();
  qDBusRegisterMetaType<KRunnerMatches>();
  qDBusRegisterMetaType<KRunnerAction>();
  qDBusRegisterMetaType<KRunnerActions>();
  qDBusRegisterMetaType<QList<QVariantMap>>();
}

}  // namespace vantrel::search
