// The structures KRunner's D-Bus runner interface exchanges, with their
// marshalling: a match is (sssida{sv}), an action (sss).
#pragma once

#include <QDBusArgument>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QVariantMap>

namespace vantrel::search {

// KRunner's kinds of match; a conversion answers the query exactly.
inline constexpr int kKRunnerExactMatch = 100;

struct KRunnerMatch {
  QString id;
  QString text;
  QString icon;
  int type = kKRunnerExactMatch;
  double relevance = 1.0;
  QVariantMap properties;  // "subtext": the line under the text
};

struct KRunnerAction {
  QString id;
  QString text;
  QString icon;
};

using KRunnerMatches = QList<KRunnerMatch>;
using KRunnerActions = QList<KRunnerAction>;

QDBusArgument& operator<<(QDBusArgument& argument, const KRunnerMatch& match);
const QDBusArgument& operator>>(const QDBusArgument& argument, KRunnerMatch& match);
QDBusArgument& operator<<(QDBusArgument& argument, const KRunnerAction& action);
const QDBusArgument& operator>>(const QDBusArgument& argument, KRunnerAction& action);

// Makes every type the service's interfaces send known to Qt D-Bus:
// KRunner's lists and GNOME Shell's list of dictionaries, aa{sv}.
void RegisterSearchTypes();

}  // namespace vantrel::search

Q_DECLARE_METATYPE(vantrel::search::KRunnerMatch)
Q_DECLARE_METATYPE(vantrel::search::KRunnerAction)
