#include "ui/kit/Accessibility.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QString>

#include "ui/kit/ClickReporter.h"
#include "ui/kit/DropDownList.h"
#include "ui/kit/GroupFrame.h"
#include "ui/kit/IconStatic.h"
#include "ui/kit/PictureStatic.h"
#include "ui/kit/PropertyPage.h"
#include "ui/kit/StaticText.h"
#include "ui/kit/TemplateRules.h"

namespace vantrel {
namespace {

// A control whose name, when the program gives it none, is a text it shows,
// and that a screen reader can press when it reports clicks.
class KitControl final : public QAccessibleWidget {
 public:
  using ShownText = QString (*)(const QWidget* control);

  KitControl(QWidget* control, QAccessible::Role role, ShownText shown)
      : QAccessibleWidget(control, role), shown_(shown) {}

  QString text(QAccessible::Text which) const override {
    if (which == QAccessible::Name && widget()->accessibleName().isEmpty() && shown_) {
      return NameOfText(shown_(widget()));
    }
    return QAccessibleWidget::text(which);
  }

  QStringList actionNames() const override {
    QStringList names = QAccessibleWidget::actionNames();
    if (ClickReporterOf(widget())) names.prepend(pressAction());
    return names;
  }

  void doAction(const QString& action) override {
    ClickReporter* clicks = ClickReporterOf(widget());
    if (clicks && action == pressAction()) {
      clicks->Click();
    } else {
      QAccessibleWidget::doAction(action);
    }
  }

 private:
  ShownText shown_;
};

// A drop-down list named by its label, as the desktop's own are (Qt's take
// the entry shown for their name on Linux), with that entry as its value and
// its list, the shown entry selected, as its child.
class DropDown final : public QAccessibleWidget {
 public:
  explicit DropDown(DropDownList* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

  QString text(QAccessible::Text which) const override {
    const QString shown = List()->currentText();
    if (which == QAccessible::Value) return shown;
    if (which == QAccessible::Name) {
      return widget()->accessibleName().isEmpty() ? shown : widget()->accessibleName();
    }
    return QAccessibleWidget::text(which);
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.expandable = true;
    state.expanded = List()->view()->isVisible();
    return state;
  }

  int childCount() const override { return 1; }
  QAccessibleInterface* child(int index) const override {
    if (index != 0) return nullptr;
    // Closed, its list holds the shown entry as current; open, the user's.
    QAbstractItemView* entries = List()->view();
    const QModelIndex shown = List()->model()->index(List()->currentIndex(), List()->modelColumn());
    if (!entries->isVisible() && entries->currentIndex() != shown) entries->setCurrentIndex(shown);
    return QAccessible::queryAccessibleInterface(entries);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return child && child->object() == List()->view() ? 0 : -1;
  }

  QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
  void doAction(const QString& action) override {
    if (action == showMenuAction() || action == pressAction()) List()->showPopup();
  }

 private:
  DropDownList* List() const { return static_cast<DropDownList*>(widget()); }
};

template <class Control>
bool Is(const QString& className) {
  return className == QLatin1String(Control::staticMetaObject.className());
}

QAccessibleInterface* KitControlFactory(const QString& className, QObject* object) {
  auto* control = qobject_cast<QWidget*>(object);
  if (!control) return nullptr;
  const bool clickable = ClickReporterOf(control) != nullptr;
  if (Is<StaticText>(className)) {
    return new KitControl(
        control, clickable ? QAccessible::Link : QAccessible::StaticText,
        [](const QWidget* label) { return static_cast<const StaticText*>(label)->Text(); });
  }
  if (Is<GroupFrame>(className)) {
    return new KitControl(control, QAccessible::Grouping, [](const QWidget* frame) {
      return static_cast<const GroupFrame*>(frame)->Title();
    });
  }
  if (Is<PictureStatic>(className)) {
    return new KitControl(control, clickable ? QAccessible::Button : QAccessible::Graphic, nullptr);
  }
  if (Is<IconStatic>(className)) return new KitControl(control, QAccessible::Graphic, nullptr);
  if (Is<DropDownList>(className)) return new DropDown(static_cast<DropDownList*>(control));
  if (Is<PropertyPage>(className)) {
    return new KitControl(control, QAccessible::PropertyPage,
                          [](const QWidget* page) { return page->windowTitle(); });
  }
  return nullptr;
}

}  // namespace

void InstallKitAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(&KitControlFactory);
    return true;
  }();
  (void)installed;
}

}  // namespace vantrel
