// The desktop's style, except that the picture of a menu bar's overflow
// button is read when it is first drawn. Every menu bar makes that button
// (shown only when the bar is too narrow for its menus), and reading its
// picture at once costs the window's start the image readers' set-up.
#pragma once

#include <QProxyStyle>

namespace vantrel {

class DeferredIconStyle : public QProxyStyle {
 public:
  // The desktop's style when none is given; the style takes the base.
  explicit DeferredIconStyle(QStyle* base = nullptr) : QProxyStyle(base) {}
  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                     const QWidget* widget = nullptr) const override;
};

}  // namespace vantrel
