// A page of a property sheet: a dialog from a template with the kChild style,
// always in the preferred dialog font. The sheet creates it (OnInitDialog
// runs then) and, when the user presses the sheet's OK, runs its OnOK, the
// page's OK action; Cancel runs nothing. Its caption is the tab's title.
#pragma once

#include "ui/kit/TemplateDialog.h"

namespace vantrel {

class PropertyPage : public TemplateDialog {
  Q_OBJECT

 public:
  PropertyPage(const DialogTemplateRegistry& templates, int templateId, const PreferredFont& font)
      : TemplateDialog(templates, templateId, font) {
    AlwaysUsePreferredFont();
  }

  // The OK action, run by the sheet.
  void Apply() { OnOK(); }
  // Builds the page in its template's font, for a sheet that re-fonts it.
  void BuildInTemplateFont() { UseTemplateFont(); }

 protected:
  void OnOK() override {}
  void OnCancel() override {}
};

}  // namespace vantrel
