#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QLocale>
#include <QTest>
#include <QTimer>
#include <clocale>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "KitTestSupport.h"
#include "WindowTest.h"
#include "cli/Run.h"
#include "geo/Ellipsoid.h"
#include "geo/Utm.h"
#include "platform/NumberText.h"
#include "support/TabFields.h"
#include "ui/AppContext.h"
#include "ui/ConverterDlg.h"
#include "ui/Coordinates.h"
#include "ui/ResourceIds.h"
#include "ui/kit/DropDownList.h"
#include "ui/kit/EditBox.h"

namespace vantrel {
namespace {

constexpr int kEdits[] = {ids::kDecimalLatitude,
                          ids::kLatitudeDegrees,
                          ids::kLatitudeMinutes,
                          ids::kLatitudeSeconds,
                          ids::kDecimalLongitude,
                          ids::kLongitudeDegrees,
                          ids::kLongitudeMinutes,
                          ids::kLongitudeSeconds,
                          ids::kNorthing,
                          ids::kEasting,
                          ids::kZone};

// Every box in that order, and the hemisphere as "N" or "S".
std::vector<std::string> Boxes(const CCoordinates& dialog) {
  std::vector<std::string> texts;
  for (int id : kEdits) texts.push_back(dialog.ItemText(id).toStdString());
  texts.push_back(dialog.IsDlgButtonChecked(ids::kSouthern) ? "S" : "N");
  return texts;
}

std::string Fixed(double value) { return FormatText("%1.3f", value); }

class CoordinatesTest : public testing::WindowTest {
 protected:
  CCoordinates& Open() {
    EXPECT_TRUE(dialog_.Create());
    EXPECT_TRUE(testing::ShowActive(dialog_));
    return dialog_;
  }
  QString Text(int id) const { return dialog_.ItemText(id); }
  // What a user does: selects the whole box and types over it.
  void Type(int id, const QString& text) {
    EditBox* box = dialog_.EditItem(id);
    box->setFocus();
    box->selectAll();
    if (text.isEmpty()) QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
  }
  void ChooseEllipsoid(int index) {
    DropDownList* list = dialog_.DropDownItem(ids::kEllipsoidList);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < index; ++i) QTest::keyClick(list, Qt::Key_Down);
    ASSERT_EQ(list->GetCurSel(), index);
  }

  CCoordinates dialog_{context_};
};

TEST_F(CoordinatesTest, OpensShowingTheDefaultPointInAllThreeForms) {
  Open();
  EXPECT_EQ(dialog_.windowTitle(), QStringLiteral("Coordinate Conversion"));
  const DropDownList* list = dialog_.DropDownItem(ids::kEllipsoidList);
  ASSERT_EQ(list->GetCount(), kEllipsoidCount);
  for (int i = 0; i < kEllipsoidCount; ++i) {
    EXPECT_EQ(list->GetLBText(i).toStdString(), Ellipsoids()[i].name);
  }
  EXPECT_EQ(list->GetCurSel(), 0);
  EXPECT_EQ(Boxes(dialog_),
            (std::vector<std::string>{"33.732075", "33", "43", "55", "-84.90558", "-84", "54", "20",
                                      "3734419.547", "694036.968", "16 S", "N"}));
  EXPECT_TRUE(shell_.messages.empty());
}

// The decimal boxes keep the text as typed: had the dialog's own writes of the
// other boxes started a recomputation, they would read "-33.900" and "18.400".
const std::vector<std::string> kCapeTown{"-33.9", "-33", "53",          "59",         "18.4", "18",
                                         "23",    "59",  "6245888.046", "259583.210", "34 H", "S"};

TEST_F(CoordinatesTest, TypedDecimalsShowDegreesAndUTM) {
  Open();
  Type(ids::kDecimalLatitude, QStringLiteral("-33.9"));
  Type(ids::kDecimalLongitude, QStringLiteral("18.4"));
  EXPECT_EQ(Boxes(dialog_), kCapeTown);
}

TEST_F(CoordinatesTest, ACommaDecimalLocaleChangesNothing) {
  const std::string before = std::setlocale(LC_ALL, nullptr);
  const QLocale qtBefore;
  ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  Open();
  Type(ids::kDecimalLatitude, QStringLiteral("-33.9"));
  Type(ids::kDecimalLongitude, QStringLiteral("18.4"));
  const std::vector<std::string> boxes = Boxes(dialog_);
  QLocale::setDefault(qtBefore);
  std::setlocale(LC_ALL, before.c_str());
  EXPECT_EQ(boxes, kCapeTown);
}

TEST_F(CoordinatesTest, TheHemisphereRecomputesFromTheUnchangedUTMBoxes) {
  Open();
  const std::vector<std::string> utm = {"3734419.547", "694036.968", "16 S"};
  const auto utmBoxes = [&] {
    return std::vector<std::string>{Text(ids::kNorthing).toStdString(),
                                    Text(ids::kEasting).toStdString(),
                                    Text(ids::kZone).toStdString()};
  };
  const LatLong south = UTMToLatLong(3734419.547, 694036.968, 16, 1, Ellipsoids()[0]);
  QTest::mouseClick(dialog_.ButtonItem(ids::kSouthern), Qt::LeftButton);
  EXPECT_EQ(Text(ids::kDecimalLatitude).toStdString(), Fixed(south.latitude));
  EXPECT_LT(south.latitude, 0);
  EXPECT_EQ(utmBoxes(), utm);
  QTest::mouseClick(dialog_.ButtonItem(ids::kNorthern), Qt::LeftButton);
  EXPECT_EQ(Text(ids::kDecimalLatitude), QStringLiteral("33.732"));
  EXPECT_EQ(Text(ids::kDecimalLongitude), QStringLiteral("-84.906"));
  EXPECT_EQ(Text(ids::kLatitudeSeconds), QStringLiteral("55"));
  EXPECT_EQ(utmBoxes(), utm);
}

TEST_F(CoordinatesTest, AnotherEllipsoidRecomputesFromTheUnchangedDecimalBoxes) {
  Open();
  Type(ids::kDecimalLatitude, QStringLiteral("33.7320751"));
  ChooseEllipsoid(4);
  const UTMResult expected = LatLongToUTM(33.7320751, -84.90558, Ellipsoids()[4]);
  EXPECT_EQ(Text(ids::kDecimalLatitude), QStringLiteral("33.7320751"));
  EXPECT_EQ(Text(ids::kDecimalLongitude), QStringLiteral("-84.90558"));
  EXPECT_EQ(Text(ids::kNorthing).toStdString(), Fixed(expected.northing));
  EXPECT_EQ(Text(ids::kEasting).toStdString(), Fixed(expected.easting));
  EXPECT_NE(Text(ids::kNorthing), QStringLiteral("3734419.547"));
}

TEST_F(CoordinatesTest, ABoxWithoutAWholeNumberSaysSoTakesTheFocusAndGetsItsNumberBack) {
  Open();
  // The first is typed; the others are texts dropped into a box while the
  // focus is elsewhere.
  const struct {
    int id;
    const char* text;
    const char* restored;
  } cases[] = {{ids::kLatitudeSeconds, ".", "55"},    {ids::kLatitudeDegrees, "--", "33"},
               {ids::kLongitudeMinutes, "1.5", "54"}, {ids::kLongitudeSeconds, ".", "20"},
               {ids::kLatitudeMinutes, "4-", "43"},   {ids::kLongitudeDegrees, "- 8", "-84"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.id);
    shell_.messages.clear();
    if (c.id == ids::kLatitudeSeconds) {
      Type(c.id, QString::fromLatin1(c.text));
    } else {
      dialog_.EditItem(ids::kNorthing)->setFocus();
      dialog_.SetItemText(c.id, QString::fromLatin1(c.text));
    }
    ASSERT_EQ(shell_.messages.size(), 1u);
    EXPECT_EQ(shell_.messages[0].text, QStringLiteral("Enter an integer."));
    EXPECT_EQ(shell_.messages[0].icon, MessageIcon::kExclamation);
    EXPECT_EQ(dialog_.focusWidget(), dialog_.Item(c.id));
    EXPECT_EQ(Text(c.id).toStdString(), c.restored);
  }
  // The recomputation went on with the numbers the boxes hold.
  EXPECT_EQ(Text(ids::kDecimalLatitude), QStringLiteral("33.732"));
  EXPECT_EQ(Text(ids::kDecimalLongitude), QStringLiteral("-84.906"));
}

// The number is still being typed: nothing is said, and nothing is computed
// from what it has so far.
TEST_F(CoordinatesTest, AnEmptiedBoxOrALoneMinusWaitsForItsNumber) {
  Open();
  Type(ids::kDecimalLatitude, QStringLiteral("-33.9"));
  Type(ids::kDecimalLongitude, QStringLiteral("18.4"));
  for (const char* entry : {"", "-"}) {
    Type(ids::kLatitudeDegrees, QString::fromLatin1(entry));
    std::vector<std::string> expected = kCapeTown;
    expected[1] = entry;
    EXPECT_EQ(Boxes(dialog_), expected);
  }
  QTest::keyClicks(dialog_.EditItem(ids::kLatitudeDegrees), QStringLiteral("33"));
  EXPECT_TRUE(shell_.messages.empty());
  EXPECT_EQ(Text(ids::kDecimalLatitude), QStringLiteral("-33.900"));
  // A box left empty is given its number by the next recomputation.
  Type(ids::kLatitudeSeconds, QString());
  Type(ids::kDecimalLatitude, QStringLiteral("-33.9"));
  std::vector<std::string> expected = kCapeTown;
  expected[4] = "18.400";
  EXPECT_EQ(Boxes(dialog_), expected);
  EXPECT_TRUE(shell_.messages.empty());
}

TEST_F(CoordinatesTest, LettersBlanksAndClipboardKeysChangeNothing) {
  Open();
  QGuiApplication::clipboard()->setText(QStringLiteral("7"));
  const std::vector<std::string> before = Boxes(dialog_);
  for (int id : kEdits) {
    EditBox* box = dialog_.EditItem(id);
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("a Z,+e"));
    for (Qt::Key key : {Qt::Key_C, Qt::Key_X, Qt::Key_V, Qt::Key_Z, Qt::Key_A}) {
      QTest::keyClick(box, key, Qt::ControlModifier);
    }
  }
  DropDownList* list = dialog_.DropDownItem(ids::kEllipsoidList);
  list->setFocus();
  QTest::keyClicks(list, QStringLiteral("K"));
  EXPECT_EQ(list->GetCurSel(), 0);
  EXPECT_EQ(Boxes(dialog_), before);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("7"));
  EXPECT_TRUE(shell_.messages.empty());

  // Digits, the point, Backspace and the keys that type nothing still work.
  EditBox* latitude = dialog_.EditItem(ids::kDecimalLatitude);
  latitude->setFocus();
  latitude->end(false);
  QTest::keyClick(latitude, Qt::Key_Backspace);
  QTest::keyClicks(latitude, QStringLiteral("9"));
  QTest::keyClick(latitude, Qt::Key_Home);
  QTest::keyClick(latitude, Qt::Key_Delete);
  EXPECT_EQ(latitude->Text(), QStringLiteral("3.732079"));
  EXPECT_EQ(Text(ids::kLatitudeDegrees), QStringLiteral("3"));
}

TEST_F(CoordinatesTest, DegreesEditsShowThreeDecimalsButConvertTheUnroundedValue) {
  Open();
  Type(ids::kLatitudeSeconds, QStringLiteral("56"));
  Type(ids::kLongitudeMinutes, QStringLiteral("05"));
  EXPECT_EQ(Text(ids::kLongitudeMinutes), QStringLiteral("5"));
  const double latitude = 33 + 43 / 60.0 + 56 / 3600.0;
  const double longitude = -(84 + 5 / 60.0 + 20 / 3600.0);
  EXPECT_EQ(Text(ids::kDecimalLatitude), QStringLiteral("33.732"));
  EXPECT_EQ(Text(ids::kDecimalLongitude), QStringLiteral("-84.089"));
  const UTMResult exact = LatLongToUTM(latitude, longitude, Ellipsoids()[0]);
  const UTMResult rounded = LatLongToUTM(33.732, -84.089, Ellipsoids()[0]);
  ASSERT_NE(Fixed(exact.northing), Fixed(rounded.northing));
  EXPECT_EQ(Text(ids::kNorthing).toStdString(), Fixed(exact.northing));
  EXPECT_EQ(Text(ids::kEasting).toStdString(), Fixed(exact.easting));
}

TEST_F(CoordinatesTest, TheZoneIsTheNumberOfItsFirstTwoCharacters) {
  Open();
  Type(ids::kNorthing, QStringLiteral("0"));
  Type(ids::kEasting, QStringLiteral("500000"));
  const struct {
    const char* zone;
    const char* longitude;
  } cases[] = {{"5", "-153.000"}, {"9 T", "-129.000"}, {"123", "-111.000"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.zone);
    dialog_.SetItemText(ids::kZone, QString::fromLatin1(c.zone));
    EXPECT_EQ(Text(ids::kDecimalLatitude), QStringLiteral("0.000"));
    EXPECT_EQ(Text(ids::kDecimalLongitude).toStdString(), c.longitude);
    EXPECT_EQ(Text(ids::kZone).toStdString(), c.zone);  // kept as typed
  }
}

// Texts pasted through a box's context menu, which the keyboard filter does
// not see.
TEST_F(CoordinatesTest, DecimalAndUTMBoxesReadTheirLeadingNumberAndNeverComplain) {
  Open();
  dialog_.SetItemText(ids::kDecimalLatitude, QStringLiteral("abc"));
  EXPECT_EQ(Text(ids::kLatitudeDegrees) + Text(ids::kLatitudeMinutes), QStringLiteral("00"));
  dialog_.SetItemText(ids::kDecimalLatitude, QStringLiteral(" -33.9 S"));
  dialog_.SetItemText(ids::kDecimalLongitude, QStringLiteral("18.4e"));
  std::vector<std::string> boxes = Boxes(dialog_);
  boxes[0] = "-33.9";
  boxes[4] = "18.4";
  EXPECT_EQ(boxes, kCapeTown);
  dialog_.SetItemText(ids::kNorthing, QStringLiteral("6245888.046 m"));
  EXPECT_EQ(Text(ids::kDecimalLatitude), QStringLiteral("-33.900"));
  EXPECT_TRUE(shell_.messages.empty());
}

// An entry with no possible answer is refused and its box given back: at
// once for a text put in from elsewhere, once the focus moves on for one
// being typed, which passes through values beyond the pole on its way.
TEST_F(CoordinatesTest, AnEntryWithNoPossibleAnswerIsRefusedAndItsBoxGivenBack) {
  Open();
  const std::vector<std::string> shown = Boxes(dialog_);
  for (const auto& [id, text, why] :
       {std::tuple{ids::kDecimalLatitude, "85", "latitude must be between -80 and 84"},
        {ids::kLongitudeSeconds, "75", "seconds must be between 0 and 59"},
        {ids::kNorthing, "9900000", "latitude 88.0534, outside the latitudes UTM covers"},
        {ids::kZone, "", "zone must be between 1 and 60"}}) {
    shell_.messages.clear();
    dialog_.SetItemText(id, QString::fromLatin1(text));
    ASSERT_EQ(shell_.messages.size(), 1u) << text;
    EXPECT_TRUE(shell_.messages[0].text.contains(QString::fromLatin1(why)));
    EXPECT_EQ(Boxes(dialog_), shown);
  }
  QTest::mouseClick(dialog_.ButtonItem(ids::kSouthern), Qt::LeftButton);
  shell_.messages.clear();
  Type(ids::kNorthing, QStringLiteral("62"));
  EXPECT_EQ(Text(ids::kDecimalLatitude), QStringLiteral("-56.495"));  // still the last point
  QTest::keyClicks(dialog_.EditItem(ids::kNorthing), QStringLiteral("45888.046"));
  EXPECT_EQ(Text(ids::kDecimalLatitude), QStringLiteral("-33.910"));
  Type(ids::kNorthing, QStringLiteral("1"));
  EXPECT_TRUE(shell_.messages.empty());
  dialog_.EditItem(ids::kEasting)->setFocus();
  QCoreApplication::processEvents();
  ASSERT_EQ(shell_.messages.size(), 1u);
  EXPECT_TRUE(shell_.messages[0].text.contains(QStringLiteral("beyond the south pole")));
  EXPECT_EQ(Text(ids::kNorthing), QStringLiteral("6245888.046"));
  EXPECT_EQ(dialog_.focusWidget(), dialog_.Item(ids::kNorthing));
}

TEST_F(CoordinatesTest, DegreesBetweenMinusOneAndZeroKeepTheirSign) {
  Open();
  Type(ids::kDecimalLatitude, QStringLiteral("-0.5"));
  EXPECT_EQ(Text(ids::kLatitudeDegrees), QStringLiteral("-0"));
  EXPECT_EQ(Text(ids::kLatitudeMinutes), QStringLiteral("30"));
  EXPECT_TRUE(dialog_.IsDlgButtonChecked(ids::kSouthern));
  Type(ids::kLatitudeMinutes, QStringLiteral("15"));
  EXPECT_EQ(Text(ids::kDecimalLatitude), QStringLiteral("-0.250"));
  EXPECT_EQ(Text(ids::kLatitudeDegrees), QStringLiteral("-0"));
  Type(ids::kLatitudeDegrees, QStringLiteral("0"));
  EXPECT_EQ(Text(ids::kDecimalLatitude), QStringLiteral("0.250"));
  EXPECT_TRUE(dialog_.IsDlgButtonChecked(ids::kNorthern));
}

TEST_F(CoordinatesTest, EnterEscapeAndTheCloseBoxEndIt) {
  const struct {
    const char* what;
    std::function<void(CCoordinates&)> end;
    int result;
  } cases[] = {
      {"Enter", [](CCoordinates& d) { QTest::keyClick(d.focusWidget(), Qt::Key_Return); }, 1},
      {"Escape", [](CCoordinates& d) { QTest::keyClick(d.focusWidget(), Qt::Key_Escape); }, 0},
      {"close box", [](CCoordinates& d) { d.close(); }, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    CCoordinates dialog(context_);
    QTimer::singleShot(0, &dialog, [&] {
      testing::ShowActive(dialog);
      dialog.EditItem(ids::kNorthing)->setFocus();
      c.end(dialog);
    });
    EXPECT_EQ(dialog.DoModal(), c.result);
  }
}

TEST_F(CoordinatesTest, FollowsTheDialogFontRule) {
  context_.dialogFont = PreferredFont{true, "DejaVu Serif", 11};
  Open();
  EXPECT_EQ(dialog_.font().family(), QStringLiteral("DejaVu Serif"));
  EXPECT_EQ(dialog_.font().pointSize(), 11);
  AppContext bare(Profile(dir_ / "Other.ini"), shell_);
  CCoordinates missing(bare);
  EXPECT_EQ(missing.DoModal(), -1);
  EXPECT_FALSE(missing.isVisible());
}

// The boxes against vantrel-convert's --utm and --latlong on every ellipsoid:
// a point typed into the decimal boxes, then its UTM boxes read back by a
// click on the hemisphere.
TEST_F(CoordinatesTest, AgreesWithTheCommandLineOnRandomPointsAndEveryEllipsoid) {
  Open();
  std::mt19937 random(20240611);
  std::uniform_real_distribution<double> latitudes(-80, 84), longitudes(-180, 180);
  const auto run = [](const cli::Arguments& args) {
    std::istringstream in;
    std::ostringstream out, err;
    EXPECT_EQ(cli::Run(args, {}, in, out, err), 0) << err.str();
    return testing::TabFields(out.str());
  };
  for (int ellipsoid = 0; ellipsoid < kEllipsoidCount; ++ellipsoid) {
    ChooseEllipsoid(ellipsoid);
    const std::string index = std::to_string(ellipsoid);
    for (int point = 0; point < 200; ++point) {
      const std::string latitude = FormatText("%.6f", latitudes(random));
      const std::string longitude = FormatText("%.6f", longitudes(random));
      SCOPED_TRACE(latitude + " " + longitude + " on " + index);
      dialog_.SetItemText(ids::kDecimalLatitude, QString::fromStdString(latitude));
      dialog_.SetItemText(ids::kDecimalLongitude, QString::fromStdString(longitude));
      const std::vector<std::string> utm =
          run({"--utm", latitude, longitude, "--ellipsoid", index});
      std::vector<std::string> boxes = Boxes(dialog_);
      ASSERT_EQ(std::vector<std::string>(boxes.begin() + 8, boxes.end()), utm);

      const bool south = utm[3] == "S";
      QTest::mouseClick(dialog_.ButtonItem(south ? ids::kSouthern : ids::kNorthern),
                        Qt::LeftButton);
      cli::Arguments back{"--latlong",   utm[0], utm[1], utm[2].substr(0, utm[2].find(' ')),
                          "--ellipsoid", index};
      if (south) back.push_back("--south");
      const std::vector<std::string> decimal = run(back);
      boxes = Boxes(dialog_);
      EXPECT_NEAR(ParseDouble(boxes[0].c_str()), ParseDouble(decimal[0].c_str()), 5.000001e-4);
      EXPECT_NEAR(ParseDouble(boxes[4].c_str()), ParseDouble(decimal[1].c_str()), 5.000001e-4);
      EXPECT_EQ(boxes[1] + " " + boxes[2] + " " + boxes[3], decimal[2]);
      EXPECT_EQ(boxes[5] + " " + boxes[6] + " " + boxes[7], decimal[3]);
    }
  }
}

// What the main window's command opens, as the user finds it, after typing a
// point there.
QString OpenFromTheMainWindow(CConverterDlg& window, int command) {
  QString found;
  QTimer::singleShot(0, [&] {
    auto* opened = qobject_cast<CCoordinates*>(QApplication::activeModalWidget());
    if (!opened) return;
    found = opened->ItemText(ids::kNorthing);
    opened->SetItemText(ids::kDecimalLatitude, QStringLiteral("-33.9"));
    opened->close();
  });
  window.OnCommand(command);
  return found;
}

TEST_F(CoordinatesTest, TheMainWindowsCommandOpensItAtTheDefaultPointAndRefreshesNothing) {
  CConverterDlg window(context_);
  ASSERT_TRUE(window.Create());
  window.SetItemText(ids::kInputBox, QStringLiteral("2"));
  const QString output = window.ItemText(ids::kOutputBox);
  for (int opening = 0; opening < 2; ++opening) {
    EXPECT_EQ(OpenFromTheMainWindow(window, ids::kCmdCoordinateConverter),
              QStringLiteral("3734419.547"));
  }
  EXPECT_EQ(window.ItemText(ids::kInputBox), QStringLiteral("2"));
  EXPECT_EQ(window.ItemText(ids::kOutputBox), output);
}

}  // namespace
}  // namespace vantrel
