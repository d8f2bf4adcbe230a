// "Add / Remove Units": defines a unit of any category as a multiple, or an
// inverse multiple, of one of its units, with the formula in a preview, or
// removes a unit added that way. The working selection is the catalogue's own:
// choosing a category makes it current and choosing a source unit makes it
// that category's input unit, so the opener restores its category afterwards.
// A successful add or remove closes the dialog as OK.
#pragma once

#include <string>

#include "ui/kit/TemplateDialog.h"

namespace vantrel {

struct AppContext;
class CUnitCatalogue;

class CCustomUnits : public TemplateDialog {
  Q_OBJECT

 public:
  // The context's catalogue must be published.
  explicit CCustomUnits(AppContext& context, QWidget* parent = nullptr);

  // The catalogue's result of the last add or remove; 0 before any.
  int LastResult() const { return lastResult_; }
  // The category of the last successful add or remove; empty before one.
  const std::wstring& ChangedCategory() const { return changedCategory_; }

 protected:
  void OnInitDialog() override;

 private:
  void OnSelectCategory();
  void OnSelectSource();
  void RefreshPreview();
  void OnAdd();
  void OnRemove();
  // Tells of a done change and closes.
  void Succeed(const QString& text);

  AppContext& context_;
  CUnitCatalogue& catalogue_;
  int unitCount_ = 0;
  int lastResult_ = 0;
  std::wstring changedCategory_;
};

}  // namespace vantrel
