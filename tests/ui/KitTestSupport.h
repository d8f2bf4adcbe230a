// Helpers for driving the kit's dialogs in tests.
#pragma once

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <initializer_list>

#include "ui/kit/DialogTemplateRegistry.h"

namespace vantrel::testing {

inline DialogTemplateRegistry RegistryOf(std::initializer_list<DialogTemplate> templates) {
  DialogTemplateRegistry registry;
  for (const DialogTemplate& dialog : templates) registry.Add(dialog);
  return registry;
}

// Shows the window and makes it the active one, so that the keyboard focus
// and access keys work; false when it never became active.
inline bool ShowActive(QWidget& window) {
  window.show();
  QApplication::setActiveWindow(&window);
  return QTest::qWaitForWindowActive(&window);
}

}  // namespace vantrel::testing
