#include "ui/MainMenu.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenuBar>
#include <span>

#include "ui/MenuCH.h"
#include "ui/ResourceIds.h"

namespace vantrel {
namespace {

// Texts in English, translated under the context "MainMenu" as the menu is
// built; a translation carries its own key label after the tab.
struct MenuEntry {
  int command;  // 0: a separator
  const char* text;
  int bitmap;
};

struct MenuPopup {
  const char* title;  // plain text with its Alt access key
  std::span<const MenuEntry> entries;
};

struct Accelerator {
  QKeyCombination key;
  int command;
};

constexpr MenuEntry kSeparator{0, "", 0};

constexpr MenuEntry kFileEntries[] = {
    {ids::kCmdLaunchCalculator,
     QT_TRANSLATE_NOOP("MainMenu", "Launch Calculator          \tCtrl+L"), ids::kCalculatorBitmap},
    {ids::kCmdCoordinateConverter, QT_TRANSLATE_NOOP("MainMenu", "Coordinate Converter"),
     ids::kCoordinatesBitmap},
    kSeparator,
    {ids::kCmdExit, QT_TRANSLATE_NOOP("MainMenu", "Exit"), ids::kExitBitmap},
};

constexpr MenuEntry kEditEntries[] = {
    {ids::kCmdCopyOutput, QT_TRANSLATE_NOOP("MainMenu", "Copy Output      \tCtrl+C"),
     ids::kCopyBitmap},
    {ids::kCmdFind, QT_TRANSLATE_NOOP("MainMenu", "Find      \tCtrl+F"), ids::kFindBitmap},
    {ids::kCmdInvertUnits, QT_TRANSLATE_NOOP("MainMenu", "Invert Units      \tCtrl+I"),
     ids::kInvertBitmap},
    kSeparator,
    {ids::kCmdUnits, QT_TRANSLATE_NOOP("MainMenu", "Units"), ids::kUnitsBitmap},
    {ids::kCmdCategories, QT_TRANSLATE_NOOP("MainMenu", "Categories"), ids::kCategoriesBitmap},
    {ids::kCmdPreferences, QT_TRANSLATE_NOOP("MainMenu", "Preferences      \tCtrl+P"),
     ids::kPreferencesBitmap},
};

constexpr MenuEntry kHelpEntries[] = {
    {ids::kCmdContents, QT_TRANSLATE_NOOP("MainMenu", "Contents      \tF1"), ids::kContentsBitmap},
    kSeparator,
    {ids::kCmdAbout, QT_TRANSLATE_NOOP("MainMenu", "About..."), ids::kAboutBitmap},
    {ids::kCmdCheckForUpdates, QT_TRANSLATE_NOOP("MainMenu", "Check for updates or Donate..."),
     ids::kDonateBitmap},
};

constexpr MenuPopup kPopups[] = {
    {QT_TRANSLATE_NOOP("MainMenu", "&File"), kFileEntries},
    {QT_TRANSLATE_NOOP("MainMenu", "&Edit"), kEditEntries},
    {QT_TRANSLATE_NOOP("MainMenu", "&Help"), kHelpEntries},
};

// The help key runs Contents; Ctrl+Q quits as the desktop's programs do.
constexpr Accelerator kAccelerators[] = {
    {Qt::CTRL | Qt::Key_L, ids::kCmdLaunchCalculator},
    {Qt::CTRL | Qt::Key_C, ids::kCmdCopyOutput},
    {Qt::CTRL | Qt::Key_F, ids::kCmdFind},
    {Qt::CTRL | Qt::Key_I, ids::kCmdInvertUnits},
    {Qt::CTRL | Qt::Key_P, ids::kCmdPreferences},
    {Qt::CTRL | Qt::Key_Q, ids::kCmdExit},
    {QKeyCombination(Qt::Key_F1), ids::kCmdContents},
};

// The command of a key, or 0.
int TranslateAccelerator(QKeyCombination key) {
  // The keypad does not change which key it is.
  const QKeyCombination plain(key.keyboardModifiers() & ~Qt::KeypadModifier, key.key());
  for (const Accelerator& accelerator : kAccelerators) {
    if (accelerator.key == plain) return accelerator.command;
  }
  return 0;
}

QString Translated(const char* text) { return QCoreApplication::translate("MainMenu", text); }

// The key of a command as a screen reader names it, in the user's language
// ("Strg+L"), or empty.
QString KeyOf(int command) {
  for (const Accelerator& accelerator : kAccelerators) {
    if (accelerator.command == command)
      return QKeySequence(accelerator.key).toString(QKeySequence::NativeText);
  }
  return {};
}

// Sees every key press of the application first and takes those of its
// window that are accelerators.
class AcceleratorFilter final : public QObject {
 public:
  AcceleratorFilter(QWidget& window, std::function<void(int)> run)
      : QObject(&window), window_(window), run_(std::move(run)) {
    QCoreApplication::instance()->installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != &window_) return false;
    const int command = TranslateAccelerator(static_cast<QKeyEvent*>(event)->keyCombination());
    if (command == 0) return false;
    run_(command);
    return true;
  }

 private:
  QWidget& window_;
  std::function<void(int)> run_;
};

}  // namespace

void BuildMainMenu(QMenuBar& bar, const QFont& font) {
  for (const MenuPopup& popup : kPopups) {
    auto* menu = new CMenuCH(Translated(popup.title), &bar);
    menu->setFont(font);
    for (const MenuEntry& entry : popup.entries) {
      if (entry.command == 0) {
        menu->AppendSeparator();
      } else {
        const QAction* action =
            menu->AppendItem(entry.command, Translated(entry.text), entry.bitmap);
        menu->SetKeyBinding(action, KeyOf(entry.command));
      }
    }
    bar.addMenu(menu);
  }
}

CMenuCH* MainMenuPopup(const QMenuBar& bar, int position) {
  const QList<QAction*> titles = bar.actions();
  if (position < 0 || position >= titles.size()) return nullptr;
  return qobject_cast<CMenuCH*>(titles[position]->menu());
}

void InstallAccelerators(QWidget& window, std::function<void(int command)> run) {
  new AcceleratorFilter(window, std::move(run));
}

}  // namespace vantrel
