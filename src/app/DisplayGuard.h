// Qt ends the program when the display it is given cannot be opened (a
// DISPLAY naming no reachable X server, as in a remote shell without X
// forwarding): while the application object is made, that end says so in
// the program's words and exits with status 1, without a crash report.
// Asking the X server beforehand would cost a connection on every start.
#pragma once

#include <QString>
#include <QtGlobal>
#include <vector>

namespace vantrel {

// What the program says when no window can be opened.
extern const char kNoDisplayMessage[];

class DisplayGuard {
 public:
  DisplayGuard();
  // Hands the messages Qt gave on the way to the handler that was there.
  ~DisplayGuard();
  DisplayGuard(const DisplayGuard&) = delete;
  DisplayGuard& operator=(const DisplayGuard&) = delete;

 private:
  static void Handle(QtMsgType type, const QMessageLogContext& context, const QString& message);

  struct Held {
    QtMsgType type;
    QByteArray category;
    QString message;
  };
  static QtMessageHandler previous_;
  static std::vector<Held> held_;
};

}  // namespace vantrel
