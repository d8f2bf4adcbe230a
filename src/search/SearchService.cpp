#include "search/SearchService.h"

#include <cstdio>

#include "search/DesktopActions.h"

namespace vantrel::search {

SearchService::SearchService(std::chrono::milliseconds idle, QDBusConnection bus)
    : bus_(bus), idle_(idle, std::move(bus), QString::fromLatin1(kBusName)) {}

std::optional<cli::QueryAnswer> SearchService::Answer(const QString& text) {
  idle_.Touch();
  cli::QueryAnswer answer;
  if (!answers_.Answer(text.toStdString(), answer)) return std::nullopt;
  return answer;
}

void SearchService::Copy(const QString& text) {
  if (const std::optional<cli::QueryAnswer> answer = Answer(text)) {
    CopyToClipboard(QString::fromStdString(answer->result));
  } else {
    std::fprintf(stderr, "vantrel-search: nothing to copy: \"%s\" converts nothing now\n",
                 qPrintable(text));
  }
}

void SearchService::Reply(const QDBusMessage& call, const QVariant& value) {
  idle_.Touch();
  bus_.send(call.createReply(value));
}

void SearchService::Open(const QString& text) {
  const std::optional<cli::QueryAnswer> answer = Answer(text);
  OpenConverterWindow(answer ? WindowArguments(*answer) : QStringList());
}

}  // namespace vantrel::search
