// The palettes the window's colours are judged under: the application's own
// (light) and a dark one, the colours of qt6ct's "darker" scheme.
#pragma once

#include <QApplication>
#include <QPalette>

namespace vantrel::testing {

inline QPalette DarkPalette() {
  QPalette dark;
  const struct {
    QPalette::ColorRole role;
    QRgb colour;
  } roles[] = {
      {QPalette::WindowText, 0xffffff},  {QPalette::Button, 0x424245},
      {QPalette::Light, 0x979797},       {QPalette::Midlight, 0x5e5c5b},
      {QPalette::Dark, 0x302f2e},        {QPalette::Mid, 0x4a4947},
      {QPalette::Text, 0xffffff},        {QPalette::BrightText, 0xffffff},
      {QPalette::ButtonText, 0xffffff},  {QPalette::Base, 0x3d3d3d},
      {QPalette::Window, 0x222020},      {QPalette::Shadow, 0xe7e4e0},
      {QPalette::Highlight, 0x12608a},   {QPalette::HighlightedText, 0xf9f9f9},
      {QPalette::Link, 0x0986d3},        {QPalette::ToolTipBase, 0x3f3f36},
      {QPalette::ToolTipText, 0xffffff},
  };
  for (const auto& [role, colour] : roles) dark.setColor(role, QColor(colour));
  return dark;
}

// The application's palette for one scope; `dark` false keeps the light one.
class ScopedPalette {
 public:
  explicit ScopedPalette(bool dark) : before_(QApplication::palette()) {
    if (dark) QApplication::setPalette(DarkPalette());
  }
  ~ScopedPalette() { QApplication::setPalette(before_); }
  ScopedPalette(const ScopedPalette&) = delete;
  ScopedPalette& operator=(const ScopedPalette&) = delete;

 private:
  QPalette before_;
};

}  // namespace vantrel::testing
