// The program's dialog templates.
#pragma once

#include "ui/kit/DialogTemplate.h"
#include "ui/kit/DialogTemplateRegistry.h"

namespace vantrel {

// The main converter window (template 102).
DialogTemplate MainDialogTemplate();

// The coordinate converter (template 171).
DialogTemplate CoordinatesTemplate();

// Every template of the program.
void AddProgramTemplates(DialogTemplateRegistry& registry);

}  // namespace vantrel
