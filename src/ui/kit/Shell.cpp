#include "ui/kit/Shell.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QProcess>
#include <QUrl>

namespace vantrel {
namespace {

QMessageBox::Icon BoxIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::kInformation:
      return QMessageBox::Information;
    case MessageIcon::kExclamation:
      return QMessageBox::Warning;
    case MessageIcon::kStop:
      return QMessageBox::Critical;
    case MessageIcon::kQuestion:
      return QMessageBox::Question;
    case MessageIcon::kNone:
      break;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

int DesktopShell::MessageBox(QWidget* owner, const QString& caption, const QString& text,
                             MessageIcon icon, MessageButtons buttons) {
  const struct {
    QMessageBox::StandardButton button;
    int id;
  } kAnswers[] = {{QMessageBox::Ok, kIdOk},
                  {QMessageBox::Cancel, kIdCancel},
                  {QMessageBox::Yes, kIdYes},
                  {QMessageBox::No, kIdNo}};
  const QMessageBox::StandardButtons shown =
      buttons == MessageButtons::kOkCancel ? QMessageBox::Ok | QMessageBox::Cancel
      : buttons == MessageButtons::kYesNo  ? QMessageBox::Yes | QMessageBox::No
                                           : QMessageBox::Ok;
  QMessageBox box(BoxIcon(icon), caption, text, shown, owner);
  const auto pressed = static_cast<QMessageBox::StandardButton>(box.exec());
  for (const auto& answer : kAnswers) {
    if (answer.button == pressed && (shown & pressed)) return answer.id;
  }
  // Closed without a button: as Escape would have answered.
  if (buttons == MessageButtons::kOk) return kIdOk;
  return buttons == MessageButtons::kYesNo ? kIdNo : kIdCancel;
}

bool DesktopShell::OpenAddress(const QString& address) {
  // A path of an existing file is a document; anything else is an address.
  const QUrl url =
      QFileInfo::exists(address) ? QUrl::fromLocalFile(address) : QUrl::fromUserInput(address);
  return url.isValid() && QDesktopServices::openUrl(url);
}

bool DesktopShell::StartProgram(const QString& commandLine) {
  QStringList words = QProcess::splitCommand(commandLine);
  if (words.isEmpty()) return false;
  const QString program = words.takeFirst();
  return QProcess::startDetached(program, words);
}

void DesktopShell::SetClipboardText(const QString& text) {
  if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setText(text);
}

}  // namespace vantrel
