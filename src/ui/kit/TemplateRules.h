// What the platform reads from a template's order and places rather than from
// any one control: which controls take the focus, radio groups, the buddy of
// a static text, and the label a screen reader names a control by.
#pragma once

#include <QRect>
#include <QString>
#include <vector>

#include "ui/kit/DialogTemplate.h"

namespace vantrel {

// The height in dialog units of a closed drop-down list's field; its
// template height is that of the open list.
inline constexpr int kDropDownFieldHeight = 12;

// Where a control sits in dialog units: a drop-down list by its field only.
QRect ControlPlace(const ControlTemplate& control);

// Frames and icons never take the focus, statics and pictures only when they
// notify and are tab stops (a link).
bool TakesFocus(const ControlTemplate& control);

// The group number of every control: a control with kGroup starts a new
// group, the first control starts group 0.
std::vector<int> ControlGroups(const DialogTemplate& dialog);

// The control an access key of static text `index` reaches: the next control
// after it in template order that takes the focus; -1 when there is none.
int BuddyIndex(const DialogTemplate& dialog, int index);

// The control whose text names control `index`: itself when it has a text of
// its own; for another that takes the focus, the static text whose buddy it
// is, else a static text just left of it on its row or just above it, else
// the smallest group box around it with a title. -1 for none, and for a
// control that the template names.
int NamingControl(const DialogTemplate& dialog, int index);

// The name a screen reader gives a control: the template's name for it, else
// the text of its naming control, without access-key marks and surrounding
// blanks.
QString ControlLabel(const DialogTemplate& dialog, int index);

// A text as a name: without access-key marks, every run of blanks and line
// breaks one blank, none around it.
QString NameOfText(const QString& text);

// The text without "&" access-key marks ("&&" stays one "&").
QString WithoutAccessKeys(const QString& text);

}  // namespace vantrel
