// What a screen reader learns of the kit's own controls, beyond what Qt says
// of its widgets: a static text is named by the text it shows, kept current,
// and one that reports clicks is a link; a picture that reports clicks is a
// push button; a group box is a grouping named by its title; a drop-down
// list is named by its label, with the entry it shows as its value; a page
// of a property sheet is a page named by its tab.
#pragma once

namespace vantrel {

// Once per process; every template dialog asks for it.
void InstallKitAccessibility();

}  // namespace vantrel
