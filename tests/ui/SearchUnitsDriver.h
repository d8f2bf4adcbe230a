// Drives the find dialog as a user does: typing into the search text and
// clicking an entry of the matches.
#pragma once

#include <gtest/gtest.h>

#include <QStringList>
#include <QTest>

#include "ui/ResourceIds.h"
#include "ui/SearchUnits.h"
#include "ui/kit/EditBox.h"
#include "ui/kit/ListBox.h"

namespace vantrel::testing {

inline QStringList Matches(const CSearchUnits& dialog) {
  const ListBox* list = dialog.ListBoxItem(ids::kMatchList);
  QStringList out;
  for (int i = 0; i < list->GetCount(); ++i) out << list->GetText(i);
  return out;
}

// Replaces the search text keystroke by keystroke.
inline void TypeSearch(CSearchUnits& dialog, const QString& text) {
  EditBox* edit = dialog.EditItem(ids::kSearchText);
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Delete);
  // Character by character with its text: keyClicks knows ASCII keys only.
  for (const QChar c : text) {
    QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
  }
}

// Where the entry shows in the matches, scrolled into view; -1 when it is not
// among them.
inline QPoint MatchPoint(CSearchUnits& dialog, const QString& entry) {
  ListBox* list = dialog.ListBoxItem(ids::kMatchList);
  const int row = static_cast<int>(Matches(dialog).indexOf(entry));
  if (row < 0) return {-1, -1};
  list->scrollToItem(list->item(row));
  return list->visualItemRect(list->item(row)).center();
}

inline void ClickMatch(CSearchUnits& dialog, const QString& entry) {
  const QPoint at = MatchPoint(dialog, entry);
  ASSERT_GE(at.x(), 0) << entry.toStdString();
  QTest::mouseClick(dialog.ListBoxItem(ids::kMatchList)->viewport(), Qt::LeftButton, {}, at);
}

}  // namespace vantrel::testing
