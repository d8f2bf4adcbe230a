#include "search/DesktopActions.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <cstdio>

namespace vantrel::search {
namespace {

QString WindowProgram() {
  const QString chosen = qEnvironmentVariable(kWindowProgramVariable);
  if (!chosen.isEmpty()) return chosen;
  const QFileInfo beside(QDir(QCoreApplication::applicationDirPath()), QStringLiteral("vantrel"));
  if (beside.isFile() && beside.isExecutable()) return beside.filePath();
  return QStandardPaths::findExecutable(QStringLiteral("vantrel"));
}

}  // namespace

bool CopyToClipboard(const QString& text) {
  // Only an application with a display has a clipboard.
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
    std::fprintf(stderr,
                 "vantrel-search: cannot copy \"%s\" to the clipboard: no display (DISPLAY and "
                 "WAYLAND_DISPLAY are not set, or the display cannot be opened)\n",
                 qPrintable(text));
    return false;
  }
  QGuiApplication::clipboard()->setText(text, QClipboard::Clipboard);
  return true;
}

QStringList WindowArguments(const cli::QueryAnswer& answer) {
  return {QStringLiteral("--category"), QString::fromStdString(answer.category),
          QStringLiteral("--from"),     QString::fromStdString(answer.from),
          QStringLiteral("--to"),       QString::fromStdString(answer.to),
          QStringLiteral("--value"),    QString::fromStdString(answer.value)};
}

bool OpenConverterWindow(const QStringList& arguments) {
  const QString program = WindowProgram();
  if (program.isEmpty()) {
    std::fputs(
        "vantrel-search: cannot open the converter: vantrel is neither beside "
        "vantrel-search nor on PATH\n",
        stderr);
    return false;
  }
  if (!QProcess::startDetached(program, arguments)) {
    std::fprintf(stderr, "vantrel-search: cannot start %s\n", qPrintable(program));
    return false;
  }
  return true;
}

}  // namespace vantrel::search
