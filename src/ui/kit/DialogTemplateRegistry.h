// The program's dialog templates by id: our stand-in for the templates stored
// in an executable's resources. Lookups hand out copies, so that a caller may
// change one (the dialog font rule does) without touching the original.
#pragma once

#include <map>
#include <optional>
#include <vector>

#include "ui/kit/DialogTemplate.h"
#include "ui/kit/PreferredFont.h"

namespace vantrel {

class DialogTemplateRegistry {
 public:
  // A template with an id already present replaces it.
  void Add(DialogTemplate dialogTemplate);
  bool Contains(int id) const { return templates_.count(id) != 0; }
  std::optional<DialogTemplate> Find(int id) const;
  // Every id held, in ascending order.
  std::vector<int> Ids() const;

 private:
  std::map<int, DialogTemplate> templates_;
};

// The template as a dialog shows it: under the dialog font rule (while the
// preferred font replaces the templates' fonts, with the preferred face and
// point size), and with its texts through the application's translators.
// Empty when no template has the id.
std::optional<DialogTemplate> LoadDialogTemplate(const DialogTemplateRegistry& registry, int id,
                                                 const PreferredFont& font);

}  // namespace vantrel
