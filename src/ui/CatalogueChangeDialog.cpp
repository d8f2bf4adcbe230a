#include "ui/CatalogueChangeDialog.h"

#include "platform/TextEncoding.h"
#include "ui/AppContext.h"
#include "ui/DisplayNames.h"
#include "ui/kit/Shell.h"
#include "units/ResultCodes.h"

namespace vantrel {
namespace {

constexpr std::size_t kShortestName = 2;
constexpr std::size_t kLongestName = 25;

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

bool CatalogueChangeDialog::HasNameLength(std::string_view name) {
  const std::size_t length = CharacterCount(name);
  return length >= kShortestName && length <= kLongestName;
}

}  // namespace vantrel
