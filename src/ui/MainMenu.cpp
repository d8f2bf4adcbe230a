#include "ui/MainMenu.h"

#include <QMenuBar>
#include <span>

#include "ui/MenuCH.h"
#include "ui/ResourceIds.h"

namespace vantrel {
namespace {

struct MenuEntry {
  int command;  // 0: a separator
  const char16_t* text;
  int bitmap;
};

struct MenuPopup {
  const char16_t* title;  // plain text with its Alt access key
  std::span<const MenuEntry> entries;
};

struct Accelerator {
  QKeyCombination key;
  int command;
};

constexpr MenuEntry kSeparator{0, u"", 0};

constexpr MenuEntry kFileEntries[] = {
    {ids::kCmdLaunchCalculator, u"Launch Calculator          \tCtrl+L", ids::kCalculatorBitmap},
    {ids::kCmdCoordinateConverter, u"Coordinate Converter", ids::kCoordinatesBitmap},
    kSeparator,
    {ids::kCmdExit, u"Exit", ids::kExitBitmap},
};

constexpr MenuEntry kEditEntries[] = {
    {ids::kCmdCopyOutput, u"Copy Output      \tCtrl+C", ids::kCopyBitmap},
    {ids::kCmdFind, u"Find      \tCtrl+F", ids::kFindBitmap},
    {ids::kCmdInvertUnits, u"Invert Units      \tCtrl+I", ids::kInvertBitmap},
    kSeparator,
    {ids::kCmdUnits, u"Units", ids::kUnitsBitmap},
    {ids::kCmdCategories, u"Categories", ids::kCategoriesBitmap},
    {ids::kCmdPreferences, u"Preferences      \tCtrl+P", ids::kPreferencesBitmap},
};

constexpr MenuEntry kHelpEntries[] = {
    {ids::kCmdContents, u"Contents      \tF1", ids::kContentsBitmap},
    kSeparator,
    {ids::kCmdAbout, u"About...", ids::kAboutBitmap},
    {ids::kCmdCheckForUpdates, u"Check for updates or Donate...", ids::kDonateBitmap},
};

constexpr MenuPopup kPopups[] = {
    {u"&File", kFileEntries},
    {u"&Edit", kEditEntries},
    {u"&Help", kHelpEntries},
};

constexpr Accelerator kAccelerators[] = {
    {Qt::CTRL | Qt::Key_L, ids::kCmdLaunchCalculator},
    {Qt::CTRL | Qt::Key_C, ids::kCmdCopyOutput},
    {Qt::CTRL | Qt::Key_F, ids::kCmdFind},
    {Qt::CTRL | Qt::Key_I, ids::kCmdInvertUnits},
    {Qt::CTRL | Qt::Key_P, ids::kCmdPreferences},
};

}  // namespace

int TranslateAccelerator(QKeyCombination key) {
  // The keypad does not change which key it is.
  const QKeyCombination plain(key.keyboardModifiers() & ~Qt::KeypadModifier, key.key());
  for (const Accelerator& accelerator : kAccelerators) {
    if (accelerator.key == plain) return accelerator.command;
  }
  return 0;
}

QMenuBar* BuildMainMenu(const QFont& font, QWidget* parent) {
  auto* bar = new QMenuBar(parent);
  for (const MenuPopup& popup : kPopups) {
    auto* menu = new CMenuCH(QString::fromUtf16(popup.title), bar);
    menu->setFont(font);
    for (const MenuEntry& entry : popup.entries) {
      if (entry.command == 0) {
        menu->AppendSeparator();
      } else {
        menu->AppendItem(entry.command, QString::fromUtf16(entry.text), entry.bitmap);
      }
    }
    bar->addMenu(menu);
  }
  return bar;
}

CMenuCH* MainMenuPopup(const QMenuBar& bar, int position) {
  const QList<QAction*> titles = bar.actions();
  if (position < 0 || position >= titles.size()) return nullptr;
  return qobject_cast<CMenuCH*>(titles[position]->menu());
}

}  // namespace vantrel
