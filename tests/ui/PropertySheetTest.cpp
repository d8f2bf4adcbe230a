#include <gtest/gtest.h>

#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <memory>
#include <vector>

#include "KitTestSupport.h"
#include "ui/kit/DropDownList.h"
#include "ui/kit/PropertyPage.h"
#include "ui/kit/PropertySheet.h"

namespace vantrel {
namespace {

constexpr int kSmallPage = 700;
constexpr int kLargePage = 701;

DialogTemplate PageTemplate(int id, const char* caption, int cx, int cy) {
  using K = ControlKind;
  DialogTemplate page{id, caption, cx, cy, "DejaVu Sans", 8, kChild, {}};
  page.controls = {{10, K::kCheckBox, "Option", 10, 10, 80, 10, kTabStop},
                   {11, K::kEdit, "", 10, 25, 80, 12, kTabStop}};
  return page;
}

class CountingPage : public PropertyPage {
 public:
  CountingPage(const DialogTemplateRegistry& registry, int id, const PreferredFont& font,
               std::vector<int>& log)
      : PropertyPage(registry, id, font), log_(log), id_(id) {}

 protected:
  void OnInitDialog() override { log_.push_back(id_); }
  void OnOK() override { log_.push_back(-id_); }

 private:
  std::vector<int>& log_;
  int id_;
};

class PropertySheetTest : public ::testing::Test {
 protected:
  PropertySheetTest() {
    registry_.Add(PageTemplate(kSmallPage, "General", 150, 80));
    registry_.Add(PageTemplate(kLargePage, "Result Format", 220, 140));
    for (int id : {kSmallPage, kLargePage}) {
      pages_.push_back(std::make_unique<CountingPage>(registry_, id, font_, log_));
      sheet_.AddPage(pages_.back().get());
    }
  }

  // Custom font off: the sheet and its pages still take the preferred font.
  PreferredFont font_{false, "DejaVu Serif", 10};
  DialogTemplateRegistry registry_;
  std::vector<int> log_;
  std::vector<std::unique_ptr<CountingPage>> pages_;
  PropertySheet sheet_{QStringLiteral("Preferences"), font_};
};

TEST_F(PropertySheetTest, CreatesEveryPageAtOnceAndShowsOnePerTabInsideTheTabArea) {
  ASSERT_TRUE(sheet_.Create());
  EXPECT_EQ(log_, (std::vector<int>{kSmallPage, kLargePage})) << "every page initialised, in order";
  EXPECT_EQ(sheet_.windowTitle(), QStringLiteral("Preferences"));
  ASSERT_EQ(sheet_.TabControl()->count(), 2);
  EXPECT_EQ(sheet_.TabControl()->tabText(1), QStringLiteral("Result Format"));
  EXPECT_EQ(pages_[0]->font().family(), QStringLiteral("DejaVu Serif"));
  EXPECT_EQ(pages_[0]->font().pointSize(), 10);
  sheet_.show();
  for (int active : {0, 1, 0}) {
    SCOPED_TRACE(active);
    sheet_.SetActivePage(active);
    QTest::qWait(1);
    EXPECT_EQ(sheet_.GetActiveIndex(), active);
    for (int i = 0; i < 2; ++i) EXPECT_EQ(pages_[i]->isVisible(), i == active);
    const QRect area(sheet_.TabControl()->currentWidget()->parentWidget()->mapTo(&sheet_, QPoint()),
                     sheet_.TabControl()->currentWidget()->parentWidget()->size());
    const QRect page(pages_[active]->mapTo(&sheet_, QPoint()), pages_[active]->size());
    EXPECT_TRUE(sheet_.TabControl()->geometry().contains(area));
    EXPECT_TRUE(area.contains(page));
    EXPECT_EQ(
        page.size(),
        pages_[active]->MapDialogRect(QRect(0, 0, active ? 220 : 150, active ? 140 : 80)).size())
        << "a page keeps its template's size";
  }
}

TEST_F(PropertySheetTest, OkRunsEveryPagesOkActionAndCancelNone) {
  ASSERT_TRUE(sheet_.Create());
  log_.clear();
  sheet_.Button(kIdCancel)->click();
  EXPECT_EQ(sheet_.result(), kIdCancel);
  EXPECT_TRUE(log_.empty());
  // Escape in a page's control reaches the sheet, not the page.
  sheet_.show();
  QTest::keyClick(pages_[0]->Item(11), Qt::Key_Escape);
  EXPECT_FALSE(sheet_.isVisible());
  EXPECT_TRUE(pages_[0]->isVisibleTo(&sheet_));
  EXPECT_TRUE(log_.empty());
  sheet_.show();
  QTest::keyClick(pages_[1]->Item(11), Qt::Key_Return);
  EXPECT_EQ(sheet_.result(), kIdOk);
  EXPECT_EQ(log_, (std::vector<int>{-kSmallPage, -kLargePage})) << "the page never shown too";
}

TEST_F(PropertySheetTest, PagesScaledFromTheirTemplateFontStayInTheTabAreaAndTabsTakeTheFocus) {
  sheet_.ScalePagesFromTemplateFonts();
  ASSERT_TRUE(sheet_.Create());
  const QFont templateFont = DialogFontOf(*registry_.Find(kLargePage));
  const LayoutMetrics before = LayoutMetricsOf(templateFont);
  const LayoutMetrics after = LayoutMetricsOf(sheet_.font());
  const QSize built = DialogUnitsToPixels(QRect(0, 0, 220, 140), BaseUnitsOf(templateFont)).size();
  EXPECT_EQ(pages_[1]->font().family(), QStringLiteral("DejaVu Serif"));
  EXPECT_EQ(pages_[1]->size(), QSize(built.width() * after.averageWidth / before.averageWidth,
                                     built.height() * after.lineHeight / before.lineHeight));
  ASSERT_TRUE(testing::ShowActive(sheet_));
  pages_[0]->Item(11)->setFocus();
  pages_[1]->move(30, 30);  // out of place while hidden
  QTabBar* tabs = sheet_.TabControl()->tabBar();
  QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
  QTest::qWait(1);
  EXPECT_EQ(sheet_.GetActiveIndex(), 1);
  EXPECT_EQ(pages_[1]->pos(), QPoint(0, 0));
  EXPECT_EQ(QApplication::focusWidget(), tabs);
}

TEST(RefontWithLayoutScaling, ScalesEveryPlaceByTheFontRatiosAndKeepsTheCentre) {
  using K = ControlKind;
  const DialogTemplateRegistry registry =
      testing::RegistryOf({{800,
                            "Scaled",
                            120,
                            80,
                            "DejaVu Sans",
                            8,
                            kSysMenu,
                            {{10, K::kCheckBox, "Option", 10, 10, 80, 10, kTabStop},
                             {11, K::kDropDownList, "", 10, 25, 60, 50, kTabStop},
                             {12, K::kText, "Own font", 75, 25, 40, 20, kNoStyle}}}});
  TemplateDialog dialog(registry, 800, PreferredFont{});
  ASSERT_TRUE(dialog.Create());
  QFont own(QStringLiteral("DejaVu Sans Mono"), 13);
  dialog.Item(12)->setFont(own);
  dialog.move(200, 100);
  const QRect window = dialog.geometry();
  const QRect check = dialog.Item(10)->geometry();
  const QRect dropped = dialog.DropDownItem(11)->DroppedRect();
  const LayoutMetrics before = LayoutMetricsOf(dialog.font());
  const QFont larger(QStringLiteral("DejaVu Serif"), 16);
  const LayoutMetrics after = LayoutMetricsOf(larger);
  const auto scaled = [&](const QRect& r) {
    const auto x = [&](int v) { return v * after.averageWidth / before.averageWidth; };
    const auto y = [&](int v) { return v * after.lineHeight / before.lineHeight; };
    return QRect(QPoint(x(r.left()), y(r.top())),
                 QPoint(x(r.left() + r.width()) - 1, y(r.top() + r.height()) - 1));
  };
  dialog.RefontWithLayoutScaling(larger);
  EXPECT_EQ(dialog.font(), larger);
  EXPECT_EQ(dialog.size(), scaled(QRect(QPoint(), window.size())).size());
  EXPECT_LE((dialog.geometry().center() - window.center()).manhattanLength(), 2);
  EXPECT_EQ(dialog.Item(10)->geometry(), scaled(check));
  EXPECT_EQ(dialog.DropDownItem(11)->DroppedRect(), scaled(dropped)) << "with its open list";
  EXPECT_EQ(dialog.DropDownItem(11)->height(), dialog.DropDownItem(11)->sizeHint().height());
  EXPECT_EQ(dialog.Item(12)->font(), own);
}

TEST_F(PropertySheetTest, APageWithoutTemplateMeansNoSheet) {
  CountingPage missing(registry_, 4242, font_, log_);
  sheet_.AddPage(&missing);
  EXPECT_EQ(sheet_.DoModal(), -1);
  EXPECT_FALSE(sheet_.isVisible());
}

}  // namespace
}  // namespace vantrel
