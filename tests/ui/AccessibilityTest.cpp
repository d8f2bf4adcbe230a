// What a screen reader finds in every dialog, walked through Qt's accessible
// interfaces as the desktop's accessibility bridge walks them.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QMenuBar>
#include <QSignalSpy>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "PreferencesFixture.h"
#include "ui/AboutDlg.h"
#include "ui/Coordinates.h"
#include "ui/CustomCategories.h"
#include "ui/CustomUnits.h"
#include "ui/HelpDialog.h"
#include "ui/MainMenu.h"
#include "ui/MenuCH.h"
#include "ui/SearchUnits.h"
#include "ui/kit/ListBox.h"
#include "ui/kit/StaticText.h"
#include "ui/kit/TemplateRules.h"

namespace vantrel {
namespace {

using Role = QAccessible::Role;

struct Seen {
  Role role;
  QString name;
  bool focusable;
};

// Every control of a dialog (objects named "item<id>") as its accessible tree
// shows it, by id.
void Walk(QAccessibleInterface* node, std::map<int, Seen>& seen, int depth = 0) {
  ASSERT_LT(depth, 12) << "a cycle in the tree";
  const QString objectName = node->object() ? node->object()->objectName() : QString();
  if (objectName.startsWith(QLatin1String("item"))) {
    seen[objectName.mid(4).toInt()] = {node->role(), node->text(QAccessible::Name),
                                       node->state().focusable != 0};
  }
  for (int i = 0; i < node->childCount(); ++i) {
    QAccessibleInterface* child = node->child(i);
    ASSERT_TRUE(child);
    EXPECT_EQ(child->parent(), node);
    Walk(child, seen, depth + 1);
  }
}

std::map<int, Seen> Tree(QWidget& dialog) {
  std::map<int, Seen> seen;
  Walk(QAccessible::queryAccessibleInterface(&dialog), seen);
  return seen;
}

class AccessibilityTest : public testing::PreferencesFixture {};

TEST_F(AccessibilityTest, EveryDialogNamesItsControlsByWhatASightedUserReads) {
  CConverterDlg& main = Start();
  CMySheet& sheet = Open();
  context_->homePage = QStringLiteral("https://vantrel.example.org/");
  const std::vector<std::pair<const char*, std::function<std::unique_ptr<QWidget>()>>> dialogs = {
      {"main", [] { return nullptr; }},
      {"find", [&] { return std::make_unique<CSearchUnits>(*context_); }},
      {"units", [&] { return std::make_unique<CCustomUnits>(*context_); }},
      {"categories", [&] { return std::make_unique<CCustomCategories>(*context_); }},
      {"coordinates", [&] { return std::make_unique<CCoordinates>(*context_); }},
      {"help", [&] { return std::make_unique<CHelpDialog>(*context_); }},
      {"about", [&] { return std::make_unique<CAboutDlg>(*context_); }},
      {"general", [] { return nullptr; }},
      {"format", [] { return nullptr; }},
      {"visible", [] { return nullptr; }},
  };
  const struct {
    std::string dialog;
    int id;
    Role role;
    const char* name;  // null: the text it shows
  } expected[] = {
      {"main", ids::kCategoryList, Role::ComboBox, "Select Category"},
      {"main", ids::kInputUnitList, Role::List, "INPUT"},
      {"main", ids::kInputBox, Role::EditableText, "Input"},
      {"main", ids::kOutputBox, Role::EditableText, "Output"},
      {"main", ids::kInvertIcon, Role::Button, "Invert Units"},
      {"main", ids::kLogo, Role::Button, "Vantrel home page"},
      {"main", ids::kUnitsFrame, Role::Grouping, "Select Units"},
      {"main", ids::kInputUnitLabel, Role::StaticText, nullptr},
      {"find", ids::kSearchText, Role::EditableText,
       "Type All or Part of a Unit or Category Name:"},
      {"units", ids::kCoefficientEdit, Role::EditableText, "Coefficient"},
      {"units", ids::kPreviewEdit, Role::EditableText, "Preview"},
      {"coordinates", ids::kDecimalLatitude, Role::EditableText, "Latitude"},
      {"coordinates", ids::kLatitudeDegrees, Role::EditableText, "Latitude degrees"},
      {"coordinates", ids::kLatitudeMinutes, Role::EditableText, "Latitude minutes"},
      {"coordinates", ids::kLatitudeSeconds, Role::EditableText, "Latitude seconds"},
      {"coordinates", ids::kLongitudeDegrees, Role::EditableText, "Longitude degrees"},
      {"coordinates", ids::kLongitudeMinutes, Role::EditableText, "Longitude minutes"},
      {"coordinates", ids::kLongitudeSeconds, Role::EditableText, "Longitude seconds"},
      {"coordinates", ids::kNorthern, Role::RadioButton, "Northern"},
      {"coordinates", ids::kSouthern, Role::RadioButton, "Southern"},
      {"help", ids::kHelpText, Role::EditableText, "Help"},
      {"about", ids::kBannerPicture, Role::Button, "Vantrel home page"},
      {"about", ids::kProductLink, Role::Link, nullptr},
      {"about", ids::kTermsText, Role::EditableText, "Terms of use"},
      {"general", ids::kFontFaceList, Role::ComboBox, "Font"},
      {"general", ids::kFontSizeList, Role::ComboBox, "Size"},
      {"format", ids::kAutoFormatRadio, Role::RadioButton, "AutoFormat"},
      {"format", ids::kScientificRadio, Role::RadioButton, "Scientific"},
      {"format", ids::kFixedRadio, Role::RadioButton, "Fixed"},
      {"format", ids::kPrecisionList, Role::ComboBox, "Set decimal precision"},
      {"format", ids::kFormatPreview, Role::StaticText, nullptr},
      {"visible", ids::kVisibleCategoryList, Role::List, "Visible categories"},
  };
  for (const auto& [dialogName, make] : dialogs) {
    SCOPED_TRACE(dialogName);
    std::unique_ptr<QWidget> made = make();
    auto* dialog = qobject_cast<TemplateDialog*>(made.get());
    if (dialog) {
      ASSERT_TRUE(dialog->Create());
    }
    const std::string which = dialogName;
    if (which == "main") dialog = &main;
    if (which == "general") dialog = &General();
    if (which == "format") dialog = &Format();
    if (which == "visible") dialog = &Visible();
    const std::map<int, Seen> seen = Tree(*dialog);
    for (const ControlTemplate& control : dialog->Template().controls) {
      if (control.id == kIdStatic) continue;
      SCOPED_TRACE(control.id);
      ASSERT_TRUE(seen.count(control.id)) << "not in the tree";
      const Seen& found = seen.at(control.id);
      EXPECT_EQ(found.name, found.name.simplified()) << "no padding in a name";
      if (found.focusable) {
        EXPECT_FALSE(found.name.isEmpty()) << "a control to use has a name";
      }
      if (control.kind == ControlKind::kRadioButton) {
        EXPECT_EQ(found.role, Role::RadioButton);
      }
    }
    for (const auto& e : expected) {
      if (e.dialog != which) continue;
      SCOPED_TRACE(e.id);
      ASSERT_TRUE(seen.count(e.id));
      EXPECT_EQ(seen.at(e.id).role, e.role);
      EXPECT_EQ(seen.at(e.id).name,
                e.name ? QString::fromUtf8(e.name) : NameOfText(dialog->ItemText(e.id)));
      EXPECT_FALSE(seen.at(e.id).name.isEmpty());
    }
  }
  for (PropertyPage* page :
       {static_cast<PropertyPage*>(&General()), static_cast<PropertyPage*>(&Format()),
        static_cast<PropertyPage*>(&Visible())}) {
    QAccessibleInterface* tab = QAccessible::queryAccessibleInterface(page);
    EXPECT_EQ(tab->role(), Role::PropertyPage);
    EXPECT_EQ(tab->text(QAccessible::Name), page->windowTitle());
  }
  EXPECT_EQ(sheet.TabControl()->count(), 3);
}

// A name that comes from a text changes with it: the preview's is what it
// shows, an edit's is its label's.
TEST_F(AccessibilityTest, NamesFollowTheTextsTheyComeFrom) {
  Start();
  Open();
  const auto nameOf = [](QWidget* control) {
    return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
  };
  QWidget* preview = Format().Item(ids::kFormatPreview);
  EXPECT_EQ(nameOf(preview), QStringLiteral("123.45678976898"));
  Format().ButtonItem(ids::kFixedRadio)->click();
  Format().DropDownItem(ids::kPrecisionList)->SetCurSel(2);
  Format().OnCommand(ids::kPrecisionList, Notification::kSelChange);
  EXPECT_EQ(nameOf(preview), QStringLiteral("123.46"));

  const DialogTemplate labelled{700,
                                "Named",
                                120,
                                40,
                                "DejaVu Sans",
                                8,
                                kSysMenu,
                                {{5, ControlKind::kText, "&Distance", 5, 7, 40, 8, kNoStyle},
                                 {6, ControlKind::kEdit, "", 50, 5, 60, 12, kTabStop}}};
  const DialogTemplateRegistry registry = testing::RegistryOf({labelled});
  TemplateDialog dialog(registry, 700, PreferredFont{});
  ASSERT_TRUE(dialog.Create());
  EXPECT_EQ(nameOf(dialog.Item(6)), QStringLiteral("Distance"));
  dialog.SetItemText(5, QStringLiteral("&Height  "));
  EXPECT_EQ(nameOf(dialog.Item(6)), QStringLiteral("Height"));
  EXPECT_EQ(nameOf(dialog.Item(5)), QStringLiteral("Height"));
}

// The invert picture does what a click does, for a screen reader too, and
// stays out of Tab's way.
TEST_F(AccessibilityTest, TheInvertPictureIsAPushButtonThatInverts) {
  CConverterDlg& main = Start();
  main.ListBoxItem(ids::kInputUnitList)->SetCurSel(1);
  main.ListBoxItem(ids::kOutputUnitList)->SetCurSel(4);
  QWidget* invert = main.Item(ids::kInvertIcon);
  EXPECT_EQ(invert->focusPolicy(), Qt::NoFocus);
  QAccessibleActionInterface* actions =
      QAccessible::queryAccessibleInterface(invert)->actionInterface();
  ASSERT_TRUE(actions);
  ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
  actions->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(main.ListBoxItem(ids::kInputUnitList)->GetCurSel(), 4);
  EXPECT_EQ(main.ListBoxItem(ids::kOutputUnitList)->GetCurSel(), 1);
}

TEST(MenuAccessibility, ItemsAreNamedByTheirLabelsWithTheirKeysAsKeyBindings) {
  const std::vector<std::vector<std::pair<const char*, const char*>>> popups = {
      {{"Launch Calculator", "Ctrl+L"}, {"Coordinate Converter", ""}, {"", ""}, {"Exit", "Ctrl+Q"}},
      {{"Copy Output", "Ctrl+C"},
       {"Find", "Ctrl+F"},
       {"Invert Units", "Ctrl+I"},
       {"", ""},
       {"Units", ""},
       {"Categories", ""},
       {"Preferences", "Ctrl+P"}},
      {{"Contents", "F1"}, {"", ""}, {"About...", ""}, {"Check for updates or Donate...", ""}},
  };
  QMenuBar bar;
  BuildMainMenu(bar, QFont(QStringLiteral("DejaVu Sans"), 8));
  for (int position = 0; position < 3; ++position) {
    CMenuCH& menu = *MainMenuPopup(bar, position);
    QAccessibleInterface* tree = QAccessible::queryAccessibleInterface(&menu);
    ASSERT_EQ(tree->childCount(), static_cast<int>(popups[position].size()));
    for (int i = 0; i < tree->childCount(); ++i) {
      const auto& [name, keys] = popups[position][i];
      SCOPED_TRACE(name);
      QAccessibleInterface* item = tree->child(i);
      EXPECT_EQ(item->parent(), tree);
      EXPECT_EQ(item->role(), *name ? Role::MenuItem : Role::Separator);
      EXPECT_EQ(item->text(QAccessible::Name), QString::fromLatin1(name));
      if (!*name) continue;
      QAccessibleActionInterface* actions = item->actionInterface();
      ASSERT_TRUE(actions);
      const QString press = QAccessibleActionInterface::pressAction();
      EXPECT_EQ(actions->keyBindingsForAction(press).join(QString()), QString::fromLatin1(keys));
      QSignalSpy triggered(menu.actions()[i], &QAction::triggered);
      actions->doAction(press);
      EXPECT_TRUE(triggered.wait(1000));
    }
  }
}

}  // namespace
}  // namespace vantrel
