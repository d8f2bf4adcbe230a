// A list view in list mode: entries flow top to bottom in columns of one
// width, kept sorted when the view is made sorted, each with a check box once
// the view has them. CheckChanged reports the user's ticks (a click on a box,
// or Space on the current entry), not the program's own.
#pragma once

#include <QFont>
#include <QListWidget>
#include <vector>

#include "ui/kit/ListEntry.h"

namespace vantrel {

class ListView : public QListWidget {
  Q_OBJECT

 public:
  explicit ListView(bool sorted, QWidget* parent = nullptr);

  void SetCheckBoxes(bool on);
  // In pixels of the present font: a later font scales the width by the ratio
  // of the fonts' average character widths, and the rows follow its height.
  void SetColumnWidth(int pixels);
  // The index the entry got.
  int InsertItem(const QString& text);
  void DeleteAllItems();
  // Replaces every entry with these, in this order (a sorted view takes them
  // as the program has put them in order), each known by its key.
  void ResetContent(const std::vector<ListEntry>& entries);
  int GetItemCount() const { return count(); }
  QString GetItemText(int index) const;
  // The entry's key: its text unless it was given one.
  QString GetItemKey(int index) const;
  bool GetCheck(int index) const;
  void SetCheck(int index, bool checked);

 signals:
  void CheckChanged(int index);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void ApplyCheckBox(QListWidgetItem* entry, bool checked) const;
  void ApplyGrid();

  bool sorted_;
  bool checkBoxes_ = false;
  bool programmatic_ = false;
  int columnWidth_ = 0;  // 0: no grid of our own
  QFont columnFont_;
};

}  // namespace vantrel
