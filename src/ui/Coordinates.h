// The coordinate converter: one point as decimal latitude and longitude, as
// whole degrees, minutes and seconds, and as UTM, over a reference ellipsoid
// chosen from a list. Any change in the boxes of one form recomputes the other
// two at once. Nothing is stored: each opening starts from the same point.
//
// An entry with no possible answer (a latitude beyond UTM's, a grid
// position beyond the pole or outside its zone's reach, a point the classic
// series cannot place to its accuracy) is refused: the message says why, and
// the box gets back the value the other forms show. A box being typed into
// is told only when the focus leaves it, since typing passes through such
// values on its way to a possible one: a southern northing does at every
// digit.
#pragma once

#include <QString>
#include <string>

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
  // What the boxes hold, each bound to one.
  struct Forms {
    QString latitudeText = QStringLiteral("33.732075");
    QString longitudeText = QStringLiteral("-84.90558");
    DMS latitude;
    DMS longitude;
    QString northingText = QStringLiteral("0");
    QString eastingText = QStringLiteral("0");
    QString zoneText = QStringLiteral("0");
    int hemisphere = 0;  // the index of the checked radio: 0 Northern, 1 Southern
  };
  // Each computes the other forms from one, or says why it cannot.
  using Computation = std::string (CCoordinates::*)();

  // Reads the boxes, runs the computation of the control `source` changed
  // and writes the boxes back; does nothing while one already runs, so that
  // the change events of its own writes start no other.
  void Recompute(Computation compute, int source);
  // Says why the entry in `refused_` has no answer and gives its box back.
  void Refuse();
  // A degree, minute or second box changed.
  void OnWholeNumberChanged(int id);
  std::string FromDecimal();
  std::string FromDMS();
  std::string FromUTM();
  void ShowUTM(const UTMResult& utm);
  void OnSelectEllipsoid();
  // A degree box keeps "-0" for a value between -1 and 0.
  void ExchangeDegrees(DataExchange& dx, int id, DMS& dms);
  // A minute or second box; one still being typed is not read.
  void ExchangeWholeNumber(DataExchange& dx, int id, int& value);

  AppContext& context_;
  Forms forms_;
  Forms shown_;      // the last point all three forms showed together
  int refused_ = 0;  // the control whose entry waits to be refused, or 0
  QString refusal_;  // and why
  int ellipsoid_ = 0;
  bool busy_ = false;
};

}  // namespace vantrel
