// A single-selection list box. Entries are kept sorted when the list is made
// sorted. SelectionChanged reports only what the user does: the program's own
// changes (SetCurSel, ResetContent) stay silent, so handlers never re-enter.
#pragma once

#include <QListWidget>
#include <vector>

#include "ui/kit/ListEntry.h"

namespace vantrel {

class ListBox : public QListWidget {
  Q_OBJECT

 public:
  explicit ListBox(bool sorted, QWidget* parent = nullptr);

  // The index the entry got.
  int AddString(const QString& text);
  void ResetContent();
  // Replaces every entry with these in one go. A sorted list takes them in its
  // own order, as ListOrder gives it, and does not sort them again.
  void ResetContent(const QStringList& entries);
  // The same for entries known by a key of their own.
  void ResetContent(const std::vector<ListEntry>& entries);
  int GetCount() const { return count(); }
  // -1 when nothing is selected.
  int GetCurSel() const;
  // -1 clears the selection; an index beyond the list changes nothing and
  // returns false.
  bool SetCurSel(int index);
  QString GetText(int index) const;
  // Case-insensitive prefix search, as FindPrefix.
  int FindStringPrefix(int start, const QString& prefix) const;
  // The entry that is exactly the text (letter case counts), or -1.
  int FindText(const QString& text) const;
  // The entry's key (its text unless it was given one), and the entry whose
  // key is exactly this, or -1.
  QString GetKey(int index) const;
  int FindKey(const QString& key) const;

 signals:
  void SelectionChanged();

 protected:
  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                       const QEvent* event) const override;
  // Only the left button selects: a right or middle click changes nothing.
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  void OnSelectionChanged();

  bool sorted_;
  bool programmatic_ = false;
};

}  // namespace vantrel
