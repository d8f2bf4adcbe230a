// What the start options (vantrel --category --from --to --value) show, what
// the window says of wrong ones, and that they leave the settings file as it
// was.
#include <gtest/gtest.h>

#include <QTest>
#include <string>

#include "WindowTest.h"
#include "support/TempDir.h"
#include "ui/kit/PictureStatic.h"

namespace vantrel {
namespace {

using testing::ReadBytes;
using testing::Shown;
using testing::WriteBytes;

class StartChoiceTest : public testing::WindowTest {
 protected:
  // Settings with a remembered selection (Distance: inch to foot), as a
  // start and a close leave them.
  void SetUp() override {
    WriteBytes(SettingsFile(),
               "[Settings]\nRememberLast=1\nLastCategory=9\nLastUnitFrom=39\nLastUnitTo=28\n");
    Start();
    FinishStart();
    window_->close();
    stored_ = ReadBytes(SettingsFile());
  }

  // Starts with the choice and lets the window say what it has to say.
  void StartWith(StartChoice choice) {
    context_.start = std::move(choice);
    Start();
    FinishStart();
  }

  // What the window shows, and what its input box holds.
  void ExpectShowing(const Shown& shown, const char* input) {
    EXPECT_EQ(Now(), shown);
    EXPECT_EQ(Input()->text().toStdString(), input);
  }

  std::string stored_;
};

TEST_F(StartChoiceTest, TheWindowShowsTheChosenCategoryUnitsAndValueWithItsResult) {
  ExpectShowing({"Distance", "inch", "foot", "0.083333333"}, "1");
  const struct {
    StartChoice choice;
    Shown shown;
    const char* input;
  } cases[] = {
      {{.category = "Temperature",
        .from = "degree Celsius",
        .to = "degree Fahrenheit",
        .value = "100"},
       {"Temperature", "degree Celsius", "degree Fahrenheit", "212"},
       "100"},
      {{.category = "temperature ", .from = "°F", .to = "K", .value = "-40"},
       {"Temperature", "degree Fahrenheit", "Kelvin", "233.15"},
       "-40"},
      {{.category = "Temperature"}, {"Temperature", "degree Celsius", "degree Celsius", "1"}, "1"},
      {{.from = "Å", .value = "2*pi"}, {"Distance", "angstrom", "foot", "2.0614125e-009"}, "2*pi"},
      {{.value = "1/3"}, {"Distance", "inch", "foot", "0.027777778"}, "1/3"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.shown));
    StartWith(c.choice);
    ExpectShowing(c.shown, c.input);
    EXPECT_TRUE(shell_.messages.empty());
  }
}

// Each wrong option is said, in one message; the window opens as it would
// without it, and the settings file stays as it was.
TEST_F(StartChoiceTest, WrongOptionsAreSaidAndLeftOutAndTheSettingsStayAsTheyWere) {
  using Kind = StartOptionProblem::Kind;
  const struct {
    StartChoice choice;
    const char* message;
    Shown shown;
    const char* input;
  } cases[] = {
      {{.category = "Foo", .from = "degree Celsius", .value = "5"},
       "Unknown category \"Foo\".",
       {"Distance", "inch", "foot", "0.41666667"},
       "5"},
      {{.category = "Amount of Substance"},
       "The category \"Amount of Substance\" is hidden: Edit, Preferences, Visible Categories "
       "shows it again.",
       {"Distance", "inch", "foot", "0.083333333"},
       "1"},
      {{.category = "Temperature", .from = "meter", .to = "Kelvin"},
       "Unknown unit \"meter\" in \"Temperature\".",
       {"Temperature", "degree Celsius", "Kelvin", "274.15"},
       "1"},
      {{.from = "fm", .to = "fortnight"},
       "\"fm\" stands for several units of \"Distance\": \"fathom\", \"fermi\".\n"
       "Unknown unit \"fortnight\" in \"Distance\".",
       {"Distance", "inch", "foot", "0.083333333"},
       "1"},
      {{.to = "m", .problems = {{Kind::kRepeated, "--from"}, {Kind::kMissingValue, "--value"}}},
       "The option --from is given more than once.\nThe option --value needs a value.",
       {"Distance", "inch", "meter", "0.0254"},
       "1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    shell_.messages.clear();
    StartWith(c.choice);
    ExpectShowing(c.shown, c.input);
    ASSERT_EQ(shell_.messages.size(), 1u);
    EXPECT_EQ(shell_.messages[0].caption, QStringLiteral("Error"));
    EXPECT_EQ(shell_.messages[0].icon, MessageIcon::kExclamation);
    EXPECT_EQ(shell_.messages[0].text.toStdString(), c.message);
    window_->close();
    EXPECT_EQ(ReadBytes(SettingsFile()), stored_);
  }
}

// The options only choose what shows; once the user chooses units or a
// category, the selection is remembered as usual.
TEST_F(StartChoiceTest, TheSettingsStayAsTheyWereUnlessTheUserChoosesAnother) {
  const StartChoice choice{
      .category = "Temperature", .from = "degree Celsius", .to = "Kelvin", .value = "100"};
  StartWith(choice);
  window_->close();
  EXPECT_EQ(ReadBytes(SettingsFile()), stored_);

  // Inverted twice: the same units as chosen, now by the user.
  StartWith(choice);
  for (int i = 0; i < 2; ++i)
    QTest::mouseClick(window_->PictureItem(ids::kInvertIcon), Qt::LeftButton, {}, QPoint(3, 3));
  ExpectShowing({"Temperature", "degree Celsius", "Kelvin", "373.15"}, "100");
  window_->close();
  const Profile written = Profile::Snapshot(SettingsFile());
  EXPECT_EQ(written.GetInt("Settings", "LastCategory", -9), Categories()->GetCurSel());
  EXPECT_EQ(written.GetInt("Settings", "LastUnitFrom", -9), From()->GetCurSel());
  EXPECT_EQ(written.GetInt("Settings", "LastUnitTo", -9), To()->GetCurSel());
}

}  // namespace
}  // namespace vantrel
