// What a screen reader learns of an owner-drawn pop-up's items: each is a
// menu item named by its label alone (without the blanks that line up the
// key labels), with its keyboard shortcut as the key binding of its press,
// which runs the command once the request is answered.
#pragma once

namespace vantrel {

// Once per process; every CMenuCH asks for it.
void InstallMenuItemAccessibility();

}  // namespace vantrel
