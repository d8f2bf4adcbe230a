// The main window's menu bar and keyboard accelerators, as data: the three
// pop-ups with their exact item texts (the runs of spaces before the tab keep
// the key labels clear of the labels), command ids and pictures.
#pragma once

#include <QFont>
#include <QKeyCombination>

class QMenuBar;
class QWidget;

namespace vantrel {

class CMenuCH;

// The command an accelerator gives the key, or 0.
int TranslateAccelerator(QKeyCombination key);

// A menu bar holding the three pop-ups, drawn by the program in `font`; each
// item's command goes to the pop-up's Command signal. The pop-ups are the
// bar's children.
QMenuBar* BuildMainMenu(const QFont& font, QWidget* parent = nullptr);

// The bar's pop-up at a position, or null.
CMenuCH* MainMenuPopup(const QMenuBar& bar, int position);

}  // namespace vantrel
