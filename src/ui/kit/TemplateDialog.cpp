#include "ui/kit/TemplateDialog.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <vector>

#include "ui/kit/DropDownList.h"
#include "ui/kit/EditBox.h"
#include "ui/kit/GroupFrame.h"
#include "ui/kit/ListBox.h"
#include "ui/kit/PictureStatic.h"
#include "ui/kit/StaticText.h"

namespace vantrel {
namespace {

constexpr int kIdOkButton = 1;

Qt::WindowFlags FlagsFor(std::uint32_t style) {
  Qt::WindowFlags flags = (style & kAppWindow) ? Qt::Window : Qt::Dialog;
  flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  if (style & kSysMenu) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (style & kMinimizeBox) flags |= Qt::WindowMinimizeButtonHint;
  if (style & kMaximizeBox) flags |= Qt::WindowMaximizeButtonHint;
  return flags;
}

Qt::Alignment TextAlignment(std::uint32_t style) {
  const Qt::Alignment horizontal = (style & kCenter)  ? Qt::AlignHCenter
                                   : (style & kRight) ? Qt::AlignRight
                                                      : Qt::AlignLeft;
  return horizontal | Qt::AlignTop;
}

}  // namespace

TemplateDialog::TemplateDialog(const DialogTemplateRegistry& templates, int templateId,
                               const DialogFont& font, QWidget* parent)
    : QDialog(parent), templates_(templates), templateId_(templateId), font_(font) {}

bool TemplateDialog::Create() {
  if (created_) return true;
  OnBeforeCreate();
  template_ = LoadDialogTemplate(templates_, templateId_, font_);
  if (!template_) return false;
  created_ = true;
  BuildControls();
  OnInitDialog();
  return true;
}

int TemplateDialog::DoModal() {
  if (!Create()) return -1;
  return exec();
}

const DialogTemplate& TemplateDialog::Template() const {
  static const DialogTemplate kNone;
  return template_ ? *template_ : kNone;
}

QRect TemplateDialog::MapDialogRect(const QRect& dialogUnits) const {
  return DialogUnitsToPixels(dialogUnits, base_);
}

void TemplateDialog::BuildControls() {
  const DialogTemplate& dialog = *template_;
  setWindowFlags(FlagsFor(dialog.style));
  setWindowTitle(QString::fromStdWString(dialog.caption));
  const QFont font = DialogFontOf(dialog);
  setFont(font);
  base_ = BaseUnitsOf(font);
  const QSize client = MapDialogRect(QRect(0, 0, dialog.cx, dialog.cy)).size();
  if (dialog.style & kResizable) {
    resize(client);
  } else {
    setFixedSize(client);
  }

  std::vector<QWidget*> frames;
  for (const ControlTemplate& control : dialog.controls) {
    QWidget* widget = MakeControl(control);
    widget->setObjectName(QStringLiteral("item%1").arg(control.id));
    const QRect place = MapDialogRect(QRect(control.x, control.y, control.cx, control.cy));
    if (control.kind == ControlKind::kDropDownList) {
      // The template gives the height of the open list; the closed field is as
      // high as its font needs.
      auto* list = static_cast<DropDownList*>(widget);
      const int field = list->sizeHint().height();
      list->setGeometry(place.x(), place.y(), place.width(), field);
      const int row = std::max(1, list->fontMetrics().height() + 2);
      list->setMaxVisibleItems(std::max(1, (place.height() - field) / row));
    } else {
      widget->setGeometry(place);
    }
    if (control.kind == ControlKind::kGroupBox) {
      frames.push_back(widget);
    } else if (control.kind == ControlKind::kText ||
               control.kind == ControlKind::kOwnerDrawStatic) {
      widget->setFocusPolicy(Qt::NoFocus);
    } else {
      widget->setFocusPolicy((control.style & kTabStop) ? Qt::StrongFocus : Qt::ClickFocus);
    }
    widget->setEnabled(!(control.style & kDisabled));
    widget->setVisible(!(control.style & kHidden));
    items_.try_emplace(control.id, widget);
  }
  for (auto frame = frames.rbegin(); frame != frames.rend(); ++frame) (*frame)->lower();
}

QWidget* TemplateDialog::MakeControl(const ControlTemplate& control) {
  const QString text = QString::fromStdWString(control.text);
  const bool sorted = control.style & kSorted;
  switch (control.kind) {
    case ControlKind::kGroupBox:
      return new GroupFrame(text, this);
    case ControlKind::kText: {
      auto* label = new StaticText(text, this);
      label->setAlignment(TextAlignment(control.style));
      return label;
    }
    case ControlKind::kEdit: {
      auto* edit = new EditBox(this);
      edit->SetText(text);
      edit->SetReadOnly(control.style & kReadOnly);
      return edit;
    }
    case ControlKind::kListBox: {
      auto* list = new ListBox(sorted, this);
      list->setFrameShape((control.style & kBorder) ? QFrame::StyledPanel : QFrame::NoFrame);
      list->setVerticalScrollBarPolicy((control.style & kVScroll) ? Qt::ScrollBarAsNeeded
                                                                  : Qt::ScrollBarAlwaysOff);
      return list;
    }
    case ControlKind::kDropDownList:
      return new DropDownList(sorted, this);
    case ControlKind::kPushButton:
    case ControlKind::kDefPushButton: {
      auto* button = new QPushButton(text, this);
      button->setDefault(control.kind == ControlKind::kDefPushButton);
      const int id = control.id;
      connect(button, &QPushButton::clicked, this, [this, id] {
        if (id == kIdOkButton) OnOK();
        if (id == kIdCancel) OnCancel();
      });
      return button;
    }
    case ControlKind::kCheckBox:
      return new QCheckBox(text, this);
    case ControlKind::kRadioButton:
      return new QRadioButton(text, this);
    case ControlKind::kOwnerDrawStatic:
      return new PictureStatic(control.style & kNotify, this);
  }
  return new QWidget(this);
}

QWidget* TemplateDialog::Item(int id) const {
  auto found = items_.find(id);
  return found == items_.end() ? nullptr : found->second;
}

ListBox* TemplateDialog::ListBoxItem(int id) const { return qobject_cast<ListBox*>(Item(id)); }
DropDownList* TemplateDialog::DropDownItem(int id) const {
  return qobject_cast<DropDownList*>(Item(id));
}
EditBox* TemplateDialog::EditItem(int id) const { return qobject_cast<EditBox*>(Item(id)); }
StaticText* TemplateDialog::StaticItem(int id) const { return qobject_cast<StaticText*>(Item(id)); }
PictureStatic* TemplateDialog::PictureItem(int id) const {
  return qobject_cast<PictureStatic*>(Item(id));
}
QAbstractButton* TemplateDialog::ButtonItem(int id) const {
  return qobject_cast<QAbstractButton*>(Item(id));
}

QString TemplateDialog::ItemText(int id) const {
  QWidget* item = Item(id);
  if (auto* edit = qobject_cast<EditBox*>(item)) return edit->Text();
  if (auto* label = qobject_cast<StaticText*>(item)) return label->Text();
  if (auto* button = qobject_cast<QAbstractButton*>(item)) return button->text();
  if (auto* frame = qobject_cast<GroupFrame*>(item)) return frame->Title();
  return {};
}

void TemplateDialog::SetItemText(int id, const QString& text) {
  QWidget* item = Item(id);
  if (auto* edit = qobject_cast<EditBox*>(item)) {
    edit->SetText(text);
  } else if (auto* label = qobject_cast<StaticText*>(item)) {
    label->SetText(text);
  } else if (auto* button = qobject_cast<QAbstractButton*>(item)) {
    button->setText(text);
  } else if (auto* frame = qobject_cast<GroupFrame*>(item)) {
    frame->SetTitle(text);
  }
}

void TemplateDialog::keyPressEvent(QKeyEvent* event) {
  if (event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) {
    QDialog::keyPressEvent(event);
    return;
  }
  switch (event->key()) {
    case Qt::Key_Escape:
      OnCancel();
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter: {
      // The default button answers Enter; without one it is OK.
      for (QPushButton* button : findChildren<QPushButton*>()) {
        if (button->isDefault() && button->isVisible() && button->isEnabled()) {
          button->click();
          return;
        }
      }
      OnOK();
      return;
    }
    default:
      QDialog::keyPressEvent(event);
  }
}

}  // namespace vantrel
