// The About box: the icon, the product and its version, the banner picture,
// the terms of use and a link to the home page. The banner and the link open
// their page and leave the box open; both are reached with Tab and opened
// with Enter or Space too.
#pragma once

#include <QRgb>

#include "ui/Picture.h"
#include "ui/kit/TemplateDialog.h"

namespace vantrel {

struct AppContext;

class CAboutDlg : public TemplateDialog {
  Q_OBJECT

 public:
  static constexpr int kBannerWidth = 250;
  static constexpr int kBannerHeight = 57;
  static constexpr QRgb kLinkBlue = qRgb(0, 0, 255);

  explicit CAboutDlg(AppContext& context, QWidget* parent = nullptr);

 protected:
  void OnInitDialog() override;
  void changeEvent(QEvent* event) override;

 private:
  void PlaceBanner();
  void ColourLink();
  void OpenHomePage();

  AppContext& context_;
  CPicture banner_;
};

}  // namespace vantrel
