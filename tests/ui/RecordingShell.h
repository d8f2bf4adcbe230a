// A Shell that records every request and answers at once: message boxes with
// the answers a test scripted, in turn, and with their first button (OK or
// Yes) when none is left.
#pragma once

#include <QString>
#include <QWidget>
#include <deque>
#include <vector>

#include "ui/kit/Shell.h"

namespace vantrel::testing {

struct RecordedMessage {
  QWidget* owner;
  QString caption;
  QString text;
  MessageIcon icon;
  MessageButtons buttons;
};

class RecordingShell final : public Shell {
 public:
  int MessageBox(QWidget* owner, const QString& caption, const QString& text, MessageIcon icon,
                 MessageButtons buttons = MessageButtons::kOk) override {
    messages.push_back({owner, caption, text, icon, buttons});
    if (answers.empty()) return buttons == MessageButtons::kYesNo ? kIdYes : kIdOk;
    const int answer = answers.front();
    answers.pop_front();
    return answer;
  }
  bool OpenAddress(const QString& address) override {
    opened.push_back(address);
    return true;
  }
  bool StartProgram(const QString& commandLine) override {
    started.push_back(commandLine);
    return true;
  }
  void SetClipboardText(const QString& text) override { clipboard = text; }

  std::deque<int> answers;
  std::vector<RecordedMessage> messages;
  std::vector<QString> opened;
  std::vector<QString> started;
  QString clipboard;
};

}  // namespace vantrel::testing
