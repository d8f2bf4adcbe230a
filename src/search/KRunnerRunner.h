// KRunner's D-Bus runner interface, org.kde.krunner1: KRunner hands over the
// whole line typed and shows each match with its actions.
#pragma once

#include <QDBusAbstractAdaptor>
#include <QString>

#include "search/KRunnerTypes.h"

namespace vantrel::search {

class SearchService;

class KRunnerRunner final : public QDBusAbstractAdaptor {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.kde.krunner1")
  Q_CLASSINFO("D-Bus Introspection",
              "  <interface name=\"org.kde.krunner1\">\n"
              "    <method name=\"Actions\">\n"
              "      <arg name=\"matches\" type=\"a(sss)\" direction=\"out\"/>\n"
              "    </method>\n"
              "    <method name=\"Match\">\n"
              "      <arg name=\"query\" type=\"s\" direction=\"in\"/>\n"
              "      <arg name=\"matches\" type=\"a(sssida{sv})\" direction=\"out\"/>\n"
              "    </method>\n"
              "    <method name=\"Run\">\n"
              "      <arg name=\"matchId\" type=\"s\" direction=\"in\"/>\n"
              "      <arg name=\"actionId\" type=\"s\" direction=\"in\"/>\n"
              "    </method>\n"
              "  </interface>\n")

 public:
  explicit KRunnerRunner(SearchService* service);

 public slots:
  // The one action besides running a match: "open" in the converter.
  KRunnerActions Actions();
  // One match, whose id is the query, for a conversion; none otherwise.
  KRunnerMatches Match(const QString& query);
  // The match itself ("") copies its result; "open" opens the converter.
  void Run(const QString& matchId, const QString& actionId);

 private:
  SearchService& service_;
};

}  // namespace vantrel::search
