// The main window's menu bar and keyboard accelerators, as data: the three
// pop-ups with their exact item texts (the runs of spaces before the tab keep
// the key labels clear of the labels), command ids and pictures.
#pragma once

#include <QFont>
#include <functional>

class QMenuBar;
class QWidget;

namespace vantrel {

class CMenuCH;

// Puts the three pop-ups, drawn by the program in `font`, on the bar; they
// are its children. Each item's key binding is its command's accelerator.
void BuildMainMenu(QMenuBar& bar, const QFont& font);

// The bar's pop-up at a position, or null.
CMenuCH* MainMenuPopup(const QMenuBar& bar, int position);

// Hands the window's accelerators (F1 is Contents, Ctrl+Q Exit) to `run`
// before any control of the window sees the key, whichever has the focus.
void InstallAccelerators(QWidget& window, std::function<void(int command)> run);

}  // namespace vantrel
