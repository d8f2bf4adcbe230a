#include "ui/StartChoice.h"

#include <QCoreApplication>

#include "ui/DisplayNames.h"
#include "units/NameLookup.h"

namespace vantrel {
namespace {

// The window says these, under its own context.
QString ProblemText(const StartOptionProblem& problem) {
  switch (problem.kind) {
    case StartOptionProblem::Kind::kMissingValue:
      //: %1 is the command-line option as written, "--category"
      return QCoreApplication::translate("vantrel::CConverterDlg", "The option %1 needs a value.")
          .arg(problem.option);
    case StartOptionProblem::Kind::kRepeated:
      //: %1 is the command-line option as written, "--category"
      return QCoreApplication::translate("vantrel::CConverterDlg",
                                         "The option %1 is given more than once.")
          .arg(problem.option);
    case StartOptionProblem::Kind::kUnknown:
      //: %1 is what neither the window nor Qt takes of the command line, as written
      return QCoreApplication::translate(
                 "vantrel::CConverterDlg",
                 "Unknown command-line arguments: %1 (vantrel --help lists the window's options).")
          .arg(problem.option);
  }
  return {};
}

QString Quoted(const QString& name) {
  //: a name in quotation marks, as the language writes them
  return QCoreApplication::translate("vantrel::CConverterDlg", "\"%1\"").arg(name);
}

// The unit the text names in the category, or null with the problem said.
const CUnit* ResolveUnit(const QString& text, const CCategory& category, QStringList& problems) {
  const std::vector<const CUnit*> units = FindUnitsByName(category, text.toStdString());
  if (units.size() == 1) return units.front();
  const QString categoryName = QString::fromStdString(category.Name());
  if (units.empty()) {
    //: %1 is the unit as given on the command line, %2 the category's name
    problems << QCoreApplication::translate("vantrel::CConverterDlg",
                                            "Unknown unit \"%1\" in \"%2\".")
                    .arg(text, CategoryDisplayName(categoryName));
    return nullptr;
  }
  QStringList names;
  for (const CUnit* unit : units)
    names << Quoted(UnitDisplayName(categoryName, QString::fromStdString(unit->name)));
  //: %1 is the abbreviation as given on the command line, %2 the category's
  //: name, %3 the units' names
  problems << QCoreApplication::translate("vantrel::CConverterDlg",
                                          "\"%1\" stands for several units of \"%2\": %3.")
                  .arg(text, CategoryDisplayName(categoryName), names.join(QStringLiteral(", ")));
  return nullptr;
}

}  // namespace

StartSelection ResolveStartChoice(const StartChoice& choice, const CUnitCatalogue& catalogue,
                                  const CCategory* shown) {
  StartSelection selection;
  for (const StartOptionProblem& problem : choice.problems)
    selection.problems << ProblemText(problem);
  const CCategory* units = shown;
  if (choice.category) {
    const CCategory* category = FindCategoryByName(catalogue, choice.category->toStdString());
    if (!category) {
      //: %1 is the category as given on the command line
      selection.problems << QCoreApplication::translate("vantrel::CConverterDlg",
                                                        "Unknown category \"%1\".")
                                .arg(*choice.category);
    } else if (category->Visible() != 1) {
      //: %1 is the category's name; the rest names the menu and the page
      //: where categories are shown again, as the window calls them
      selection.problems << QCoreApplication::translate(
                                "vantrel::CConverterDlg",
                                "The category \"%1\" is hidden: Edit, Preferences, "
                                "Visible Categories shows it again.")
                                .arg(CategoryDisplayName(QString::fromStdString(category->Name())));
    } else {
      selection.category = category;
    }
    // Units named for a category the window cannot show are not looked for.
    units = selection.category;
  }
  if (units) {
    if (choice.from) selection.from = ResolveUnit(*choice.from, *units, selection.problems);
    if (choice.to) selection.to = ResolveUnit(*choice.to, *units, selection.problems);
  }
  selection.value = choice.value;
  return selection;
}

}  // namespace vantrel
