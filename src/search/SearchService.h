// The object the desktop's search talks to: GNOME Shell through
// GnomeSearchProvider, KRunner through KRunnerRunner, both on one answer per
// query. A result's id is its query's text, so that whatever is asked of a
// result later (after other searches, from a settings file since changed)
// is answered from the text alone.
#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QString>
#include <chrono>
#include <optional>

#include "cli/Query.h"
#include "search/IdleExit.h"
#include "search/SearchAnswers.h"

namespace vantrel::search {

inline constexpr char kBusName[] = "org.vantrel.converter.SearchProvider";
inline constexpr char kObjectPath[] = "/org/vantrel/converter/SearchProvider";
// The converter's icon as installed in the icon theme.
inline constexpr char kIconName[] = "vantrel";

class SearchService final : public QObject {
  Q_OBJECT

 public:
  SearchService(std::chrono::milliseconds idle, QDBusConnection bus);

  // The answer to the query `text`, when it is a conversion that succeeds.
  std::optional<cli::QueryAnswer> Answer(const QString& text);
  // Copies the answer's result ("160.9344 km") to the clipboard.
  void Copy(const QString& text);
  // Opens the converter window on the answer's conversion; on the window as
  // it starts by itself when the text answers nothing.
  void Open(const QString& text);
  // Answers a call whose reply was put off.
  void Reply(const QDBusMessage& call, const QVariant& value);

 private:
  QDBusConnection bus_;
  SearchAnswers answers_;
  IdleExit idle_;
};

}  // namespace vantrel::search
