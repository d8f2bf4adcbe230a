// A session bus of a test's own: dbus-daemon listening in a temporary folder,
// starting services by D-Bus activation from the service files put in its
// service folder, each in the environment given to the bus. Services it
// started are ended with it. Needs Qt Core and Qt D-Bus, and a
// QCoreApplication.
#pragma once

#include <signal.h>

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <filesystem>
#include <string>

#include "support/TempDir.h"

namespace vantrel::testing {

class PrivateSessionBus {
 public:
  static bool DaemonAvailable() {
    return !QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty();
  }

  PrivateSessionBus() : environment_(QProcessEnvironment::systemEnvironment()) {
    std::filesystem::create_directory(folder_ / "services");
    address_ =
        QStringLiteral("unix:path=%1").arg(QString::fromStdString((folder_ / "bus").string()));
    // Nothing reaches the bus of the session the test runs in.
    environment_.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), address_);
    environment_.remove(QStringLiteral("DBUS_STARTER_ADDRESS"));
    environment_.remove(QStringLiteral("DBUS_STARTER_BUS_TYPE"));
  }
  ~PrivateSessionBus() {
    if (connected_) {
      for (const QString& name : activated_) EndOwner(name);
      QDBusConnection::disconnectFromBus(kConnectionName);
    }
    if (daemon_.state() != QProcess::NotRunning) {
      daemon_.terminate();
      daemon_.waitForFinished(5000);
    }
  }
  PrivateSessionBus(const PrivateSessionBus&) = delete;
  PrivateSessionBus& operator=(const PrivateSessionBus&) = delete;

  const TempDir& Folder() const { return folder_; }
  // The environment of the bus and of every service it starts.
  QProcessEnvironment& Environment() { return environment_; }

  // A service file: D-Bus starts `command` (a program's path and its
  // arguments) when `name` is first called.
  void AddService(const QString& name, const QStringList& command) {
    QStringList quoted;
    for (const QString& word : command) quoted.append(QLatin1Char('"') + word + QLatin1Char('"'));
    WriteBytes(folder_ / "services" / (name + QStringLiteral(".service")).toStdString(),
               ("[D-BUS Service]\nName=" + name + "\nExec=" + quoted.join(QLatin1Char(' ')) + "\n")
                   .toStdString());
    activated_.append(name);
  }

  // Starts the daemon and connects to it; false with a reason otherwise.
  bool Start(std::string& error) {
    const std::filesystem::path config = folder_ / "bus.conf";
    WriteBytes(config,
               "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration "
               "1.0//EN\" \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
               "<busconfig>\n  <type>session</type>\n  <listen>" +
                   address_.toStdString() + "</listen>\n  <servicedir>" +
                   (folder_ / "services").string() +
                   "</servicedir>\n  <policy context=\"default\">\n"
                   "    <allow send_destination=\"*\" eavesdrop=\"true\"/>\n"
                   "    <allow eavesdrop=\"true\"/>\n    <allow own=\"*\"/>\n"
                   "  </policy>\n</busconfig>\n");
    daemon_.setProcessEnvironment(environment_);
    daemon_.setStandardErrorFile(QString::fromStdString((folder_ / "errors.log").string()));
    daemon_.start(
        QStringLiteral("dbus-daemon"),
        {QStringLiteral("--nofork"), QStringLiteral("--print-address"),
         QStringLiteral("--config-file=%1").arg(QString::fromStdString(config.string()))});
    // The address is printed once the daemon listens.
    if (!daemon_.waitForStarted(10000) ||
        (!daemon_.canReadLine() && !daemon_.waitForReadyRead(10000))) {
      error = "dbus-daemon did not start: " + daemon_.errorString().toStdString() + " " + Errors();
      return false;
    }
    QDBusConnection connection = QDBusConnection::connectToBus(address_, kConnectionName);
    connected_ = true;
    if (!connection.isConnected()) {
      error =
          "cannot connect to the private bus: " + connection.lastError().message().toStdString();
      return false;
    }
    return true;
  }

  QDBusConnection Connection() const { return QDBusConnection(kConnectionName); }
  QString Address() const { return address_; }

  // Calls `method` of `interface` on the object `path` of `service` and
  // waits for the reply (the call may first start the service).
  QDBusMessage Call(const QString& service, const QString& path, const QString& interface,
                    const QString& method, const QVariantList& arguments = {}) const {
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, interface, method);
    call.setArguments(arguments);
    return Connection().call(call, QDBus::Block, 30000);
  }

  bool HasOwner(const QString& name) const {
    return Connection().interface()->isServiceRegistered(name).value();
  }
  // The process that owns `name`, or 0.
  uint OwnerProcess(const QString& name) const {
    const QDBusReply<uint> pid = Connection().interface()->servicePid(name);
    return pid.isValid() ? pid.value() : 0;
  }
  // What the daemon and the services it started wrote on standard error.
  std::string Errors() const { return ReadBytes(folder_ / "errors.log"); }

 private:
  void EndOwner(const QString& name) {
    if (const uint pid = OwnerProcess(name)) ::kill(static_cast<pid_t>(pid), SIGTERM);
  }

  static inline const QString kConnectionName = QStringLiteral("vantrel-private-session-bus");
  TempDir folder_;
  QString address_;
  QProcessEnvironment environment_;
  QProcess daemon_;
  bool connected_ = false;
  QStringList activated_;
};

}  // namespace vantrel::testing
