#include "ui/kit/TemplateRules.h"

#include <algorithm>
#include <limits>

namespace vantrel {
namespace {

// How far, in dialog units, a label may sit from the control it names.
constexpr int kLabelReach = 12;

bool HasOwnText(ControlKind kind) {
  switch (kind) {
    case ControlKind::kGroupBox:
    case ControlKind::kText:
    case ControlKind::kPushButton:
    case ControlKind::kDefPushButton:
    case ControlKind::kCheckBox:
    case ControlKind::kRadioButton:
      return true;
    default:
      return false;
  }
}

// A static text left of the control on its row, or above it in its column,
// whichever is nearer; -1 when none is within reach.
int NearbyStatic(const DialogTemplate& dialog, int index) {
  const QRect self = ControlPlace(dialog.controls[index]);
  int best = -1;
  int bestGap = std::numeric_limits<int>::max();
  for (int i = 0; i < static_cast<int>(dialog.controls.size()); ++i) {
    const ControlTemplate& other = dialog.controls[i];
    if (other.kind != ControlKind::kText || other.text.empty()) continue;
    const QRect place = ControlPlace(other);
    const bool sameRow = place.top() <= self.bottom() && self.top() <= place.bottom();
    const bool sameColumn = place.left() <= self.right() && self.left() <= place.right();
    int gap = -1;
    if (sameRow && place.right() < self.left()) gap = self.left() - place.right() - 1;
    if (sameColumn && place.bottom() < self.top()) gap = self.top() - place.bottom() - 1;
    if (gap >= 0 && gap <= kLabelReach && gap < bestGap) {
      best = i;
      bestGap = gap;
    }
  }
  return best;
}

int SurroundingFrame(const DialogTemplate& dialog, int index) {
  const QRect self = ControlPlace(dialog.controls[index]);
  int best = -1;
  for (int i = 0; i < static_cast<int>(dialog.controls.size()); ++i) {
    const ControlTemplate& other = dialog.controls[i];
    if (i == index || other.kind != ControlKind::kGroupBox || other.text.empty()) continue;
    const QRect place = ControlPlace(other);
    if (!place.contains(self)) continue;
    const auto area = [](const QRect& r) { return r.width() * r.height(); };
    if (best < 0 || area(place) < area(ControlPlace(dialog.controls[best]))) best = i;
  }
  return best;
}

}  // namespace

QRect ControlPlace(const ControlTemplate& control) {
  const int height = control.kind == ControlKind::kDropDownList
                         ? std::min(control.cy, kDropDownFieldHeight)
                         : control.cy;
  return QRect(control.x, control.y, control.cx, height);
}

bool TakesFocus(const ControlTemplate& control) {
  switch (control.kind) {
    case ControlKind::kGroupBox:
    case ControlKind::kIcon:
      return false;
    case ControlKind::kText:
    case ControlKind::kOwnerDrawStatic:
      return (control.style & (kNotify | kTabStop)) == (kNotify | kTabStop);
    default:
      return true;
  }
}

std::vector<int> ControlGroups(const DialogTemplate& dialog) {
  std::vector<int> groups;
  int group = 0;
  for (const ControlTemplate& control : dialog.controls) {
    if ((control.style & kGroup) && !groups.empty()) ++group;
    groups.push_back(group);
  }
  return groups;
}

int BuddyIndex(const DialogTemplate& dialog, int index) {
  for (int i = index + 1; i < static_cast<int>(dialog.controls.size()); ++i) {
    if (TakesFocus(dialog.controls[i])) return i;
  }
  return -1;
}

int NamingControl(const DialogTemplate& dialog, int index) {
  const ControlTemplate& control = dialog.controls[index];
  if (!control.name.empty()) return -1;
  if (HasOwnText(control.kind)) return index;
  // A picture is no box to be named after its neighbours.
  if (!TakesFocus(control) || control.kind == ControlKind::kOwnerDrawStatic) return -1;
  // The static text this control is the buddy of.
  for (int i = index - 1; i >= 0 && !TakesFocus(dialog.controls[i]); --i) {
    if (dialog.controls[i].kind == ControlKind::kText && !dialog.controls[i].text.empty()) {
      return i;
    }
  }
  if (const int nearby = NearbyStatic(dialog, index); nearby >= 0) return nearby;
  return SurroundingFrame(dialog, index);
}

QString ControlLabel(const DialogTemplate& dialog, int index) {
  const ControlTemplate& control = dialog.controls[index];
  if (!control.name.empty()) return QString::fromStdString(control.name);
  const int naming = NamingControl(dialog, index);
  return naming < 0 ? QString() : NameOfText(QString::fromStdString(dialog.controls[naming].text));
}

QString NameOfText(const QString& text) { return WithoutAccessKeys(text).simplified(); }

QString WithoutAccessKeys(const QString& text) {
  QString out;
  out.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == QLatin1Char('&') && i + 1 < text.size()) ++i;
    out += text[i];
  }
  return out;
}

}  // namespace vantrel
