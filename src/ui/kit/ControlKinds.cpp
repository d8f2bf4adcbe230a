#include "ui/kit/ControlKinds.h"

#include <QPushButton>

#include "ui/kit/CheckBox.h"
#include "ui/kit/DropDownList.h"
#include "ui/kit/EditBox.h"
#include "ui/kit/GroupFrame.h"
#include "ui/kit/IconStatic.h"
#include "ui/kit/ListBox.h"
#include "ui/kit/ListView.h"
#include "ui/kit/PictureStatic.h"
#include "ui/kit/RadioButton.h"
#include "ui/kit/RichEdit.h"
#include "ui/kit/StaticText.h"

namespace vantrel {
namespace {

using enum Notification;

// The class that declares a member.
template <class Member>
struct ClassOfMember;
template <class Class, class Type>
struct ClassOfMember<Type Class::*> {
  using type = Class;
};
template <auto member>
using Owner = typename ClassOfMember<decltype(member)>::type;

// A signal of the control, reported as `what`.
template <auto signal, Notification what>
struct Raises {
  static void Connect(QWidget* control, QObject* receiver, const NotificationSink& sink) {
    QObject::connect(static_cast<Owner<signal>*>(control), signal, receiver,
                     [sink] { sink(what); });
  }
};

template <class... Signals>
void Connect(QWidget* control, QObject* receiver, const NotificationSink& sink) {
  (Signals::Connect(control, receiver, sink), ...);
}

template <auto getter>
QString Read(const QWidget* control) {
  return (static_cast<const Owner<getter>*>(control)->*getter)();
}

template <auto setter>
void Write(QWidget* control, const QString& text) {
  (static_cast<Owner<setter>*>(control)->*setter)(text);
}

QString TextOf(const ControlTemplate& control) { return QString::fromStdString(control.text); }

Qt::Alignment TextAlignment(std::uint32_t style) {
  const Qt::Alignment horizontal = (style & kCenter)  ? Qt::AlignHCenter
                                   : (style & kRight) ? Qt::AlignRight
                                                      : Qt::AlignLeft;
  return horizontal | ((style & kVCenter) ? Qt::AlignVCenter : Qt::AlignTop);
}

Qt::ScrollBarPolicy VerticalScrollBar(std::uint32_t style) {
  return (style & kVScroll) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
}

QWidget* MakeStatic(const ControlTemplate& control, QWidget* parent) {
  auto* label = new StaticText(TextOf(control), control.style & kNotify, parent);
  label->setAlignment(TextAlignment(control.style));
  return label;
}

QWidget* MakeMultiLineEdit(const ControlTemplate& control, QWidget* parent) {
  auto* edit = new MultiLineEdit(parent);
  edit->SetAlignment(TextAlignment(control.style) & Qt::AlignHorizontal_Mask);
  edit->SetReadOnly(control.style & kReadOnly);
  edit->SetText(TextOf(control));
  edit->setVerticalScrollBarPolicy(VerticalScrollBar(control.style));
  return edit;
}

// A single-line edit or a rich edit.
template <class Edit>
QWidget* MakeEdit(const ControlTemplate& control, QWidget* parent) {
  auto* edit = new Edit(parent);
  edit->SetReadOnly(control.style & kReadOnly);
  edit->SetText(TextOf(control));
  return edit;
}

QWidget* MakeListBox(const ControlTemplate& control, QWidget* parent) {
  auto* list = new ListBox(control.style & kSorted, parent);
  list->setFrameShape((control.style & kBorder) ? QFrame::StyledPanel : QFrame::NoFrame);
  list->setVerticalScrollBarPolicy(VerticalScrollBar(control.style));
  return list;
}

QWidget* MakeListView(const ControlTemplate& control, QWidget* parent) {
  auto* view = new ListView(control.style & kSorted, parent);
  view->setFrameShape((control.style & kBorder) ? QFrame::StyledPanel : QFrame::NoFrame);
  return view;
}

QWidget* MakeDropDownList(const ControlTemplate& control, QWidget* parent) {
  return new DropDownList(control.style & kSorted, parent);
}

QWidget* MakePushButton(const ControlTemplate& control, QWidget* parent) {
  auto* button = new QPushButton(TextOf(control), parent);
  // Only the template names the default button: Qt would make the first
  // button the default of a dialog that has none, and Enter would press it.
  button->setAutoDefault(false);
  button->setDefault(control.kind == ControlKind::kDefPushButton);
  return button;
}

template <class Control>
QWidget* MakeWithText(const ControlTemplate& control, QWidget* parent) {
  return new Control(TextOf(control), parent);
}

template <class Control>
QWidget* MakeNotifying(const ControlTemplate& control, QWidget* parent) {
  return new Control(control.style & kNotify, parent);
}

QWidget* MakeIcon(const ControlTemplate& control, QWidget* parent) {
  return new IconStatic(TextOf(control).toInt(), parent);
}

QWidget* MakeBareWidget(const ControlTemplate&, QWidget* parent) { return new QWidget(parent); }

constexpr auto kButtonClicks = Connect<Raises<&QAbstractButton::clicked, kClicked>>;
constexpr auto kButtonText = Read<&QAbstractButton::text>;
constexpr auto kSetButtonText = Write<&QAbstractButton::setText>;
constexpr auto kEditChanges = Connect<Raises<&MultiLineEdit::Changed, kChanged>>;
constexpr auto kEditText = Read<&MultiLineEdit::Text>;
constexpr auto kSetEditText = Write<&MultiLineEdit::SetText>;

const ControlKindRow kRows[] = {
    // kind, styles, make, reports, text, set text
    {ControlKind::kGroupBox, kNoStyle, MakeWithText<GroupFrame>, nullptr, Read<&GroupFrame::Title>,
     Write<&GroupFrame::SetTitle>},
    {ControlKind::kText, kNoStyle, MakeStatic, Connect<Raises<&StaticText::Clicked, kClicked>>,
     Read<&StaticText::Text>, Write<&StaticText::SetText>},
    {ControlKind::kEdit, kMultiLine, MakeMultiLineEdit, kEditChanges, kEditText, kSetEditText},
    {ControlKind::kEdit, kNoStyle, MakeEdit<EditBox>, Connect<Raises<&EditBox::Changed, kChanged>>,
     Read<&EditBox::Text>, Write<&EditBox::SetText>},
    {ControlKind::kRichEdit, kNoStyle, MakeEdit<RichEdit>, kEditChanges, kEditText, kSetEditText},
    {ControlKind::kListBox, kNoStyle, MakeListBox,
     Connect<Raises<&ListBox::SelectionChanged, kSelChange>,
             Raises<&QListWidget::itemDoubleClicked, kDblClk>>,
     nullptr, nullptr},
    {ControlKind::kListView, kNoStyle, MakeListView,
     Connect<Raises<&ListView::CheckChanged, kChanged>>, nullptr, nullptr},
    {ControlKind::kDropDownList, kNoStyle, MakeDropDownList,
     Connect<Raises<&DropDownList::SelectionChanged, kSelChange>>, Read<&QComboBox::currentText>,
     nullptr},
    {ControlKind::kPushButton, kNoStyle, MakePushButton, kButtonClicks, kButtonText,
     kSetButtonText},
    {ControlKind::kDefPushButton, kNoStyle, MakePushButton, kButtonClicks, kButtonText,
     kSetButtonText},
    {ControlKind::kCheckBox, kNoStyle, MakeWithText<CheckBox>, kButtonClicks, kButtonText,
     kSetButtonText},
    {ControlKind::kRadioButton, kNoStyle, MakeWithText<RadioButton>, kButtonClicks, kButtonText,
     kSetButtonText},
    {ControlKind::kOwnerDrawStatic, kNoStyle, MakeNotifying<PictureStatic>,
     Connect<Raises<&PictureStatic::Clicked, kClicked>>, nullptr, nullptr},
    {ControlKind::kIcon, kNoStyle, MakeIcon, nullptr, nullptr, nullptr},
};

const ControlKindRow kBareWidget{ControlKind{}, kNoStyle, MakeBareWidget,
                                 nullptr,       nullptr,  nullptr};

}  // namespace

const ControlKindRow& ControlKindRowOf(const ControlTemplate& control) {
  for (const ControlKindRow& row : kRows) {
    if (row.kind == control.kind && (control.style & row.styles) == row.styles) return row;
  }
  return kBareWidget;
}

}  // namespace vantrel
