#include "ui/SearchUnits.h"

#include <QStringList>

#include "platform/TextCase.h"
#include "ui/AppContext.h"
#include "ui/DisplayNames.h"
#include "ui/ResourceIds.h"
#include "ui/kit/ListBox.h"
#include "units/UnitCatalogue.h"

namespace vantrel {
namespace {

const QString kSeparator = QStringLiteral(" >> ");
const char* const kCoordinate = QT_TRANSLATE_NOOP("vantrel::CSearchUnits", "Coordinate");
// What the coordinate converter offers; the last one ends with a blank.
const char* const kCoordinateUnits[] = {
    QT_TRANSLATE_NOOP("vantrel::CSearchUnits", "latitude and longitude (decimal)"),
    QT_TRANSLATE_NOOP("vantrel::CSearchUnits", "latitude and longitude (degree, minute, second)"),
    QT_TRANSLATE_NOOP("vantrel::CSearchUnits", "UTM (northing, easting, zone, hemisphere) "),
};

// Only A-Z fold: any other letter matches in its own case alone.
QString FoldAsciiLetters(QString text) {
  for (QChar& c : text)
    if (c.unicode() < 0x80) c = QLatin1Char(LowerAscii(static_cast<char>(c.unicode())));
  return text;
}

}  // namespace

CSearchUnits::CSearchUnits(AppContext& context, QWidget* parent)
    : TemplateDialog(context.templates, ids::kSearchDialog, context.dialogFont, parent),
      context_(context) {}

void CSearchUnits::OnInitDialog() {
  AddRoutes({
      {ids::kSearchText, Notification::kChanged, [this] { OnFilter(); }},
      {ids::kMatchList, Notification::kDblClk, [this] { OnOK(); }},
  });
  BuildEntries();
  OnFilter();
  Item(ids::kSearchText)->setFocus();
}

void CSearchUnits::BuildEntries() {
  // Read anew at each opening, so that what the user added since is there.
  // The units are read from each category in place: the catalogue's current
  // category, and with it the main window's selection, never moves.
  // Each entry shows in the window's language and is found by its English
  // text too.
  std::vector<Entry> made;
  CUnitCatalogue& catalogue = context_.catalogue;
  catalogue.SetCategoryRestart(true);
  while (const CCategory* category = catalogue.NextCategory()) {
    const QString name = QString::fromStdString(category->Name());
    const QString shownCategory = CategoryDisplayName(name) + kSeparator;
    for (const auto& [key, unit] : category->Units()) {
      const QString unitName = QString::fromStdString(unit.name);
      const CUnit shown{
          UnitDisplayName(name, unitName).toStdString(),
          SymbolDisplayName(name, QString::fromStdString(unit.abbreviation)).toStdString()};
      made.push_back(
          {shownCategory + QString::fromStdString(UnitText(shown, true)),
           {},
           FoldAsciiLetters(name + kSeparator + QString::fromStdString(UnitText(unit, true))),
           name,
           unitName,
           false});
    }
  }
  const QString coordinate = tr(kCoordinate);
  for (const char* text : kCoordinateUnits) {
    const QString unit = tr(text);
    made.push_back({coordinate + kSeparator + unit,
                    {},
                    FoldAsciiLetters(QLatin1String(kCoordinate) + kSeparator + QLatin1String(text)),
                    coordinate,
                    unit,
                    true});
  }

  // Sorted once here, every filtered part is in the list's order already.
  QStringList texts;
  texts.reserve(static_cast<qsizetype>(made.size()));
  for (const Entry& entry : made) texts << entry.text;
  entries_.clear();
  entries_.reserve(made.size());
  for (int index : DisplayOrder(texts)) {
    Entry& entry = entries_.emplace_back(std::move(made[index]));
    entry.folded = FoldAsciiLetters(entry.text);
  }
}

void CSearchUnits::OnFilter() {
  const QString search = FoldAsciiLetters(ItemText(ids::kSearchText));
  shown_.clear();
  QStringList texts;
  for (int i = 0; i < static_cast<int>(entries_.size()); ++i) {
    if (!entries_[i].folded.contains(search) && !entries_[i].english.contains(search)) continue;
    shown_.push_back(i);
    texts << entries_[i].text;
  }
  ListBoxItem(ids::kMatchList)->ResetContent(texts);
}

void CSearchUnits::OnOK() {
  // The names are the entry's own, not cut from its text: a unit's name may
  // hold " >>" or "[" itself.
  chosenIndex_ = ListBoxItem(ids::kMatchList)->GetCurSel();
  if (chosenIndex_ >= 0) {
    const Entry& entry = entries_[shown_[chosenIndex_]];
    chosenCategory_ = entry.category;
    chosenUnit_ = entry.unit;
    choseCoordinates_ = entry.coordinates;
  }
  accept();
}

}  // namespace vantrel
