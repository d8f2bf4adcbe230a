#include "ui/kit/DialogTemplateRegistry.h"

#include <utility>

namespace vantrel {

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
  return loaded;
}

}  // namespace vantrel
