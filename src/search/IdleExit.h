// Ends the service after a time without calls; the next search starts it
// again through D-Bus activation. On X11 a copied text lives in the process
// that copied it: while this process owns the clipboard it stays (a
// clipboard manager, where one runs, usually takes the text over at once).
#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QTimer>
#include <chrono>

namespace vantrel::search {

class IdleExit final : public QObject {
  Q_OBJECT

 public:
  // On leaving, `busName` is released on `bus` first, so that a call on its
  // way starts a new process instead of reaching one that is ending.
  IdleExit(std::chrono::milliseconds idle, QDBusConnection bus, QString busName);

  // Called on every call: the idle time starts again.
  void Touch();

 private:
  void Expired();

  QTimer timer_;
  QDBusConnection bus_;
  QString busName_;
};

}  // namespace vantrel::search
