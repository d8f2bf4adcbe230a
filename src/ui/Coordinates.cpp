#include "ui/Coordinates.h"

#include <QAbstractItemView>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <optional>

#include "geo/Ellipsoid.h"
#include "geo/Utm.h"
#include "platform/NumberText.h"
#include "ui/AppContext.h"
#include "ui/ResourceIds.h"
#include "ui/kit/DataExchange.h"
#include "ui/kit/DropDownList.h"
#include "ui/kit/ProgramChange.h"

namespace vantrel {
namespace {

bool Admitted(QChar c) { return c == u'\b' || QStringLiteral("-0123456789.").contains(c); }

// The character a key press types, as the platform would post it: Ctrl with a
// letter types a control character (Ctrl+C is 3), which is how the clipboard
// keys reach an edit box. Keys that type nothing, and Enter, Tab, Escape and
// Delete, whose texts are control characters too, are left alone.
std::optional<QChar> TypedCharacter(const QKeyEvent& key) {
  const bool control =
      (key.modifiers() & Qt::ControlModifier) && !(key.modifiers() & Qt::AltModifier);
  if (control && key.key() >= Qt::Key_A && key.key() <= Qt::Key_Z) {
    return QChar(static_cast<char16_t>(key.key() - Qt::Key_A + 1));
  }
  if (key.key() == Qt::Key_Backspace) return control ? QChar(0x7F) : QChar(u'\b');
  const QString text = key.text();
  if (text.isEmpty() || !text.front().isPrint()) return std::nullopt;
  return text.front();
}

QString Number(double value) { return QString::fromStdString(FormatText("%1.3f", value)); }

double NumberOf(const QString& text) { return ParseDouble(text.toStdString()); }

const Ellipsoid& EllipsoidAt(int index) { return Ellipsoids()[index]; }

constexpr int kWholeNumberBoxes[] = {ids::kLatitudeDegrees,  ids::kLatitudeMinutes,
                                     ids::kLatitudeSeconds,  ids::kLongitudeDegrees,
                                     ids::kLongitudeMinutes, ids::kLongitudeSeconds};

// An emptied box, or a minus typed as the first character of a negative
// number: the number is still being typed.
bool IsEntryInProgress(const QString& text) {
  const QString entry = text.trimmed();
  return entry.isEmpty() || entry == QStringLiteral("-");
}

}  // namespace

CCoordinates::CCoordinates(AppContext& context, QWidget* parent)
    : TemplateDialog(context.templates, ids::kCoordinatesDialog, context.dialogFont, parent) {
  SetShell(&context.shell);
  const auto on = [this](int id, Notification what, void (CCoordinates::*compute)()) {
    return CommandRoute{id, what, [this, compute] { Recompute(compute); }};
  };
  using N = Notification;
  AddRoutes({
      on(ids::kDecimalLatitude, N::kChanged, &CCoordinates::FromDecimal),
      on(ids::kDecimalLongitude, N::kChanged, &CCoordinates::FromDecimal),
      on(ids::kNorthing, N::kChanged, &CCoordinates::FromUTM),
      on(ids::kEasting, N::kChanged, &CCoordinates::FromUTM),
      on(ids::kZone, N::kChanged, &CCoordinates::FromUTM),
      on(ids::kNorthern, N::kClicked, &CCoordinates::FromUTM),
      on(ids::kSouthern, N::kClicked, &CCoordinates::FromUTM),
      {ids::kEllipsoidList, N::kSelChange, [this] { OnSelectEllipsoid(); }},
  });
  for (const int id : kWholeNumberBoxes)
    AddRoutes({{id, N::kChanged, [this] { OnWholeNumberChanged(); }}});
}

void CCoordinates::OnInitDialog() {
  {
    const ProgramChange own(busy_);
    UpdateData(false);
    DropDownList* list = DropDownItem(ids::kEllipsoidList);
    for (const Ellipsoid& ellipsoid : Ellipsoids()) {
      list->AddString(QString::fromStdString(std::string(ellipsoid.name)));
    }
    list->SetCurSel(0);
    ellipsoid_ = list->GetCurSel();
    // The open list's keys reach its view, not the list.
    list->view()->installEventFilter(this);
  }
  Recompute(&CCoordinates::FromDecimal);
}

void CCoordinates::DoDataExchange(DataExchange& dx) {
  dx.Text(ids::kDecimalLatitude, latitudeText_);
  dx.Text(ids::kDecimalLongitude, longitudeText_);
  ExchangeDegrees(dx, ids::kLatitudeDegrees, latitude_);
  ExchangeWholeNumber(dx, ids::kLatitudeMinutes, latitude_.minutes);
  ExchangeWholeNumber(dx, ids::kLatitudeSeconds, latitude_.seconds);
  ExchangeDegrees(dx, ids::kLongitudeDegrees, longitude_);
  ExchangeWholeNumber(dx, ids::kLongitudeMinutes, longitude_.minutes);
  ExchangeWholeNumber(dx, ids::kLongitudeSeconds, longitude_.seconds);
  dx.Text(ids::kNorthing, northingText_);
  dx.Text(ids::kEasting, eastingText_);
  dx.Text(ids::kZone, zoneText_);
  dx.Radio(ids::kNorthern, hemisphere_);
}

void CCoordinates::ExchangeWholeNumber(DataExchange& dx, int id, int& value) {
  // A number still being typed keeps the member: a recomputation from the
  // other forms gives the box its number back.
  if (dx.Saving() && IsEntryInProgress(ItemText(id))) return;
  dx.Int(id, value);
}

void CCoordinates::ExchangeDegrees(DataExchange& dx, int id, DMS& dms) {
  if (!dx.Saving()) {
    SetItemText(id, QString::fromStdString(DegreesText(dms)));
    return;
  }
  if (IsEntryInProgress(ItemText(id))) return;
  dx.Int(id, dms.degrees);
  // Read only when this box, and every box before it, held a whole number.
  if (dx.FailedId() == 0) dms.negative = ItemText(id).contains(u'-');
}

void CCoordinates::Recompute(void (CCoordinates::*compute)()) {
  if (busy_) return;
  const ProgramChange own(busy_);
  // A degree, minute or second box without a whole number has been reported
  // and keeps its member's last value, which the write below puts back.
  UpdateData(true);
  (this->*compute)();
  UpdateData(false);
}

void CCoordinates::OnWholeNumberChanged() {
  // Nothing to compute from until every box holds its number: no message and
  // no rewrite of the other forms from a number cut short.
  for (const int id : kWholeNumberBoxes)
    if (IsEntryInProgress(ItemText(id))) return;
  Recompute(&CCoordinates::FromDMS);
}

void CCoordinates::FromDecimal() {
  const double latitude = NumberOf(latitudeText_);
  const double longitude = NumberOf(longitudeText_);
  latitude_ = DecimalToDMS(latitude);
  longitude_ = DecimalToDMS(longitude);
  ShowUTM(LatLongToUTM(latitude, longitude, EllipsoidAt(ellipsoid_)));
}

void CCoordinates::FromDMS() {
  const double latitude = DMSToDecimal(latitude_);
  const double longitude = DMSToDecimal(longitude_);
  ShowUTM(LatLongToUTM(latitude, longitude, EllipsoidAt(ellipsoid_)));
  latitudeText_ = Number(latitude);
  longitudeText_ = Number(longitude);
}

void CCoordinates::FromUTM() {
  // The zone is the number its first two characters make: "16 S" is 16.
  const int zone = ParseLeadingInt(zoneText_.left(2).toStdString());
  const LatLong point = UTMToLatLong(NumberOf(northingText_), NumberOf(eastingText_), zone,
                                     hemisphere_, EllipsoidAt(ellipsoid_));
  latitude_ = DecimalToDMS(point.latitude);
  longitude_ = DecimalToDMS(point.longitude);
  latitudeText_ = Number(point.latitude);
  longitudeText_ = Number(point.longitude);
}

void CCoordinates::ShowUTM(const UTMResult& utm) {
  northingText_ = Number(utm.northing);
  eastingText_ = Number(utm.easting);
  zoneText_ = QString::fromStdString(FormatText("%d %c", utm.zoneNumber, utm.zoneLetter));
  hemisphere_ = utm.southern;
}

void CCoordinates::OnSelectEllipsoid() {
  const int selected = DropDownItem(ids::kEllipsoidList)->GetCurSel();
  if (selected >= 0) ellipsoid_ = selected;
  Recompute(&CCoordinates::FromDecimal);
}

bool CCoordinates::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const std::optional<QChar> typed = TypedCharacter(*static_cast<QKeyEvent*>(event));
    if (typed && !Admitted(*typed)) return true;
  } else if (event->type() == QEvent::InputMethod) {
    const QString committed = static_cast<QInputMethodEvent*>(event)->commitString();
    for (QChar c : committed) {
      if (!Admitted(c)) return true;
    }
  }
  return TemplateDialog::eventFilter(watched, event);
}

}  // namespace vantrel
