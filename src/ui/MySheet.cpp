#include "ui/MySheet.h"

#include "ui/AppContext.h"

namespace vantrel {

CMySheet::CMySheet(AppContext& context, QWidget* owner)
    : PropertySheet(tr("Preferences"), context.dialogFont, owner),
      context_(context),
      general_(context),
      resultFormat_(context),
      visible_(context) {
  ScalePagesFromTemplateFonts();
  AddPage(&general_);
  AddPage(&resultFormat_);
  AddPage(&visible_);
}

void CMySheet::OnOK() {
  Profile::Batch batch(context_.profile);
  PropertySheet::OnOK();
}

}  // namespace vantrel
