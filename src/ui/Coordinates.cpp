#include "ui/Coordinates.h"

#include <QAbstractItemView>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <optional>

#include "geo/CheckedUtm.h"
#include "geo/Ellipsoid.h"
#include "platform/NumberText.h"
#include "ui/AppContext.h"
#include "ui/ResourceIds.h"
#include "ui/kit/DataExchange.h"
#include "ui/kit/DropDownList.h"
#include "ui/kit/EditBox.h"
#include "ui/kit/ProgramChange.h"
#include "ui/kit/Shell.h"

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
    : TemplateDialog(context.templates, ids::kCoordinatesDialog, context.dialogFont, parent),
      context_(context) {
  SetShell(&context.shell);
  const auto on = [this](int id, Notification what, Computation compute) {
    return CommandRoute{id, what, [this, compute, id] { Recompute(compute, id); }};
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
    AddRoutes({{id, N::kChanged, [this, id] { OnWholeNumberChanged(id); }}});
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
  Recompute(&CCoordinates::FromDecimal, ids::kDecimalLatitude);
}

void CCoordinates::DoDataExchange(DataExchange& dx) {
  dx.Text(ids::kDecimalLatitude, forms_.latitudeText);
  dx.Text(ids::kDecimalLongitude, forms_.longitudeText);
  ExchangeDegrees(dx, ids::kLatitudeDegrees, forms_.latitude);
  ExchangeWholeNumber(dx, ids::kLatitudeMinutes, forms_.latitude.minutes);
  ExchangeWholeNumber(dx, ids::kLatitudeSeconds, forms_.latitude.seconds);
  ExchangeDegrees(dx, ids::kLongitudeDegrees, forms_.longitude);
  ExchangeWholeNumber(dx, ids::kLongitudeMinutes, forms_.longitude.minutes);
  ExchangeWholeNumber(dx, ids::kLongitudeSeconds, forms_.longitude.seconds);
  dx.Text(ids::kNorthing, forms_.northingText);
  dx.Text(ids::kEasting, forms_.eastingText);
  dx.Text(ids::kZone, forms_.zoneText);
  dx.Radio(ids::kNorthern, forms_.hemisphere);
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

void CCoordinates::Recompute(Computation compute, int source) {
  if (busy_) return;
  // Another control's turn: a refused entry is settled first.
  if (refused_ && refused_ != source) Refuse();
  const ProgramChange own(busy_);
  // A degree, minute or second box without a whole number has been reported
  // and keeps its member's last value, which the write below puts back.
  UpdateData(true);
  const std::string refusal = (this->*compute)();
  if (refusal.empty()) {
    UpdateData(false);
    shown_ = forms_;
    refused_ = 0;
    return;
  }
  // The other forms keep showing the last point.
  forms_ = shown_;
  refused_ = source;
  refusal_ = QString::fromStdString(refusal);
  auto* box = qobject_cast<EditBox*>(Item(source));
  if (!box || !box->hasFocus()) Refuse();
}

void CCoordinates::Refuse() {
  const int id = std::exchange(refused_, 0);
  const ProgramChange own(busy_);
  context_.shell.MessageBox(this, tr("Error"), refusal_, MessageIcon::kExclamation);
  UpdateData(false);
  Item(id)->setFocus();
  if (auto* box = qobject_cast<EditBox*>(Item(id))) box->selectAll();
}

void CCoordinates::OnWholeNumberChanged(int id) {
  // Nothing to compute from until every box holds its number: no message and
  // no rewrite of the other forms from a number cut short.
  for (const int box : kWholeNumberBoxes)
    if (IsEntryInProgress(ItemText(box))) return;
  Recompute(&CCoordinates::FromDMS, id);
}

std::string CCoordinates::FromDecimal() {
  const double latitude = NumberOf(forms_.latitudeText);
  const double longitude = NumberOf(forms_.longitudeText);
  const GeoResult<UTMResult> utm = CheckedLatLongToUTM(
      latitude, longitude, std::nullopt, EllipsoidAt(ellipsoid_), UtmMethod::kClassic);
  if (!utm) return utm.message;
  forms_.latitude = DecimalToDMS(latitude);
  forms_.longitude = DecimalToDMS(longitude);
  ShowUTM(utm.value);
  return {};
}

std::string CCoordinates::FromDMS() {
  for (const DMS& dms : {forms_.latitude, forms_.longitude}) {
    for (const int part : {dms.minutes, dms.seconds})
      if (part < 0 || part > 59) return "minutes and seconds must be between 0 and 59";
  }
  const double latitude = DMSToDecimal(forms_.latitude);
  const double longitude = DMSToDecimal(forms_.longitude);
  const GeoResult<UTMResult> utm = CheckedLatLongToUTM(
      latitude, longitude, std::nullopt, EllipsoidAt(ellipsoid_), UtmMethod::kClassic);
  if (!utm) return utm.message;
  ShowUTM(utm.value);
  forms_.latitudeText = Number(latitude);
  forms_.longitudeText = Number(longitude);
  return {};
}

std::string CCoordinates::FromUTM() {
  // The zone is the number its first two characters make: "16 S" is 16.
  const UtmText position{ParseLeadingInt(forms_.zoneText.left(2).toStdString()), 0,
                         forms_.hemisphere == 1 ? 1 : 0, NumberOf(forms_.eastingText),
                         NumberOf(forms_.northingText)};
  const GeoResult<LatLong> point =
      UtmTextToLatLong(position, EllipsoidAt(ellipsoid_), UtmMethod::kClassic);
  if (!point) return point.message;
  forms_.latitude = DecimalToDMS(point.value.latitude);
  forms_.longitude = DecimalToDMS(point.value.longitude);
  forms_.latitudeText = Number(point.value.latitude);
  forms_.longitudeText = Number(point.value.longitude);
  return {};
}

void CCoordinates::ShowUTM(const UTMResult& utm) {
  forms_.northingText = Number(utm.northing);
  forms_.eastingText = Number(utm.easting);
  forms_.zoneText = QString::fromStdString(FormatText("%d %c", utm.zoneNumber, utm.zoneLetter));
  forms_.hemisphere = utm.southern;
}

void CCoordinates::OnSelectEllipsoid() {
  const int selected = DropDownItem(ids::kEllipsoidList)->GetCurSel();
  if (selected >= 0) ellipsoid_ = selected;
  Recompute(&CCoordinates::FromDecimal, ids::kEllipsoidList);
}

bool CCoordinates::eventFilter(QObject* watched, QEvent* event) {
  // The focus has left a box whose entry has no answer: once it has
  // settled, the box is told and takes it back.
  if (event->type() == QEvent::FocusIn && refused_ && watched != Item(refused_)) {
    QMetaObject::invokeMethod(
        this,
        [this] {
          if (refused_) Refuse();
        },
        Qt::QueuedConnection);
  }
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
