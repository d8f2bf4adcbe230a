// The program's dialog templates.
#pragma once

#include "ui/kit/DialogTemplate.h"
#include "ui/kit/DialogTemplateRegistry.h"

namespace vantrel {

// The main converter window (template 102).
DialogTemplate MainDialogTemplate();

// The About box (template 100) and the Help window (template 140).
DialogTemplate AboutDialogTemplate();
DialogTemplate HelpDialogTemplate();

// "Add / Remove Units" (template 141).
DialogTemplate CustomUnitsTemplate();

// "Add / Remove Categories" (template 142).
DialogTemplate CustomCategoriesTemplate();

// The pages of the Preferences sheet (templates 143, 145 and 144).
DialogTemplate GeneralPageTemplate();
DialogTemplate ResultFormatPageTemplate();
DialogTemplate VisiblePageTemplate();
// The coordinate converter (template 171).
DialogTemplate CoordinatesDialogTemplate();

// Every template of the program.
void AddProgramTemplates(DialogTemplateRegistry& registry);

}  // namespace vantrel
