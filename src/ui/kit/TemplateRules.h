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

// Statics, frames and icons never take the focus.
bool TakesFocus(ControlKind kind);

// The group number of every control: a control with kGroup starts a new
// group, the first control starts group 0.
std::vector<int> ControlGroups(const DialogTemplate& dialog);

// The control an access key of static text `index` reaches: the next control
// after it in template order that takes the focus; -1 when there is none.
int BuddyIndex(const DialogTemplate& dialog, int index);

// The text a control is named by: its own text when it has one; for one
// that takes the focus, else the static text whose buddy it is, else a static
// text just left of it on its row or just above it, else the title of the
// smallest group box around it. Access-key marks and surrounding blanks are
// dropped.
QString ControlLabel(const DialogTemplate& dialog, int index);

// The text without "&" access-key marks ("&&" stays one "&").
QString WithoutAccessKeys(const QString& text);

}  // namespace vantrel
