#include "ui/kit/DialogTemplateRegistry.h"

#include <QCoreApplication>
#include <utility>

namespace vantrel {
namespace {

// A text in the user's language: the installed translators' for the
// template's context, else the text itself.
void Translate(const char* context, std::string& text) {
  if (text.empty()) return;
  text = QCoreApplication::translate(context, text.c_str()).toStdString();
}

void TranslateTexts(DialogTemplate& dialog) {
  const char* context = dialog.textContext;
  if (!context) return;
  Translate(context, dialog.caption);
  for (ControlTemplate& control : dialog.controls) {
    if (control.kind != ControlKind::kIcon) Translate(context, control.text);
    Translate(context, control.name);
  }
}

}  // namespace

void DialogTemplateRegistry::Add(DialogTemplate dialogTemplate) {
  const int id = dialogTemplate.id;
  templates_.insert_or_assign(id, std::move(dialogTemplate));
}

std::optional<DialogTemplate> DialogTemplateRegistry::Find(int id) const {
  auto found = templates_.find(id);
  if (found == templates_.end()) return std::nullopt;
  return found->second;
}

std::vector<int> DialogTemplateRegistry::Ids() const {
  std::vector<int> ids;
  for (const auto& [id, dialogTemplate] : templates_) ids.push_back(id);
  return ids;
}

std::optional<DialogTemplate> LoadDialogTemplate(const DialogTemplateRegistry& registry, int id,
                                                 const PreferredFont& font) {
  std::optional<DialogTemplate> loaded = registry.Find(id);
  if (loaded && font.replacesTemplateFonts) {
    loaded->fontFace = font.face;
    loaded->fontPoints = font.points;
  }
  if (loaded) TranslateTexts(*loaded);
  return loaded;
}

}  // namespace vantrel
