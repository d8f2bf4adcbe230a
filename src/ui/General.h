// The General page of the Preferences sheet: always on top, remember the last
// selection, show abbreviations, and the custom dialog font's face and size.
// Its OK action stores all six and puts the main window on top, or not, at
// once.
#pragma once

#include <QString>
#include <QStringList>

#include "ui/kit/PropertyPage.h"

namespace vantrel {

struct AppContext;

class CGeneral : public PropertyPage {
  Q_OBJECT

 public:
  // Item i of the size list stands for i + 8 points.
  static constexpr int kFirstFontSize = 8;
  static constexpr int kFontSizes = 5;

  explicit CGeneral(AppContext& context);

  // Enables the face and size lists while the custom font is checked, and
  // then selects the present face and size in them.
  void OnCustomFont();

 protected:
  void OnInitDialog() override;
  void OnOK() override;
  void DoDataExchange(DataExchange& dx) override;

 private:
  void FillFaceList();
  // The entry of the face list for a face: the face itself, ignoring case,
  // else the face the system shows in its place; -1 when neither is listed.
  int FindFace(const QString& face) const;

  AppContext& context_;
  int showAbbreviation_ = 0;
  int onTop_ = 0;
  int rememberLast_ = 0;
  int customFont_ = 0;
};

// A family that several foundries make is listed once per foundry, tagged
// "Nimbus Sans [URW ]": the family name alone, without the tag.
QString FontFamilyOf(const QString& listed);
// Each family of the list once, without foundry tags, in the list's order.
QStringList FontFamilies(const QStringList& listed);

// Keeps a shown window above other windows, or lets it go, without hiding,
// moving or resizing it.
void SetAlwaysOnTop(QWidget& window, bool onTop);

}  // namespace vantrel
