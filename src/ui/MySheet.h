// The "Preferences" sheet: the General, Result Format and Visible Categories
// pages in the preferred dialog font, whether or not the custom font is on.
// OK runs every page's OK action, also of pages never looked at, and stores
// them in one replace of the settings file; Cancel stores nothing.
#pragma once

#include "ui/General.h"
#include "ui/ResultFormatPage.h"
#include "ui/Visible.h"
#include "ui/kit/PropertySheet.h"

namespace vantrel {

struct AppContext;

class CMySheet : public PropertySheet {
  Q_OBJECT

 public:
  CMySheet(AppContext& context, QWidget* owner);

  CGeneral& General() { return general_; }
  CResultFormat& ResultFormatPage() { return resultFormat_; }
  CVisible& VisiblePage() { return visible_; }

 protected:
  void OnOK() override;

 private:
  AppContext& context_;
  CGeneral general_;
  CResultFormat resultFormat_;
  CVisible visible_;
};

}  // namespace vantrel
