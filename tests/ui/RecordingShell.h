// A Shell that records every request and answers at once.
#pragma once

#include <QString>
#include <QWidget>
#include <vector>

#include "ui/kit/Shell.h"

namespace vantrel::testing {

struct RecordedMessage {
  QWidget* owner;
  QString caption;
  QString text;
  MessageIcon icon;
};

class RecordingShell final : public Shell {
 public:
  int MessageBox(QWidget* owner, const QString& caption, const QString& text,
                 MessageIcon icon) override {
    messages.push_back({owner, caption, text, icon});
    return kIdOk;
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

  std::vector<RecordedMessage> messages;
  std::vector<QString> opened;
  std::vector<QString> started;
  QString clipboard;
};

}  // namespace vantrel::testing
