// The Visible Categories page of the Preferences sheet: every category with a
// check box, checked when the main window offers it. Its OK action stores
// every category's visibility, but only once the user may have changed one:
// the list had the keyboard focus or "Display All Categories" was clicked.
#pragma once

#include "ui/kit/PropertyPage.h"

namespace vantrel {

struct AppContext;

class CVisible : public PropertyPage {
  Q_OBJECT

 public:
  static constexpr int kColumnWidth = 175;

  explicit CVisible(AppContext& context);

  // Whether the user may have changed a visibility; the main window refills
  // its category list after OK when so.
  bool Changed() const { return changed_ != 0; }

 protected:
  void OnInitDialog() override;
  void OnOK() override;
  void DoDataExchange(DataExchange& dx) override;

 private:
  void OnListFocus();
  void OnDisplayAll();

  AppContext& context_;
  int displayAll_ = 0;
  int changed_ = 0;
};

}  // namespace vantrel
