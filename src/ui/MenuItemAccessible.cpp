#include "ui/MenuItemAccessible.h"

#include <QAccessible>
#include <QAction>
#include <QPointer>
#include <QWindow>

#include "ui/MenuCH.h"

namespace vantrel {
namespace {

class MenuItemAccessible final : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  MenuItemAccessible(CMenuCH* menu, QAction* action) : menu_(menu), action_(action) {}

  bool isValid() const override { return menu_ && action_ && menu_->ItemOf(action_); }
  QObject* object() const override { return action_; }
  QWindow* window() const override { return menu_ ? menu_->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(menu_.data());
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }

  QString text(QAccessible::Text which) const override {
    if (!isValid() || action_->isSeparator()) return {};
    switch (which) {
      case QAccessible::Name:
        return menu_->ItemOf(action_)->Label().simplified();
      case QAccessible::Accelerator:
        return menu_->KeyBindingOf(action_);
      default:
        return {};
    }
  }
  void setText(QAccessible::Text, const QString&) override {}

  QRect rect() const override {
    if (!isValid()) return {};
    const QRect place = menu_->actionGeometry(action_);
    return QRect(menu_->mapToGlobal(place.topLeft()), place.size());
  }

  QAccessible::Role role() const override {
    return action_ && action_->isSeparator() ? QAccessible::Separator : QAccessible::MenuItem;
  }

  QAccessible::State state() const override {
    QAccessible::State state;
    if (!isValid()) return state;
    state.invisible = !menu_->isVisible() || !action_->isVisible();
    state.disabled = !action_->isEnabled();
    if (action_->isSeparator()) return state;
    state.focusable = true;
    state.selectable = true;
    state.focused = state.selected = menu_->activeAction() == action_;
    return state;
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                : nullptr;
  }

  QStringList actionNames() const override {
    if (!isValid() || action_->isSeparator()) return {};
    return {pressAction()};
  }
  void doAction(const QString& name) override {
    // Later, from the event loop: a command may run a modal dialog, and the
    // screen reader waits for its request to be answered.
    if (name == pressAction() && isValid() && action_->isEnabled()) {
      QMetaObject::invokeMethod(action_.data(), &QAction::trigger, Qt::QueuedConnection);
    }
  }
  QStringList keyBindingsForAction(const QString& name) const override {
    const QString key = name == pressAction() ? text(QAccessible::Accelerator) : QString();
    return key.isEmpty() ? QStringList() : QStringList{key};
  }

 private:
  QPointer<CMenuCH> menu_;
  QPointer<QAction> action_;
};

QAccessibleInterface* MenuItemFactory(const QString& className, QObject* object) {
  if (className != QLatin1String(QAction::staticMetaObject.className())) return nullptr;
  auto* action = qobject_cast<QAction*>(object);
  auto* menu = action ? qobject_cast<CMenuCH*>(action->parent()) : nullptr;
  if (!menu || !menu->ItemOf(action)) return nullptr;
  return new MenuItemAccessible(menu, action);
}

}  // namespace

void InstallMenuItemAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(&MenuItemFactory);
    return true;
  }();
  (void)installed;
}

}  // namespace vantrel
