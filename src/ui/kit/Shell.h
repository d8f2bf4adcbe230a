// What the program asks of the desktop: message boxes, opening a web address or
// document, starting a program, the clipboard. Dialogs reach these only through
// a Shell, so tests put in one that records the requests, blocks on nothing and
// lets nothing leave the process.
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include "ui/kit/StandardIds.h"

namespace vantrel {

enum class MessageIcon { kNone, kInformation, kExclamation, kStop, kQuestion };
enum class MessageButtons { kOk, kOkCancel, kYesNo };

class Shell {
 public:
  virtual ~Shell() = default;

  // A modal box owned by `owner` (null: no owner). The answer is the id of
  // the button pressed (kIdOk, kIdCancel, kIdYes, kIdNo); a box closed
  // without one answers as Escape does: OK, Cancel or No.
  virtual int MessageBox(QWidget* owner, const QString& caption, const QString& text,
                         MessageIcon icon, MessageButtons buttons = MessageButtons::kOk) = 0;
  // Opens a web address, or a local document by its path, with the desktop's
  // choice of program. False when the desktop refused.
  virtual bool OpenAddress(const QString& address) = 0;
  // Starts a program by command line (the first word is the program, found on
  // the search path) without waiting for it. False when it did not start.
  virtual bool StartProgram(const QString& commandLine) = 0;
  virtual void SetClipboardText(const QString& text) = 0;

  // The application's main window, which owns messages that have no dialog.
  QWidget* MainWindow() const { return mainWindow_; }
  void SetMainWindow(QWidget* window) { mainWindow_ = window; }

 private:
  QPointer<QWidget> mainWindow_;
};

// The real desktop, through Qt.
class DesktopShell final : public Shell {
 public:
  int MessageBox(QWidget* owner, const QString& caption, const QString& text, MessageIcon icon,
                 MessageButtons buttons = MessageButtons::kOk) override;
  bool OpenAddress(const QString& address) override;
  bool StartProgram(const QString& commandLine) override;
  void SetClipboardText(const QString& text) override;
};

}  // namespace vantrel
