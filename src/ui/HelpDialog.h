// The Help window: a short guide in read-only rich text, its four headings in
// bold and the settings folder in blue, and a button that opens the user
// manual. OK, Enter and Escape close it.
#pragma once

#include "ui/kit/TemplateDialog.h"

namespace vantrel {

struct AppContext;

class CHelpDialog : public TemplateDialog {
  Q_OBJECT

 public:
  explicit CHelpDialog(AppContext& context, QWidget* parent = nullptr);

 protected:
  void OnInitDialog() override;

 private:
  void OnOnlineManual();

  AppContext& context_;
};

}  // namespace vantrel
