// "Add / Remove Categories": creates an empty category of the user's own or
// removes one created that way, with its units. A successful add or remove
// closes the dialog as OK; Enter adds.
#pragma once

#include <string>
#include <string_view>

#include "ui/kit/TemplateDialog.h"

namespace vantrel {

struct AppContext;
class CUnitCatalogue;

class CCustomCategories : public TemplateDialog {
  Q_OBJECT

 public:
  // The context's catalogue must be published.
  explicit CCustomCategories(AppContext& context, QWidget* parent = nullptr);

  // The catalogue's result of the last add or remove; 0 before any.
  int LastResult() const { return lastResult_; }

 protected:
  void OnInitDialog() override;

 private:
  void OnAdd();
  void OnRemove();
  void Succeed(const QString& text);

  AppContext& context_;
  CUnitCatalogue& catalogue_;
  int lastResult_ = 0;
};

// A new category's name as stored: A-Z in lower case, then a first letter
// a-z in upper case; every other character as typed.
std::wstring NormaliseCategoryName(std::wstring_view name);

}  // namespace vantrel
