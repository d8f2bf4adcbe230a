#include "ui/CatalogueChangeDialog.h"

#include <QCoreApplication>

#include "platform/TextEncoding.h"
#include "ui/AppContext.h"
#include "ui/DisplayNames.h"
#include "ui/kit/Shell.h"
#include "units/ResultCodes.h"

namespace vantrel {
namespace {

constexpr std::size_t kShortestName = 2;
constexpr std::size_t kLongestName = 25;

// The checks of a new name, once for both dialogs, each in its own words
// (and translation context).
struct NameMessages {
  const char* context;
  const char* length;
  const char* exists;
  const char* notStorable;
  const char* nameClash;  // %1: the name
};
constexpr NameMessages kNameMessages[] = {
    {"vantrel::CCustomUnits",
     QT_TRANSLATE_NOOP("vantrel::CCustomUnits",
                       "The unit name must be between 2 and 25 characters long."),
     QT_TRANSLATE_NOOP("vantrel::CCustomUnits", "This unit name already exists."),
     QT_TRANSLATE_NOOP("vantrel::CCustomUnits",
                       "This unit name cannot be saved in the settings file and read back. A "
                       "name may not contain \"=\", a tab or a line break, nor start with \"[\" "
                       "or \";\"."),
     QT_TRANSLATE_NOOP("vantrel::CCustomUnits",
                       "A custom unit whose name differs from [%1] only in letter case already "
                       "exists. The settings file cannot tell the two apart: choose another "
                       "name.")},
    {"vantrel::CCustomCategories",
     QT_TRANSLATE_NOOP("vantrel::CCustomCategories",
                       "The category name must be between 2 and 25 characters long."),
     QT_TRANSLATE_NOOP("vantrel::CCustomCategories", "This category name already exists."),
     QT_TRANSLATE_NOOP("vantrel::CCustomCategories",
                       "This category name cannot be saved in the settings file and read back. "
                       "A name may not contain \"=\", \"?val=\", a tab or a line break, nor "
                       "start with \"[\" or \";\"."),
     QT_TRANSLATE_NOOP("vantrel::CCustomCategories",
                       "A category whose name differs from [%1] only in letter case already "
                       "exists. The settings file cannot tell the two apart: choose another "
                       "name.")},
};

const NameMessages& MessagesOf(CatalogueChangeDialog::NameKind kind) {
  return kNameMessages[kind == CatalogueChangeDialog::NameKind::kUnit ? 0 : 1];
}

QString Translated(const NameMessages& messages, const char* text) {
  return QCoreApplication::translate(messages.context, text);
}

}  // namespace

CatalogueChangeDialog::CatalogueChangeDialog(AppContext& context, int templateId, QWidget* parent)
    : TemplateDialog(context.templates, templateId, context.dialogFont, parent),
      context_(context),
      catalogue_(context.catalogue) {}

void CatalogueChangeDialog::Report(int outcome, const QString& done,
                                   std::initializer_list<Refusal> refusals) {
  lastResult_ = outcome;
  if (outcome == result::kDone) {
    context_.shell.MessageBox(this, tr("Success"), done, MessageIcon::kNone);
    accept();
    return;
  }
  for (const Refusal& refusal : refusals) {
    if (refusal.result == outcome) Refuse(refusal.text);
  }
}

void CatalogueChangeDialog::Refuse(const QString& text) {
  context_.shell.MessageBox(this, tr("Error"), text, MessageIcon::kExclamation);
}

QString CatalogueChangeDialog::Shown(std::string_view name) {
  const std::string_view start = FirstCharacters(name, kQuotedCharacters);
  const QString shown = QString::fromUtf8(start.data(), static_cast<qsizetype>(start.size()));
  if (start.size() == name.size()) return shown;
  return shown + tr("... (%1 characters)").arg(CharacterCount(name));
}

QString CatalogueChangeDialog::ShownCategory(const std::string& name) {
  const QString shown = CategoryDisplayName(QString::fromStdString(name));
  return Shown(shown.toStdString());
}

bool CatalogueChangeDialog::CheckNameLength(std::string_view name, NameKind kind) {
  const std::size_t length = CharacterCount(name);
  if (length >= kShortestName && length <= kLongestName) return true;
  const NameMessages& messages = MessagesOf(kind);
  Refuse(Translated(messages, messages.length));
  return false;
}

void CatalogueChangeDialog::ReportAdd(int outcome, NameKind kind, const QString& name,
                                      const QString& done, const QString& notAdded) {
  const NameMessages& messages = MessagesOf(kind);
  Report(outcome, done,
         {{result::kAlreadyExists, Translated(messages, messages.exists)},
          {result::kNotStorable, Translated(messages, messages.notStorable)},
          {result::kNameClash, Translated(messages, messages.nameClash).arg(name)},
          {result::kNotSaved, notAdded}});
}

}  // namespace vantrel
