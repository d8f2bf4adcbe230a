#include "ui/CatalogueChangeDialog.h"

#include "ui/AppContext.h"
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
    context_.shell.MessageBox(this, QStringLiteral("Success"), done, MessageIcon::kNone);
    OnOK();
    return;
  }
  for (const Refusal& refusal : refusals) {
    if (refusal.result == outcome) Refuse(refusal.text);
  }
}

void CatalogueChangeDialog::Refuse(const QString& text) {
  context_.shell.MessageBox(this, QStringLiteral("Error"), text, MessageIcon::kExclamation);
}

bool CatalogueChangeDialog::HasNameLength(std::wstring_view name) {
  return name.size() >= kShortestName && name.size() <= kLongestName;
}

}  // namespace vantrel
