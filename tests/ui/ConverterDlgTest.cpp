#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <memory>
#include <vector>

#include "WindowTest.h"
#include "expr/HelpText.h"
#include "ui/ConverterDlg.h"
#include "ui/ResourceIds.h"
#include "ui/kit/DropDownList.h"
#include "ui/kit/EditBox.h"
#include "ui/kit/ListBox.h"
#include "ui/kit/ListSort.h"
#include "ui/kit/PictureStatic.h"
#include "units/BuiltinUnitTable.h"

namespace vantrel {
namespace {

class ConverterDlgTest : public testing::WindowTest {
 protected:
  QString Output() { return window_->ItemText(ids::kOutputBox); }
  QString OutputTip() { return window_->ToolTips().ToolText(window_->Item(ids::kOutputBox)); }

  static int IndexOf(const QStringList& entries, const QString& text) {
    return static_cast<int>(entries.indexOf(text));
  }
  QStringList CategoryEntries() {
    QStringList out;
    for (int i = 0; i < Categories()->GetCount(); ++i) out << Categories()->GetLBText(i);
    return out;
  }
  QStringList UnitEntries(ListBox* list) {
    QStringList out;
    for (int i = 0; i < list->GetCount(); ++i) out << list->GetText(i);
    return out;
  }

  // What a user does: picks with the keyboard, so the window hears of it.
  void UserPicksCategory(const QString& name) {
    const int target = IndexOf(CategoryEntries(), name);
    ASSERT_GE(target, 0) << name.toStdString();
    Categories()->setFocus();
    QTest::keyClick(Categories(), Qt::Key_Home);
    for (int i = 0; i < target; ++i) QTest::keyClick(Categories(), Qt::Key_Down);
    ASSERT_EQ(Categories()->GetCurSel(), target);
  }
  void UserPicksUnit(ListBox* list, const QString& name) {
    const int target = IndexOf(UnitEntries(list), name);
    ASSERT_GE(target, 0) << name.toStdString();
    list->scrollToItem(list->item(target));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(target)).center());
    ASSERT_EQ(list->GetCurSel(), target);
  }
  void UserTypes(const QString& text) {
    Input()->selectAll();
    QTest::keyClick(Input(), Qt::Key_Delete);
    QTest::keyClicks(Input(), text);
  }
};

TEST_F(ConverterDlgTest, FirstStartShowsTheFirstCategoryAndUnitConvertingOne) {
  CConverterDlg& dialog = Start();
  QStringList visible;
  for (const BuiltinCategory& category : BuiltinCategories()) {
    if (category.visible == 1) visible << QString::fromStdString(std::string(category.name));
  }
  std::sort(visible.begin(), visible.end(),
            [](const QString& a, const QString& b) { return CompareListText(a, b) < 0; });
  EXPECT_EQ(CategoryEntries(), visible);
  EXPECT_EQ(Categories()->GetCurSel(), 0);
  EXPECT_EQ(Categories()->GetLBText(0), QStringLiteral("Acceleration"));
  EXPECT_EQ(From()->GetCurSel(), 0);
  EXPECT_EQ(To()->GetCurSel(), 0);
  EXPECT_EQ(UnitEntries(From()), UnitEntries(To()));
  EXPECT_EQ(Input()->Text(), QStringLiteral("1"));
  EXPECT_EQ(Output(), QStringLiteral("1"));
  EXPECT_EQ(dialog.ItemText(ids::kInputUnitLabel), QStringLiteral("centimeter/second² \r\ncm/s²"));
  EXPECT_EQ(dialog.ItemText(ids::kOutputUnitLabel), QStringLiteral("centimeter/second² \r\ncm/s²"));
  EXPECT_TRUE(dialog.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Vantrel Unit Converter"));
  EXPECT_EQ(&dialog.Catalogue(), &context_.catalogue);
  EXPECT_EQ(context_.catalogue.Categories().size(), BuiltinCategories().size());
  EXPECT_EQ(dialog.pos(), QPoint(150, 150));
}

TEST_F(ConverterDlgTest, StartWritesTheVisibilityOfEveryCategory) {
  Start();
  const std::vector<IniEntry> visibility = Settings().GetSection("Visibility");
  EXPECT_EQ(visibility.size(), 45u);
  const auto shown = std::count_if(visibility.begin(), visibility.end(),
                                   [](const IniEntry& entry) { return entry.value == "1"; });
  EXPECT_EQ(shown, 25);
}

TEST_F(ConverterDlgTest, TypingRecomputesOnEveryKeystroke) {
  Start();
  UserPicksCategory(QStringLiteral("Temperature"));
  UserPicksUnit(To(), QStringLiteral("degree Fahrenheit"));
  EXPECT_EQ(UnitEntries(From()).first(), QStringLiteral("degree Celsius"));
  QStringList seen;
  QObject::connect(Input(), &EditBox::Changed, [&] { seen << Output(); });
  UserTypes(QStringLiteral("100"));
  EXPECT_EQ(Output(), QStringLiteral("212"));
  // One result per keystroke: the cleared box, then 1, 10 and 100.
  EXPECT_EQ(seen, (QStringList{"", "33.8", "50", "212"}));
  Input()->SetText(QStringLiteral("0"));
  EXPECT_EQ(Output(), QStringLiteral("32"));
  QTest::keyClick(Input(), Qt::Key_Backspace);
  QTest::keyClicks(Input(), QStringLiteral("2*5"));
  EXPECT_EQ(Output(), QStringLiteral("50"));
  QTest::keyClick(Input(), Qt::Key_Backspace);
  EXPECT_EQ(Output(), QStringLiteral("35.6")) << "the evaluator drops a trailing operator";
}

TEST_F(ConverterDlgTest, ACategoryChangeRefillsBothListsAndSelectsTheirFirstUnits) {
  Start();
  UserPicksCategory(QStringLiteral("Temperature"));
  const QStringList expected{"degree Celsius", "degree Fahrenheit", "degree Rankine",
                             "degree Reaumur", "Kelvin"};
  EXPECT_EQ(UnitEntries(From()), expected);
  EXPECT_EQ(UnitEntries(To()), expected);
  EXPECT_EQ(From()->GetCurSel(), 0);
  EXPECT_EQ(To()->GetCurSel(), 0);
  EXPECT_EQ(window_->Catalogue().CurrentCategoryName(), "Temperature");
  EXPECT_EQ(window_->ItemText(ids::kOutputUnitLabel), QStringLiteral("degree Celsius \r\n°C"));
}

TEST_F(ConverterDlgTest, InvertSwapsTheUnitsAndTwiceRestores) {
  Start();
  UserPicksCategory(QStringLiteral("Temperature"));
  UserPicksUnit(To(), QStringLiteral("Kelvin"));
  UserTypes(QStringLiteral("100"));
  EXPECT_EQ(Output(), QStringLiteral("373.15"));
  QTest::mouseClick(window_->PictureItem(ids::kInvertIcon), Qt::LeftButton, {}, QPoint(3, 3));
  EXPECT_EQ(From()->GetText(From()->GetCurSel()), QStringLiteral("Kelvin"));
  EXPECT_EQ(To()->GetText(To()->GetCurSel()), QStringLiteral("degree Celsius"));
  EXPECT_EQ(Output(), QStringLiteral("-173.15"));
  window_->OnInvertUnits();
  EXPECT_EQ(From()->GetCurSel(), 0);
  EXPECT_EQ(To()->GetText(To()->GetCurSel()), QStringLiteral("Kelvin"));
  EXPECT_EQ(Output(), QStringLiteral("373.15"));
}

TEST_F(ConverterDlgTest, NumbersConvertBasesWithoutTheEvaluator) {
  Start();
  UserPicksCategory(QStringLiteral("Numbers"));
  UserPicksUnit(From(), QStringLiteral("base-16 (hexadecimal)"));
  UserPicksUnit(To(), QStringLiteral("base-10 (decimal)"));
  UserTypes(QStringLiteral("ff"));
  EXPECT_EQ(Output(), QStringLiteral("255"));
  UserTypes(QStringLiteral("1+1"));
  EXPECT_EQ(Output(), QStringLiteral("1")) << "the text is not evaluated";
  EXPECT_EQ(window_->ItemText(ids::kInputUnitLabel), QStringLiteral("base-16 (hexadecimal) \r\n "));
  UserPicksUnit(To(), QStringLiteral("base-02 (binary)"));
  UserTypes(QStringLiteral("-1"));
  EXPECT_EQ(Output(), QString(32, QLatin1Char('1')));
}

// The evaluator's error code is no number to convert, and an empty box is no
// value at all.
TEST_F(ConverterDlgTest, ErroneousOrEmptyInputShowsNoConvertedNumber) {
  Start();
  UserPicksCategory(QStringLiteral("Temperature"));
  UserPicksUnit(To(), QStringLiteral("degree Fahrenheit"));
  const struct {
    const char* input;
    const char* output;
    const char* tip;
  } cases[] = {
      {"1/0", "Error", "divide by 0"},
      {"sqrt(-4)", "Error", "negative argument: a < 0 in function sqrt(a) or sqr(a)"},
      {"1/0+1", "Error", "expression result is INF"},
      {"foo(1)", "Error", "unknown one argument function"},
      {"", "", ""},
      {"   ", "", ""},
      {"10", "50", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.input);
    UserTypes(QString::fromUtf8(c.input));
    EXPECT_EQ(Output(), QString::fromUtf8(c.output));
    EXPECT_EQ(OutputTip(), QString::fromUtf8(c.tip));
  }
}

// A help keyword is worth 0, and the help it asks for is shown where the
// window says what went wrong.
TEST_F(ConverterDlgTest, HelpKeywordsShowTheHelpInTheOutputTip) {
  std::string help;
  expr::print_math_expression_help(expr::MathSink(help), 0);
  Start();
  UserPicksCategory(QStringLiteral("Temperature"));
  UserPicksUnit(To(), QStringLiteral("degree Fahrenheit"));
  for (const char* keyword : {"help", "?", "/H", "h e l p"}) {
    SCOPED_TRACE(keyword);
    UserTypes(QString::fromLatin1(keyword));
    EXPECT_EQ(Output(), QStringLiteral("32"));
    EXPECT_EQ(OutputTip(), QString::fromUtf8(help).trimmed());
  }
  UserTypes(QStringLiteral("10"));
  EXPECT_EQ(OutputTip(), QString());
}

TEST_F(ConverterDlgTest, LabelsCarryTheAbbreviationOnlyWhenAsked) {
  const struct {
    int show;
    const char* label;
  } cases[] = {
      {1, "centimeter/second² \r\ncm/s²"}, {0, "centimeter/second²"}, {2, "centimeter/second²"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.show);
    Settings().WriteInt("Settings", "ShowAbbreviation", c.show);
    CConverterDlg& dialog = Start();
    EXPECT_EQ(dialog.ItemText(ids::kInputUnitLabel), QString::fromUtf8(c.label));
    EXPECT_EQ(UnitEntries(From()).first(), QStringLiteral("centimeter/second²"))
        << "the lists never show abbreviations";
  }
}

TEST_F(ConverterDlgTest, ACloseRequestStoresTheSelectionForTheNextStart) {
  Start();
  UserPicksCategory(QStringLiteral("Temperature"));
  UserPicksUnit(From(), QStringLiteral("Kelvin"));
  UserPicksUnit(To(), QStringLiteral("degree Rankine"));
  const int category = Categories()->GetCurSel();
  window_->close();
  EXPECT_FALSE(window_->isVisible());
  EXPECT_EQ(Settings().GetInt("Settings", "LastCategory", -9), category);
  EXPECT_EQ(Settings().GetInt("Settings", "LastUnitFrom", -9), 4);
  EXPECT_EQ(Settings().GetInt("Settings", "LastUnitTo", -9), 2);

  Start();
  EXPECT_EQ(Categories()->GetCurSel(), category);
  EXPECT_EQ(From()->GetCurSel(), 4);
  EXPECT_EQ(To()->GetCurSel(), 2);
  EXPECT_EQ(Output(), QStringLiteral("1.8"));

  Settings().WriteInt("Settings", "RememberLast", 0);
  Start();
  EXPECT_EQ(Categories()->GetCurSel(), 0);
  EXPECT_EQ(From()->GetCurSel(), 0);
  EXPECT_EQ(To()->GetCurSel(), 0);
  UserPicksCategory(QStringLiteral("Numbers"));
  window_->close();
  EXPECT_EQ(Settings().GetInt("Settings", "LastCategory", -9), Categories()->GetCurSel())
      << "written whatever RememberLast says";
}

TEST_F(ConverterDlgTest, EscapeIsACloseRequestAndEnterDoesNothing) {
  CConverterDlg& dialog = Start();
  UserPicksCategory(QStringLiteral("Numbers"));
  QTest::keyClick(Input(), Qt::Key_Return);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(Settings().GetInt("Settings", "LastCategory", -9), -9) << "Enter saved nothing";
  QTest::keyClick(Input(), Qt::Key_Escape);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(Settings().GetInt("Settings", "LastCategory", -9), Categories()->GetCurSel());
}

TEST_F(ConverterDlgTest, RememberedIndexesOutOfRange) {
  // A category index the list does not have opens the first category, and
  // the next close stores that instead of -1.
  for (const int stored : {999999, 45, -1, -7}) {
    SCOPED_TRACE(stored);
    Settings().WriteInt("Settings", "LastCategory", stored);
    Start();
    EXPECT_EQ(Categories()->GetCurSel(), 0);
    EXPECT_EQ(From()->GetCount(), To()->GetCount());
    EXPECT_GT(From()->GetCount(), 0);
    EXPECT_EQ(Output(), QStringLiteral("1"));
    window_->close();
    EXPECT_EQ(Settings().GetInt("Settings", "LastCategory", -9), 0);
  }

  Settings().WriteInt("Settings", "LastCategory", 0);
  Settings().WriteInt("Settings", "LastUnitFrom", 999);
  Settings().WriteInt("Settings", "LastUnitTo", -1);
  Start();
  EXPECT_EQ(From()->GetCurSel(), 0) << "an index beyond the list is not applied";
  EXPECT_EQ(To()->GetCurSel(), -1) << "-1 clears the selection";
  UserTypes(QStringLiteral("5"));
  EXPECT_EQ(Output(), QStringLiteral("1")) << "nothing is computed without an output unit";
}

TEST_F(ConverterDlgTest, HidingEveryCategoryLeavesTheListsEmpty) {
  for (const BuiltinCategory& category : BuiltinCategories()) {
    Settings().WriteInt("Visibility", category.name, 0);
  }
  Start();
  EXPECT_EQ(Categories()->GetCount(), 0);
  EXPECT_EQ(From()->GetCount(), 0);
  EXPECT_EQ(To()->GetCount(), 0);
  UserTypes(QStringLiteral("3"));
  EXPECT_EQ(Output(), QString());
}

TEST_F(ConverterDlgTest, ACategoryWithoutUnitsShowsNoResultOfTheOneBefore) {
  Settings().WriteString("CustomCategories", "Kitchen", "");
  Settings().WriteInt("Settings", "ShowAbbreviation", 1);
  Start();
  UserTypes(QStringLiteral("1/0"));
  ASSERT_FALSE(OutputTip().isEmpty());
  UserPicksCategory(QStringLiteral("Kitchen"));
  EXPECT_EQ(From()->GetCount(), 0);
  for (const int id : {ids::kOutputBox, ids::kInputUnitLabel, ids::kOutputUnitLabel})
    EXPECT_EQ(window_->ItemText(id), QString()) << id;
  EXPECT_EQ(OutputTip(), QString());
}

// A hand-edited size the Add / Remove Units dialog would refuse would make
// every conversion with the unit 0 or an infinity.
TEST_F(ConverterDlgTest, UnitsWhoseCoefficientIsNoSizeAreLeftOutAndNamedOnce) {
  const std::string units =
      "[CustomUnits]\nzero=@Distance?val=0?i=0\nfine=@Distance?val=2?i=0\n"
      "tiny=@Mass?val=1e-320?i=1\n";
  testing::WriteBytes(SettingsFile(), units);
  Start();
  FinishStart();
  ASSERT_EQ(shell_.messages.size(), 1u);
  EXPECT_EQ(shell_.messages[0].caption, "Error");
  EXPECT_TRUE(shell_.messages[0].text.contains(
      "'zero' in 'Distance' (coefficient '0'), 'tiny' in 'Mass' (coefficient '1e-320')."))
      << shell_.messages[0].text.toStdString();
  const CCategory* distance = window_->Catalogue().FindCategory("Distance");
  EXPECT_EQ(distance->FindUnit("zero"), nullptr);
  EXPECT_NE(distance->FindUnit("fine"), nullptr);
  EXPECT_NE(testing::ReadBytes(SettingsFile()).find(units.substr(14)), std::string::npos) << "kept";
}

TEST_F(ConverterDlgTest, CustomFontGivesTheWindowTheStoredFaceAndSize) {
  Settings().WriteInt("Settings", "CustomFont", 1);
  Settings().WriteString("Settings", "FontName", "DejaVu Serif");
  Settings().WriteInt("Settings", "FontSize", 11);
  CConverterDlg& dialog = Start();
  EXPECT_EQ(dialog.font().family(), QStringLiteral("DejaVu Serif"));
  EXPECT_EQ(dialog.font().pointSize(), 11);
  EXPECT_EQ(context_.menuFont.family(), QStringLiteral("DejaVu Serif"));
  const int customWidth = dialog.width();

  Settings().WriteInt("Settings", "CustomFont", 0);
  context_.dialogFont = KitFontOf(DialogFont{});
  CConverterDlg& plain = Start();
  EXPECT_EQ(plain.font().pointSize(), 8) << "the template's own font";
  EXPECT_GT(customWidth, plain.width());
}

TEST_F(ConverterDlgTest, TheModalRunEndsWithACloseRequest) {
  CConverterDlg dialog(context_);
  QTimer::singleShot(0, &dialog, [&] {
    EXPECT_TRUE(dialog.isVisible());
    dialog.ListBoxItem(ids::kOutputUnitList)->SetCurSel(3);
    dialog.close();
  });
  EXPECT_EQ(dialog.DoModal(), QDialog::Rejected);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(Settings().GetInt("Settings", "LastUnitTo", -9), 3);
}

TEST_F(ConverterDlgTest, WithoutItsTemplateTheWindowRunsAsMinusOne) {
  context_.templates = DialogTemplateRegistry{};
  CConverterDlg dialog(context_);
  EXPECT_EQ(dialog.DoModal(), -1);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_TRUE(context_.catalogue.Categories().empty())
      << "the catalogue is filled as the window starts";
}

TEST_F(ConverterDlgTest, LogoSitsRightOfTheCategoriesAndOpensTheHomePage) {
  CConverterDlg& dialog = Start();
  FinishStart();
  PictureStatic* logo = dialog.PictureItem(ids::kLogo);
  const QWidget* categories = dialog.Item(ids::kCategoryList);
  EXPECT_EQ(
      logo->geometry(),
      QRect(dialog.width() - 265,
            static_cast<int>((2 * categories->y() + categories->height()) * 0.5 - 30), 250, 57));
  EXPECT_EQ(logo->cursor().shape(), Qt::PointingHandCursor);
  QTest::mouseClick(logo, Qt::LeftButton, {}, QPoint(10, 10));
  ASSERT_EQ(shell_.opened.size(), 1u);
  EXPECT_EQ(shell_.opened[0], context_.homePage);
  EXPECT_TRUE(shell_.messages.empty()) << "both pictures loaded";

  // The pictures are painted into their controls.
  const QImage shot = dialog.grab().toImage();
  const QImage banner = QImage(QStringLiteral(":/res/GIF/130"));
  EXPECT_EQ(shot.pixel(logo->geometry().topLeft() + QPoint(5, 5)), banner.pixel(5, 5));
}

TEST_F(ConverterDlgTest, TooltipsHaveTheirTextsAndStayThirtySeconds) {
  CConverterDlg& dialog = Start();
  FinishStart();
  EXPECT_EQ(dialog.ToolTips().ToolText(dialog.Item(ids::kInputBox)),
            QStringLiteral("Enter your value in the Input Box :\r\n\r\nas Decimal, e.g. "
                           "1.75\r\nas Exponent, e.g. 1.2e-5\r\nas Partial Fraction, e.g. 7/8  "
                           "or\r\nas Mixed Fraction, e.g. 2+3/4  (for 2¾)."));
  EXPECT_EQ(dialog.ToolTips().ToolText(dialog.Item(ids::kInvertIcon)),
            QStringLiteral("Click on the icon to invert currently selected units"));
  EXPECT_EQ(dialog.Item(ids::kInputBox)->toolTipDuration(), 30000);
  EXPECT_TRUE(
      dialog.Item(ids::kInputBox)->toolTip().startsWith(QStringLiteral("Enter your value")));
}

TEST_F(ConverterDlgTest, TabVisitsTheCategoriesTheListsAndTheBoxesInTurn) {
  CConverterDlg& dialog = Start();
  std::vector<int> order;
  QWidget* start = dialog.Item(ids::kCategoryList);
  QWidget* widget = start;
  do {
    if ((widget->focusPolicy() & Qt::TabFocus) && widget->parentWidget() == &dialog) {
      for (int id : {1000, 1004, 1003, 1010, 1011}) {
        if (dialog.Item(id) == widget) order.push_back(id);
      }
    }
    widget = widget->nextInFocusChain();
  } while (widget != start && order.size() < 10);
  EXPECT_EQ(order, (std::vector<int>{1000, 1004, 1003, 1010, 1011}));
  EXPECT_EQ(dialog.Item(ids::kInvertIcon)->focusPolicy(), Qt::NoFocus);
}

TEST_F(ConverterDlgTest, OnTopZeroStartsInTheNormalBand) {
  Settings().WriteInt("Settings", "OnTop", 0);
  CConverterDlg& dialog = Start();
  EXPECT_FALSE(dialog.windowFlags() & Qt::WindowStaysOnTopHint);
}

}  // namespace
}  // namespace vantrel
