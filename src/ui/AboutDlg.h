// The About box: the icon, the product and its version, the banner picture,
// the terms of use and a link to the home page. The banner and the link open
// their page and leave the box open.
#pragma once

#include "ui/Picture.h"
#include "ui/kit/TemplateDialog.h"

namespace vantrel {

struct AppContext;

class CAboutDlg : public TemplateDialog {
  Q_OBJECT

 public:
  static constexpr int kBannerWidth = 250;
  static constexpr int kBannerHeight = 57;

  explicit CAboutDlg(AppContext& context, QWidget* parent = nullptr);

 protected:
  void OnInitDialog() override;

 private:
  void PlaceBanner();
  void OpenHomePage();

  AppContext& context_;
  CPicture banner_;
};

}  // namespace vantrel
