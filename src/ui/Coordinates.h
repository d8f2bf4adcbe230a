// The coordinate converter: one point as decimal latitude and longitude, as
// whole degrees, minutes and seconds, and as UTM, over a reference ellipsoid
// chosen from a list. Any change in the boxes of one form recomputes the other
// two at once. Nothing is stored: each opening starts from the same point.
#pragma once

#include <QString>

#include "geo/Dms.h"
#include "ui/kit/TemplateDialog.h"

namespace vantrel {

struct AppContext;
struct UTMResult;

class CCoordinates : public TemplateDialog {
  Q_OBJECT

 public:
  explicit CCoordinates(AppContext& context, QWidget* parent = nullptr);

 protected:
  void OnInitDialog() override;
  void DoDataExchange(DataExchange& dx) override;
  // Lets only the characters of a number reach the controls.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Reads the boxes, runs one of the three computations below and writes the
  // boxes back; does nothing while one already runs, so that the change
  // events of its own writes start no other.
  void Recompute(void (CCoordinates::*compute)());
  // A degree, minute or second box changed.
  void OnWholeNumberChanged();
  void FromDecimal();
  void FromDMS();
  void FromUTM();
  void ShowUTM(const UTMResult& utm);
  void OnSelectEllipsoid();
  // A degree box keeps "-0" for a value between -1 and 0.
  void ExchangeDegrees(DataExchange& dx, int id, DMS& dms);
  // A minute or second box; one still being typed is not read.
  void ExchangeWholeNumber(DataExchange& dx, int id, int& value);

  QString latitudeText_ = QStringLiteral("33.732075");
  QString longitudeText_ = QStringLiteral("-84.90558");
  DMS latitude_;
  DMS longitude_;
  QString northingText_ = QStringLiteral("0");
  QString eastingText_ = QStringLiteral("0");
  QString zoneText_ = QStringLiteral("0");
  int hemisphere_ = 0;  // the index of the checked radio: 0 Northern, 1 Southern
  int ellipsoid_ = 0;
  bool busy_ = false;
};

}  // namespace vantrel
