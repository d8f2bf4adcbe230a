#include <QAbstractButton>
#include <QPushButton>

#include "PreferencesFixture.h"
#include "ui/kit/EditBox.h"

namespace vantrel {
namespace {

class ResultFormatPageTest : public testing::PreferencesFixture {
 protected:
  DropDownList* Precisions() { return Format().DropDownItem(ids::kPrecisionList); }
  QString Preview() { return Format().ItemText(ids::kFormatPreview); }
  // As a user does it: a click on the mode's button, then a precision chosen.
  void Choose(int modeId, int precision = -1) {
    Format().ButtonItem(modeId)->click();
    if (precision >= 0)
      Precisions()->setCurrentIndex(Precisions()->findText(QString::number(precision)));
  }
};

TEST_F(ResultFormatPageTest, PreviewsTheSampleInEachFormat) {
  Start();
  Open();
  EXPECT_EQ(Preview(), QStringLiteral("123.45678976898"));
  EXPECT_FALSE(Precisions()->isEnabled());
  EXPECT_EQ(Precisions()->currentText(), QStringLiteral("5"));
  EXPECT_EQ(Format().Item(ids::kFormatPreview)->font().pointSize(), 13);
  const struct {
    int mode;
    int precision;
    const char* preview;
  } cases[] = {
      {ids::kFixedRadio, 2, "123.46"},       {ids::kFixedRadio, 0, "123"},
      {ids::kFixedRadio, 8, "123.45678977"}, {ids::kScientificRadio, 3, "1.235e+002"},
      {ids::kScientificRadio, 0, "1e+002"},  {ids::kAutoFormatRadio, -1, "123.45678976898"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.preview);
    Choose(c.mode, c.precision);
    EXPECT_EQ(Preview(), QString::fromLatin1(c.preview));
    EXPECT_EQ(Precisions()->isEnabled(), c.mode != ids::kAutoFormatRadio);
  }
}

TEST_F(ResultFormatPageTest, AutoFormatKeepsTheStoredPrecision) {
  Store("[Settings]\nFormat=2\nPrecision=3\n");
  Start();
  Open();
  EXPECT_EQ(Format().IsDlgButtonChecked(ids::kFixedRadio), 1);
  Choose(ids::kAutoFormatRadio);
  PressOk();
  EXPECT_EQ(Stored("Format"), 0);
  EXPECT_EQ(Stored("Precision"), 3);
  Open();
  Choose(ids::kFixedRadio);
  EXPECT_EQ(Preview(), QStringLiteral("123.457"));
}

TEST_F(ResultFormatPageTest, OkWithoutVisitingThePageWritesTheFormat) {
  Store("[Settings]\nFormat=1\nPrecision=4\n");
  Start();
  Settings().DeleteKey("Settings", "Format");
  Settings().DeleteKey("Settings", "Precision");
  Open();
  PressOk();
  EXPECT_EQ(Stored("Format"), 1);
  EXPECT_EQ(Stored("Precision"), 4);
}

TEST_F(ResultFormatPageTest, TheWindowShowsTheNewFormatAtItsNextRecomputation) {
  Start();
  EXPECT_EQ(main_->ItemText(ids::kOutputBox), QStringLiteral("1"));
  Open();
  Choose(ids::kFixedRadio, 2);
  PressOk();
  EXPECT_EQ(main_->ItemText(ids::kOutputBox), QStringLiteral("1")) << "nothing is refreshed";
  main_->EditItem(ids::kInputBox)->SetText(QStringLiteral("2"));
  EXPECT_EQ(main_->ItemText(ids::kOutputBox), QStringLiteral("2.00"));
}

}  // namespace
}  // namespace vantrel
