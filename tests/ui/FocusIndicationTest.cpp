// What a keyboard user must be able to see: which control has the focus, and
// the start of a long result.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QTest>
#include <memory>

#include "KitTestSupport.h"
#include "WindowTest.h"
#include "ui/ConverterDlg.h"
#include "ui/ResourceIds.h"
#include "ui/kit/DropDownList.h"
#include "ui/kit/EditBox.h"
#include "ui/kit/FocusRing.h"
#include "ui/kit/ListBox.h"
#include "ui/kit/ListView.h"
#include "ui/kit/TemplateDialog.h"

namespace vantrel {
namespace {

// The share of pixels on the two lines around a control that look clearly
// different in the two pictures.
double ChangedEdgeShare(const QImage& before, const QImage& after, const QRect& control) {
  int changed = 0;
  int total = 0;
  for (const QRect& ring : {control.adjusted(-1, -1, 1, 1), control.adjusted(-2, -2, 2, 2)}) {
    for (int x = ring.left(); x <= ring.right(); ++x) {
      for (int y = ring.top(); y <= ring.bottom(); ++y) {
        if (x != ring.left() && x != ring.right() && y != ring.top() && y != ring.bottom())
          continue;
        const QColor a = before.pixelColor(x, y);
        const QColor b = after.pixelColor(x, y);
        const int distance = std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                             std::abs(a.blue() - b.blue());
        changed += distance > 90;
        ++total;
      }
    }
  }
  return static_cast<double>(changed) / total;
}

TEST(FocusIndication, EveryKindOfFocusableControlShowsWhenItHasTheFocus) {
  using K = ControlKind;
  const struct {
    int id;
    ControlKind kind;
    std::uint32_t style;
  } kinds[] = {
      {10, K::kEdit, kBorder},      {11, K::kEdit, kBorder | kReadOnly},
      {12, K::kEdit, kMultiLine},   {13, K::kRichEdit, kReadOnly | kBorder},
      {14, K::kListBox, kBorder},   {15, K::kDropDownList, kNoStyle},
      {16, K::kListView, kBorder},  {17, K::kPushButton, kNoStyle},
      {18, K::kCheckBox, kNoStyle}, {19, K::kRadioButton, kGroup},
  };
  DialogTemplate sample{800, "Focus", 240, 40 + 25 * 5, "DejaVu Sans", 9, kSysMenu, {}};
  for (std::size_t i = 0; i < std::size(kinds); ++i) {
    const int x = 10 + 115 * static_cast<int>(i % 2);
    const int y = 10 + 25 * static_cast<int>(i / 2);
    sample.controls.push_back(
        {kinds[i].id, kinds[i].kind, "Text", x, y, 100, 16, kinds[i].style | kTabStop});
  }
  const DialogTemplateRegistry registry = testing::RegistryOf({sample});
  TemplateDialog dialog(registry, 800, PreferredFont{});
  ASSERT_TRUE(dialog.Create());
  dialog.ListBoxItem(14)->AddString(QStringLiteral("entry"));
  dialog.ListBoxItem(14)->SetCurSel(0);
  dialog.DropDownItem(15)->AddString(QStringLiteral("entry"));
  dialog.DropDownItem(15)->SetCurSel(0);
  dialog.ItemAs<ListView>(16)->InsertItem(QStringLiteral("entry"));
  ASSERT_TRUE(testing::ShowActive(dialog));
  for (const auto& kind : kinds) {
    SCOPED_TRACE(kind.id);
    QWidget* control = dialog.Item(kind.id);
    if (QWidget* focus = QApplication::focusWidget()) focus->clearFocus();
    const QImage without = dialog.grab().toImage();
    control->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(control->hasFocus());
    const QImage with = dialog.grab().toImage();
    EXPECT_GT(ChangedEdgeShare(without, with, control->geometry()), 0.8);
  }
}

class MainWindowTest : public testing::WindowTest {
 protected:
  MainWindowTest() { Start(); }
};

TEST_F(MainWindowTest, TheFocusMarkFollowsTabFromTheCategoriesToTheUnitLists) {
  ASSERT_TRUE(testing::ShowActive(*window_));
  auto* ring = window_->findChild<FocusRing*>();
  ASSERT_NE(ring, nullptr);
  for (int id : {ids::kCategoryList, ids::kInputUnitList, ids::kOutputUnitList}) {
    SCOPED_TRACE(id);
    const QWidget* control = window_->Item(id);
    EXPECT_TRUE(control->hasFocus());
    EXPECT_EQ(ring->Target(), control);
    EXPECT_TRUE(ring->isVisible());
    EXPECT_TRUE(ring->geometry().contains(control->geometry()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
}

TEST_F(MainWindowTest, AReadOnlyResultShowsItsFirstDigitsAfterEachUpdate) {
  ASSERT_TRUE(testing::ShowActive(*window_));
  DropDownList* categories = window_->DropDownItem(ids::kCategoryList);
  categories->setCurrentIndex(categories->FindStringPrefix(-1, QStringLiteral("Numbers")));
  ListBox* from = window_->ListBoxItem(ids::kInputUnitList);
  ListBox* to = window_->ListBoxItem(ids::kOutputUnitList);
  from->setCurrentRow(from->FindStringPrefix(-1, QStringLiteral("base-16")));
  to->setCurrentRow(to->FindStringPrefix(-1, QStringLiteral("base-02")));
  EditBox* output = window_->EditItem(ids::kOutputBox);
  for (const char* input : {"7FFFFFF0", "-2"}) {
    SCOPED_TRACE(input);
    window_->SetItemText(ids::kInputBox, QString::fromLatin1(input));
    ASSERT_GE(output->Text().size(), 31) << output->Text().toStdString();
    ASSERT_GT(output->fontMetrics().horizontalAdvance(output->Text()), output->width())
        << "too short to need scrolling";
    EXPECT_EQ(output->cursorPosition(), 0);
    EXPECT_LT(output->inputMethodQuery(Qt::ImCursorRectangle).toRect().left(),
              output->fontMetrics().averageCharWidth())
        << "the first digit is in view";
  }
}

}  // namespace
}  // namespace vantrel
