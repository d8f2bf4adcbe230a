// The program's dialog templates.
#pragma once

#include "ui/kit/DialogTemplate.h"
#include "ui/kit/DialogTemplateRegistry.h"

namespace vantrel {

// The main converter window (template 102).
DialogTemplate MainDialogTemplate();

// The pages of the Preferences sheet (templates 143, 145 and 144).
DialogTemplate GeneralPageTemplate();
DialogTemplate ResultFormatPageTemplate();
DialogTemplate VisiblePageTemplate();

// Every template of the program.
void AddProgramTemplates(DialogTemplateRegistry& registry);

}  // namespace vantrel
