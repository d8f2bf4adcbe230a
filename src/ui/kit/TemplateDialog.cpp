#include "ui/kit/TemplateDialog.h"

#include <QAction>
#include <QButtonGroup>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "ui/kit/Accessibility.h"
#include "ui/kit/DataExchange.h"
#include "ui/kit/DropDownList.h"
#include "ui/kit/EditBox.h"
#include "ui/kit/FocusRing.h"
#include "ui/kit/IconStatic.h"
#include "ui/kit/ListBox.h"
#include "ui/kit/PictureStatic.h"
#include "ui/kit/Shell.h"
#include "ui/kit/StaticText.h"
#include "ui/kit/TemplateRules.h"

namespace vantrel {
namespace {

Qt::WindowFlags FlagsFor(std::uint32_t style) {
  if (style & kChild) return Qt::Widget;
  Qt::WindowFlags flags = (style & kAppWindow) ? Qt::Window : Qt::Dialog;
  flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  if (style & kSysMenu) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (style & kMinimizeBox) flags |= Qt::WindowMinimizeButtonHint;
  if (style & kMaximizeBox) flags |= Qt::WindowMaximizeButtonHint;
  return flags;
}

// A menu bar that says when its height may have changed, once it has taken
// the change in.
class MeasuredMenuBar : public QMenuBar {
 public:
  MeasuredMenuBar(QWidget* parent, std::function<void()> changed)
      : QMenuBar(parent), changed_(std::move(changed)) {}

 protected:
  bool event(QEvent* event) override {
    const bool done = QMenuBar::event(event);
    switch (event->type()) {
      case QEvent::ActionAdded:
      case QEvent::ActionRemoved:
      case QEvent::ActionChanged:
      case QEvent::FontChange:
      case QEvent::StyleChange:
        changed_();
        break;
      default:
        break;
    }
    return done;
  }

 private:
  std::function<void()> changed_;
};

}  // namespace

TemplateDialog::TemplateDialog(const DialogTemplateRegistry& templates, int templateId,
                               const PreferredFont& font, QWidget* parent)
    : QDialog(parent), templates_(templates), templateId_(templateId), font_(font) {
  InstallKitAccessibility();
}

TemplateDialog::~TemplateDialog() {
  // The handlers belong to a dialog already destroyed in part: no control
  // may reach them while the widgets go.
  routes_.clear();
  for (QWidget* control : controls_) control->removeEventFilter(this);
  for (QObject* child : children()) child->disconnect(this);
}

bool TemplateDialog::Create() {
  if (created_) return true;
  OnBeforeCreate();
  const PreferredFont preferred{true, font_.face, font_.points};
  const PreferredFont own{};  // replacing nothing: the template as it is
  template_ = LoadDialogTemplate(templates_, templateId_,
                                 useTemplateFont_       ? own
                                 : alwaysPreferredFont_ ? preferred
                                                        : font_);
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
  setWindowTitle(QString::fromStdString(dialog.caption));
  const QFont font = DialogFontOf(dialog);
  setFont(font);
  base_ = BaseUnitsOf(font);
  const QSize client = MapDialogRect(QRect(0, 0, dialog.cx, dialog.cy)).size();
  const QSize window = client + QSize(0, clientTop_);
  if (dialog.style & kResizable) {
    resize(window);
  } else {
    setFixedSize(window);
  }
  if (menuBar_) menuBar_->setGeometry(0, 0, width(), clientTop_);

  std::vector<QWidget*> frames;
  const auto notify = [this](int id) {
    return [this, id](Notification what) { OnCommand(id, what); };
  };
  for (const ControlTemplate& control : dialog.controls) {
    const ControlKindRow& kind = ControlKindRowOf(control);
    QWidget* widget = kind.make(control, this);
    widget->setObjectName(QStringLiteral("item%1").arg(control.id));
    PlaceControl(widget, control);
    if (control.kind == ControlKind::kGroupBox) frames.push_back(widget);
    if (!TakesFocus(control)) {
      widget->setFocusPolicy(Qt::NoFocus);
    } else {
      widget->setFocusPolicy((control.style & kTabStop) ? Qt::StrongFocus : Qt::ClickFocus);
      widget->installEventFilter(this);
    }
    widget->setEnabled(!(control.style & kDisabled));
    widget->setVisible(!(control.style & kHidden));
    controls_.push_back(widget);
    items_.try_emplace(control.id, Control{widget, &kind});
    if (kind.connect) kind.connect(widget, this, notify(control.id));
  }
  for (auto frame = frames.rbegin(); frame != frames.rend(); ++frame) (*frame)->lower();
  MakeRadioGroups();
  LabelControls();
  new FocusRing(this);
}

void TemplateDialog::PlaceControl(QWidget* widget, const ControlTemplate& control) {
  const QRect place =
      MapDialogRect(QRect(control.x, control.y, control.cx, control.cy)).translated(0, clientTop_);
  if (control.kind == ControlKind::kDropDownList) {
    // The template gives the height of the open list.
    static_cast<DropDownList*>(widget)->SetDroppedRect(place);
  } else if (auto* label = qobject_cast<StaticText*>(widget)) {
    label->SetPlace(place);
  } else if (control.kind == ControlKind::kIcon) {
    widget->setGeometry(place.x(), place.y(), IconStatic::kSide, IconStatic::kSide);
  } else {
    widget->setGeometry(place);
  }
}

void TemplateDialog::MakeRadioGroups() {
  // Qt would make every radio of one parent a single group: the template's
  // groups say which radios exclude each other.
  const std::vector<int> groups = ControlGroups(*template_);
  std::map<int, QButtonGroup*> made;
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    auto* radio = qobject_cast<QRadioButton*>(controls_[i]);
    if (!radio) continue;
    QButtonGroup*& group = made[groups[i]];
    if (!group) group = new QButtonGroup(this);
    group->addButton(radio, template_->controls[i].id);
  }
}

void TemplateDialog::LabelControls() {
  const DialogTemplate& dialog = *template_;
  for (int i = 0; i < static_cast<int>(controls_.size()); ++i) {
    QWidget* control = controls_[i];
    const ControlTemplate& row = dialog.controls[i];
    if (row.kind == ControlKind::kText) {
      if (const int buddy = BuddyIndex(dialog, i); buddy >= 0) {
        static_cast<StaticText*>(control)->setBuddy(controls_[buddy]);
      }
    }
    // A control with a text of its own is named by it as it stands (the
    // accessible interface reads it); another by the template, or by the
    // text that names it, followed when the program changes that text.
    const int naming = NamingControl(dialog, i);
    if (naming == i) continue;
    control->setAccessibleName(ControlLabel(dialog, i));
    if (auto* label = naming >= 0 ? qobject_cast<StaticText*>(controls_[naming]) : nullptr) {
      connect(label, &StaticText::TextChanged, control,
              [control, label] { control->setAccessibleName(NameOfText(label->Text())); });
    }
  }
}

bool TemplateDialog::OnCommand(int id, Notification what) {
  if (auto route = routes_.find({id, what}); route != routes_.end()) {
    // A copy: the handler may replace its own route.
    const std::function<void()> handler = route->second;
    handler();
    return true;
  }
  if (what != Notification::kClicked) return false;
  if (id == kIdOk) {
    OnOK();
  } else if (id == kIdCancel) {
    OnCancel();
  } else {
    return false;
  }
  return true;
}

void TemplateDialog::AddRoutes(std::vector<CommandRoute> routes) {
  for (CommandRoute& route : routes) {
    routes_.insert_or_assign({route.id, route.what}, std::move(route.handler));
  }
}

void TemplateDialog::BindCommand(QAction* action, int id) {
  connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
}

QWidget* TemplateDialog::Item(int id) const {
  auto found = items_.find(id);
  return found == items_.end() ? nullptr : found->second.widget;
}

ListBox* TemplateDialog::ListBoxItem(int id) const { return ItemAs<ListBox>(id); }
DropDownList* TemplateDialog::DropDownItem(int id) const { return ItemAs<DropDownList>(id); }
EditBox* TemplateDialog::EditItem(int id) const { return ItemAs<EditBox>(id); }
StaticText* TemplateDialog::StaticItem(int id) const { return ItemAs<StaticText>(id); }
PictureStatic* TemplateDialog::PictureItem(int id) const { return ItemAs<PictureStatic>(id); }
QAbstractButton* TemplateDialog::ButtonItem(int id) const { return ItemAs<QAbstractButton>(id); }

QString TemplateDialog::ItemText(int id) const {
  const auto found = items_.find(id);
  if (found == items_.end() || !found->second.kind->text) return {};
  return found->second.kind->text(found->second.widget);
}

void TemplateDialog::SetItemText(int id, const QString& text) {
  const auto found = items_.find(id);
  if (found == items_.end() || !found->second.kind->setText) return;
  found->second.kind->setText(found->second.widget, text);
}

int TemplateDialog::IsDlgButtonChecked(int id) const {
  const QAbstractButton* button = ButtonItem(id);
  return button && button->isChecked() ? 1 : 0;
}

void TemplateDialog::CheckDlgButton(int id, int checked) {
  QAbstractButton* button = ButtonItem(id);
  if (!button || !button->isCheckable() || button->isChecked() == (checked != 0)) return;
  QButtonGroup* group = button->group();
  // An exclusive group refuses to clear its checked button.
  const bool exclusive = group && group->exclusive();
  if (exclusive && !checked) group->setExclusive(false);
  button->setChecked(checked != 0);
  if (exclusive && !checked) group->setExclusive(true);
}

bool TemplateDialog::UpdateData(bool saveAndValidate) {
  DataExchange exchange(*this, saveAndValidate);
  DoDataExchange(exchange);
  if (exchange.FailedId() == 0) return true;
  if (shell_) {
    // Captioned with the program's name as its window shows it, in the
    // user's language.
    const QWidget* main = shell_->MainWindow();
    const QString caption = main ? main->windowTitle() : QGuiApplication::applicationDisplayName();
    shell_->MessageBox(this, caption, exchange.FailureText(), MessageIcon::kExclamation);
  }
  if (QWidget* failed = Item(exchange.FailedId())) {
    failed->setFocus();
    if (auto* edit = qobject_cast<EditBox*>(failed)) edit->selectAll();
  }
  return false;
}

QMenuBar* TemplateDialog::MenuBar() {
  if (!menuBar_) {
    menuBar_ = new MeasuredMenuBar(this, [this] { PlaceMenuBar(); });
    PlaceMenuBar();
  }
  return menuBar_;
}

void TemplateDialog::PlaceMenuBar() {
  if (!menuBar_) return;
  const int height = menuBar_->sizeHint().height();
  const int shift = height - clientTop_;
  clientTop_ = height;
  menuBar_->setGeometry(0, 0, width(), height);
  if (shift == 0 || !template_) return;
  for (QWidget* control : controls_) {
    if (auto* label = qobject_cast<StaticText*>(control)) {
      label->SetPlace(label->Place().translated(0, shift));
    } else {
      control->move(control->x(), control->y() + shift);
    }
  }
  const QSize window(width(), this->height() + shift);
  if (template_->style & kResizable) {
    resize(window);
  } else {
    setFixedSize(window);
  }
}

void TemplateDialog::resizeEvent(QResizeEvent* event) {
  if (menuBar_) menuBar_->resize(width(), clientTop_);
  QDialog::resizeEvent(event);
}

bool TemplateDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::FocusIn) return false;
  auto* control = static_cast<QWidget*>(watched);
  const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
  // Tabbing into a radio group lands on its checked button.
  if (auto* radio = qobject_cast<QRadioButton*>(control);
      radio && radio->group() &&
      (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)) {
    QAbstractButton* checked = radio->group()->checkedButton();
    if (checked && checked != radio && checked->isEnabled()) {
      checked->setFocus(reason);
      return true;
    }
  }
  const auto found = std::find(controls_.begin(), controls_.end(), control);
  if (found != controls_.end()) {
    OnCommand(template_->controls[found - controls_.begin()].id, Notification::kSetFocus);
  }
  return false;
}

void TemplateDialog::keyPressEvent(QKeyEvent* event) {
  const bool plain = !(event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier));
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (!plain || (!enter && event->key() != Qt::Key_Escape)) {
    QDialog::keyPressEvent(event);
    return;
  }
  // A focused button answers Enter, then the default button; without either
  // it is OK. A page leaves what it does not answer to the window around it.
  auto* focused = qobject_cast<QPushButton*>(focusWidget());
  if (enter && focused && focused->isEnabled()) {
    focused->click();
  } else if (Template().style & kChild) {
    event->ignore();
  } else if (!enter) {
    OnCancel();
  } else {
    for (QPushButton* button : findChildren<QPushButton*>()) {
      if (button->isDefault() && button->isVisible() && button->isEnabled()) {
        button->click();
        return;
      }
    }
    OnOK();
  }
}

void TemplateDialog::RefontWithLayoutScaling(const QFont& font) {
  const LayoutMetrics before = LayoutMetricsOf(this->font());
  const LayoutMetrics after = LayoutMetricsOf(font);
  const auto across = [&](int x) { return x * after.averageWidth / before.averageWidth; };
  const auto down = [&](int y) { return y * after.lineHeight / before.lineHeight; };

  const QSize client(width(), height() - clientTop_);
  const QSize scaled(across(client.width()), down(client.height()));
  const QSize window = scaled + QSize(0, clientTop_);
  if (minimumSize() == maximumSize()) {
    setFixedSize(window);
  } else {
    resize(window);
  }
  if (isWindow()) {
    move(x() - (scaled.width() - client.width()) / 2,
         y() - (scaled.height() - client.height()) / 2);
  }
  if (menuBar_) menuBar_->setGeometry(0, 0, width(), clientTop_);

  // Places are read before the font changes: a drop-down list's field takes
  // its new height at once.
  std::vector<QRect> places;
  for (QWidget* control : controls_) {
    const auto* list = qobject_cast<DropDownList*>(control);
    const auto* label = qobject_cast<StaticText*>(control);
    const QRect place = list ? list->DroppedRect() : label ? label->Place() : control->geometry();
    places.push_back(place.translated(0, -clientTop_));
  }
  setFont(font);
  base_ = BaseUnitsOf(font);
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    const QRect& old = places[i];
    const int left = across(old.x());
    const int top = down(old.y());
    const QRect place(left, top + clientTop_, across(old.x() + old.width()) - left,
                      down(old.y() + old.height()) - top);
    if (auto* list = qobject_cast<DropDownList*>(controls_[i])) {
      list->SetDroppedRect(place);
    } else if (auto* label = qobject_cast<StaticText*>(controls_[i])) {
      label->SetPlace(place);
    } else if (qobject_cast<IconStatic*>(controls_[i])) {
      controls_[i]->move(place.topLeft());  // an icon keeps its size
    } else {
      controls_[i]->setGeometry(place);
    }
  }
}

}  // namespace vantrel
