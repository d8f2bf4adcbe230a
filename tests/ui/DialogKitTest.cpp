#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QClipboard>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QTest>
#include <QTextCursor>
#include <QToolTip>
#include <QtMath>

#include "KitTestSupport.h"
#include "ui/DialogTemplates.h"
#include "ui/ResourceIds.h"
#include "ui/kit/DeferredIconStyle.h"
#include "ui/kit/DropDownList.h"
#include "ui/kit/EditBox.h"
#include "ui/kit/GroupFrame.h"
#include "ui/kit/IconStatic.h"
#include "ui/kit/ListBox.h"
#include "ui/kit/PictureStatic.h"
#include "ui/kit/Resources.h"
#include "ui/kit/RichEdit.h"
#include "ui/kit/TemplateDialog.h"
#include "ui/kit/ToolTipControl.h"

namespace vantrel {
namespace {

constexpr int kTestDialog = 500;
const PreferredFont kPlainFont;

DialogTemplate TestTemplate() {
  using K = ControlKind;
  return {kTestDialog,
          "Test",
          200,
          120,
          "DejaVu Sans",
          9,
          kSysMenu,
          {
              {10, K::kEdit, "start", 10, 10, 80, 14, kTabStop},
              {11, K::kListBox, "", 10, 30, 80, 40, kSorted | kNotify | kTabStop},
              {12, K::kDropDownList, "", 100, 10, 80, 90, kSorted | kTabStop},
              {13, K::kText, "Label", 100, 30, 60, 8, kNoStyle},
              {14, K::kGroupBox, "Frame", 5, 5, 190, 80, kNoStyle},
              {15, K::kOwnerDrawStatic, "", 100, 45, 20, 20, kNotify},
              {1, K::kDefPushButton, "OK", 100, 95, 40, 14, kTabStop},
              {2, K::kPushButton, "Cancel", 150, 95, 40, 14, kTabStop},
          }};
}

DialogTemplateRegistry TestRegistry() { return testing::RegistryOf({TestTemplate()}); }

// Counts what the Enter and Escape keys reach.
class CountingDialog : public TemplateDialog {
 public:
  using TemplateDialog::TemplateDialog;
  int oks = 0;
  int cancels = 0;

 protected:
  void OnOK() override { ++oks; }
  void OnCancel() override { ++cancels; }
};

TEST(TemplateDialog, PlacesEveryControlByTheDialogUnitsOfItsFont) {
  const DialogTemplateRegistry registry = TestRegistry();
  TemplateDialog dialog(registry, kTestDialog, kPlainFont);
  ASSERT_TRUE(dialog.Create());

  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPointSize(9);
  const QFontMetrics metrics(font);
  const int baseX = (metrics.horizontalAdvance(
                         QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
                         26 +
                     1) /
                    2;
  const int baseY = std::max(metrics.height(), qCeil(QFontMetricsF(font).height()));
  ASSERT_EQ(dialog.BaseUnits().x, baseX);
  ASSERT_EQ(dialog.BaseUnits().y, baseY);
  auto px = [&](int dlu, int base, int per) { return (dlu * base + per / 2) / per; };

  EXPECT_EQ(dialog.size(), QSize(px(200, baseX, 4), px(120, baseY, 8)));
  for (const ControlTemplate& control : TestTemplate().controls) {
    SCOPED_TRACE(control.id);
    const QWidget* item = dialog.Item(control.id);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->x(), px(control.x, baseX, 4));
    EXPECT_EQ(item->y(), px(control.y, baseY, 8));
    EXPECT_EQ(item->width(), px(control.cx, baseX, 4));
    // A drop-down list is as high as its field; the template gives the open list.
    if (control.kind != ControlKind::kDropDownList) {
      EXPECT_EQ(item->height(), px(control.cy, baseY, 8));
    }
  }
}

TEST(TemplateDialog, FindsControlsOfEachKindById) {
  const DialogTemplateRegistry registry = TestRegistry();
  TemplateDialog dialog(registry, kTestDialog, kPlainFont);
  ASSERT_TRUE(dialog.Create());
  EXPECT_NE(dialog.EditItem(10), nullptr);
  EXPECT_NE(dialog.ListBoxItem(11), nullptr);
  EXPECT_NE(dialog.DropDownItem(12), nullptr);
  EXPECT_NE(dialog.StaticItem(13), nullptr);
  EXPECT_NE(qobject_cast<GroupFrame*>(dialog.Item(14)), nullptr);
  EXPECT_NE(dialog.PictureItem(15), nullptr);
  EXPECT_NE(dialog.ButtonItem(1), nullptr);
  EXPECT_EQ(dialog.Item(99), nullptr);
  EXPECT_EQ(dialog.ListBoxItem(10), nullptr) << "an edit is no list box";
  EXPECT_EQ(dialog.ItemText(10), QStringLiteral("start"));
  EXPECT_EQ(dialog.ItemText(14), QStringLiteral("Frame"));
}

TEST(TemplateDialog, FramesLieUnderTheControlsAndTakeNoClicks) {
  const DialogTemplateRegistry registry = TestRegistry();
  TemplateDialog dialog(registry, kTestDialog, kPlainFont);
  ASSERT_TRUE(dialog.Create());
  QWidget* frame = dialog.Item(14);
  EXPECT_TRUE(frame->testAttribute(Qt::WA_TransparentForMouseEvents));
  const QPoint inList = dialog.Item(11)->geometry().center();
  QWidget* hit = dialog.childAt(inList);
  while (hit && hit->parentWidget() != &dialog) hit = hit->parentWidget();
  EXPECT_EQ(hit, dialog.Item(11)) << "the list is on top of its frame";
}

TEST(TemplateDialog, CustomFontReplacesFaceAndSizeInACopy) {
  DialogTemplateRegistry registry = TestRegistry();
  const PreferredFont custom{true, "DejaVu Serif", 14};

  std::optional<DialogTemplate> replaced = LoadDialogTemplate(registry, kTestDialog, custom);
  ASSERT_TRUE(replaced);
  EXPECT_EQ(replaced->fontFace, "DejaVu Serif");
  EXPECT_EQ(replaced->fontPoints, 14);
  EXPECT_EQ(registry.Find(kTestDialog)->fontFace, "DejaVu Sans") << "the original stays";

  const PreferredFont off{false, "DejaVu Serif", 14};
  EXPECT_EQ(LoadDialogTemplate(registry, kTestDialog, off)->fontPoints, 9);

  TemplateDialog plain(registry, kTestDialog, off);
  PreferredFont live;  // the font as it stands when the dialog is created counts
  TemplateDialog big(registry, kTestDialog, live);
  live = custom;
  ASSERT_TRUE(plain.Create());
  ASSERT_TRUE(big.Create());
  EXPECT_EQ(big.font().family(), QStringLiteral("DejaVu Serif"));
  EXPECT_EQ(big.font().pointSize(), 14);
  EXPECT_GT(big.width(), plain.width());
  EXPECT_GT(big.Item(11)->height(), plain.Item(11)->height());
}

TEST(TemplateDialog, UnknownTemplateRunsAsMinusOneAndShowsNothing) {
  const DialogTemplateRegistry registry = TestRegistry();
  const PreferredFont fonts[] = {PreferredFont{}, PreferredFont{true, "DejaVu Sans", 12}};
  for (const PreferredFont& font : fonts) {
    TemplateDialog dialog(registry, 4242, font);
    EXPECT_FALSE(dialog.Create());
    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.Item(10), nullptr);
  }
}

TEST(TemplateDialog, EnterPressesTheDefaultButtonOrIsOkAndEscapeIsCancel) {
  DialogTemplateRegistry registry = TestRegistry();
  CountingDialog withDefault(registry, kTestDialog, kPlainFont);
  ASSERT_TRUE(withDefault.Create());
  QTest::keyClick(&withDefault, Qt::Key_Return);
  QTest::keyClick(&withDefault, Qt::Key_Escape);
  EXPECT_EQ(withDefault.oks, 1);
  EXPECT_EQ(withDefault.cancels, 1);

  DialogTemplate noButtons = TestTemplate();
  noButtons.controls.resize(6);
  registry.Add(noButtons);
  CountingDialog without(registry, kTestDialog, kPlainFont);
  ASSERT_TRUE(without.Create());
  QTest::keyClick(&without, Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(without.oks, 1);
  EXPECT_EQ(without.cancels, 0);
}

TEST(TemplateDialog, EnterPressesAFocusedButtonButNeverOneThatIsNotTheDefault) {
  DialogTemplate cancelOnly = TestTemplate();
  cancelOnly.controls.erase(cancelOnly.controls.begin() + 6);  // no default button
  const DialogTemplateRegistry registry = testing::RegistryOf({cancelOnly});
  CountingDialog dialog(registry, kTestDialog, kPlainFont);
  ASSERT_TRUE(dialog.Create());
  ASSERT_TRUE(testing::ShowActive(dialog));
  dialog.Item(10)->setFocus();
  QTest::keyClick(dialog.Item(10), Qt::Key_Return);
  EXPECT_EQ(dialog.oks, 1);
  EXPECT_EQ(dialog.cancels, 0) << "Cancel was made no default behind the template's back";
  dialog.Item(2)->setFocus();
  QTest::keyClick(dialog.Item(2), Qt::Key_Return);
  EXPECT_EQ(dialog.oks, 1);
  EXPECT_EQ(dialog.cancels, 1);
}

TEST(EditBox, RaisesChangeForNewTextOnlyWhoeverWritesIt) {
  EditBox edit;
  QSignalSpy changes(&edit, &EditBox::Changed);
  edit.SetText(QStringLiteral("12"));
  EXPECT_EQ(changes.count(), 1);
  edit.SetText(QStringLiteral("12"));
  edit.setText(QStringLiteral("12"));
  EXPECT_EQ(changes.count(), 1) << "an unchanged text is no change";
  QTest::keyClicks(&edit, QStringLiteral(".5"));
  EXPECT_EQ(changes.count(), 3) << "one change per keystroke";
  EXPECT_EQ(edit.Text(), QStringLiteral("12.5"));
  edit.SetText(QString());
  EXPECT_EQ(changes.count(), 4);
}

TEST(MultiLineEdit, KeepsItsLineBreaksAndRaisesChangeOnlyForNewText) {
  MultiLineEdit edit;
  QSignalSpy changes(&edit, &MultiLineEdit::Changed);
  const QString text =
      QStringLiteral("Output = 12 \u00D7 Input \r\nInput is in inch\r\nOutput is in ");
  edit.SetText(text);
  EXPECT_EQ(edit.Text(), text);
  EXPECT_EQ(edit.document()->blockCount(), 3);
  edit.SetText(text);
  EXPECT_EQ(changes.count(), 1) << "an unchanged text is no change";
  edit.SetText(QString());
  EXPECT_EQ(changes.count(), 2);
}

TEST(RichEdit, FormatsFoundRunsAndStaysSelectableWhenReadOnly) {
  RichEdit edit;
  edit.SetReadOnly(true);
  edit.SetText(QStringLiteral("Use\r\n\r\nFind a unit. Use Find\r\nin %APPDATA%\\Mensura\\ now"));
  QSignalSpy changes(&edit, &MultiLineEdit::Changed);
  const int find = edit.FindText(QStringLiteral("Find"));
  EXPECT_EQ(find, 5) << "a line break counts one";
  EXPECT_EQ(edit.FindText(QStringLiteral("Find"), find + 1), 22);
  EXPECT_EQ(edit.FindText(QStringLiteral("find")), -1) << "case counts";
  edit.SetSel(find, find + 4);
  edit.SetSelectionBold(true);
  const int folder = edit.FindText(QStringLiteral("%APPDATA%\\Mensura\\"));
  edit.SetSel(folder, folder + 18);
  edit.SetSelectionColor(QColor(50, 50, 255));
  EXPECT_EQ(changes.count(), 0) << "formats change no text";

  const auto formatAt = [&](int position) {
    QTextCursor cursor(edit.document());
    cursor.setPosition(position + 1);  // the format of the character before
    return cursor.charFormat();
  };
  EXPECT_EQ(formatAt(find).fontWeight(), QFont::Bold);
  EXPECT_NE(formatAt(22).fontWeight(), QFont::Bold) << "only the first match";
  EXPECT_EQ(formatAt(folder).foreground().color(), QColor(50, 50, 255));
  EXPECT_NE(formatAt(folder).fontWeight(), QFont::Bold) << "colour alone";
  EXPECT_NE(formatAt(folder - 2).foreground().color(), QColor(50, 50, 255));

  EXPECT_TRUE(edit.textInteractionFlags() & Qt::TextSelectableByKeyboard);
  edit.selectAll();
  edit.copy();
  EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith(QStringLiteral("Use\n\nFind")));
  edit.SetSel(0, 3);
  EXPECT_EQ(edit.SelectedText(), QStringLiteral("Use"));
}

TEST(IconStatic, ShowsItsIconResourceAtTheLargeIconSize) {
  DialogTemplate about{kTestDialog, "About", 100, 60, "DejaVu Sans", 8, kSysMenu, {}};
  about.controls = {{kIdStatic, ControlKind::kIcon, "128", 10, 10, 20, 20, kNoStyle},
                    {kIdStatic, ControlKind::kIcon, "999", 40, 10, 20, 20, kNoStyle}};
  const DialogTemplateRegistry registry = testing::RegistryOf({about});
  TemplateDialog dialog(registry, kTestDialog, kPlainFont);
  ASSERT_TRUE(dialog.Create());
  const QList<IconStatic*> icons = dialog.findChildren<IconStatic*>();
  ASSERT_EQ(icons.size(), 2);
  EXPECT_EQ(icons[0]->size(), QSize(32, 32));
  EXPECT_EQ(icons[0]->pos(), dialog.MapDialogRect(QRect(10, 10, 0, 0)).topLeft());
  EXPECT_FALSE(icons[0]->Icon().isNull());
  EXPECT_TRUE(icons[1]->Icon().isNull()) << "no such icon: nothing shown";
  const QImage shot = icons[0]->grab().toImage();
  const QImage expected = LoadIconResource(128).pixmap(32, 32).toImage();
  EXPECT_EQ(shot.pixelColor(16, 16), expected.pixelColor(16, 16));
}

TEST(PictureStatic, ReportsAClickOnlyWhenItNotifies) {
  PictureStatic notifying(true);
  PictureStatic silent(false);
  notifying.resize(20, 20);
  silent.resize(20, 20);
  QSignalSpy clicks(&notifying, &PictureStatic::Clicked);
  QSignalSpy none(&silent, &PictureStatic::Clicked);
  QTest::mouseClick(&notifying, Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseClick(&silent, Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseClick(&notifying, Qt::RightButton, {}, QPoint(5, 5));
  EXPECT_EQ(clicks.count(), 1);
  EXPECT_EQ(none.count(), 0);
}

TEST(ToolTips, WrapAtTheWidestTipAndKeepTheirOwnBreaks) {
  const QFontMetrics metrics(QToolTip::font());
  const QString text = QStringLiteral(
      "First line\r\n\r\none two three four five six seven eight nine ten eleven twelve");
  const int width = metrics.horizontalAdvance(QStringLiteral("one two three four"));
  const QString wrapped = WrapTipText(text, metrics, width);
  const QStringList lines = wrapped.split(QLatin1Char('\n'));
  ASSERT_GE(lines.size(), 5);
  EXPECT_EQ(lines[0], QStringLiteral("First line"));
  EXPECT_EQ(lines[1], QString());
  for (const QString& line : lines)
    EXPECT_LE(metrics.horizontalAdvance(line), width) << line.toStdString();
  EXPECT_EQ(QStringList(lines.mid(2)).join(QLatin1Char(' ')),
            QStringLiteral("one two three four five six seven eight nine ten eleven twelve"));
  EXPECT_EQ(WrapTipText(text, metrics, -1),
            QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

// The main window's template, control by control.
TEST(MainDialogTemplate, HoldsEveryControlAtItsPlace) {
  struct Expected {
    int id;
    ControlKind kind;
    const char* text;
    int x, y, cx, cy;
  };
  using K = ControlKind;
  const Expected expected[] = {
      {1000, K::kDropDownList, "", 12, 18, 122, 176},
      {1004, K::kListBox, "", 12, 58, 122, 75},
      {1003, K::kListBox, "", 165, 58, 122, 75},
      {1009, K::kOwnerDrawStatic, "", 142, 86, 17, 16},
      {1010, K::kEdit, "", 12, 158, 122, 14},
      {1011, K::kEdit, "", 165, 158, 122, 14},
      {1001, K::kGroupBox, "Select Category ", 7, 7, 131, 31},
      {1002, K::kGroupBox, "Select Units ", 7, 40, 287, 100},
      {1005, K::kText, "INPUT", 59, 49, 21, 8},
      {1006, K::kText, "OUTPUT", 214, 49, 28, 8},
      {1007, K::kGroupBox, "Result", 7, 144, 287, 49},
      {1008, K::kOwnerDrawStatic, "", 150, 8, 22, 15},
      {1012, K::kText, "", 12, 175, 122, 17},
      {1013, K::kText, "", 165, 175, 122, 17},
  };
  const DialogTemplate main = MainDialogTemplate();
  EXPECT_EQ(main.id, 102);
  EXPECT_EQ(main.caption, "Vantrel Unit Converter");
  EXPECT_EQ(main.cx, 299);
  EXPECT_EQ(main.cy, 207);
  EXPECT_EQ(main.fontFace, "Verdana");
  EXPECT_EQ(main.fontPoints, 8);
  EXPECT_TRUE(main.style & kMinimizeBox);
  EXPECT_FALSE(main.style & (kMaximizeBox | kResizable));
  ASSERT_EQ(main.controls.size(), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    const ControlTemplate& control = main.controls[i];
    SCOPED_TRACE(expected[i].id);
    EXPECT_EQ(control.id, expected[i].id);
    EXPECT_EQ(control.kind, expected[i].kind);
    EXPECT_EQ(control.text, expected[i].text);
    EXPECT_EQ(QRect(control.x, control.y, control.cx, control.cy),
              QRect(expected[i].x, expected[i].y, expected[i].cx, expected[i].cy));
  }
  std::vector<int> tabStops;
  for (const ControlTemplate& control : main.controls) {
    if (control.style & kTabStop) tabStops.push_back(control.id);
  }
  EXPECT_EQ(tabStops, (std::vector<int>{1000, 1004, 1003, 1010, 1011}));
  for (int list : {1000, 1004, 1003}) {
    EXPECT_TRUE(std::find_if(main.controls.begin(), main.controls.end(),
                             [&](auto& c) { return c.id == list; })
                    ->style &
                kSorted);
  }
}

}  // namespace
}  // namespace vantrel

namespace vantrel {
namespace {

// Counts the icons a style is asked for.
class CountingStyle : public QProxyStyle {
 public:
  CountingStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}
  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                     const QWidget* widget) const override {
    ++asked;
    return QProxyStyle::standardIcon(icon, option, widget);
  }
  mutable int asked = 0;
};

TEST(DeferredIconStyle, ReadsTheMenuBarsOverflowPictureWhenFirstDrawnAndDrawsTheSame) {
  auto* counting = new CountingStyle;
  DeferredIconStyle style(counting);
  const QIcon overflow = style.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
  EXPECT_EQ(counting->asked, 0);
  EXPECT_FALSE(overflow.isNull());
  const QImage drawn = overflow.pixmap(QSize(16, 16)).toImage();
  EXPECT_EQ(counting->asked, 1);
  const QIcon direct =
      counting->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton, nullptr, nullptr);
  EXPECT_EQ(drawn, direct.pixmap(QSize(16, 16)).toImage());
  // Every other picture is the base style's, at once.
  style.standardIcon(QStyle::SP_DialogOkButton);
  EXPECT_EQ(counting->asked, 3);
}

}  // namespace
}  // namespace vantrel
