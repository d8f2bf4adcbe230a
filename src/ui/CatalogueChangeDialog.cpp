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

QString CatalogueChangeDialog::Shown(std::wstring_view name) {
  const QString start = QString::fromStdWString(std::wstring(name.substr(0, kQuotedCharacters)));
  if (name.size() <= kQuotedCharacters) return start;
  return start + tr("... (%1 characters)").arg(name.size());
}

QString CatalogueChangeDialog::ShownCategory(const std::wstring& name) {
  const QString shown = CategoryDisplayName(QString::fromStdWString(name));
  return Shown(shown.toStdWString());
}

bool CatalogueChangeDialog::HasNameLength(std::wstring_view name) {
  return name.size() >= kShortestName && name.size() <= kLongestName;
}

}  // namespace vantrel
