// The window in each language of translations/: every text the sources mark
// has a finished translation that keeps what the program fills in, every
// template finds its texts under its context, the menus and Qt's own texts
// speak the language, and the settings file does not: a file written in one
// language reads the same in another.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>
#include <map>
#include <memory>
#include <set>
#include <vector>

#include "CatalogueDialogFixture.h"
#include "WindowTest.h"
#include "ui/CustomCategories.h"
#include "ui/CustomUnits.h"
#include "ui/MySheet.h"
#include "ui/SearchUnits.h"
#include "ui/Translations.h"
#include "ui/kit/ListView.h"

namespace vantrel {
namespace {

// The languages of translations/, by their files vantrel_<language>.ts.
std::map<QString, QString> TranslationFiles() {
  std::map<QString, QString> files;
  const QDir folder(QStringLiteral(VANTREL_TS_DIR));
  for (const QString& name : folder.entryList({QStringLiteral("vantrel_*.ts")}, QDir::Files)) {
    files[name.mid(8, name.size() - 11)] = folder.filePath(name);
  }
  return files;
}

struct Message {
  QString context;
  QString source;
  QString translation;
  QString type;     // "unfinished", "vanished", "obsolete" or none
  QString comment;  // the disambiguation: a unit's category
  QString translatorComment;
  QStringList forms;  // a numerus message's, the first the one shown
};

std::vector<Message> ReadMessages(const QString& path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  std::vector<Message> messages;
  QXmlStreamReader xml(&file);
  QString context;
  bool numerus = false;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    const auto name = xml.name();
    if (name == u"name") {
      context = xml.readElementText();
    } else if (name == u"message") {
      numerus = xml.attributes().value(QStringLiteral("numerus")) == u"yes";
      messages.push_back({context, {}, {}, {}, {}, {}, {}});
    } else if (name == u"source") {
      messages.back().source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
    } else if (name == u"comment") {
      messages.back().comment = xml.readElementText();
    } else if (name == u"translatorcomment") {
      messages.back().translatorComment = xml.readElementText();
    } else if (name == u"numerusform") {
      messages.back().forms << xml.readElementText();
      messages.back().translation += messages.back().forms.back();
    } else if (name == u"translation") {
      messages.back().type = xml.attributes().value(QStringLiteral("type")).toString();
      // A numerus message's forms follow as elements of their own.
      if (!numerus)
        messages.back().translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
    }
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  return messages;
}

// What the program fills into a text (%1) or reads from it: the key label
// after a tab, an access key.
QStringList Markers(const QString& text) {
  static const QRegularExpression kMarker(QStringLiteral("%\\d"));
  QStringList markers;
  for (const auto& match : kMarker.globalMatch(text)) markers << match.captured();
  markers.sort();
  markers << QString::number(text.count(u'\t'));
  markers << (QString(text).remove(QStringLiteral("&&")).contains(u'&') ? "&" : "");
  return markers;
}

TEST(Translations, EveryMarkedTextHasAFinishedTranslationKeepingWhatTheProgramFillsIn) {
  const std::map<QString, QString> files = TranslationFiles();
  EXPECT_TRUE(files.count(QStringLiteral("de")) && files.count(QStringLiteral("fr")));
  for (const auto& [language, path] : files) {
    const std::vector<Message> messages = ReadMessages(path);
    EXPECT_GT(messages.size(), 100u) << path.toStdString();
    for (const Message& message : messages) {
      SCOPED_TRACE(
          (language + QStringLiteral(" ") + message.context + QStringLiteral(": ") + message.source)
              .toStdString());
      EXPECT_EQ(message.type, QString()) << "not finished, or no longer used";
      EXPECT_FALSE(message.translation.isEmpty());
      EXPECT_EQ(Markers(message.translation), Markers(message.source));
    }
  }
}

// The built-in names (translations/BuiltinNames.cpp): one written as in
// English says so, which an entry left so by mistake does not; no two
// categories, and no two units of a category, share a name.
TEST(Translations, EveryBuiltinNameIsTheLanguagesOwnOrSaysItIsTheSame) {
  const QStringList contexts{"CategoryName", "UnitName", "UnitSymbol"};
  for (const auto& [language, path] : TranslationFiles()) {
    std::set<std::pair<QString, QString>> names;
    for (const Message& message : ReadMessages(path)) {
      if (!contexts.contains(message.context)) continue;
      SCOPED_TRACE(
          (language + QStringLiteral(" ") + message.comment + QStringLiteral(": ") + message.source)
              .toStdString());
      const QStringList forms =
          message.forms.isEmpty() ? QStringList{message.translation} : message.forms;
      EXPECT_EQ(forms.count(message.source) == forms.size(),
                message.translatorComment == QStringLiteral("same as English"));
      if (message.context != QStringLiteral("UnitSymbol")) {
        EXPECT_TRUE(names.insert({message.comment, forms.front()}).second) << "a name twice";
      }
    }
    EXPECT_GT(names.size(), 1000u);
  }
}

TEST(Translations, EveryTemplateFindsTheTranslationsOfItsTextsUnderItsContext) {
  DialogTemplateRegistry registry;
  AddProgramTemplates(registry);
  for (const auto& [language, path] : TranslationFiles()) {
    QTranslator translator;
    ASSERT_TRUE(translator.load(QStringLiteral("vantrel_") + language,
                                QStringLiteral(VANTREL_TRANSLATIONS_DIR)));
    for (int id : registry.Ids()) {
      const DialogTemplate dialog = *registry.Find(id);
      ASSERT_NE(dialog.textContext, nullptr) << id;
      std::vector<std::string> texts{dialog.caption};
      for (const ControlTemplate& control : dialog.controls) {
        if (control.kind != ControlKind::kIcon) texts.push_back(control.text);
        texts.push_back(control.name);
      }
      for (const std::string& text : texts) {
        if (text.empty()) continue;
        EXPECT_FALSE(translator.translate(dialog.textContext, text.c_str()).isEmpty())
            << language.toStdString() << ' ' << dialog.textContext << ": " << text;
      }
    }
  }
}

void RemoveTranslations() {
  for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
    QCoreApplication::removeTranslator(translator);
    delete translator;
  }
}

// The program in a language for the life of the object, as its start
// installs it; English again afterwards.
class Speaking {
 public:
  explicit Speaking(const QString& language) {
    EXPECT_EQ(InstallTranslations({language}, {QStringLiteral(VANTREL_TRANSLATIONS_DIR)}),
              language);
  }
  ~Speaking() { RemoveTranslations(); }
};

using TranslationTest = testing::WindowTest;

TEST_F(TranslationTest, LanguagesAreChosenInTheUsersOrderAndEnglishNeedsNone) {
  const QStringList folders{QStringLiteral(VANTREL_TRANSLATIONS_DIR)};
  const struct {
    QStringList languages;
    QString installed;
  } cases[] = {
      {{"de-DE", "de", "en-US"}, "de"},  // LANG=de_DE.UTF-8
      {{"fr-CA"}, "fr"},                 // a country without a file of its own
      {{"es-ES", "fr-FR", "de"}, "fr"},  // LANGUAGE=es:fr:de
      {{"xx", "C", "fr"}, "fr"},         // LANGUAGE=xx:fr: a language unknown to Qt
      {{"en-GB", "de"}, ""},             // English first: as written
      {{"C"}, ""},
      {{}, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.languages.join(u':').toStdString());
    EXPECT_EQ(InstallTranslations(c.languages, folders), c.installed);
    EXPECT_EQ(qApp->findChildren<QTranslator*>().size(), c.installed.isEmpty() ? 0 : 2)
        << "ours and Qt's";
    RemoveTranslations();
  }
}

TEST_F(TranslationTest, MenusDialogsAndQtsOwnTextsSpeakTheLanguage) {
  const struct {
    const char* language;
    QStringList menus;
    const char* caption;
    const char* undo;  // Qt's own, in the input box's context menu, with its key
    const char* heading;
  } cases[] = {
      {"de",
       {"&Datei", "&Bearbeiten", "&Hilfe"},
       "Vantrel-Einheitenumrechner",
       "&Rückgängig\tStrg+Z",
       "VON"},
      {"fr",
       {"&Fichier", "É&dition", "&Aide"},
       "Convertisseur d’unités Vantrel",
       "&Annuler\tCtrl+Z",
       "DE"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.language);
    Speaking speaking(QString::fromLatin1(c.language));
    CConverterDlg& window = Start();
    QStringList menus;
    for (const QAction* menu : window.MenuBar()->actions()) menus << menu->text();
    EXPECT_EQ(menus, c.menus);
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8(c.caption));
    EXPECT_EQ(window.ItemText(ids::kInputHeading), QString::fromUtf8(c.heading));
    const std::unique_ptr<QMenu> context(Input()->createStandardContextMenu());
    EXPECT_EQ(context->actions().value(0)->text(), QString::fromUtf8(c.undo));
    // Numbers stay as they are in every language.
    Input()->setText(QStringLiteral("1.5"));
    EXPECT_FALSE(window.ItemText(ids::kOutputBox).contains(u','));
  }
}

// The window lists the built-in names in its language, sorted as the language
// sorts, and Find finds them by those names; what is chosen is the English
// name.
TEST_F(TranslationTest, BuiltinNamesShowInTheLanguageAndFindFindsThem) {
  const struct {
    const char* language;
    const char* distance;
    const char* inchLabel;  // the unit and its symbol, as the label says them
    const char* typed;      // into Find
    const char* found;
    QStringList sorted;  // neighbours in the category list
  } cases[] = {
      {"de", "Länge", "Zoll \r\nin", "zoll", "Länge >> Zoll [in]", {"Länge", "Leistung"}},
      {"fr",
       "Longueur",
       "pouce \r\npo",
       "pouce",
       "Longueur >> pouce [po]",
       {"Débit de données", "Énergie", "Force"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.language);
    Speaking speaking(QString::fromLatin1(c.language));
    context_.preferences.showAbbreviation = 1;
    CConverterDlg& window = Start();
    QStringList shown;
    for (int row = 0; row < Categories()->GetCount(); ++row) shown << Categories()->GetLBText(row);
    const qsizetype first = shown.indexOf(c.sorted.front());
    EXPECT_EQ(shown.mid(first, c.sorted.size()), c.sorted);
    testing::Pick(Categories(), QStringLiteral("Distance"));
    EXPECT_EQ(Categories()->currentText(), QString::fromUtf8(c.distance));
    From()->SetCurSel(From()->FindKey(QStringLiteral("inch")));
    window.ComputeResult();
    EXPECT_EQ(window.ItemText(ids::kInputUnitLabel), QString::fromUtf8(c.inchLabel));

    CSearchUnits find(context_, &window);
    ASSERT_TRUE(find.Create());
    QTest::keyClicks(find.EditItem(ids::kSearchText), QString::fromUtf8(c.typed));
    ListBox* matches = find.ListBoxItem(ids::kMatchList);
    ASSERT_GE(matches->FindText(QString::fromUtf8(c.found)), 0);
    matches->SetCurSel(matches->FindText(QString::fromUtf8(c.found)));
    find.ButtonItem(kIdOk)->click();
    EXPECT_EQ(find.ChosenCategory(), QStringLiteral("Distance"));
    EXPECT_EQ(find.ChosenUnit(), QStringLiteral("inch"));
  }
}

// One user's session, the same in every language: a category and a unit of
// their own, the preferences, one category hidden, and a selection kept by
// closing the window.
void UseTheProgram(testing::ProgramRun& run) {
  CConverterDlg& window = run.Start();
  run.shell_.SetMainWindow(&window);
  run.FinishStart();
  {
    CCustomCategories categories(run.context_, &window);
    ASSERT_TRUE(categories.Create());
    QTest::keyClicks(categories.EditItem(ids::kCategoryNameEdit), "kitchen");
    categories.ButtonItem(ids::kAddCategoryButton)->click();
    CCustomUnits units(run.context_, &window);
    ASSERT_TRUE(units.Create());
    testing::Pick(units.DropDownItem(ids::kUnitCategoryList), QStringLiteral("Distance"));
    testing::Pick(units.DropDownItem(ids::kSourceUnitList), QStringLiteral("inch"));
    QTest::keyClicks(units.EditItem(ids::kUnitNameEdit), "hand");
    units.EditItem(ids::kCoefficientEdit)->setText(QStringLiteral("4"));
    units.ButtonItem(ids::kAddUnitButton)->click();

    CMySheet sheet(run.context_, &window);
    ASSERT_TRUE(sheet.Create());
    sheet.General().ButtonItem(ids::kShowAbbreviationCheck)->click();
    sheet.General().ButtonItem(ids::kCustomFontCheck)->click();
    sheet.General().DropDownItem(ids::kFontSizeList)->setCurrentIndex(9);
    sheet.ResultFormatPage().ButtonItem(ids::kFixedRadio)->click();
    sheet.ResultFormatPage().DropDownItem(ids::kPrecisionList)->setCurrentIndex(3);
    sheet.VisiblePage().ButtonItem(ids::kDisplayAllCheck)->click();
    auto* shown = sheet.VisiblePage().ItemAs<ListView>(ids::kVisibleCategoryList);
    for (int row = 0; row < shown->GetItemCount(); ++row) {
      if (shown->GetItemKey(row) == QStringLiteral("Amount of Substance"))
        shown->SetCheck(row, false);
    }
    sheet.Button(kIdOk)->click();
  }

  CConverterDlg& again = run.Start();
  run.FinishStart();
  testing::Pick(again.DropDownItem(ids::kCategoryList), QStringLiteral("Distance"));
  for (ListBox* list :
       {again.ListBoxItem(ids::kInputUnitList), again.ListBoxItem(ids::kOutputUnitList)}) {
    const int row =
        list->FindKey(list == again.ListBoxItem(ids::kInputUnitList) ? QStringLiteral("hand")
                                                                     : QStringLiteral("meter"));
    ASSERT_GE(row, 0);
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
  }
  again.close();
}

// What a start of the program finds in a settings file.
struct Found {
  QString category, from, to;
  QStringList shown;
  int format, precision, showAbbreviation, onTop, rememberLast;
  bool customFont;
  int fontPoints;
  bool operator==(const Found&) const = default;
};

Found StartOn(testing::ProgramRun& run) {
  CConverterDlg& window = run.Start();
  run.FinishStart();
  Found found{window.ItemText(ids::kCategoryList),
              window.ListBoxItem(ids::kInputUnitList)->currentItem()->text(),
              window.ListBoxItem(ids::kOutputUnitList)->currentItem()->text(),
              {},
              static_cast<int>(run.context_.preferences.format),
              run.context_.preferences.precision,
              run.context_.preferences.showAbbreviation,
              run.context_.preferences.onTop,
              run.context_.preferences.rememberLast,
              run.context_.dialogFont.replacesTemplateFonts,
              run.context_.dialogFont.points};
  const DropDownList* categories = window.DropDownItem(ids::kCategoryList);
  for (int i = 0; i < categories->GetCount(); ++i) found.shown << categories->GetLBText(i);
  return found;
}

TEST(TranslatedSettings, AFileWrittenInGermanReadsTheSameInEnglish) {
  testing::ProgramRun english;
  testing::ProgramRun german;
  UseTheProgram(english);
  {
    Speaking speaking(QStringLiteral("de"));
    UseTheProgram(german);
  }
  EXPECT_EQ(testing::ReadBytes(german.SettingsFile()), testing::ReadBytes(english.SettingsFile()));
  const Found expected = StartOn(english);
  EXPECT_EQ(expected.category, QStringLiteral("Distance"));
  EXPECT_EQ(expected.from, QStringLiteral("hand"));
  EXPECT_TRUE(expected.shown.contains(QStringLiteral("Kitchen")));
  EXPECT_EQ(StartOn(german), expected);
}

}  // namespace
}  // namespace vantrel
