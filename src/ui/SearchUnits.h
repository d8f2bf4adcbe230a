// The find dialog: every unit of every category, hidden ones too, and the
// coordinate converter's three entries, narrowed to those that hold the typed
// text; GO (or a double click) names the chosen category and unit for the
// main window to show.
#pragma once

#include <QString>
#include <vector>

#include "ui/kit/TemplateDialog.h"

namespace vantrel {

struct AppContext;

class CSearchUnits : public TemplateDialog {
  Q_OBJECT

 public:
  explicit CSearchUnits(AppContext& context, QWidget* parent = nullptr);

  // What GO took: the index of the selected entry (-1 when none was), its
  // category and unit. A coordinate entry names the category "Coordinate"
  // and the rest of the entry as its unit.
  int ChosenIndex() const { return chosenIndex_; }
  const QString& ChosenCategory() const { return chosenCategory_; }
  const QString& ChosenUnit() const { return chosenUnit_; }
  // Whether the entry chosen leads to the coordinate converter; a category
  // of the user's that is named "Coordinate" does not.
  bool ChoseCoordinates() const { return choseCoordinates_; }

 protected:
  void OnInitDialog() override;
  void OnOK() override;

 private:
  struct Entry {
    QString text;     // "Category >> unit [abbreviation]" as shown
    QString folded;   // the text with A-Z in lower case, for matching
    QString english;  // the same in English, A-Z in lower case, for matching
    QString category;
    QString unit;
    bool coordinates = false;
  };

  void BuildEntries();
  void OnFilter();

  AppContext& context_;
  // In the order the list keeps them, so that any part of them is in order.
  std::vector<Entry> entries_;
  // The entry each row of the list shows.
  std::vector<int> shown_;
  int chosenIndex_ = -1;
  QString chosenCategory_;
  QString chosenUnit_;
  bool choseCoordinates_ = false;
};

}  // namespace vantrel
