#include "search/IdleExit.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <utility>

namespace vantrel::search {
namespace {

bool OwnsClipboard() {
  return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) &&
         QGuiApplication::clipboard()->ownsClipboard();
}

}  // namespace

IdleExit::IdleExit(std::chrono::milliseconds idle, QDBusConnection bus, QString busName)
    : bus_(std::move(bus)), busName_(std::move(busName)) {
  timer_.setSingleShot(true);
  timer_.setInterval(idle);
  connect(&timer_, &QTimer::timeout, this, &IdleExit::Expired);
  timer_.start();
}

void IdleExit::Touch() { timer_.start(); }

void IdleExit::Expired() {
  // Asked again after another idle time: another program's copy takes the
  // clipboard away. A bus that is gone (the session ended) wants nothing.
  if (bus_.isConnected() && OwnsClipboard()) {
    timer_.start();
    return;
  }
  bus_.unregisterService(busName_);
  // Calls that came before the name went are still answered.
  QCoreApplication::processEvents();
  QCoreApplication::quit();
}

}  // namespace vantrel::search
