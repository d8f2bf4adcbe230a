// What the kit knows of each kind of control, one row per kind: how the
// widget is made from its template, what it reports, and how its text is
// read and written. A new kind is a new row in ControlKinds.cpp.
#pragma once

#include <QString>
#include <cstdint>
#include <functional>

#include "ui/kit/DialogTemplate.h"

class QObject;
class QWidget;

namespace vantrel {

// What a control reports.
enum class Notification {
  kClicked,    // a button, a notifying static, a menu command
  kChanged,    // the text of an edit, the check of a list view entry
  kSelChange,  // the user's selection in a list or drop-down list
  kDblClk,     // a double click on a list entry
  kSetFocus,   // the control got the keyboard focus
};

using NotificationSink = std::function<void(Notification)>;

struct ControlKindRow {
  ControlKind kind;
  // The row serves the controls of its kind that have all these styles; the
  // first row that fits a control is its own.
  std::uint32_t styles;
  QWidget* (*make)(const ControlTemplate& control, QWidget* parent);
  // Hands what the control reports to `sink` for as long as `receiver` lives;
  // null for a kind that reports nothing.
  void (*connect)(QWidget* control, QObject* receiver, const NotificationSink& sink);
  // Null for a kind without a text: it reads as empty and ignores writes.
  QString (*text)(const QWidget* control);
  void (*setText)(QWidget* control, const QString& text);
};

// The row of the control's kind and styles; a kind without one is a bare
// widget that reports nothing.
const ControlKindRow& ControlKindRowOf(const ControlTemplate& control);

}  // namespace vantrel
