// The two kinds of message a user's change gets: "Error" with the
// exclamation icon for refused input, "Success" without an icon for a done
// change. Both are owned by the dialog and have an OK button.
#pragma once

#include <QString>

#include "ui/kit/Shell.h"

namespace vantrel {

inline void ShowErrorMessage(Shell& shell, QWidget* owner, const QString& text) {
  shell.MessageBox(owner, QStringLiteral("Error"), text, MessageIcon::kExclamation);
}

inline void ShowSuccessMessage(Shell& shell, QWidget* owner, const QString& text) {
  shell.MessageBox(owner, QStringLiteral("Success"), text, MessageIcon::kNone);
}

}  // namespace vantrel
