// The Result Format page of the Preferences sheet: automatic, scientific or
// fixed notation and the precision of the last two, with a preview of a
// sample value. Its OK action stores the choice, which the main window's
// output uses from its next recomputation on.
#pragma once

#include <QString>

#include "settings/SettingsKeys.h"
#include "ui/kit/PropertyPage.h"

namespace vantrel {

struct AppContext;

class CResultFormat : public PropertyPage {
  Q_OBJECT

 public:
  static constexpr double kSample = 123.4567897689834;

  explicit CResultFormat(AppContext& context);

  // The sample in a format and precision; automatic shows 14 significant
  // digits.
  static QString PreviewText(ResultMode mode, int precision);

 protected:
  void OnInitDialog() override;
  void OnOK() override;
  void DoDataExchange(DataExchange& dx) override;

 private:
  void OnPrecision();
  void RefreshPreview();

  AppContext& context_;
  int mode_ = 0;  // the index of the checked button: a ResultMode
  int precision_ = 0;
};

}  // namespace vantrel
