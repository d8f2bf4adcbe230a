// GNOME Shell's search provider interface, org.gnome.Shell.SearchProvider2:
// the shell hands over the words typed, split at blanks, and shows what
// comes back under the converter's icon.
#pragma once

#include <QDBusAbstractAdaptor>
#include <QDBusMessage>
#include <QList>
#include <QStringList>
#include <QVariantMap>
#include <memory>

namespace vantrel::search {

class SearchService;

class GnomeSearchProvider final : public QDBusAbstractAdaptor {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.gnome.Shell.SearchProvider2")
  Q_CLASSINFO("D-Bus Introspection",
              "  <interface name=\"org.gnome.Shell.SearchProvider2\">\n"
              "    <method name=\"GetInitialResultSet\">\n"
              "      <arg name=\"terms\" type=\"as\" direction=\"in\"/>\n"
              "      <arg name=\"results\" type=\"as\" direction=\"out\"/>\n"
              "    </method>\n"
              "    <method name=\"GetSubsearchResultSet\">\n"
              "      <arg name=\"previous_results\" type=\"as\" direction=\"in\"/>\n"
              "      <arg name=\"terms\" type=\"as\" direction=\"in\"/>\n"
              "      <arg name=\"results\" type=\"as\" direction=\"out\"/>\n"
              "    </method>\n"
              "    <method name=\"GetResultMetas\">\n"
              "      <arg name=\"identifiers\" type=\"as\" direction=\"in\"/>\n"
              "      <arg name=\"metas\" type=\"aa{sv}\" direction=\"out\"/>\n"
              "    </method>\n"
              "    <method name=\"ActivateResult\">\n"
              "      <arg name=\"identifier\" type=\"s\" direction=\"in\"/>\n"
              "      <arg name=\"terms\" type=\"as\" direction=\"in\"/>\n"
              "      <arg name=\"timestamp\" type=\"u\" direction=\"in\"/>\n"
              "    </method>\n"
              "    <method name=\"LaunchSearch\">\n"
              "      <arg name=\"terms\" type=\"as\" direction=\"in\"/>\n"
              "      <arg name=\"timestamp\" type=\"u\" direction=\"in\"/>\n"
              "    </method>\n"
              "  </interface>\n")

 public:
  explicit GnomeSearchProvider(SearchService* service);

 public slots:
  // One result, whose id is the query, for a conversion; none otherwise.
  QStringList GetInitialResultSet(const QStringList& terms);
  QStringList GetSubsearchResultSet(const QStringList& previousResults, const QStringList& terms);
  // Each id that still answers: its id, name (the result), description,
  // icon and the text the shell may copy itself. The shell asks for the few
  // results it shows: ids past kMostMetas are not looked at. More than
  // kMetasAtOnce are answered that many at a time, with other callers'
  // calls answered in between, so that nobody waits for a long list.
  QList<QVariantMap> GetResultMetas(const QStringList& identifiers, const QDBusMessage& message);
  // Copies the result to the clipboard.
  void ActivateResult(const QString& identifier, const QStringList& terms, uint timestamp);
  // Opens the converter window on the query's conversion.
  void LaunchSearch(const QStringList& terms, uint timestamp);

 public:
  static constexpr qsizetype kMostMetas = 128;
  static constexpr qsizetype kMetasAtOnce = 8;

 private:
  // A call's ids still to answer, and its metas so far.
  struct PendingMetas {
    QDBusMessage call;
    QStringList ids;
    QList<QVariantMap> metas;
  };
  // Adds the metas of up to kMetasAtOnce ids.
  void AddMetas(PendingMetas& pending);
  void ContinueMetas(std::shared_ptr<PendingMetas> pending);

  SearchService& service_;
};

}  // namespace vantrel::search
