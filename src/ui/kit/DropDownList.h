// A drop-down list without an edit field. As ListBox, entries are kept sorted
// when asked for, and SelectionChanged reports only what the user does.
#pragma once

#include <QComboBox>
#include <QRect>
#include <vector>

#include "ui/kit/ListEntry.h"

namespace vantrel {

class DropDownList : public QComboBox {
  Q_OBJECT

 public:
  explicit DropDownList(bool sorted, QWidget* parent = nullptr);

  int AddString(const QString& text);
  void ResetContent();
  // Replaces every entry with these, in this order (a sorted list takes them
  // as the program has put them in order), each known by its key; nothing
  // is selected afterwards.
  void ResetContent(const std::vector<ListEntry>& entries);
  int GetCount() const { return count(); }
  int GetCurSel() const { return currentIndex(); }
  // -1 or an index beyond the list clears the selection and returns false.
  bool SetCurSel(int index);
  QString GetLBText(int index) const { return itemText(index); }
  int FindStringPrefix(int start, const QString& prefix) const;
  // The entry that is exactly the text (letter case counts), or -1.
  int FindText(const QString& text) const;
  // The entry's key (its text unless it was given one), and the entry whose
  // key is exactly this, or -1.
  QString GetKey(int index) const;
  int FindKey(const QString& key) const;

  // Places the list as the platform does a drop-down list's window: the
  // rectangle reaches down to the bottom of the open list, the closed field
  // is as high as its font needs.
  void SetDroppedRect(const QRect& rect);
  // The field and the open list below it, as last placed.
  QRect DroppedRect() const;

 signals:
  void SelectionChanged();

 private:
  bool sorted_;
  bool programmatic_ = false;
  int droppedHeight_ = 0;
};

}  // namespace vantrel
