#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QStringList>
#include <QTest>

#include "ui/kit/DropDownList.h"
#include "ui/kit/ListBox.h"
#include "ui/kit/ListSort.h"
#include "ui/kit/ListView.h"

namespace vantrel {
namespace {

QStringList Entries(const ListBox& list) {
  QStringList out;
  for (int i = 0; i < list.GetCount(); ++i) out << list.GetText(i);
  return out;
}

QStringList Entries(const DropDownList& list) {
  QStringList out;
  for (int i = 0; i < list.GetCount(); ++i) out << list.GetLBText(i);
  return out;
}

QStringList Entries(const ListView& view) {
  QStringList out;
  for (int i = 0; i < view.GetItemCount(); ++i) out << view.GetItemText(i);
  return out;
}

struct SortCase {
  QStringList added;
  QStringList sorted;
};

TEST(SortedLists, KeepEntriesInThePlatformOrderWhateverTheOrderOfAdding) {
  const SortCase cases[] = {
      {{"beta", "Alpha", "gamma"}, {"Alpha", "beta", "gamma"}},
      {{"Volume", "temperature", "Speed", "area"}, {"area", "Speed", "temperature", "Volume"}},
      // Hyphens count only between otherwise equal texts.
      {{"coop", "co-op", "cope"}, {"coop", "co-op", "cope"}},
      {{"base-16 (hexadecimal)", "base-02 (binary)", "base-10 (decimal)"},
       {"base-02 (binary)", "base-10 (decimal)", "base-16 (hexadecimal)"}},
      // Letter case orders otherwise equal texts, upper case first.
      {{"mile", "Mile", "MILE"}, {"MILE", "Mile", "mile"}},
      {{"meter/second²", "meter/second", "meter"}, {"meter", "meter/second", "meter/second²"}},
  };
  for (const SortCase& c : cases) {
    SCOPED_TRACE(c.added.join(QStringLiteral(", ")).toStdString());
    ListBox list(true);
    DropDownList drop(true);
    ListView view(true);
    for (const QString& text : c.added) {
      list.AddString(text);
      drop.AddString(text);
      view.InsertItem(text);
    }
    EXPECT_EQ(Entries(list), c.sorted);
    EXPECT_EQ(Entries(drop), c.sorted);
    EXPECT_EQ(Entries(view), c.sorted);
    // Many entries sort once and fill the list in one go, silently.
    QStringList ordered;
    for (int index : ListOrder(c.added)) ordered << c.added[index];
    EXPECT_EQ(ordered, c.sorted);
    list.SetCurSel(0);
    QSignalSpy changes(&list, &ListBox::SelectionChanged);
    list.ResetContent(ordered);
    EXPECT_EQ(Entries(list), c.sorted);
    EXPECT_EQ(list.GetCurSel(), -1);
    EXPECT_EQ(changes.count(), 0);
  }
}

TEST(ListBox, SelectionRulesForOutOfRangeAndMinusOne) {
  ListBox list(true);
  EXPECT_EQ(list.GetCurSel(), -1);
  for (const char* text : {"a", "b", "c"}) list.AddString(QString::fromLatin1(text));
  EXPECT_EQ(list.GetCurSel(), -1) << "entries bring no selection";
  EXPECT_TRUE(list.SetCurSel(1));
  EXPECT_FALSE(list.SetCurSel(3));
  EXPECT_EQ(list.GetCurSel(), 1) << "an index beyond the list is not applied";
  list.SetCurSel(-1);
  EXPECT_EQ(list.GetCurSel(), -1);
  list.SetCurSel(2);
  list.ResetContent();
  EXPECT_EQ(list.GetCount(), 0);
  EXPECT_EQ(list.GetCurSel(), -1);
}

TEST(DropDownList, SelectionRulesForOutOfRangeAndMinusOne) {
  DropDownList drop(true);
  for (const char* text : {"b", "c"}) drop.AddString(QString::fromLatin1(text));
  EXPECT_EQ(drop.GetCurSel(), -1) << "entries bring no selection";
  drop.SetCurSel(1);
  drop.AddString(QStringLiteral("a"));
  EXPECT_EQ(drop.GetCurSel(), 2) << "the selected entry stays selected";
  EXPECT_FALSE(drop.SetCurSel(3));
  EXPECT_EQ(drop.GetCurSel(), -1) << "an index beyond the list clears the selection";
  drop.SetCurSel(0);
  drop.SetCurSel(-1);
  EXPECT_EQ(drop.GetCurSel(), -1);
}

TEST(ListBox, ReportsTheUsersSelectionButNotTheProgramsOwn) {
  ListBox list(true);
  list.resize(200, 200);
  list.show();
  QSignalSpy changes(&list, &ListBox::SelectionChanged);
  for (const char* text : {"a", "b", "c"}) list.AddString(QString::fromLatin1(text));
  list.SetCurSel(0);
  list.SetCurSel(-1);
  list.ResetContent();
  for (const char* text : {"a", "b", "c"}) list.AddString(QString::fromLatin1(text));
  EXPECT_EQ(changes.count(), 0);

  const QRect second = list.visualItemRect(list.item(1));
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, second.center());
  EXPECT_EQ(changes.count(), 1);
  EXPECT_EQ(list.GetCurSel(), 1);
  QTest::keyClick(&list, Qt::Key_Down);
  EXPECT_EQ(changes.count(), 2);
  EXPECT_EQ(list.GetCurSel(), 2);
}

// A shown list of "a", "b" and "c" with the entry at `selected` selected.
void ShowEntries(ListBox& list, int selected) {
  list.resize(200, 200);
  list.show();
  for (const char* text : {"a", "b", "c"}) list.AddString(QString::fromLatin1(text));
  list.SetCurSel(selected);
}

TEST(ListBox, TheUserCannotClearItsSelection) {
  // With nothing selected the window would keep showing a result for a unit
  // no longer chosen, and stop recomputing.
  ListBox list(true);
  ShowEntries(list, 1);
  const QRect second = list.visualItemRect(list.item(1));
  QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ControlModifier, second.center());
  EXPECT_EQ(list.GetCurSel(), 1) << "ctrl+click";
  list.setFocus();
  QTest::keyClick(&list, Qt::Key_Space, Qt::ControlModifier);
  EXPECT_EQ(list.GetCurSel(), 1) << "ctrl+space";
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, QPoint(5, list.viewport()->height() - 2));
  EXPECT_EQ(list.GetCurSel(), 1) << "click below the entries";
  const QRect third = list.visualItemRect(list.item(2));
  QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ControlModifier, third.center());
  EXPECT_EQ(list.GetCurSel(), 2) << "ctrl+click on another entry selects it";
}

TEST(ListBox, ARightOrMiddleClickLeavesTheSelectionAlone) {
  ListBox list(true);
  ShowEntries(list, 0);
  QSignalSpy changes(&list, &ListBox::SelectionChanged);
  const QPoint third = list.visualItemRect(list.item(2)).center();
  for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
    QTest::mouseClick(list.viewport(), button, {}, third);
    QTest::mouseDClick(list.viewport(), button, {}, third);
  }
  EXPECT_EQ(list.GetCurSel(), 0);
  EXPECT_EQ(list.currentRow(), 0) << "not even the focused entry moves";
  EXPECT_EQ(changes.count(), 0);
}

TEST(ListView, ChecksEntriesAndReportsOnlyTheUsersTicks) {
  ListView view(true);
  view.resize(300, 100);
  view.show();
  QSignalSpy ticks(&view, &ListView::CheckChanged);
  for (const char* text : {"Volume", "Area", "Speed"}) view.InsertItem(QString::fromLatin1(text));
  view.SetCheck(0, true);
  EXPECT_FALSE(view.GetCheck(0)) << "no check boxes yet";
  view.SetCheckBoxes(true);
  view.SetColumnWidth(175);
  EXPECT_EQ(view.gridSize().width(), 175);
  view.SetCheck(2, true);
  view.InsertItem(QStringLiteral("Mass"));  // Area, Mass, Speed, Volume
  EXPECT_TRUE(view.GetCheck(3));
  EXPECT_FALSE(view.GetCheck(1)) << "a new entry starts clear";
  EXPECT_EQ(ticks.count(), 0);
  view.setCurrentRow(1);
  QTest::keyClick(&view, Qt::Key_Space);
  EXPECT_TRUE(view.GetCheck(1));
  ASSERT_EQ(ticks.count(), 1);
  EXPECT_EQ(ticks[0][0].toInt(), 1);
  view.DeleteAllItems();
  EXPECT_EQ(view.GetItemCount(), 0);
}

TEST(DropDownList, ReportsTheUsersSelectionButNotTheProgramsOwn) {
  DropDownList drop(true);
  drop.show();
  QSignalSpy changes(&drop, &DropDownList::SelectionChanged);
  for (const char* text : {"a", "b", "c"}) drop.AddString(QString::fromLatin1(text));
  drop.SetCurSel(0);
  drop.ResetContent();
  for (const char* text : {"a", "b", "c"}) drop.AddString(QString::fromLatin1(text));
  drop.SetCurSel(0);
  EXPECT_EQ(changes.count(), 0);
  QTest::keyClick(&drop, Qt::Key_Down);
  EXPECT_EQ(changes.count(), 1);
  EXPECT_EQ(drop.GetCurSel(), 1);
}

TEST(SortedLists, PrefixSearchIgnoresCaseAndStartsAfterTheGivenEntry) {
  ListBox list(true);
  for (const char* text : {"Length", "Light", "Area", "liquid"}) {
    list.AddString(QString::fromLatin1(text));
  }
  // Area, Length, Light, liquid
  EXPECT_EQ(list.FindStringPrefix(-1, QStringLiteral("li")), 2);
  EXPECT_EQ(list.FindStringPrefix(2, QStringLiteral("li")), 3);
  EXPECT_EQ(list.FindStringPrefix(3, QStringLiteral("li")), 2) << "wraps around";
  EXPECT_EQ(list.FindStringPrefix(-1, QStringLiteral("AREA")), 0);
  EXPECT_EQ(list.FindStringPrefix(-1, QStringLiteral("x")), -1);
  DropDownList empty(true);
  EXPECT_EQ(empty.FindStringPrefix(-1, QStringLiteral("a")), -1);
}

TEST(SortedLists, FindTextTakesOnlyTheEntryOfThatExactText) {
  ListBox list(true);
  DropDownList drop(true);
  for (const char* text : {"meter", "Meter", "meter (old)"}) {
    list.AddString(QString::fromUtf8(text));
    drop.AddString(QString::fromUtf8(text));
  }
  // Meter, meter, meter (old): the prefix search would take the first.
  EXPECT_EQ(list.FindStringPrefix(-1, QStringLiteral("meter")), 0);
  for (const auto& [text, index] :
       {std::pair{"meter", 1}, {"Meter", 0}, {"meter (old)", 2}, {"mete", -1}, {"meter ", -1}}) {
    EXPECT_EQ(list.FindText(QString::fromUtf8(text)), index) << text;
    EXPECT_EQ(drop.FindText(QString::fromUtf8(text)), index) << text;
  }
}

}  // namespace
}  // namespace vantrel
